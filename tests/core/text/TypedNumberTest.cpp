#include "core/text/TypedNumber.h"

#include <QString>

#include <gtest/gtest.h>

using namespace belvane;

// A dot that groups thousands is grouping; one that cannot be is the decimal mark; never a
// silent multiplication by a hundred.
TEST(TypedNumberTest, ADotIsGroupingOnlyWhereItGroupsThousands)
{
    const struct {
        const char16_t* typed;
        double value;
    } read[] = {{u"119.61", 119.61},  {u"850.5", 850.5},       {u"12.5", 12.5},          {u"3100.50", 3100.5},
                {u"3.100", 3100},     {u"3.100,50", 3100.5},   {u"1.500.000", 1500000}, {u"-2.5", -2.5},
                {u" 11.961,00 ", 11961}, {u"119,61", 119.61},  {u"1234.5", 1234.5}};
    for (const auto& r : read) {
        const std::optional<double> value = parseTypedNumber(QStringView(r.typed));
        ASSERT_TRUE(value.has_value()) << QString::fromUtf16(r.typed).toStdString();
        EXPECT_DOUBLE_EQ(*value, r.value) << QString::fromUtf16(r.typed).toStdString();
    }
    for (const char16_t* refused : {u"1.2.3", u"12.34,5", u"1,5.3", u"1.5E3", u"1..5", u".", u"abc"})
        EXPECT_FALSE(parseTypedNumber(QStringView(refused))) << QString::fromUtf16(refused).toStdString();
    for (const char16_t* unfinished : {u"", u"-", u"12,", u"12."})
        EXPECT_TRUE(isUnfinishedTypedNumber(QStringView(unfinished)));
    EXPECT_FALSE(isUnfinishedTypedNumber(u"12.5"));
}
