#include "core/budget/BudgetCalc.h"

#include "support/Budgets.h"
#include "support/Records.h"

#include <gtest/gtest.h>

using namespace belvane;
using belvane::test::newBudget;

using belvane::test::oneMemberBudget;

TEST(BudgetCalcTest, OneMemberPricesTo12750)
{
    TBudgetData b = oneMemberBudget();
    EXPECT_TRUE(ComputeBudget(b).ok());
    EXPECT_EQ(b.Hxh, 100);
    EXPECT_EQ(b.TeamEquivalent, 1.0f);
    EXPECT_EQ(b.ExecutionHours, 100.0f);
    EXPECT_EQ(b.TeamCostTotal, 3125.0f);
    EXPECT_EQ(b.OfficeShare, 5000.0f);
    EXPECT_EQ(b.OwnExpenses, 8125.0f);
    // 1.2 is not exact in single precision: the addition is 1625.0004, not 1625.
    EXPECT_EQ(b.QualificationAddition, 1625.0004f);
    EXPECT_NE(b.QualificationAddition, 1625.0f);
    EXPECT_EQ(b.RepetitionDiscount, 0.0f);
    EXPECT_EQ(b.Profit, 1625.0f);
    EXPECT_EQ(b.BudgetValue, 12750.0f);
    EXPECT_EQ(b.ValuePerM2, 127.5f);
    EXPECT_EQ(b.Taxes, 1275.0f);
}

TEST(BudgetCalcTest, TwoMembersSpreadTheHoursOverTheirEquivalent)
{
    TBudgetData b = oneMemberBudget();
    b.TeamCount = 2;
    b.TeamCost[0] = 6000.0f;
    b.TeamShare[1] = 50;
    b.TeamProductivity[1] = 80;
    b.TeamCost[1] = 4000.0f;
    b.HxhAutoValue = 140;
    b.ComplexityFactor = 1.1f;
    EXPECT_TRUE(ComputeBudget(b).ok());
    EXPECT_EQ(b.TeamEquivalent, 1.4f);
    EXPECT_EQ(b.ExecutionHours, 100.0f);
    // U = 110: 100 % of 6000 over 160 h gives 4125, 50 % of 4000 gives 1375.
    EXPECT_EQ(b.TeamCostTotal, 5500.0f);
    EXPECT_EQ(b.OfficeShare, 5500.0f);
}

TEST(BudgetCalcTest, ManHoursFollowTheChosenEstimate)
{
    TBudgetData b = oneMemberBudget();
    b.HxhManual = 1;
    b.HxhManualValue = 0;
    b.HxhAutoValue = 50;
    ComputeBudget(b);
    EXPECT_EQ(b.Hxh, 0);
    b.HxhManual = 0;
    ComputeBudget(b);
    EXPECT_EQ(b.Hxh, 50);
}

TEST(BudgetCalcTest, WithoutTeamOnlyTheManHoursChange)
{
    TBudgetData b = oneMemberBudget();
    b.TeamCount = 0;
    b.BudgetValue = 777.0f;
    EXPECT_EQ(ComputeBudget(b).fault, BudgetFault::NoTeam);
    EXPECT_FALSE(ComputeBudget(b).refused());
    EXPECT_EQ(b.Hxh, 100);
    EXPECT_EQ(b.TeamCostTotal, 0.0f);
    EXPECT_EQ(b.BudgetValue, 777.0f);
}

TEST(BudgetCalcTest, RepetitionDiscountLowersTheValueAndANegativeFactorExceedsOwnExpenses)
{
    TBudgetData b = oneMemberBudget();
    b.RepetitionFactor = 0.73f;
    ComputeBudget(b);
    EXPECT_GT(b.RepetitionDiscount, 0.0f);
    EXPECT_LT(b.BudgetValue, 12750.0f);
    b.RepetitionFactor = -0.137f;
    ComputeBudget(b);
    EXPECT_GT(b.RepetitionDiscount, b.OwnExpenses);
}

TEST(BudgetCalcTest, ZeroAreaStopsAfterTheQuotedValue)
{
    TBudgetData b = oneMemberBudget();
    b.Area = 0.0f;
    b.ValuePerM2 = 1.0f;
    b.Taxes = 2.0f;
    const BudgetComputation result = ComputeBudget(b);
    EXPECT_EQ(result.fault, BudgetFault::ZeroArea);
    EXPECT_FALSE(result.refused());   // the missing area is named by the check of required fields
    EXPECT_EQ(b.BudgetValue, 12750.0f);
    EXPECT_EQ(b.ValuePerM2, 1.0f);
    EXPECT_EQ(b.Taxes, 2.0f);
}

TEST(BudgetCalcTest, ImpossibleBudgetsAreRefusedAndKeepTheLastFigures)
{
    TBudgetData priced = oneMemberBudget();
    ASSERT_TRUE(ComputeBudget(priced).ok());
    const struct {
        const char* why;
        void (*spoil)(TBudgetData&);
        BudgetFault fault;
    } cases[] = {
        {"tax of 100 %", [](TBudgetData& b) { b.TaxRate = 100.0f; }, BudgetFault::TaxNotBelowHundred},
        {"tax above 100 %", [](TBudgetData& b) { b.TaxRate = 150.0f; }, BudgetFault::TaxNotBelowHundred},
        {"no monthly hours", [](TBudgetData& b) { b.MonthlyHours = 0.0f; }, BudgetFault::ZeroMonthlyHours},
        {"no participation", [](TBudgetData& b) { b.TeamShare[0] = 0; }, BudgetFault::ZeroTeamEquivalent},
        {"no productivity", [](TBudgetData& b) { b.TeamProductivity[0] = 0; }, BudgetFault::ZeroTeamEquivalent},
        {"value out of range", [](TBudgetData& b) { b.TeamCost[0] = 3e38f; b.MonthlyHours = 1.0f; }, BudgetFault::Overflow},
    };
    for (const auto& c : cases) {
        TBudgetData b = priced;
        c.spoil(b);
        const BudgetComputation result = ComputeBudget(b);
        EXPECT_EQ(result.fault, c.fault) << c.why;
        EXPECT_TRUE(result.refused()) << c.why;
        EXPECT_FALSE(result.message().isEmpty()) << c.why;
        EXPECT_EQ(b.BudgetValue, 12750.0f) << c.why;
        EXPECT_EQ(b.TeamCostTotal, 3125.0f) << c.why;
        EXPECT_EQ(b.Taxes, 1275.0f) << c.why;
    }
}

TEST(BudgetCalcTest, RefusalsExplainThemselvesInPortuguese)
{
    EXPECT_TRUE(BudgetComputation{BudgetFault::TaxNotBelowHundred}.message().contains(
        QStringLiteral("menores que 100 %")));
    EXPECT_TRUE(BudgetComputation{BudgetFault::ZeroMonthlyHours}.message().contains(QStringLiteral("horas")));
    EXPECT_TRUE(BudgetComputation{BudgetFault::ZeroTeamEquivalent}.message().contains(
        QStringLiteral("participação")));
    EXPECT_TRUE(BudgetComputation{BudgetFault::None}.message().isEmpty());
    EXPECT_TRUE(BudgetComputation{BudgetFault::ZeroArea}.message().isEmpty());
}

TEST(BudgetCalcTest, NegativeTaxStillPrices)
{
    TBudgetData b = oneMemberBudget();
    b.TaxRate = -10.0f;
    EXPECT_TRUE(ComputeBudget(b).ok());
    EXPECT_LT(b.BudgetValue, 11475.0f);
    EXPECT_LT(b.Taxes, 0.0f);
}
