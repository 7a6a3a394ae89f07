#include "core/store/ExtensionStore.h"
#include "core/text/Clock.h"
#include "support/Files.h"
#include "support/TestFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace belvane;

namespace {

// Qt loads its database drivers as plugins, which needs an application object.
class ExtensionStoreTest : public test::TestFolder {
protected:
    static void SetUpTestSuite()
    {
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "belvane_core_tests";
            static char* argv[] = {name, nullptr};
            static QCoreApplication app(argc, argv);
        }
    }
    void SetUp() override
    {
        test::TestFolder::SetUp();
        Clock::setFixed(QDateTime(QDate(2026, 12, 9), QTime(10, 30)));
    }
    void TearDown() override
    {
        Clock::setFixed({});
        test::TestFolder::TearDown();
    }
    // A database file written directly, as another program (or an older one) left it.
    void writeDatabase(const QStringList& statements)
    {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
            db.setDatabaseName(pathOf(ExtensionStore::fileName()));
            ASSERT_TRUE(db.open());
            for (const QString& statement : statements)
                ASSERT_TRUE(QSqlQuery(db).exec(statement)) << statement.toStdString();
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    }
};

} // namespace

TEST_F(ExtensionStoreTest, MadeOnFirstNeedAndBroughtUpFromAnEmptyDatabase)
{
    {
        ExtensionStore store(folder());
        EXPECT_FALSE(QFile::exists(store.filePath()));   // nothing until it is opened
        EXPECT_EQ(store.open().state, StoreOpen::State::Created);
        EXPECT_EQ(store.schemaVersion(), ExtensionStore::kSchemaVersion);
    }
    ExtensionStore again(folder());
    EXPECT_EQ(again.open().state, StoreOpen::State::Opened);

    // A database of schema 0 (made by hand, no tables) is migrated, not replaced.
    QFile::remove(pathOf(ExtensionStore::fileName()));
    writeDatabase({QStringLiteral("CREATE TABLE notes_by_hand (x)")});
    ExtensionStore old(folder());
    EXPECT_EQ(old.open().state, StoreOpen::State::Opened);
    EXPECT_EQ(old.schemaVersion(), ExtensionStore::kSchemaVersion);
}

TEST_F(ExtensionStoreTest, DamagedFilesAreSetAsideAndANewerSchemaIsOnlyRead)
{
    for (const QByteArray& damage : {QByteArray("isto não é um banco de dados"), QByteArray()}) {
        QByteArray bytes = damage;
        if (bytes.isEmpty()) {
            // A real database cut short.
            {
                ExtensionStore store(folder());
                store.open();
            }
            bytes = test::fileContents(pathOf(ExtensionStore::fileName())).left(1000);
        }
        test::writeFile(pathOf(ExtensionStore::fileName()), bytes);
        ExtensionStore store(folder());
        const StoreOpen opened = store.open();
        ASSERT_EQ(opened.state, StoreOpen::State::Recovered) << opened.message.toStdString();
        EXPECT_TRUE(opened.message.contains(QStringLiteral("Belvane.db.danificado-20261209-103000")));
        EXPECT_EQ(test::fileContents(pathOf(QStringLiteral("Belvane.db.danificado-20261209-103000"))), bytes);
        EXPECT_EQ(store.schemaVersion(), ExtensionStore::kSchemaVersion);
        QFile::remove(pathOf(QStringLiteral("Belvane.db.danificado-20261209-103000")));
    }

    QFile::remove(pathOf(ExtensionStore::fileName()));
    writeDatabase({QStringLiteral("PRAGMA user_version = 99")});
    const QByteArray newer = test::fileContents(pathOf(ExtensionStore::fileName()));
    ExtensionStore store(folder());
    EXPECT_EQ(store.open().state, StoreOpen::State::ReadOnly);
    EXPECT_TRUE(store.readOnly());
    EXPECT_TRUE(store.removeBudget(3).ok());
    EXPECT_EQ(test::fileContents(pathOf(ExtensionStore::fileName())), newer);
}

TEST_F(ExtensionStoreTest, RemovingABudgetTakesItsRowsFromEveryKeyedTable)
{
    writeDatabase({QStringLiteral("CREATE TABLE a (budget_number INTEGER, v TEXT)"),
                   QStringLiteral("CREATE TABLE b (budget_number INTEGER, w TEXT)"),
                   QStringLiteral("INSERT INTO a VALUES (1, 'x'), (2, 'y')"),
                   QStringLiteral("INSERT INTO b VALUES (1, 'z')")});
    {
        ExtensionStore store(folder());
        ASSERT_EQ(store.open().state, StoreOpen::State::Opened);
        EXPECT_TRUE(store.removeBudget(1).ok());
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
    db.setDatabaseName(pathOf(ExtensionStore::fileName()));
    ASSERT_TRUE(db.open());
    QSqlQuery count(db);
    ASSERT_TRUE(count.exec(QStringLiteral("SELECT (SELECT count(*) FROM a), (SELECT count(*) FROM b)")));
    ASSERT_TRUE(count.next());
    EXPECT_EQ(count.value(0).toInt(), 1);
    EXPECT_EQ(count.value(1).toInt(), 0);
    count.finish();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
}
