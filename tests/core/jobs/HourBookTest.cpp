#include "core/jobs/HourBook.h"
#include "core/backup/DataBackup.h"
#include "core/backup/DataRestore.h"
#include "core/jobs/HourJournal.h"
#include "core/store/ExtensionStore.h"
#include "support/CoreApplication.h"
#include "support/Files.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace belvane;

namespace {

HourEntry entry(int budget, int day, const QString& person, const QString& task, int quarters)
{
    return {budget, QDate(2026, 12, day), person, task, quarters, {}};
}

const QString kStudy = QStringLiteral("Estudo preliminar");
const QString kOther = otherActivitiesTask();

class HourBookTest : public test::TestFolder {
protected:
    static void SetUpTestSuite() { test::ensureCoreApplication(); }
    QString projects() const { return folder() + QStringLiteral("Projetos/"); }
    HourJournal journalOf(const QString& user) const
    {
        return {HourJournal::folderIn(projects())
                    + HourJournal::fileNameFor(user, QStringLiteral("PC"), QStringLiteral("a1")),
                user, QStringLiteral("PC")};
    }
};

TEST_F(HourBookTest, ChangesAndDeletionsFoldIntoTheEntriesAndTheTotalsFollow)
{
    HourJournal ana = journalOf(QStringLiteral("ana"));
    HourJournal bia = journalOf(QStringLiteral("bia"));
    ASSERT_TRUE(ana.add(entry(7, 3, QStringLiteral("Ana"), kStudy, 8)).ok());
    ASSERT_TRUE(bia.add(entry(7, 1, QStringLiteral("Bia"), kOther, 2)).ok());
    ASSERT_TRUE(ana.add(entry(7, 2, QStringLiteral("Ana"), kOther, 4)).ok());
    ASSERT_TRUE(ana.add(entry(8, 2, QStringLiteral("Caio"), kStudy, 12)).ok());
    ASSERT_TRUE(ana.change(3, entry(8, 2, QStringLiteral("Ana"), kStudy, 6)).ok());
    ASSERT_TRUE(bia.add(entry(7, 5, QStringLiteral("Bia"), kStudy, 1)).ok());
    ASSERT_TRUE(bia.remove(2).ok());

    HourBook book(projects());
    book.refresh();
    const std::vector<RecordedHourEntry> expected{
        {{bia.fileName(), 1}, entry(7, 1, QStringLiteral("Bia"), kOther, 2)},
        {{ana.fileName(), 2}, entry(7, 2, QStringLiteral("Ana"), kOther, 4)},
        {{ana.fileName(), 1}, entry(7, 3, QStringLiteral("Ana"), kStudy, 8)},
    };
    EXPECT_EQ(book.entriesOf(7), expected);
    EXPECT_EQ(book.quartersOf(7), 14);
    EXPECT_EQ(book.hoursOfBudget(8), 1.5);
    EXPECT_EQ(book.quartersByBudget(), (QHash<int, qint64>{{7, 14}, {8, 6}}));
    EXPECT_EQ(book.quartersByTask(7), (QMap<QString, qint64>{{kStudy, 8}, {kOther, 6}}));
    EXPECT_EQ(book.quartersByPerson(7),
              (QMap<QString, qint64>{{QStringLiteral("Ana"), 12}, {QStringLiteral("Bia"), 2}}));
    EXPECT_EQ(book.lastPersonOf(ana.fileName()), QStringLiteral("Ana")); // the change came last
    EXPECT_EQ(book.lastPersonOf(bia.fileName()), QStringLiteral("Bia"));
    EXPECT_TRUE(book.lastPersonOf(QStringLiteral("caio-PC-a1.horas")).isEmpty());
}

TEST_F(HourBookTest, ARefreshReadsOnlyWhatWasAppendedUnlessTheJournalWasReplaced)
{
    HourJournal ana = journalOf(QStringLiteral("ana"));
    for (int day = 1; day <= 20; ++day)
        ASSERT_TRUE(ana.add(entry(7, day, QStringLiteral("Ana"), kStudy, 4)).ok());
    const QByteArray twenty = test::fileContents(ana.path());
    HourBook book(projects());
    book.refresh();
    EXPECT_EQ(book.lastReadBytes(), twenty.size());
    book.refresh();
    EXPECT_EQ(book.lastReadBytes(), 0);

    ASSERT_TRUE(ana.add(entry(7, 21, QStringLiteral("Ana"), kStudy, 4)).ok());
    book.refresh();
    const qint64 header = twenty.indexOf('\n') + 1;
    EXPECT_EQ(book.lastReadBytes(), header + test::fileContents(ana.path()).size() - twenty.size());
    EXPECT_EQ(book.quartersOf(7), 84);

    // A copy with ten entries put in its place is read whole; a journal made anew is another one.
    test::writeFile(ana.path(), twenty.first(twenty.indexOf("nova\t11\t")));
    book.refresh();
    EXPECT_EQ(book.quartersOf(7), 40);
    ASSERT_TRUE(QFile::remove(ana.path()));
    book.refresh();
    EXPECT_EQ(book.quartersOf(7), 0);
    EXPECT_EQ(ana.add(entry(7, 1, QStringLiteral("Ana"), kStudy, 2)).sequence, 1);
    book.refresh();
    EXPECT_EQ(book.quartersOf(7), 2);
    EXPECT_TRUE(book.problems().empty());
}

TEST_F(HourBookTest, ADeletedBudgetsHoursStopCountingAndComeBackWithARestoredBackup)
{
    const DataFolders folders = DataFolders::beside(folder());
    ASSERT_TRUE(folders.create());
    ExtensionStore store(projects());
    ASSERT_EQ(store.database().open().state, StoreOpen::State::Created);
    HourJournal ana = journalOf(QStringLiteral("ana"));
    HourJournal bia = journalOf(QStringLiteral("bia"));
    ASSERT_TRUE(ana.add(entry(7, 1, QStringLiteral("Ana"), kStudy, 8)).ok());
    ASSERT_TRUE(bia.add(entry(7, 1, QStringLiteral("Bia"), kStudy, 4)).ok());
    ASSERT_TRUE(bia.add(entry(8, 1, QStringLiteral("Bia"), kStudy, 4)).ok());
    const QString archive = pathOf(QStringLiteral("copia.zip"));
    ASSERT_TRUE(writeDataBackup(folders, archive).ok());

    // Budget 7 is deleted, by a seat that may write neither journal.
    HourBook book(projects());
    book.refresh();
    EXPECT_EQ(book.hoursOfBudget(7), 3.0);
    const QDateTime when(QDate(2026, 12, 10), QTime(9, 0));
    ASSERT_TRUE(store.droppedHours().record(7, book.highWaterMarks(), when).ok());
    ASSERT_TRUE(store.database().removeBudget(7).ok()); // the budget's own rows go; the marks stay
    book.setDropMarks(store.droppedHours().all());
    EXPECT_EQ(book.quartersOf(7), 0);
    EXPECT_EQ(book.quartersOf(8), 4);

    // A new budget 7: its hours count, and deleting it again drops them too.
    ASSERT_TRUE(ana.add(entry(7, 2, QStringLiteral("Ana"), kStudy, 2)).ok());
    book.refresh();
    EXPECT_EQ(book.quartersOf(7), 2);
    ASSERT_TRUE(store.droppedHours().record(7, book.highWaterMarks(), when).ok());
    ASSERT_TRUE(store.droppedHours()
                    .record(7, {{book.highWaterMarks().keys().first(), 0}}, when)
                    .ok()); // only raised
    book.setDropMarks(store.droppedHours().all());
    EXPECT_EQ(book.quartersOf(7), 0);

    // The backup brings back the journals and the database as they were before the deletion.
    store.database().close();
    const BackupContents backup = readDataBackup(archive);
    ASSERT_TRUE(backup.ok());
    ASSERT_TRUE(restoreDataBackup(folders, backup.entries, when).ok());
    ExtensionStore restored(projects());
    ASSERT_EQ(restored.database().open().state, StoreOpen::State::Opened);
    HourBook after(projects());
    after.setDropMarks(restored.droppedHours().all());
    after.refresh();
    EXPECT_EQ(after.hoursOfBudget(7), 3.0);
    EXPECT_EQ(after.quartersOf(8), 4);
}

} // namespace
