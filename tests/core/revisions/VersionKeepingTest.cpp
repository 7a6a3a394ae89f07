// A save over a budget keeps the file it replaces as a revision in the same step: the revision
// is kept if and only if the file was replaced, whatever fails on the way, and a save that
// changes no byte keeps none.
#include "core/budget/BudgetFile.h"
#include "core/revisions/VersionKeeping.h"
#include "core/storage/StorageFaults.h"
#include "core/store/ExtensionStore.h"
#include "core/text/Clock.h"

#include "support/Budgets.h"
#include "support/CoreApplication.h"
#include "support/Files.h"
#include "support/TestFolder.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace belvane;
using namespace belvane::test;

namespace {

class VersionKeepingTest : public TestFolder {
protected:
    static void SetUpTestSuite() { test::ensureCoreApplication(); }
    void SetUp() override
    {
        TestFolder::SetUp();
        Clock::setFixed(QDateTime(QDate(2026, 12, 9), QTime(10, 30)));
    }
    void TearDown() override
    {
        Clock::setFixed({});
        StorageFaults::clear();
        TestFolder::TearDown();
    }
    // Saves `budget` over its file as the project page does; true when the file was replaced.
    IoResult save(ExtensionStore& store, const TBudgetData& budget, bool* databaseFailed = nullptr)
    {
        ReplacedVersion replaced(store, folder(), budget.Number, Clock::now());
        const IoResult result = replaced.replace(budget, [&] { return WriteBudgetFile(budget, path()); });
        if (databaseFailed)
            *databaseFailed = replaced.databaseFailed();
        return result;
    }
    QString path() const { return pathOf(BudgetFileName(5)); }
    TBudgetData withProfit(float profit)
    {
        TBudgetData budget = numberedBudget(5, u"Ana");
        budget.ProfitPercent = profit;
        return budget;
    }
};

} // namespace

TEST_F(VersionKeepingTest, TheRevisionIsKeptIfAndOnlyIfTheFileWasReplaced)
{
    ExtensionStore store(folder(), 50);
    ASSERT_TRUE(save(store, withProfit(20)).ok());
    ASSERT_TRUE(save(store, withProfit(20)).ok());
    EXPECT_TRUE(store.revisions().of(5).empty()) << "nothing changed: no revision";
    ASSERT_TRUE(save(store, withProfit(15)).ok());
    ASSERT_EQ(store.revisions().of(5).size(), 1u);
    const QByteArray atFifteen = fileContents(path());

    // The file cannot be written: no revision, the file as it was.
    StorageFaults::inject(StorageFaults::Kind::FailWrite, BudgetFileName(5));
    EXPECT_FALSE(save(store, withProfit(12)).ok());
    EXPECT_EQ(store.revisions().of(5).size(), 1u);
    EXPECT_EQ(fileContents(path()), atFifteen);

    // Another seat reads the database while this one commits: the commit fails after the file
    // was replaced, and the previous file is put back.
    {
        QSqlDatabase reader = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("reader"));
        reader.setDatabaseName(store.database().filePath());
        ASSERT_TRUE(reader.open());
        QSqlQuery(reader).exec(QStringLiteral("BEGIN"));
        QSqlQuery hold(reader);
        ASSERT_TRUE(hold.exec(QStringLiteral("SELECT * FROM budget_revisions")) && hold.next());
        bool databaseFailed = false;
        EXPECT_FALSE(save(store, withProfit(12), &databaseFailed).ok());
        EXPECT_TRUE(databaseFailed);
        hold.finish();
        QSqlQuery(reader).exec(QStringLiteral("ROLLBACK"));
        reader.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("reader"));
    EXPECT_EQ(store.revisions().of(5).size(), 1u);
    EXPECT_EQ(fileContents(path()), atFifteen);

    // A database that only reads (a newer program's) takes no revision: the file stays too.
    store.database().close();
    {
        QSqlDatabase raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        raw.setDatabaseName(store.database().filePath());
        ASSERT_TRUE(raw.open());
        QSqlQuery(raw).exec(QStringLiteral("PRAGMA user_version = 99"));
        raw.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    ExtensionStore newer(folder(), 50);
    ASSERT_EQ(newer.database().open().state, StoreOpen::State::ReadOnly);
    bool databaseFailed = false;
    EXPECT_FALSE(save(newer, withProfit(12), &databaseFailed).ok());
    EXPECT_TRUE(databaseFailed);
    EXPECT_EQ(fileContents(path()), atFifteen);
}
