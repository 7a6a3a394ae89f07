#include "core/budget/BudgetNumbering.h"
#include "core/history/HistoryTable.h"

#include "support/TestFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace belvane;
using belvane::test::TestFolder;
using belvane::test::writeFile;

namespace {

class BudgetNumberingTest : public TestFolder {
protected:
    // An empty file of that name in the projects folder.
    void touch(const QString& name) const { writeFile(pathOf(name), QByteArray()); }

    void addHistoryRow(const QString& number)
    {
        m_history.setText(m_history.appendRow(), kColNumber, number);
    }

    BudgetNumber next(qint64 counter) const
    {
        return nextBudgetNumber(counter, m_history, m_dir.path());
    }

    HistoryTable m_history;
};

} // namespace

TEST_F(BudgetNumberingTest, FirstBudgetOfAnEmptyFolderIsNumberOne)
{
    const BudgetNumber number = next(0);
    ASSERT_TRUE(number.ok());
    EXPECT_EQ(number.number, 1);
    EXPECT_EQ(next(7).number, 8);
}

TEST_F(BudgetNumberingTest, NumberStaysAboveEveryHistoryRowAndBudgetFile)
{
    addHistoryRow(u"3"_qs);
    addHistoryRow(u"15"_qs);
    addHistoryRow(u"abc"_qs);
    EXPECT_EQ(next(7).number, 16);  // Control.bin behind the history

    touch(u"ORC000040.bvp"_qs);
    touch(u"orc000041.BVP"_qs);     // copied from a system that ignores letter case
    touch(u"ORC000099.txt"_qs);
    touch(u"ORC0000AB.bvp"_qs);
    touch(u"Hist.bvh"_qs);
    EXPECT_EQ(next(7).number, 42);
    EXPECT_EQ(next(50).number, 51);
    EXPECT_EQ(next(-5).number, 42);  // a damaged counter is no reason to go back
}

TEST_F(BudgetNumberingTest, DeletedBudgetsLeaveTheirNumbersUsed)
{
    // The counter file remembers the last number given out even when its budget is gone.
    addHistoryRow(u"2"_qs);
    EXPECT_EQ(next(9).number, 10);
}

TEST_F(BudgetNumberingTest, NumbersNoBudgetCanHaveAreIgnored)
{
    addHistoryRow(u"70000"_qs);
    touch(u"ORC1000000.bvp"_qs);
    touch(u"ORC99999999999999999999999.bvp"_qs);
    EXPECT_EQ(next(4).number, 5);
}

TEST_F(BudgetNumberingTest, NumbersBeyondTheLastAreRefusedWithAMessage)
{
    EXPECT_EQ(next(65534).number, 65535);
    const BudgetNumber full = next(65535);
    EXPECT_FALSE(full.ok());
    EXPECT_TRUE(full.error.contains(u"65535"_qs)) << full.error.toStdString();

    touch(u"ORC065535.bvp"_qs);
    EXPECT_FALSE(next(0).ok());
    EXPECT_FALSE(next(100000).ok());
}
