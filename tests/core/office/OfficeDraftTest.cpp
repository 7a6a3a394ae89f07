#include "core/office/OfficeDraft.h"
#include "core/office/OfficeRecord.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace belvane;

namespace {

OfficeStaffRow member(const char* name, const char* type = "Técnico", double cost = 0.0)
{
    return {QString::fromUtf8(name), QString(), QString::fromUtf8(type), cost};
}

} // namespace

TEST(OfficeDraftTest, StaffNamesFoldOnlyPlainLettersAndARepeatLeaves)
{
    OfficeDraft draft;
    draft.setStaff({member("José"), member("ANA"), member("ana"), member("JOSÉ"), member("")});
    EXPECT_EQ(draft.checkStaffName(4), StaffRowCheck::Unnamed);
    EXPECT_EQ(draft.checkStaffName(3), StaffRowCheck::Accepted);   // É is not folded
    EXPECT_EQ(draft.checkStaffName(2), StaffRowCheck::Duplicate);
    ASSERT_EQ(draft.staff().size(), 4u);
    EXPECT_EQ(draft.staff()[2].name, QStringLiteral("JOSÉ"));
}

TEST(OfficeDraftTest, ListsStopAtTheRecordLimits)
{
    OfficeDraft draft;
    for (int i = 0; i < 25; ++i)
        draft.addRow(OfficeList::Staff);
    for (int i = 0; i < 120; ++i)
        draft.addRow(OfficeList::Fixed);
    EXPECT_EQ(draft.rowCount(OfficeList::Staff), OfficeDraft::kStaffRowLimit);
    EXPECT_EQ(draft.rowCount(OfficeList::Fixed), OfficeDraft::kExpenseRowLimit);
    EXPECT_EQ(draft.rowCount(OfficeList::Variable), 0);
    EXPECT_EQ(OfficeDraft::keptMonthlyHours(9), 10);
    EXPECT_EQ(OfficeDraft::keptMonthlyHours(160), 160);
}

TEST(OfficeDraftTest, CollectedRecordClosesUpUnnamedStaffAndTotalsCountOnlyStoredRows)
{
    OfficeDraft draft;
    draft.setStaff({member("Ana", "Técnico", 3000), member("", "Técnico", 900), member("Bia", "Apoio", 1000)});
    draft.setExpenses(OfficeList::Fixed, {{QStringLiteral("Aluguel"), 800.0}, {QString(), 50.0}});
    draft.setMonthlyHours(100);
    // While typing, every row counts, the unnamed ones too.
    const auto typed = draft.totals();
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->techStaffTotal, 3900.0f);
    EXPECT_EQ(typed->fixedTotal, 850.0f);

    TOfficeData office = zeroOffice();
    office.MonthlyHours = 100;
    draft.collectInto(office);
    ComputeOfficeTotals(office);
    EXPECT_EQ(office.StaffCount, 2);
    EXPECT_EQ(office.StaffName[1].toQString(), QStringLiteral("Bia"));
    EXPECT_EQ(office.TechStaffTotal, 3000.0f);
    EXPECT_EQ(office.TechStaffCount, 1);
    EXPECT_EQ(office.FixedTotal, 800.0f);
    EXPECT_EQ(office.CostWithoutTech, 1800.0f);
    EXPECT_EQ(office.CostPerHour, 18.0f);

    OfficeDraft reread;
    reread.load(office);
    EXPECT_EQ(reread.staff().size(), 2u);
    EXPECT_EQ(reread.rowCount(OfficeList::Fixed), 1);   // the unnamed expense was a slot not in use
}

TEST(OfficeDraftTest, SortingPutsTheLargestFirstAndNoNumberLast)
{
    OfficeDraft draft;
    draft.setExpenses(OfficeList::Variable, {{QStringLiteral("a"), 10.0}, {QStringLiteral("b"), std::nullopt},
                                             {QStringLiteral("c"), 30.0}, {QStringLiteral("d"), 10.0}});
    draft.sortExpensesByValue();
    QStringList order;
    for (const OfficeExpenseRow& row : draft.expenses(OfficeList::Variable))
        order << row.name;
    EXPECT_EQ(order, (QStringList{"c", "a", "d", "b"}));
    EXPECT_FALSE(draft.totals());   // a value that is no number gives no totals
}

TEST(OfficeDraftTest, RowsAreReplacedAndRemovedWhereTheyExist)
{
    OfficeDraft draft;
    draft.setExpenses(OfficeList::Fixed,
                      {{QStringLiteral("Aluguel"), 800.0}, {QStringLiteral("Água"), 50.0}});
    draft.setStaff({member("Ana"), member("Bia")});
    draft.setExpense(OfficeList::Fixed, 1, {QStringLiteral("Luz"), std::nullopt});
    draft.setExpense(OfficeList::Fixed, 2, {QStringLiteral("Gás"), 1.0}); // no such row
    draft.setExpense(OfficeList::Staff, 0, {QStringLiteral("Gás"), 1.0}); // not an expense list
    draft.setMember(1, member("Carla", "Apoio", 700));
    draft.setMember(-1, member("Dora"));
    ASSERT_EQ(draft.rowCount(OfficeList::Fixed), 2);
    EXPECT_EQ(draft.expenses(OfficeList::Fixed)[1].name, QStringLiteral("Luz"));
    EXPECT_FALSE(draft.expenses(OfficeList::Fixed)[1].value);
    EXPECT_EQ(draft.staff()[0].name, QStringLiteral("Ana"));
    EXPECT_EQ(draft.staff()[1].name, QStringLiteral("Carla"));
    EXPECT_EQ(draft.staff()[1].cost, 700.0);

    draft.removeRow(OfficeList::Fixed, 0);
    draft.removeRow(OfficeList::Fixed, 5);
    draft.removeRow(OfficeList::Staff, 1);
    ASSERT_EQ(draft.rowCount(OfficeList::Fixed), 1);
    EXPECT_EQ(draft.expenses(OfficeList::Fixed)[0].name, QStringLiteral("Luz"));
    ASSERT_EQ(draft.rowCount(OfficeList::Staff), 1);
    EXPECT_EQ(draft.staff()[0].name, QStringLiteral("Ana"));
}

TEST(OfficeDraftTest, MonthlyHoursStayWithinTheRange)
{
    TOfficeData office = zeroOffice();
    OfficeDraft draft;
    for (const auto& [stored, kept] :
         {std::pair{0, 10}, std::pair{9, 10}, std::pair{160, 160}, std::pair{500, 400}}) {
        office.MonthlyHours = static_cast<std::uint16_t>(stored);
        draft.load(office);
        EXPECT_EQ(draft.monthlyHours(), kept) << stored;
    }
    draft.setMonthlyHours(5);
    EXPECT_EQ(draft.monthlyHours(), 10);
    draft.setMonthlyHours(11);
    EXPECT_EQ(draft.monthlyHours(), 11);
}
