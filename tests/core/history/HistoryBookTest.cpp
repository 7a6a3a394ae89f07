#include "core/history/HistoryBook.h"
#include "core/history/HistoryBudgetRow.h"
#include "core/history/HistoryColumns.h"
#include "support/Budgets.h"
#include "support/Files.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

using namespace belvane;

namespace {

class HistoryBookTest : public test::TestFolder {};

} // namespace

TEST_F(HistoryBookTest, OnlyEditableCellsMarkTheRowAndSearchSaysWhatItFound)
{
    HistoryStore store(folder());
    HistoryBook book(store);
    StoreHistoryRow(book.table(), test::numberedBudget(1, u"Ana Souza"));
    StoreHistoryRow(book.table(), test::numberedBudget(2, u"Bruno Lima"));
    book.cellEntered(0, kColClient);
    EXPECT_FALSE(book.table().isChecked(0, kColModified));
    book.cellEntered(0, kColStatus);
    EXPECT_TRUE(book.table().isChecked(0, kColModified));

    EXPECT_EQ(book.search(QStringLiteral("Lima")).summary, QStringLiteral("1 orçamento encontrado para “Lima”"));
    EXPECT_EQ(book.search(QStringLiteral("Zeca")).summary, QStringLiteral("Nenhum orçamento encontrado para “Zeca”"));

    // A row whose budget file is gone is told apart from a file that cannot be read.
    TBudgetData budget = zeroBudget();
    EXPECT_EQ(book.readBudget(0, budget).state, HistoryBudgetRead::State::Missing);
    for (const char* name : {"ORC000001.bvp", "ORC000002.bvp"})
        test::writeFile(pathOf(QString::fromLatin1(name)), QByteArray(3, 'x'));
    const HistoryBudgetRead damaged = book.readBudget(0, budget);
    EXPECT_EQ(damaged.state, HistoryBudgetRead::State::Failed);
    EXPECT_TRUE(damaged.error.contains(QStringLiteral(".bvp"))) << damaged.error.toStdString();
}
