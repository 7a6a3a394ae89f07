#include "core/storage/FolderLock.h"
#include "support/TestFolder.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace belvane;

namespace {

class FolderLockTest : public test::TestFolder {
protected:
    const QDateTime start{QDate(2026, 12, 9), QTime(9, 0)};
};

} // namespace

TEST_F(FolderLockTest, OneSeatWritesAnotherOnlyReadsUntilTheFirstLeaves)
{
    FolderLock first(folder(), QStringLiteral("ana"), QStringLiteral("ESCRITORIO-1"));
    FolderLock second(folder(), QStringLiteral("bia"), QStringLiteral("ESCRITORIO-2"));
    ASSERT_EQ(first.acquire(start), LockState::Acquired);
    EXPECT_EQ(second.acquire(start.addSecs(60)), LockState::HeldByOther);
    EXPECT_EQ(second.holder().user, QStringLiteral("ana"));
    EXPECT_EQ(second.holder().machine, QStringLiteral("ESCRITORIO-1"));
    EXPECT_EQ(second.holder().since, start);

    // Renewed on time, it never grows stale.
    EXPECT_TRUE(first.renew(start.addSecs(25 * 60)));
    EXPECT_EQ(second.acquire(start.addSecs(50 * 60)), LockState::HeldByOther);

    second.release();                       // not its lock: nothing happens
    EXPECT_TRUE(QFile::exists(first.filePath()));
    first.release();
    EXPECT_EQ(second.acquire(start.addSecs(60 * 60)), LockState::Acquired);
}

TEST_F(FolderLockTest, AnOldLockIsTakenOverOnlyOnRequestAndTheFormerHolderStepsBack)
{
    FolderLock gone(folder(), QStringLiteral("ana"), QStringLiteral("ESCRITORIO-1"));
    ASSERT_EQ(gone.acquire(start), LockState::Acquired);
    FolderLock next(folder(), QStringLiteral("bia"), QStringLiteral("ESCRITORIO-2"));
    const QDateTime later = start.addSecs((FolderLock::kStaleAfterMinutes + 1) * 60);
    EXPECT_EQ(next.acquire(later), LockState::Stale);
    EXPECT_FALSE(next.held());
    ASSERT_TRUE(next.takeOver(later));
    // The former holder comes back: it no longer writes.
    EXPECT_FALSE(gone.renew(later.addSecs(60)));
    EXPECT_FALSE(gone.held());

    // A lock this very user left on this machine (a crash) is taken back at once.
    FolderLock again(folder(), QStringLiteral("bia"), QStringLiteral("ESCRITORIO-2"));
    EXPECT_EQ(again.acquire(later.addSecs(120)), LockState::Acquired);
}
