#include "core/budget/BudgetIndices.h"

#include "core/text/NumberFormat.h"

#include "support/Records.h"

#include <gtest/gtest.h>

using namespace belvane;
using belvane::test::defaultOffice;
using belvane::test::newBudget;

namespace {

// The priced one-member budget: quoted value 12750 with 1275 of taxes, own expenses 8125,
// qualification addition 1625.0004, RRT 100, tax 10 %, 100 man-hours.
TBudgetData pricedBudget()
{
    TBudgetData b = newBudget();
    b.BudgetValue = 12750.0f;
    b.Taxes = 1275.0f;
    b.OwnExpenses = 8125.0f;
    b.QualificationAddition = 1625.0004f;
    b.RRT = 100.0f;
    b.TaxRate = 10.0f;
    b.Hxh = 100;
    return b;
}

TOfficeData office(float costWithTech, int monthlyHours, int techStaff)
{
    TOfficeData o = defaultOffice();
    o.CostWithTech = costWithTech;
    o.MonthlyHours = std::uint16_t(monthlyHours);
    o.TechStaffCount = std::uint8_t(techStaff);
    return o;
}

} // namespace

TEST(BudgetIndicesTest, K1DeductsTaxesAfterGenerationButNotAfterRenegotiation)
{
    const TBudgetData b = pricedBudget();
    const TOfficeData o = office(25000.0f, 160, 3);
    EXPECT_EQ(formatNumber(K1AfterGeneration(b, o), u"#0.0"), QStringLiteral("45,9"));
    EXPECT_EQ(formatNumber(K1AfterRenegotiation(b, o), u"#0.0"), QStringLiteral("51,0"));
}

TEST(BudgetIndicesTest, K1IsAHundredWithoutOfficeCost)
{
    const TBudgetData b = pricedBudget();
    EXPECT_EQ(K1AfterGeneration(b, office(0.0f, 160, 3)), 100.0f);
    EXPECT_EQ(K1AfterRenegotiation(b, office(-5.0f, 160, 3)), 100.0f);
}

TEST(BudgetIndicesTest, K2IsTheShareOfAMonthOfTheTechnicalStaff)
{
    const TBudgetData b = pricedBudget();
    EXPECT_FLOAT_EQ(K2Of(b, office(0, 160, 3)), 20.833334f);
    EXPECT_EQ(formatNumber(K2Of(b, office(0, 160, 3)), u"#0.0"), QStringLiteral("20,8"));
    EXPECT_EQ(formatNumber(K2Of(b, office(0, 160, 0)), u"#0.0"), QStringLiteral("100,0"));
    EXPECT_EQ(K2Of(b, office(0, 0, 3)), 100.0f);
}

TEST(BudgetIndicesTest, ZeroProfitValueAndItsCaption)
{
    TBudgetData b = pricedBudget();
    const auto z = zeroProfitValue(b);
    ASSERT_TRUE(z.has_value());
    EXPECT_FLOAT_EQ(*z, 10944.445f);
    EXPECT_EQ(zeroProfitCaption(*z), QStringLiteral("10944 -> lucro=0"));
    EXPECT_EQ(zeroProfitCaption(11000.0f), QStringLiteral("11000 -> lucro=0"));
    b.TaxRate = 100.0f;
    EXPECT_FALSE(zeroProfitValue(b).has_value());
    b.TaxRate = 120.0f;
    EXPECT_FALSE(zeroProfitValue(b).has_value());
}
