#include "core/storage/BudgetFileNameCheck.h"

#include <QString>

#include <gtest/gtest.h>

namespace belvane {
namespace {

TEST(StorageBudgetFileName, AcceptsBudgetNamesInAnyLetterCase)
{
    for (const char* name : {"ORC000001.bvp", "ORC000000.bvp", "orc123456.BVP", "Orc999999.Bvp",
                             "ORC1234567.bvp", "ORC2147483647.bvp"})
        EXPECT_TRUE(isBudgetFileName(QString::fromLatin1(name))) << name;
}

TEST(StorageBudgetFileName, RejectsAnythingElse)
{
    const char* const rejected[] = {
        "",                    "ORC.bvp",          "ORC12345.bvp",       "ORC00001a.bvp",
        "ORC-00001.bvp",       "ORC 000001.bvp",   "ORC000001.bvp ",     " ORC000001.bvp",
        "ORC000001.bvh",       "ORC000001",        "ORC000001.bvp.bak",  "XRC000001.bvp",
        "000001.bvp",          "../ORC000001.bvp", "a/ORC000001.bvp",    "ORC000001/.bvp",
        "/tmp/ORC000001.bvp",  "C:\\ORC000001.bvp", "ORC000001\\.bvp",   "..",
        "ORC00000+1.bvp",      "ORC000001.bvpx",   "ORC000001..bvp",
    };
    for (const char* name : rejected)
        EXPECT_FALSE(isBudgetFileName(QString::fromLatin1(name))) << '"' << name << '"';
}

TEST(StorageBudgetFileName, RejectsDigitsOutsideAscii)
{
    // Arabic-Indic and full-width digits are digits to Unicode, but not budget numbers.
    EXPECT_FALSE(isBudgetFileName(QStringLiteral("ORC\u0661\u0662\u0663\u0664\u0665\u0666.bvp")));
    EXPECT_FALSE(isBudgetFileName(QStringLiteral("ORC\uFF11\uFF12\uFF13\uFF14\uFF15\uFF16.bvp")));
    EXPECT_FALSE(isBudgetFileName(QStringLiteral("ORC000001.bvp").append(QChar(0))));
}

} // namespace
} // namespace belvane
