#include "core/storage/FolderLock.h"
#include "core/storage/SafeFile.h"
#include "core/storage/WriteGate.h"
#include "core/store/ExtensionStore.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QTimeZone>

#include <gtest/gtest.h>

using namespace belvane;

namespace {

class FolderLockTest : public test::TestFolder {
protected:
    void TearDown() override
    {
        WriteGate::uninstall();
        TestFolder::TearDown();
    }
    // A seat on its own machine, with its own note about the folder.
    FolderLock seat(const QString& user, const QString& machine, const QString& session)
    {
        return FolderLock(data(), {user, machine, session}, pathOf(QStringLiteral("nota-") + session));
    }
    QString data() const { return folder() + QStringLiteral("dados/"); }
    static QDateTime minutes(const QDateTime& from, int count) { return from.addSecs(qint64(count) * 60); }

    const QDateTime saoPaulo{QDate(2026, 12, 9), QTime(9, 0), QTimeZone(-3 * 3600)};
};

TEST_F(FolderLockTest, OneSeatWritesAnotherOnlyReadsUntilTheFirstLeaves)
{
    FolderLock first = seat(QStringLiteral("ana"), QStringLiteral("ESCRITORIO-1"), QStringLiteral("s1"));
    FolderLock second = seat(QStringLiteral("bia"), QStringLiteral("ESCRITORIO-2"), QStringLiteral("s2"));
    // The data folder of an installed program's first start does not exist yet: the lock makes it.
    ASSERT_EQ(first.acquire(saoPaulo), LockState::Acquired);
    EXPECT_EQ(second.acquire(minutes(saoPaulo, 1)), LockState::HeldByOther);
    EXPECT_EQ(second.holder().user, QStringLiteral("ana"));
    EXPECT_EQ(second.holder().session, QStringLiteral("s1"));
    EXPECT_EQ(second.holder().since, saoPaulo);
    // Times are written with their offset from UTC, for people in any zone to read.
    EXPECT_TRUE(test::fileContents(first.filePath()).contains("desde=2026-12-09T09:00:00-03:00"));

    second.release(); // not its lock: nothing happens
    EXPECT_TRUE(QFile::exists(first.filePath()));
    first.release();
    EXPECT_EQ(second.acquire(minutes(saoPaulo, 60)), LockState::Acquired);
}

TEST_F(FolderLockTest, OnlyALockThatStopsChangingOnTheWatchersOwnClockGrowsStale)
{
    FolderLock holder = seat(QStringLiteral("ana"), QStringLiteral("SP"), QStringLiteral("s1"));
    ASSERT_EQ(holder.acquire(saoPaulo), LockState::Acquired);
    // The watcher is in another zone and its clock two hours and 40 s ahead: by its clock the
    // holder's renewals look hours old. That does not matter.
    const QDateTime manaus = saoPaulo.toOffsetFromUtc(-4 * 3600).addSecs(40 + 2 * 3600);
    FolderLock watcher = seat(QStringLiteral("bia"), QStringLiteral("MANAUS"), QStringLiteral("s2"));
    EXPECT_EQ(watcher.acquire(manaus), LockState::HeldByOther);
    for (int minute = 5; minute <= 60; minute += 5) {
        ASSERT_EQ(holder.renew(minutes(saoPaulo, minute)), LockCheck::Held);
        EXPECT_FALSE(watcher.watchIsStale(minutes(manaus, minute + 1))) << minute;
    }
    // The holder goes quiet (asleep): stale only after the stale time of the watcher's clock,
    // counted also across a restart of the watcher.
    EXPECT_FALSE(watcher.watchIsStale(minutes(manaus, 61 + FolderLock::kStaleAfterMinutes - 1)));
    FolderLock restarted(data(), {QStringLiteral("bia"), QStringLiteral("MANAUS"), QStringLiteral("s3")},
                         pathOf(QStringLiteral("nota-s2")));
    EXPECT_EQ(restarted.acquire(minutes(manaus, 62 + FolderLock::kStaleAfterMinutes)), LockState::Stale);
    ASSERT_TRUE(restarted.takeOver(minutes(manaus, 63 + FolderLock::kStaleAfterMinutes)));

    // The former holder wakes: before any write it finds the folder taken, and writes nothing.
    WriteGate::install(data(), [&holder] {
        return holder.check(QDateTime::currentDateTime()) == LockCheck::Held ? IoResult::success()
                                                                             : IoResult::failure(QStringLiteral("perdida"));
    });
    EXPECT_EQ(writeFileAtomically(data() + QStringLiteral("Hist.bvh"), QByteArray("x")).error, QStringLiteral("perdida"));
    EXPECT_FALSE(QFile::exists(data() + QStringLiteral("Hist.bvh")));
    EXPECT_FALSE(removeFile(restarted.filePath()).ok());
    ExtensionStore store(data());
    EXPECT_EQ(store.officeSettings().save({{QStringLiteral("cub"), QStringLiteral("1")}}).error, QStringLiteral("perdida"));
    EXPECT_FALSE(store.database().exists());
    EXPECT_TRUE(writeFileAtomically(pathOf(QStringLiteral("fora.csv")), QByteArray("x")).ok()) << "an export elsewhere";
    EXPECT_FALSE(holder.held());
    EXPECT_EQ(holder.renew(minutes(saoPaulo, 200)), LockCheck::Lost);
    holder.release();
    EXPECT_TRUE(test::fileContents(restarted.filePath()).contains("sessao=s3"));
}

TEST_F(FolderLockTest, ASeatIsItsSessionNotItsNames)
{
    // Two machines with the same default name and user: the second only reads.
    FolderLock first = seat(QStringLiteral("arq"), QStringLiteral("debian"), QStringLiteral("s1"));
    FolderLock twin = seat(QStringLiteral("arq"), QStringLiteral("debian"), QStringLiteral("s2"));
    ASSERT_EQ(first.acquire(saoPaulo), LockState::Acquired);
    EXPECT_EQ(twin.acquire(saoPaulo), LockState::HeldByOther);
    twin.release();
    EXPECT_TRUE(QFile::exists(first.filePath()));

    // The same seat after a crash of its own, in a new session, takes its lock back at once.
    FolderLock afterCrash(data(), {QStringLiteral("arq"), QStringLiteral("debian"), QStringLiteral("s3")},
                          pathOf(QStringLiteral("nota-s1")));
    EXPECT_EQ(afterCrash.acquire(minutes(saoPaulo, 1)), LockState::Acquired);
    EXPECT_EQ(first.check(minutes(saoPaulo, 2)), LockCheck::Lost);
}

TEST_F(FolderLockTest, ATakeoverReadsTheLockAgainAndTroublesNoLiveSeat)
{
    FolderLock holder = seat(QStringLiteral("ana"), QStringLiteral("A"), QStringLiteral("s1"));
    FolderLock asker = seat(QStringLiteral("bia"), QStringLiteral("B"), QStringLiteral("s2"));
    ASSERT_EQ(holder.acquire(saoPaulo), LockState::Acquired);
    ASSERT_EQ(asker.acquire(saoPaulo), LockState::HeldByOther);
    ASSERT_EQ(asker.acquire(minutes(saoPaulo, FolderLock::kStaleAfterMinutes)), LockState::Stale);
    // While the question is open the holder comes back and renews: the answer "Sim" takes nothing.
    ASSERT_EQ(holder.renew(minutes(saoPaulo, 31)), LockCheck::Held);
    EXPECT_FALSE(asker.takeOver(minutes(saoPaulo, 32)));
    EXPECT_EQ(holder.check(minutes(saoPaulo, 33)), LockCheck::Held);

    // A lock removed under the holder is made again by its next look; one that cannot be read
    // is no proof of anything: the holder keeps the folder.
    QFile::remove(holder.filePath());
    EXPECT_EQ(holder.check(minutes(saoPaulo, 34)), LockCheck::Held);
    EXPECT_TRUE(test::fileContents(holder.filePath()).contains("sessao=s1"));
    QFile::remove(holder.filePath());
    QDir().mkpath(holder.filePath());
    EXPECT_EQ(holder.renew(minutes(saoPaulo, 35)), LockCheck::Unsure);
    EXPECT_TRUE(holder.held());
}

TEST_F(FolderLockTest, AFolderThatTakesNoFileLeavesTheSeatReadingOnly)
{
    test::writeFile(pathOf(QStringLiteral("arquivo")), QByteArray("nao e pasta"));
    FolderLock lock(pathOf(QStringLiteral("arquivo")) + u'/', {QStringLiteral("ana"), QStringLiteral("A"), QStringLiteral("s1")});
    EXPECT_EQ(lock.acquire(saoPaulo), LockState::Failed);
    EXPECT_FALSE(lock.held());
}

} // namespace
