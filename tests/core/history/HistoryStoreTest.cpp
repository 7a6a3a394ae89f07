#include "core/budget/BudgetFile.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryOriginalCopy.h"
#include "core/history/HistoryStore.h"
#include "core/storage/StorageFaults.h"

#include "support/Budgets.h"
#include "support/CoreApplication.h"
#include "support/HistoryFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

using namespace belvane;
using namespace belvane::test;

namespace {

const QString kCopyName = QStringLiteral("Hist.bvh.original-20260309-142501");

class HistoryStoreTest : public HistoryFolderTest {
protected:
    QByteArray damagedHistory() const
    {
        return historyBytes(QStringLiteral("1,09/12/2020,Ana,,x,,,,,0,Aguardando,False,"
                                           "ORC000001.bvp,,False,,,,,extra\r\n"));
    }
};

} // namespace

TEST_F(HistoryStoreTest, CleanHistoryIsRewrittenWithoutACopy)
{
    HistoryStore store(folder());
    ASSERT_TRUE(store.storeBudget(numberedBudget(1, u"Ana")).ok());
    const QByteArray written = fileContents(pathOf(u"Hist.bvh"_qs));

    HistoryStore again(folder());
    EXPECT_FALSE(again.load().damaged());
    EXPECT_EQ(again.table().rowCount(), 1);
    ASSERT_TRUE(again.write().ok());
    EXPECT_EQ(fileContents(pathOf(u"Hist.bvh"_qs)), written);
    EXPECT_EQ(entries(), QStringList{u"Hist.bvh"_qs});
    EXPECT_TRUE(again.originalCopyPath().isEmpty());
}

TEST_F(HistoryStoreTest, DamagedHistoryIsCopiedOnceBeforeItsFirstRewrite)
{
    writeFile(pathOf(u"Hist.bvh"_qs), damagedHistory());
    HistoryStore store(folder());
    const HistoryReadResult read = store.load();
    EXPECT_TRUE(read.damaged());
    EXPECT_EQ(store.table().rowCount(), 1);

    int row = -1;
    ASSERT_TRUE(store.storeBudget(numberedBudget(2, u"Rui"), &row).ok());
    EXPECT_EQ(row, 1);
    EXPECT_EQ(store.originalCopyPath(), pathOf(kCopyName));
    EXPECT_EQ(fileContents(pathOf(kCopyName)), damagedHistory());

    ASSERT_TRUE(store.write().ok());
    EXPECT_EQ(entries(), (QStringList{u"Hist.bvh"_qs, kCopyName}));
    HistoryTable back;
    EXPECT_FALSE(ReadHistoryFile(back, pathOf(u"Hist.bvh"_qs)).damaged());
    EXPECT_EQ(back.rowCount(), 2);
}

TEST_F(HistoryStoreTest, HistoryReadAheadOnItsOwnThreadIsTakenInByLoad)
{
    writeFile(pathOf(u"Hist.bvh"_qs), damagedHistory());
    HistoryStore store(folder());
    store.startLoading();
    const HistoryReadResult read = store.load();
    EXPECT_TRUE(read.damaged()); // still copied aside before the first rewrite
    EXPECT_EQ(store.table().rowCount(), 1);
    ASSERT_TRUE(store.write().ok());
    EXPECT_EQ(store.originalCopyPath(), pathOf(kCopyName));
    // Once taken in, a later load reads the file again.
    EXPECT_FALSE(store.load().damaged());
}

TEST_F(HistoryStoreTest, AfterAReadTheFileLinesAreWorkedOutASliceAtATimeWhileIdle)
{
    ensureCoreApplication();
    HistoryTable table;
    const int rows = 2 * HistoryStore::kLinesPerTurn + 10;
    for (int number = 1; number <= rows; ++number)
        table.setText(table.appendRow(), kColNumber, QString::number(number));
    ASSERT_TRUE(WriteHistoryFile(table, pathOf(u"Hist.bvh"_qs)).ok());
    const QByteArray written = fileContents(pathOf(u"Hist.bvh"_qs));

    HistoryStore store(folder());
    store.load();
    // The read leaves the work to the event loop, which takes it a slice per turn.
    EXPECT_TRUE(store.keepingLines());
    int turns = 0;
    while (store.keepingLines() && turns < 100) {
        QCoreApplication::processEvents();
        ++turns;
    }
    EXPECT_FALSE(store.keepingLines());
    EXPECT_GE(turns, 3);
    ASSERT_TRUE(store.write().ok());
    EXPECT_EQ(fileContents(pathOf(u"Hist.bvh"_qs)), written);
}

TEST_F(HistoryStoreTest, EarlierCopiesAreNeverOverwritten)
{
    writeFile(pathOf(kCopyName), "earlier copy");
    writeFile(pathOf(u"Hist.bvh"_qs), damagedHistory());
    const OriginalCopy copy = keepOriginalCopy(pathOf(u"Hist.bvh"_qs));
    ASSERT_TRUE(copy.ok());
    EXPECT_EQ(copy.copyPath, pathOf(kCopyName + u"-2"_qs));
    EXPECT_EQ(fileContents(pathOf(kCopyName)), QByteArray("earlier copy"));
    EXPECT_EQ(fileContents(copy.copyPath), damagedHistory());
    EXPECT_TRUE(keepOriginalCopy(pathOf(u"Nada.bvh"_qs)).copyPath.isEmpty());
}

TEST_F(HistoryStoreTest, HistoryIsNotRewrittenWhenNoCopyCanBeKept)
{
    writeFile(pathOf(u"Hist.bvh"_qs), damagedHistory());
    writeFile(pathOf(kCopyName), "1");
    for (int attempt = 2; attempt <= 100; ++attempt)
        writeFile(pathOf(kCopyName + u'-' + QString::number(attempt)), "n");
    HistoryStore store(folder());
    store.load();

    const IoResult written = store.storeBudget(numberedBudget(2, u"Rui"));
    EXPECT_FALSE(written.ok());
    EXPECT_TRUE(written.error.contains(QDir::toNativeSeparators(pathOf(u"Hist.bvh"_qs))))
        << written.error.toStdString();
    EXPECT_EQ(fileContents(pathOf(u"Hist.bvh"_qs)), damagedHistory());
    EXPECT_EQ(store.table().rowCount(), 2);  // the row stays in memory
}

TEST_F(HistoryStoreTest, HistoryInAnotherLetterCaseIsUsedInPlace)
{
    HistoryTable table;
    table.setText(table.appendRow(), kColNumber, u"4"_qs);
    writeFile(pathOf(u"HIST.BVH"_qs), historyFileBytes(table));
    HistoryStore store(folder());
    store.load();
    EXPECT_EQ(store.table().rowCount(), 1);
    ASSERT_TRUE(store.storeBudget(numberedBudget(5, u"Rui")).ok());
    EXPECT_EQ(entries(), QStringList{u"HIST.BVH"_qs});
}

TEST_F(HistoryStoreTest, RemovingABudgetDeletesOnlyAProperBudgetFile)
{
    QDir(m_dir.path()).mkdir(u"Projetos"_qs);
    HistoryStore store(pathOf(u"Projetos/"_qs));
    for (int number : {1, 2}) {
        const TBudgetData budget = numberedBudget(number, u"Cliente");
        ASSERT_TRUE(WriteBudgetFile(budget, pathOf(u"Projetos/"_qs + BudgetFileName(number))).ok());
        ASSERT_TRUE(store.storeBudget(budget).ok());
    }
    writeFile(pathOf(u"segredo.bvp"_qs), "não apagar");
    store.table().setText(1, kColFile, u"../segredo.bvp"_qs);

    const HistoryStore::Removal first = store.removeBudget(0);
    EXPECT_TRUE(first.budgetFileError.isEmpty());
    EXPECT_TRUE(first.historyWrite.ok());
    EXPECT_FALSE(QFile::exists(pathOf(u"Projetos/ORC000001.bvp"_qs)));

    EXPECT_TRUE(store.removeBudget(0).historyWrite.ok());
    EXPECT_EQ(fileContents(pathOf(u"segredo.bvp"_qs)), QByteArray("não apagar"));
    EXPECT_TRUE(QFile::exists(pathOf(u"Projetos/ORC000002.bvp"_qs)));
    EXPECT_EQ(fileContents(pathOf(u"Projetos/Hist.bvh"_qs)), QByteArray("\xFF\xFE", 2));
}

TEST_F(HistoryStoreTest, CloseWritesBackAndSavesTheHistory)
{
    HistoryStore store(folder());
    const TBudgetData budget = numberedBudget(7, u"Ana");
    ASSERT_TRUE(WriteBudgetFile(budget, pathOf(BudgetFileName(7))).ok());
    int row = -1;
    ASSERT_TRUE(store.storeBudget(budget, &row).ok());
    store.table().setText(row, kColStatus, u"Aprovado"_qs);
    store.table().setChecked(row, kColModified, true);

    EXPECT_TRUE(store.saveAtClose().isEmpty());
    HistoryTable back;
    ReadHistoryFile(back, pathOf(u"Hist.bvh"_qs));
    ASSERT_EQ(back.rowCount(), 1);
    EXPECT_EQ(back.text(0, kColStatus), u"Aprovado"_qs);
    EXPECT_EQ(back.text(0, kColModified), u"False"_qs);
    EXPECT_EQ(back.text(0, kColEditedDate), u"09/03/2026"_qs);

    StorageFaults::inject(StorageFaults::Kind::FailCommit, u"Hist.bvh"_qs);
    const QStringList problems = store.saveAtClose();
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems.first().contains(u"Hist.bvh"_qs));
}
