#include "core/store/ExtensionStore.h"
#include "core/budget/BudgetFile.h"
#include "core/pricing/BuildingUses.h"
#include "core/text/Clock.h"
#include "support/CoreApplication.h"
#include "support/Files.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

#include <gtest/gtest.h>

using namespace belvane;

namespace {

class ExtensionStoreTest : public test::TestFolder {
protected:
    static void SetUpTestSuite() { test::ensureCoreApplication(); }
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
            db.setDatabaseName(pathOf(ExtensionDatabase::fileName()));
            ASSERT_TRUE(db.open());
            for (const QString& statement : statements)
                ASSERT_TRUE(QSqlQuery(db).exec(statement)) << statement.toStdString();
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    }
    // The first value the query yields from the database file as it is on disk.
    QString valueOnDisk(const QString& query) { return linesOnDisk(pathOf(ExtensionDatabase::fileName()), query).value(0); }
    // Every row the query yields from the database file at `path`, its columns joined by '|',
    // blobs in hexadecimal and white space folded.
    static QStringList linesOnDisk(const QString& path, const QString& query)
    {
        QStringList lines;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
            db.setDatabaseName(path);
            QSqlQuery select(db);
            if (db.open() && select.exec(query)) {
                while (select.next()) {
                    QStringList columns;
                    for (int column = 0; column < select.record().count(); ++column) {
                        const QVariant value = select.value(column);
                        columns << (value.typeId() == QMetaType::QByteArray ? QString::fromLatin1(value.toByteArray().toHex())
                                                                            : value.toString().simplified());
                    }
                    lines << columns.join(u'|');
                }
            }
            select.finish();
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("check"));
        return lines;
    }
    // The schema as SQLite keeps it: every table and index with the statement that made it.
    static QStringList schemaOnDisk(const QString& path)
    {
        return linesOnDisk(path, QStringLiteral("SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY type, name"));
    }
    // Every row of every table, table by table.
    static QStringList rowsOnDisk(const QString& path)
    {
        QStringList rows;
        const QString tables = QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name");
        for (const QString& table : linesOnDisk(path, tables))
            rows += linesOnDisk(path, QStringLiteral("SELECT '%1', * FROM \"%1\" ORDER BY rowid").arg(table));
        return rows;
    }
};

} // namespace

TEST_F(ExtensionStoreTest, MadeOnFirstNeedAndBroughtUpFromAnEmptyDatabase)
{
    {
        ExtensionStore store(folder());
        EXPECT_FALSE(QFile::exists(store.database().filePath()));   // nothing until it is opened
        EXPECT_EQ(store.database().open().state, StoreOpen::State::Created);
        EXPECT_EQ(store.database().schemaVersion(), ExtensionDatabase::kSchemaVersion);
    }
    ExtensionStore again(folder());
    EXPECT_EQ(again.database().open().state, StoreOpen::State::Opened);

    // A database of schema 0 (made by hand, no tables) is migrated, not replaced.
    QFile::remove(pathOf(ExtensionDatabase::fileName()));
    writeDatabase({QStringLiteral("CREATE TABLE notes_by_hand (x)")});
    ExtensionStore old(folder());
    EXPECT_EQ(old.database().open().state, StoreOpen::State::Opened);
    EXPECT_EQ(old.database().schemaVersion(), ExtensionDatabase::kSchemaVersion);
}

TEST_F(ExtensionStoreTest, DamagedFilesAreSetAsideAndANewerSchemaIsOnlyRead)
{
    for (const QByteArray& damage : {QByteArray("isto não é um banco de dados"), QByteArray()}) {
        QByteArray bytes = damage;
        if (bytes.isEmpty()) {
            // A real database cut short.
            {
                ExtensionStore store(folder());
                store.database().open();
            }
            bytes = test::fileContents(pathOf(ExtensionDatabase::fileName())).left(1000);
        }
        test::writeFile(pathOf(ExtensionDatabase::fileName()), bytes);
        ExtensionStore store(folder());
        const StoreOpen opened = store.database().open();
        ASSERT_EQ(opened.state, StoreOpen::State::Recovered) << opened.message.toStdString();
        EXPECT_TRUE(opened.message.contains(QStringLiteral("Belvane.db.danificado-20261209-103000")));
        EXPECT_EQ(test::fileContents(pathOf(QStringLiteral("Belvane.db.danificado-20261209-103000"))), bytes);
        EXPECT_EQ(store.database().schemaVersion(), ExtensionDatabase::kSchemaVersion);
        QFile::remove(pathOf(QStringLiteral("Belvane.db.danificado-20261209-103000")));
    }

    QFile::remove(pathOf(ExtensionDatabase::fileName()));
    writeDatabase({QStringLiteral("PRAGMA user_version = 99")});
    const QByteArray newer = test::fileContents(pathOf(ExtensionDatabase::fileName()));
    ExtensionStore store(folder());
    EXPECT_EQ(store.database().open().state, StoreOpen::State::ReadOnly);
    EXPECT_TRUE(store.database().readOnly());
    EXPECT_TRUE(store.database().removeBudget(3).ok());
    EXPECT_EQ(test::fileContents(pathOf(ExtensionDatabase::fileName())), newer);
}

TEST_F(ExtensionStoreTest, AHealthyDatabaseThatCannotBeWrittenIsOnlyReadNeverSetAside)
{
    // A schema-5 database another seat holds busy while this one would bring it up to date.
    QStringList steps;
    for (int step = 0; step < 5; ++step)
        steps << ExtensionDatabase::schemaSteps()[std::size_t(step)];
    steps << QStringLiteral("PRAGMA user_version = 5")
          << QStringLiteral("INSERT INTO budget_revisions VALUES (8, 1, '2026-01-01', x'00')");
    writeDatabase(steps);
    const QByteArray before = test::fileContents(pathOf(ExtensionDatabase::fileName()));
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
    other.setDatabaseName(pathOf(ExtensionDatabase::fileName()));
    ASSERT_TRUE(other.open());
    ASSERT_TRUE(QSqlQuery(other).exec(QStringLiteral("BEGIN EXCLUSIVE")));
    {
        ExtensionStore store(folder(), 50);
        const StoreOpen opened = store.database().open();
        EXPECT_EQ(opened.state, StoreOpen::State::ReadOnly);
        EXPECT_TRUE(opened.message.contains(QStringLiteral("em uso"))) << opened.message.toStdString();
    }
    QSqlQuery(other).exec(QStringLiteral("ROLLBACK"));
    other.close();
    other = {};
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    EXPECT_TRUE(QDir(folder()).entryList({QStringLiteral("*danificado*")}).isEmpty());
    EXPECT_EQ(test::fileContents(pathOf(ExtensionDatabase::fileName())), before);

    // Once free, it is brought up with its revisions, and the whole file is found healthy.
    ExtensionStore store(folder());
    EXPECT_EQ(store.database().open().state, StoreOpen::State::Opened);
    EXPECT_EQ(store.revisions().of(8).size(), 1u);
    EXPECT_EQ(ExtensionDatabase::checkFile(store.database().filePath()), StoreHealth::Healthy);
}

TEST_F(ExtensionStoreTest, TheWholeFileCheckFindsADamagedPageAndABackupCopiesOneMoment)
{
    {
        ExtensionStore store(folder());
        ASSERT_EQ(store.database().open().state, StoreOpen::State::Created);
        for (int number = 1; number <= 40; ++number)
            ASSERT_TRUE(store.revisions().keep(number, QByteArray(4744, char('a' + number % 20)), Clock::now()).ok());
    }
    const QString path = pathOf(ExtensionDatabase::fileName());
    // Another seat is in the middle of a transaction: the copy holds what was committed.
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(path);
        ASSERT_TRUE(other.open());
        ASSERT_TRUE(QSqlQuery(other).exec(QStringLiteral("BEGIN IMMEDIATE")));
        ASSERT_TRUE(QSqlQuery(other).exec(QStringLiteral("DELETE FROM budget_revisions")));
        const ReadOutcome copy = ExtensionDatabase::consistentCopy(path);
        ASSERT_TRUE(copy.ok()) << copy.error.toStdString();
        QSqlQuery(other).exec(QStringLiteral("ROLLBACK"));
        other.close();
        QDir().mkpath(pathOf(QStringLiteral("copia")));
        test::writeFile(pathOf(QStringLiteral("copia/Belvane.db")), copy.bytes);
        ExtensionStore copied(pathOf(QStringLiteral("copia")));
        ASSERT_EQ(copied.database().open().state, StoreOpen::State::Opened);
        EXPECT_EQ(copied.revisions().of(40).size(), 1u);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));

    QByteArray bytes = test::fileContents(path);
    ASSERT_GT(bytes.size(), 8 * 4096);
    bytes.replace(5 * 4096, 4096, QByteArray(4096, '\x5a'));
    test::writeFile(path, bytes);
    EXPECT_EQ(ExtensionDatabase::checkFile(path), StoreHealth::Damaged);
    EXPECT_EQ(ExtensionDatabase::checkFile(pathOf(QStringLiteral("nenhum.db"))), StoreHealth::Unknown);
}

TEST_F(ExtensionStoreTest, ADatabaseOfEveryEarlierVersionIsBroughtUpWithItsRowsKept)
{
    const QString path = pathOf(ExtensionDatabase::fileName());
    {
        ExtensionStore fresh(folder());
        ASSERT_EQ(fresh.database().open().state, StoreOpen::State::Created);
    }
    const QStringList freshSchema = schemaOnDisk(path);
    for (int version = 1; version < ExtensionDatabase::kSchemaVersion; ++version) {
        SCOPED_TRACE("from version " + std::to_string(version));
        // What the program of that version left, kept as it was released: its tables, a few rows
        // in each. A released migration step changed afterwards would no longer bring it here.
        QFile::remove(path);
        ASSERT_TRUE(QFile::copy(QStringLiteral(BELVANE_STORE_FIXTURES "/belvane-v%1.db").arg(version), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        const QStringList rowsBefore = rowsOnDisk(path);
        ASSERT_FALSE(rowsBefore.isEmpty());
        {
            ExtensionStore store(folder());
            ASSERT_EQ(store.database().open().state, StoreOpen::State::Opened);
            EXPECT_EQ(store.database().schemaVersion(), ExtensionDatabase::kSchemaVersion);
        }
        EXPECT_EQ(schemaOnDisk(path), freshSchema);
        EXPECT_EQ(rowsOnDisk(path), rowsBefore);

        ExtensionStore store(folder());
        ASSERT_EQ(store.database().open().state, StoreOpen::State::Opened);
        EXPECT_EQ(store.database().schemaVersion(), ExtensionDatabase::kSchemaVersion);
        const StatusChange change{7,
                                  Clock::now(),
                                  kStatusField.toString(),
                                  QStringLiteral("Aguardando"),
                                  QStringLiteral("Aprovado"),
                                  {}};
        EXPECT_TRUE(store.statusLog().record({change}).ok());
        EXPECT_EQ(store.statusLog().of(7), std::vector<StatusChange>{change});
        const QMap<QString, QString> settings{{QStringLiteral("preco.cub"), QStringLiteral("2731.45")}};
        EXPECT_TRUE(store.officeSettings().save(settings).ok());
        EXPECT_EQ(store.officeSettings().all().value(QStringLiteral("preco.cub")), QStringLiteral("2731.45"));
        const PaymentSchedule schedule(
            {{QStringLiteral("Assinatura do contrato"), 20, QStringLiteral("15/01/2027")},
             {QStringLiteral("Estudo preliminar"), 80, QStringLiteral("na entrega")}});
        EXPECT_TRUE(store.paymentSchedules().save(7, schedule).ok());
        EXPECT_TRUE(store.paymentSchedules().save(7, schedule).ok()); // replaced, not added to
        EXPECT_EQ(store.paymentSchedules().of(7), schedule);
        EXPECT_TRUE(store.revisions().keep(7, QByteArray(4744, 'a'), Clock::now()).ok());
        EXPECT_TRUE(store.revisions().keep(7, QByteArray(4744, 'b'), Clock::now().addSecs(60)).ok());
        const std::vector<BudgetRevision> kept = store.revisions().of(7);
        ASSERT_EQ(kept.size(), 2u);
        EXPECT_EQ(kept[1].number, 2);
        EXPECT_EQ(kept[1].file, QByteArray(4744, 'b'));
        EXPECT_EQ(kept[1].keptAt, Clock::now().addSecs(60));
        const InstalmentMark billed{1, QDate(2027, 1, 15), {}, 0};
        EXPECT_TRUE(store.instalmentMarks().mark(7, billed, Clock::now()).ok());
        EXPECT_EQ(store.instalmentMarks().of(7), std::vector<InstalmentMark>{billed});
    }
}

TEST_F(ExtensionStoreTest, BillingMarksAreKeptByPositionWithTheirTimelineAndGoWithTheirInstalmentOrBudget)
{
    ExtensionStore store(folder());
    ASSERT_EQ(store.database().open().state, StoreOpen::State::Created);
    const PaymentSchedule three({{QStringLiteral("Assinatura do contrato"), 20, QStringLiteral("15/01/2027")},
                                 {QStringLiteral("Estudo preliminar"), 40, QStringLiteral("15/03/2027")},
                                 {QStringLiteral("Anteprojeto"), 40, QStringLiteral("na entrega")}});
    ASSERT_TRUE(store.paymentSchedules().save(7, three).ok());
    const QDateTime morning = Clock::now();
    const InstalmentMark first{1, QDate(2027, 1, 10), QDate(2027, 1, 20), 1999.90};
    InstalmentMark third{3, QDate(2027, 5, 2), {}, 0};
    ASSERT_TRUE(store.instalmentMarks().mark(7, first, morning).ok());
    ASSERT_TRUE(store.instalmentMarks().mark(7, third, morning).ok());
    ASSERT_TRUE(store.instalmentMarks().mark(8, first, morning).ok());
    // Marked again with the billing taken back: cleared, and the change logged.
    third.billedOn = {};
    ASSERT_TRUE(store.instalmentMarks().mark(7, third, morning.addSecs(60)).ok());
    EXPECT_EQ(store.instalmentMarks().of(7), std::vector<InstalmentMark>{first});
    third.billedOn = QDate(2027, 5, 3);
    ASSERT_TRUE(store.instalmentMarks().mark(7, third, morning.addSecs(120)).ok());
    const std::vector<InstalmentMarkChange> timeline = store.instalmentMarks().changesOf(7);
    ASSERT_EQ(timeline.size(), 6u);
    EXPECT_EQ(timeline[2], (InstalmentMarkChange{7, 1, morning, QStringLiteral("valor recebido"), {},
                                                 QStringLiteral("1999.90")}));
    EXPECT_EQ(timeline[4], (InstalmentMarkChange{7, 3, morning.addSecs(60), QStringLiteral("faturada"),
                                                 QStringLiteral("02/05/2027"), {}}));

    // The schedule cut to two instalments: the third's mark goes, logged; the first's stays.
    const PaymentSchedule two({three.instalments()[0], three.instalments()[1]});
    ASSERT_TRUE(store.paymentSchedules().save(7, two).ok());
    EXPECT_EQ(store.instalmentMarks().of(7), std::vector<InstalmentMark>{first});
    EXPECT_EQ(store.instalmentMarks().changesOf(7).back().field, QStringLiteral("removida"));
    EXPECT_EQ(store.instalmentMarks().all().size(), 2);

    EXPECT_TRUE(store.database().removeBudget(7).ok());
    EXPECT_TRUE(store.instalmentMarks().of(7).empty());
    EXPECT_TRUE(store.instalmentMarks().changesOf(7).empty());
    EXPECT_EQ(store.instalmentMarks().of(8).size(), 1u);
}

TEST_F(ExtensionStoreTest, ABudgetsRowsGoWithItFromEveryKeyedTableAndAGoneFileKeepsWhatRebuildsIt)
{
    // A table a later version adds, with a budget's rows, beside the status history.
    writeDatabase({QStringLiteral("CREATE TABLE later_feature (budget_number INTEGER, v TEXT)"),
                   QStringLiteral("INSERT INTO later_feature VALUES (1, 'x'), (2, 'y'), (3, 'z')")});
    ExtensionStore store(folder());
    ASSERT_EQ(store.database().open().state, StoreOpen::State::Opened);
    std::vector<StatusChange> changes;
    for (int number : {1, 2, 3})
        changes.push_back({number,
                           Clock::now(),
                           kNegotiatedField.toString(),
                           QStringLiteral("0"),
                           QStringLiteral("9500"),
                           {}});
    ASSERT_TRUE(store.statusLog().record(changes).ok());

    EXPECT_TRUE(store.database().removeBudget(1).ok());
    EXPECT_TRUE(store.statusLog().of(1).empty());
    // Budget 3's file was deleted by a program that knows nothing of the database: its schedule
    // goes, its revisions and status history stay to restore it from, and so does what a later
    // version keeps.
    ASSERT_TRUE(store.revisions().keep(3, QByteArray(4744, 'r'), Clock::now()).ok());
    ASSERT_TRUE(store.paymentSchedules().save(3, PaymentSchedule({{QStringLiteral("Entrega"), 100.0, {}}})).ok());
    EXPECT_EQ(store.database().forgetMissingBudgets([](int number) { return number != 3; }), 1);
    EXPECT_TRUE(store.paymentSchedules().of(3).empty());
    EXPECT_EQ(store.statusLog().of(3).size(), 1u);
    EXPECT_EQ(store.revisions().of(3).size(), 1u);
    store.database().close();
    EXPECT_EQ(valueOnDisk(QStringLiteral("SELECT group_concat(budget_number) FROM later_feature")),
              QStringLiteral("2,3"));
}

TEST_F(ExtensionStoreTest, ABuildingUseReadFromAFileIsReadFromTheDatabaseAfterwards)
{
    ExtensionStore store(folder());
    ASSERT_EQ(store.database().open().state, StoreOpen::State::Created);
    TBudgetData budget = zeroBudget();
    budget.Number = 7;
    budget.BuildingUse.assign(u"Saúde");
    ASSERT_TRUE(WriteBudgetFile(budget, pathOf(BudgetFileName(7))).ok());
    {
        BuildingUses uses(folder(), &store);
        uses.prefetch(1, 10);
        EXPECT_EQ(uses.of(7), u"Saúde"_qs);
        uses.storeNewlyRead();
    }
    // The file is gone; the database still knows, by the range of numbers a year covers.
    ASSERT_TRUE(QFile::remove(pathOf(BudgetFileName(7))));
    BuildingUses again(folder(), &store);
    again.prefetch(5, 9);
    EXPECT_EQ(again.of(7), u"Saúde"_qs);
    EXPECT_TRUE(store.buildingUses().between(8, 9).isEmpty());
}

TEST_F(ExtensionStoreTest, TheLastDecisionOfABudgetFollowsItsStatusHistory)
{
    const QDateTime at = Clock::now();
    {
        ExtensionStore store(folder());
        ASSERT_TRUE(store.statusLog().record({{1, at, u"status"_qs, u"Aguardando"_qs, u"Aprovado"_qs, {}},
                                               {1, at, u"status"_qs, u"Aprovado"_qs, u"Aguardando"_qs, {}},
                                               {2, at, u"status"_qs, u"Aguardando"_qs, u"Concluído"_qs, {}},
                                               {2, at, u"status"_qs, u"Concluído"_qs, u"Reprovado"_qs, {}}})
                        .ok());
    }
    ExtensionStore store(folder());
    ASSERT_EQ(store.database().open().state, StoreOpen::State::Opened);
    EXPECT_TRUE(store.statusLog().lastDecisionWon(1)); // revised after the win
    EXPECT_FALSE(store.statusLog().lastDecisionWon(2));
    // A decision recorded afterwards counts at once.
    ASSERT_TRUE(store.statusLog().record({{1, at, u"status"_qs, u"Aguardando"_qs, u"Reprovado"_qs, {}},
                                           {2, at, u"status"_qs, u"Reprovado"_qs, u"Aprovado"_qs, {}}})
                    .ok());
    EXPECT_FALSE(store.statusLog().lastDecisionWon(1));
    EXPECT_TRUE(store.statusLog().lastDecisionWon(2));
    // The day a budget last moved to finished, for the year it counts in.
    const QDateTime later = at.addDays(40);
    const StatusChange finishing{2, later, u"status"_qs, u"Aprovado"_qs, u"Concluído"_qs, {}};
    ASSERT_TRUE(store.statusLog().record({finishing}).ok());
    const QHash<int, QDate> finished = store.statusLog().lastMovedTo(u"Concluído");
    EXPECT_EQ(finished, (QHash<int, QDate>{{2, later.date()}}));
}
