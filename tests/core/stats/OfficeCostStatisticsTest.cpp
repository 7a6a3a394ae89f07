#include "core/stats/OfficeCostStatistics.h"

#include "support/Offices.h"
#include "support/Records.h"

#include <gtest/gtest.h>

using namespace belvane;
using belvane::test::defaultOffice;
using belvane::test::setStaffMember;

namespace {

TOfficeData officeWithExpenses()
{
    TOfficeData office = defaultOffice();
    const auto name = [](ShortString<30>& slot, const QString& text) { slot.assign(text); };
    name(office.FixedExpenseName[0], QStringLiteral("Aluguel"));
    office.FixedExpenseValue[0] = 3000.0f;
    name(office.FixedExpenseName[1], QStringLiteral("Energia elétrica"));
    office.FixedExpenseValue[1] = 450.5f;
    // Slot 2 is unnamed: the run of fixed bars ends there, although slot 3 is named.
    office.FixedExpenseValue[2] = 999.0f;
    name(office.FixedExpenseName[3], QStringLiteral("Seguro"));
    office.FixedExpenseValue[3] = 200.0f;
    name(office.VariableExpenseName[0], QStringLiteral("Cópias"));
    office.VariableExpenseValue[0] = 120.0f;
    name(office.VariableExpenseName[1], QStringLiteral("Táxi"));
    office.VariableExpenseValue[1] = 0.0f;
    office.StaffCount = 2;
    setStaffMember(office, 0, u"Ana", u"Técnico", 5000.0f);
    setStaffMember(office, 1, u"Rui", u"Apoio", 1800.0f);
    ComputeOfficeTotals(office);
    return office;
}

} // namespace

TEST(OfficeCostStatisticsTest, BarsAreTheFixedRunThenTheVariableRunEachEndingAtItsFirstUnnamedSlot)
{
    const OfficeCostStatistics figures = officeCostStatistics(officeWithExpenses());
    const QList<CostShare> expected = {{QStringLiteral("Aluguel"), 3000.0},
                                       {QStringLiteral("Energia elétrica"), double(450.5f)},
                                       {QStringLiteral("Cópias"), 120.0},
                                       {QStringLiteral("Táxi"), 0.0}};
    EXPECT_EQ(figures.expenseBars, expected);
    // The totals still count the named slot behind the gap.
    EXPECT_FLOAT_EQ(figures.fixedTotal, 3650.5f);
}

TEST(OfficeCostStatisticsTest, SixTotalsAndFourSlicesComeFromTheRecordInScreenOrder)
{
    TOfficeData office = officeWithExpenses();
    // Whatever the record holds is shown; the totals are not recomputed from the lists.
    office.CostWithTech = 12345.25f;
    const OfficeCostStatistics figures = officeCostStatistics(office);
    EXPECT_DOUBLE_EQ(figures.variableTotal, 120.0);
    EXPECT_DOUBLE_EQ(figures.supportStaffTotal, 1800.0);
    EXPECT_DOUBLE_EQ(figures.costWithoutTech, double(office.CostWithoutTech));
    EXPECT_DOUBLE_EQ(figures.techStaffTotal, 5000.0);
    EXPECT_DOUBLE_EQ(figures.costWithTech, 12345.25);

    ASSERT_EQ(figures.groupSlices.size(), 4);
    EXPECT_EQ(figures.groupSlices[0], (CostShare{QStringLiteral("Fixo"), double(3650.5f)}));
    EXPECT_EQ(figures.groupSlices[1], (CostShare{QStringLiteral("Variável"), 120.0}));
    EXPECT_EQ(figures.groupSlices[2], (CostShare{QStringLiteral("Apoio"), 1800.0}));
    EXPECT_EQ(figures.groupSlices[3], (CostShare{QStringLiteral("Técnico"), 5000.0}));
}

TEST(OfficeCostStatisticsTest, OfficeWithoutNamedExpensesHasNoBarsButStillItsStaffSlices)
{
    TOfficeData office = zeroOffice();
    DefaultOffice(office);
    office.FixedExpenseValue[0] = 500.0f;  // a value without a name is no expense
    office.StaffCount = 1;
    office.StaffName[0].assign(u"Ana");
    office.StaffType[0].assign(u"Técnico");
    office.StaffCost[0] = 4000.0f;
    ComputeOfficeTotals(office);
    const OfficeCostStatistics figures = officeCostStatistics(office);
    EXPECT_TRUE(figures.expenseBars.isEmpty());
    EXPECT_DOUBLE_EQ(figures.groupSlices[0].value, 0.0);
    EXPECT_DOUBLE_EQ(figures.groupSlices[3].value, 4000.0);
}

TEST(OfficeCostStatisticsTest, AllOneHundredAndOneSlotsOfBothListsMakeBars)
{
    TOfficeData office = zeroOffice();
    DefaultOffice(office);
    for (int slot = 0; slot < kExpenseSlots; ++slot) {
        office.FixedExpenseName[slot].assign(QStringLiteral("F%1").arg(slot));
        office.VariableExpenseName[slot].assign(QStringLiteral("V%1").arg(slot));
    }
    const OfficeCostStatistics figures = officeCostStatistics(office);
    ASSERT_EQ(figures.expenseBars.size(), 2 * kExpenseSlots);
    EXPECT_EQ(figures.expenseBars[kExpenseSlots - 1].label, QStringLiteral("F100"));
    EXPECT_EQ(figures.expenseBars[kExpenseSlots].label, QStringLiteral("V0"));
}

TEST(CostShareTest, PercentagesAndTipsOfAWhole)
{
    EXPECT_EQ(percentText(1, 3), QStringLiteral("33,3 %"));
    EXPECT_EQ(percentText(3000, 3000), QStringLiteral("100 %"));
    EXPECT_EQ(percentText(0, 0), QStringLiteral("0 %"));
    EXPECT_EQ(percentText(5, 0), QStringLiteral("0 %"));

    const QList<CostShare> shares = {{QStringLiteral("Aluguel"), 2000.0}, {QStringLiteral("Luz"), 6000.0}};
    EXPECT_DOUBLE_EQ(totalOf(shares), 8000.0);
    EXPECT_EQ(costTipText(shares[0], totalOf(shares)),
              QStringLiteral("Aluguel\n25 % do total de R$ 8.000,00"));
}
