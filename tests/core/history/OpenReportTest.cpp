#include "core/history/HistoryBudgetRow.h"
#include "core/history/HistorySearch.h"
#include "core/history/HistoryTable.h"
#include "core/history/OpenReport.h"

#include "support/Budgets.h"

#include <gtest/gtest.h>

using namespace belvane;
using belvane::test::numberedBudget;

namespace {

HistoryTable threeBudgets()
{
    HistoryTable table;
    StoreHistoryRow(table, numberedBudget(3, u"Ana"));
    StoreHistoryRow(table, numberedBudget(12, u"Bruno"));
    StoreHistoryRow(table, numberedBudget(7, u"Carla"));
    return table;
}

} // namespace

TEST(OpenReportTest, ObservationsReachTheReportsBudgetAfterASortOrSearch)
{
    HistoryTable table = threeBudgets();
    OpenReport report;
    report.open(table, 0, QString());   // budget 3, shown without observations
    table.sortByColumn(kColNumber, Qt::DescendingOrder);   // 12, 7, 3
    const int row = report.storeNotes(table, u"ligar amanhã"_qs);
    EXPECT_EQ(row, 2);
    EXPECT_EQ(table.text(2, kColNotes), u"ligar amanhã"_qs);
    EXPECT_EQ(table.text(0, kColNotes), QString());

    SearchHistory(table, u"Ana");   // budget 3 comes to the top
    EXPECT_EQ(report.row(table), 0);
    // Observations as they were shown are not written again; a closed report stores nothing.
    EXPECT_EQ(report.storeNotes(table, u"ligar amanhã"_qs), -1);
    report.close();
    EXPECT_EQ(report.storeNotes(table, u"outra coisa"_qs), -1);
    EXPECT_EQ(table.text(0, kColNotes), u"ligar amanhã"_qs);
}

TEST(OpenReportTest, GridEditsMarkTheirRowAndSortsSayWhereEachRowWent)
{
    HistoryTable table = threeBudgets();
    EXPECT_TRUE(table.editByUser(1, kColNegotiated, u"11000,5"));
    EXPECT_TRUE(table.isChecked(1, kColModified));
    // A text that spells no number leaves the value as it was; other columns are not the user's.
    EXPECT_FALSE(table.editByUser(1, kColNegotiated, u"onze mil"));
    EXPECT_EQ(table.value(1, kColNegotiated), 11000.5);
    EXPECT_FALSE(table.editByUser(0, kColClient, u"Outro"));
    EXPECT_FALSE(table.isChecked(0, kColModified));

    const std::vector<int> order = table.sortByColumn(kColNumber, Qt::AscendingOrder);   // 3, 7, 12
    EXPECT_EQ(order, (std::vector<int>{0, 2, 1}));
    EXPECT_TRUE(table.isChecked(2, kColModified));
    EXPECT_EQ(table.text(2, kColNumber), u"12"_qs);
}
