#include "core/office/OfficeCosts.h"

#include "core/text/NumberFormat.h"

#include <gtest/gtest.h>

using namespace belvane;

namespace {

OfficeStaffCostRow staff(const char* type, double cost)
{
    return {QString::fromUtf8(type), cost};
}

std::string shown(double value, const char* pattern)
{
    return formatNumber(value, QString::fromLatin1(pattern)).toStdString();
}

// 2^24: from here on a single-precision number can no longer hold every whole number, so adding
// 1 is lost when the sum is rounded after the addition.
constexpr double kTwoTo24 = 16777216.0;

} // namespace

TEST(OfficeCostsTest, WorkedExampleShowsTheEightTotals)
{
    OfficeCostRows rows;
    rows.fixed = {1000.00, 500.50};
    rows.variable = {250.25};
    rows.staff = {staff("Apoio", 2000.00), staff("Técnico", 5000.00)};
    rows.monthlyHours = 160;
    const auto totals = computeOfficeCosts(rows);
    ASSERT_TRUE(totals);
    EXPECT_EQ(shown(totals->fixedTotal, "#0.00#"), "1500,50");
    EXPECT_EQ(shown(totals->variableTotal, "#0.00#"), "250,25");
    EXPECT_EQ(shown(totals->techStaffTotal, "#0.00#"), "5000,00");
    EXPECT_EQ(shown(totals->supportStaffTotal, "#0.00#"), "2000,00");
    EXPECT_EQ(shown(totals->costWithoutTech, "#0.00#"), "3750,75");
    EXPECT_EQ(shown(totals->costPerHour, "#0.00"), "23,44");
    EXPECT_EQ(shown(totals->costWithTech, "#0.00#"), "8750,75");
    EXPECT_EQ(shown(totals->costWithTechPerHour, "#0.00"), "54,69");
    // The hourly cost is the exact quotient of the rounded cost, not a single-precision value.
    EXPECT_DOUBLE_EQ(totals->costPerHour, 23.4421875);
}

TEST(OfficeCostsTest, RunningSumsAreRoundedAfterEveryAddition)
{
    OfficeCostRows rows;
    rows.fixed = {kTwoTo24, 1.0, 1.0};
    rows.variable = {kTwoTo24, 2.0};
    rows.staff = {staff("Técnico", kTwoTo24), staff("Técnico", 1.0), staff("Apoio", 0.1)};
    const auto totals = computeOfficeCosts(rows);
    ASSERT_TRUE(totals);
    EXPECT_EQ(totals->fixedTotal, 16777216.0f);      // each +1 is lost on its own
    EXPECT_EQ(totals->variableTotal, 16777218.0f);   // +2 survives
    EXPECT_EQ(totals->techStaffTotal, 16777216.0f);
    EXPECT_EQ(totals->supportStaffTotal, 0.1f);      // the cell's value is rounded only when stored
}

TEST(OfficeCostsTest, CostsAddTheShownTotalsAndRoundOnce)
{
    OfficeCostRows rows;
    rows.fixed = {kTwoTo24};
    rows.variable = {1.0};
    rows.staff = {staff("Apoio", 1.0), staff("Técnico", 1.0), staff("Técnico", 1.0)};
    rows.monthlyHours = 10;
    const auto totals = computeOfficeCosts(rows);
    ASSERT_TRUE(totals);
    // Adding step by step in single precision would lose both ones; one rounding keeps them.
    EXPECT_EQ(totals->costWithoutTech, 16777218.0f);
    EXPECT_EQ(totals->costWithTech, 16777220.0f);
    EXPECT_DOUBLE_EQ(totals->costPerHour, 1677721.8);
    EXPECT_DOUBLE_EQ(totals->costWithTechPerHour, 1677722.0);
}

TEST(OfficeCostsTest, StaffCountsOnlyTheExactTypes)
{
    OfficeCostRows rows;
    rows.staff = {staff("técnico", 100), staff("APOIO", 200), staff("Técnico ", 300), staff("", 400),
                  staff("Técnico", 50), staff("Apoio", 25)};
    const auto totals = computeOfficeCosts(rows);
    ASSERT_TRUE(totals);
    EXPECT_EQ(totals->techStaffTotal, 50.0f);
    EXPECT_EQ(totals->supportStaffTotal, 25.0f);
    EXPECT_EQ(totals->costWithoutTech, 25.0f);
    EXPECT_EQ(totals->costWithTech, 75.0f);
}

TEST(OfficeCostsTest, NoHoursAndEmptyListsGiveZero)
{
    OfficeCostRows rows;
    auto totals = computeOfficeCosts(rows);
    ASSERT_TRUE(totals);
    EXPECT_EQ(totals->costWithTech, 0.0f);
    EXPECT_EQ(totals->costPerHour, 0.0);

    rows.fixed = {1200.0};
    rows.staff = {staff("Técnico", 800.0)};
    rows.monthlyHours = 0;
    totals = computeOfficeCosts(rows);
    ASSERT_TRUE(totals);
    EXPECT_EQ(totals->costWithTech, 2000.0f);
    EXPECT_EQ(totals->costPerHour, 0.0);
    EXPECT_EQ(totals->costWithTechPerHour, 0.0);
}

TEST(OfficeCostsTest, AValueThatIsNoNumberGivesNoTotals)
{
    OfficeCostRows rows;
    rows.fixed = {100.0, std::nullopt};
    EXPECT_FALSE(computeOfficeCosts(rows));

    rows.fixed = {100.0};
    rows.variable = {std::nullopt};
    EXPECT_FALSE(computeOfficeCosts(rows));

    rows.variable = {};
    rows.staff = {{QStringLiteral("Apoio"), std::nullopt}};
    EXPECT_FALSE(computeOfficeCosts(rows));

    // A cost is read only for the two staff types, so an untyped row's cell does not matter.
    rows.staff = {{QString(), std::nullopt}};
    const auto totals = computeOfficeCosts(rows);
    ASSERT_TRUE(totals);
    EXPECT_EQ(totals->fixedTotal, 100.0f);
}
