#include "core/budget/BudgetFile.h"
#include "core/history/HistoryBudgetRow.h"
#include "core/history/HistoryTable.h"
#include "core/history/HistoryWriteBack.h"
#include "core/storage/StorageFaults.h"
#include "core/text/DayCount.h"

#include "support/Budgets.h"
#include "support/HistoryFiles.h"
#include "support/Records.h"

#include <QDir>
#include <QFile>

#include <cstring>

using namespace belvane;
using namespace belvane::test;

namespace {

class HistoryWriteBackTest : public HistoryFolderTest {
protected:
    // Saves the budget's file and stores its row, as a save does.
    int saveBudget(int number)
    {
        const TBudgetData budget = numberedBudget(number, u"Cliente");
        EXPECT_TRUE(WriteBudgetFile(budget, pathOf(BudgetFileName(number))).ok());
        return StoreHistoryRow(m_table, budget);
    }

    TBudgetData budgetOnDisk(int number) const { return storedBudget(pathOf(BudgetFileName(number))); }

    const double m_today = dayCountFromDate(QDate(2026, 3, 9));
    HistoryTable m_table;
};

} // namespace

TEST_F(HistoryWriteBackTest, MarkedRowReachesItsBudgetFile)
{
    const int row = saveBudget(12);
    m_table.setText(row, kColStatus, u"Aprovado"_qs);
    m_table.setText(row, kColNegotiated, u"11500,5"_qs);
    m_table.setText(row, kColPhone, u"(21) 99999-0000"_qs);
    m_table.setText(row, kColProjectCode, u"PX-8"_qs);
    m_table.setChecked(row, kColModified, true);
    TBudgetData expected = budgetOnDisk(12);

    EXPECT_TRUE(SaveHistory(m_table, folder()).isEmpty());

    const TBudgetData written = budgetOnDisk(12);
    EXPECT_EQ(written.Status.toQString(), u"Aprovado"_qs);
    EXPECT_EQ(written.NegotiatedValue, 11500.5f);
    EXPECT_EQ(written.ClientPhone.toQString(), u"(21) 99999-0000"_qs);
    EXPECT_EQ(written.ProjectCode.toQString(), u"PX-8"_qs);
    EXPECT_EQ(written.EditedDate, m_today);
    EXPECT_EQ(m_table.value(row, kColEditedDate), m_today);
    EXPECT_FALSE(m_table.isChecked(row, kColModified));
    EXPECT_EQ(m_table.text(row, kColEditedDateText), u"09/12/2020"_qs);  // the text copy stays
    // Nothing else in the file changes.
    expected.Status = written.Status;
    expected.NegotiatedValue = written.NegotiatedValue;
    expected.ClientPhone = written.ClientPhone;
    expected.ProjectCode = written.ProjectCode;
    expected.EditedDate = written.EditedDate;
    EXPECT_EQ(std::memcmp(&expected, &written, sizeof written), 0);
}

TEST_F(HistoryWriteBackTest, UnmarkedRowsAndTheirFilesAreLeftAlone)
{
    const int row = saveBudget(3);
    m_table.setText(row, kColStatus, u"Reprovado"_qs);
    const QByteArray before = fileContents(pathOf(BudgetFileName(3)));
    EXPECT_TRUE(SaveHistory(m_table, folder()).isEmpty());
    EXPECT_EQ(fileContents(pathOf(BudgetFileName(3))), before);
    EXPECT_EQ(m_table.text(row, kColEditedDate), u"09/12/2020"_qs);
}

TEST_F(HistoryWriteBackTest, RowWithoutItsFileIsOnlyUnmarkedAndDated)
{
    const int row = StoreHistoryRow(m_table, numberedBudget(8, u"Sem arquivo"));
    m_table.setChecked(row, kColModified, true);
    EXPECT_TRUE(SaveHistory(m_table, folder()).isEmpty());
    EXPECT_FALSE(m_table.isChecked(row, kColModified));
    EXPECT_EQ(m_table.value(row, kColEditedDate), m_today);
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(HistoryWriteBackTest, FileNamedInAnyLetterCaseIsFound)
{
    const int row = saveBudget(5);
    ASSERT_TRUE(QFile::rename(pathOf(BudgetFileName(5)), pathOf(u"orc000005.BVP"_qs)));
    m_table.setText(row, kColStatus, u"Concluído"_qs);
    m_table.setChecked(row, kColModified, true);
    EXPECT_TRUE(SaveHistory(m_table, folder()).isEmpty());
    TBudgetData written = zeroBudget();
    ASSERT_EQ(ReadBudgetFile(written, pathOf(u"orc000005.BVP"_qs)).state, RecordReadState::Read);
    EXPECT_EQ(written.Status.toQString(), u"Concluído"_qs);
}

TEST_F(HistoryWriteBackTest, RowNamingNoBudgetFileTouchesNothingAndKeepsItsMark)
{
    QDir(m_dir.path()).mkdir(u"Projetos"_qs);
    const QString projects = pathOf(u"Projetos/"_qs);
    const QString outside = pathOf(u"ORC000009.bvp"_qs);
    const TBudgetData budget = numberedBudget(9, u"Fora");
    ASSERT_TRUE(WriteBudgetFile(budget, outside).ok());
    const QByteArray before = fileContents(outside);

    const int row = StoreHistoryRow(m_table, budget);
    m_table.setText(row, kColFile, u"../ORC000009.bvp"_qs);
    m_table.setChecked(row, kColModified, true);
    const QStringList problems = SaveHistory(m_table, projects);

    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems.first().contains(u"../ORC000009.bvp"_qs)) << problems.first().toStdString();
    EXPECT_EQ(fileContents(outside), before);
    EXPECT_TRUE(m_table.isChecked(row, kColModified));
}

TEST_F(HistoryWriteBackTest, UnreadableOrUnwritableFileIsReportedAndTriedAgainNextTime)
{
    const int damaged = saveBudget(1);
    writeFile(pathOf(BudgetFileName(1)), QByteArray(100, 'x'));
    const int unwritable = saveBudget(2);
    const QByteArray before = fileContents(pathOf(BudgetFileName(2)));
    m_table.setChecked(damaged, kColModified, true);
    m_table.setChecked(unwritable, kColModified, true);
    StorageFaults::inject(StorageFaults::Kind::FailWrite, BudgetFileName(2));

    const QStringList problems = SaveHistory(m_table, folder());

    ASSERT_EQ(problems.size(), 2);
    EXPECT_TRUE(problems[0].contains(BudgetFileName(1))) << problems[0].toStdString();
    EXPECT_TRUE(problems[1].contains(BudgetFileName(2))) << problems[1].toStdString();
    EXPECT_EQ(fileContents(pathOf(BudgetFileName(1))), QByteArray(100, 'x'));
    EXPECT_EQ(fileContents(pathOf(BudgetFileName(2))), before);
    EXPECT_TRUE(m_table.isChecked(damaged, kColModified));
    EXPECT_TRUE(m_table.isChecked(unwritable, kColModified));
}
