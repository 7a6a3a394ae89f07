#include "core/store/ExtensionStore.h"

#include "core/text/Clock.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <atomic>
#include <limits>
#include <vector>

namespace belvane {
namespace {

QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("belvane-store-%1").arg(++counter);
}

bool run(QSqlDatabase& db, const QString& statement)
{
    QSqlQuery query(db);
    return query.exec(statement);
}

// A text as the database keeps it: an empty one is empty, never NULL.
QString textOf(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

} // namespace

const std::vector<QStringList>& ExtensionStore::schemaSteps()
{
    static const std::vector<QStringList> steps = {
        // 1: what the database itself is (when it was made).
        {QStringLiteral("CREATE TABLE store_info (key TEXT PRIMARY KEY, value TEXT NOT NULL)")},
        // 2: the status history of budgets. Every table that belongs to a budget has a column
        // "budget_number": deleting or forgetting a budget finds its rows by it.
        {QStringLiteral(
             "CREATE TABLE status_changes (id INTEGER PRIMARY KEY, budget_number INTEGER NOT NULL, "
             "changed_at TEXT NOT NULL, field TEXT NOT NULL, old_value TEXT NOT NULL, "
             "new_value TEXT NOT NULL, reason TEXT NOT NULL DEFAULT '')"),
         QStringLiteral("CREATE INDEX status_changes_by_budget ON status_changes (budget_number)")},
        // 3: the office's settings its file has no room for.
        {QStringLiteral("CREATE TABLE office_settings (key TEXT PRIMARY KEY, value TEXT NOT NULL)")},
        // 4: the payment schedule of each budget, its instalments in order.
        {QStringLiteral(
            "CREATE TABLE payment_instalments (budget_number INTEGER NOT NULL, position INTEGER NOT NULL, "
            "stage TEXT NOT NULL, percent REAL NOT NULL, due TEXT NOT NULL, "
            "PRIMARY KEY (budget_number, position))")},
        // 5: earlier versions of budget files, kept when a save replaced them.
        {QStringLiteral(
            "CREATE TABLE budget_revisions (budget_number INTEGER NOT NULL, revision INTEGER NOT NULL, "
            "kept_at TEXT NOT NULL, file BLOB NOT NULL, PRIMARY KEY (budget_number, revision))")},
        // 6: the building use of each saved budget, for the statistics.
        {QStringLiteral(
            "CREATE TABLE budget_uses (budget_number INTEGER PRIMARY KEY, building_use TEXT NOT NULL)")},
    };
    return steps;
}

ExtensionStore::ExtensionStore(const QString& projectsDir)
    : m_path(QDir(projectsDir).filePath(fileName())), m_connection(nextConnectionName())
{
}

ExtensionStore::~ExtensionStore()
{
    disconnect();
}

// Lets go of the file when a public operation ends. Declared first in the operation, it is
// destroyed last, after every query of the operation.
struct ExtensionStore::Session {
    const ExtensionStore& store;
    ~Session() { store.release(); }
};

QSqlDatabase ExtensionStore::database() const
{
    if (QSqlDatabase::contains(m_connection))
        return QSqlDatabase::database(m_connection, false);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    if (m_readOnly)
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (db.open() && !m_readOnly) {
        // Network folders have no shared memory for a write-ahead log; every commit reaches the
        // disk before the program goes on.
        run(db, QStringLiteral("PRAGMA journal_mode=DELETE"));
        run(db, QStringLiteral("PRAGMA synchronous=FULL"));
    }
    return db;
}

void ExtensionStore::release() const
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    database().close();
    QSqlDatabase::removeDatabase(m_connection);
}

bool ExtensionStore::connect(bool readOnly)
{
    release();
    m_readOnly = readOnly;
    m_open = database().isOpen();
    return m_open;
}

void ExtensionStore::disconnect()
{
    release();
    m_open = false;
}

bool ExtensionStore::exists() const
{
    return QFile::exists(m_path);
}

int ExtensionStore::schemaVersion() const
{
    const Session session{*this};
    return version();
}

int ExtensionStore::version() const
{
    if (!m_open)
        return 0;
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return -1;
    return query.value(0).toInt();
}

bool ExtensionStore::isDamaged()
{
    QSqlQuery query(database());
    return !query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next()
           || query.value(0).toString() != QLatin1String("ok");
}

bool ExtensionStore::migrate()
{
    QSqlDatabase db = database();
    for (int version = this->version(); version < kSchemaVersion; ++version) {
        if (!db.transaction())
            return false;
        bool done = true;
        for (const QString& statement : schemaSteps()[std::size_t(version)])
            done = done && run(db, statement);
        done = done && run(db, QStringLiteral("PRAGMA user_version = %1").arg(version + 1));
        if (version == 0)
            done = done && run(db, QStringLiteral("INSERT INTO store_info VALUES ('created', '%1')")
                                       .arg(Clock::now().toString(Qt::ISODate)));
        if (!done || !db.commit()) {
            db.rollback();
            return false;
        }
    }
    return true;
}

StoreOpen ExtensionStore::setAsideAndRecreate()
{
    disconnect();
    const QString aside = m_path + QStringLiteral(".danificado-")
                          + Clock::now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!QFile::rename(m_path, aside)) {
        return {StoreOpen::State::Failed,
                QStringLiteral("O banco de dados \"%1\" está danificado e não pôde ser posto de lado. "
                               "Os arquivos de orçamentos, do histórico e do escritório não foram alterados.")
                    .arg(QDir::toNativeSeparators(m_path))};
    }
    QFile::remove(m_path + QStringLiteral("-journal"));
    const QString message =
        QStringLiteral("O banco de dados \"%1\" estava danificado e foi guardado como \"%2\". Um banco novo "
                       "foi criado; os arquivos de orçamentos, do histórico e do escritório não foram alterados.")
            .arg(QDir::toNativeSeparators(m_path), QDir::toNativeSeparators(aside));
    if (!connect(false) || !migrate())
        return {StoreOpen::State::Failed, message};
    return {StoreOpen::State::Recovered, message};
}

StoreOpen ExtensionStore::open()
{
    const Session session{*this};
    disconnect();
    const bool existed = QFile::exists(m_path);
    if (!connect(false)) {
        return {StoreOpen::State::Failed, QStringLiteral("O banco de dados \"%1\" não pôde ser aberto.")
                                              .arg(QDir::toNativeSeparators(m_path))};
    }
    if (existed && isDamaged())
        return setAsideAndRecreate();
    const int version = this->version();
    if (version > kSchemaVersion) {
        // A newer program's data: read what this program knows, never write over the rest.
        disconnect();
        connect(true);
        return {StoreOpen::State::ReadOnly,
                QStringLiteral("O banco de dados \"%1\" foi gravado por uma versão mais nova do programa; "
                               "os dados extras serão apenas lidos.")
                    .arg(QDir::toNativeSeparators(m_path))};
    }
    if (version < 0 || !migrate())
        return setAsideAndRecreate();
    return {existed ? StoreOpen::State::Opened : StoreOpen::State::Created, {}};
}

StoreOpen ExtensionStore::openForReading()
{
    const Session session{*this};
    disconnect();
    m_readOnly = true;
    if (!QFile::exists(m_path))
        return {StoreOpen::State::Failed, {}};
    const int version = connect(true) ? this->version() : -1;
    if (version < 0 || isDamaged()) {
        disconnect();
        return {
            StoreOpen::State::Failed,
            QStringLiteral("O banco de dados \"%1\" não pôde ser lido; os dados extras não serão mostrados "
                           "nesta sessão.")
                .arg(QDir::toNativeSeparators(m_path))};
    }
    return {StoreOpen::State::ReadOnly, {}};
}

QStringList ExtensionStore::keyedTables() const
{
    QStringList tables;
    QSqlQuery list(database());
    list.exec(QStringLiteral("SELECT m.name FROM sqlite_master m, pragma_table_info(m.name) c "
                             "WHERE m.type = 'table' AND c.name = 'budget_number'"));
    while (list.next())
        tables << list.value(0).toString();
    return tables;
}

IoResult ExtensionStore::commitOrUndo(QSqlDatabase& db, bool done, const QString& what) const
{
    if (done && db.commit())
        return IoResult::success();
    db.rollback();
    return writeFailure(what);
}

IoResult ExtensionStore::writeFailure(const QString& what) const
{
    return IoResult::failure(
        QStringLiteral("%1 não puderam ser gravadas em \"%2\".").arg(what, QDir::toNativeSeparators(m_path)));
}

IoResult ExtensionStore::removeBudget(int number)
{
    const Session session{*this};
    if (!m_open || m_readOnly || removeRows({number}))
        return IoResult::success();
    return IoResult::failure(
        QStringLiteral("Os dados extras do orçamento %1 não puderam ser apagados de \"%2\".")
            .arg(number)
            .arg(QDir::toNativeSeparators(m_path)));
}

bool ExtensionStore::removeRows(const std::vector<int>& numbers)
{
    QSqlDatabase db = database();
    bool done = db.transaction();
    for (const QString& table : keyedTables()) {
        QSqlQuery remove(db);
        done =
            done && remove.prepare(QStringLiteral("DELETE FROM \"%1\" WHERE budget_number = ?").arg(table));
        for (const int number : numbers) {
            remove.addBindValue(number);
            done = done && remove.exec();
        }
    }
    if (done && db.commit())
        return true;
    db.rollback();
    return false;
}

int ExtensionStore::forgetMissingBudgets(const std::function<bool(int number)>& budgetExists)
{
    const Session session{*this};
    if (!m_open || m_readOnly)
        return 0;
    const QStringList tables = keyedTables();
    if (tables.isEmpty())
        return 0;
    QStringList selects;
    for (const QString& table : tables)
        selects << QStringLiteral("SELECT budget_number FROM \"%1\"").arg(table);
    std::vector<int> gone;
    {
        QSqlQuery numbers(database());
        numbers.exec(selects.join(QStringLiteral(" UNION ")));
        while (numbers.next()) {
            const int number = numbers.value(0).toInt();
            if (!budgetExists(number))
                gone.push_back(number);
        }
    }
    return !gone.empty() && removeRows(gone) ? int(gone.size()) : 0;
}

IoResult ExtensionStore::recordStatusChanges(const std::vector<StatusChange>& changes)
{
    const Session session{*this};
    if (changes.empty())
        return IoResult::success();
    if (!readyToWrite())
        return writeFailure(QStringLiteral("As mudanças de status"));
    QSqlDatabase db = database();
    bool done = db.transaction();
    QSqlQuery insert(db);
    done = done
        && insert.prepare(QStringLiteral("INSERT INTO status_changes (budget_number, changed_at, field, "
                                         "old_value, new_value, reason) VALUES (?, ?, ?, ?, ?, ?)"));
    for (const StatusChange& change : changes) {
        if (!done)
            break;
        insert.addBindValue(change.budgetNumber);
        insert.addBindValue(change.at.toString(Qt::ISODate));
        insert.addBindValue(textOf(change.field));
        insert.addBindValue(textOf(change.oldValue));
        insert.addBindValue(textOf(change.newValue));
        insert.addBindValue(textOf(change.reason));
        done = insert.exec();
    }
    return commitOrUndo(db, done, QStringLiteral("As mudanças de status"));
}

bool ExtensionStore::readyToWrite()
{
    // A seat that only reads never makes the database; the one that writes makes it on first need.
    if (m_readOnly)
        return false;
    if (!m_open && open().state == StoreOpen::State::Failed)
        return false;
    return m_open && !m_readOnly;
}

IoResult ExtensionStore::keepRevision(int budgetNumber, const QByteArray& previousFile, const QDateTime& at,
                                      const std::function<IoResult()>& replaceFile)
{
    const Session session{*this};
    const QString what = QStringLiteral("As revisões do orçamento %1").arg(budgetNumber);
    if (!readyToWrite())
        return writeFailure(what);
    QSqlDatabase db = database();
    bool done = db.transaction();
    // The next number is worked out inside the transaction that stores it: two revisions never
    // share one.
    QSqlQuery insert(db);
    done = done
        && insert.prepare(
            QStringLiteral("INSERT INTO budget_revisions SELECT ?, coalesce(max(revision), 0) + 1, ?, ? "
                           "FROM budget_revisions WHERE budget_number = ?"));
    insert.addBindValue(budgetNumber);
    insert.addBindValue(at.toString(Qt::ISODate));
    insert.addBindValue(previousFile);
    insert.addBindValue(budgetNumber);
    done = done && insert.exec();
    if (done && replaceFile) {
        if (const IoResult replaced = replaceFile(); !replaced.ok()) {
            db.rollback();
            return replaced;
        }
    }
    return commitOrUndo(db, done, what);
}

std::vector<BudgetRevision> ExtensionStore::revisions(int budgetNumber) const
{
    const Session session{*this};
    std::vector<BudgetRevision> kept;
    if (!m_open || version() < 5)
        return kept;
    QSqlQuery select(database());
    select.prepare(
        QStringLiteral("SELECT revision, kept_at, file FROM budget_revisions WHERE budget_number = ? "
                       "ORDER BY revision"));
    select.addBindValue(budgetNumber);
    if (!select.exec())
        return kept;
    while (select.next()) {
        kept.push_back({select.value(0).toInt(),
                        QDateTime::fromString(select.value(1).toString(), Qt::ISODate),
                        select.value(2).toByteArray()});
    }
    return kept;
}

PaymentSchedule ExtensionStore::paymentSchedule(int budgetNumber) const
{
    const Session session{*this};
    std::vector<Instalment> instalments;
    if (!m_open || version() < 4)
        return {};
    QSqlQuery select(database());
    select.prepare(
        QStringLiteral("SELECT stage, percent, due FROM payment_instalments WHERE budget_number = ? "
                       "ORDER BY position"));
    select.addBindValue(budgetNumber);
    if (!select.exec())
        return {};
    while (select.next())
        instalments.push_back(
            {select.value(0).toString(), select.value(1).toDouble(), select.value(2).toString()});
    return PaymentSchedule(std::move(instalments));
}

IoResult ExtensionStore::savePaymentSchedule(int budgetNumber, const PaymentSchedule& schedule)
{
    const Session session{*this};
    const QString what = QStringLiteral("As parcelas do orçamento %1").arg(budgetNumber);
    if (!readyToWrite())
        return writeFailure(what);
    QSqlDatabase db = database();
    bool done = db.transaction();
    QSqlQuery remove(db);
    done = done && remove.prepare(QStringLiteral("DELETE FROM payment_instalments WHERE budget_number = ?"));
    remove.addBindValue(budgetNumber);
    done = done && remove.exec();
    QSqlQuery insert(db);
    done = done && insert.prepare(QStringLiteral("INSERT INTO payment_instalments VALUES (?, ?, ?, ?, ?)"));
    int position = 0;
    for (const Instalment& instalment : schedule.instalments()) {
        if (!done)
            break;
        insert.addBindValue(budgetNumber);
        insert.addBindValue(++position);
        insert.addBindValue(textOf(instalment.stage));
        insert.addBindValue(instalment.percent);
        insert.addBindValue(textOf(instalment.due));
        done = insert.exec();
    }
    return commitOrUndo(db, done, what);
}

QMap<QString, QString> ExtensionStore::officeSettings() const
{
    const Session session{*this};
    QMap<QString, QString> settings;
    if (!m_open || version() < 3)
        return settings;
    QSqlQuery select(database());
    if (!select.exec(QStringLiteral("SELECT key, value FROM office_settings")))
        return settings;
    while (select.next())
        settings.insert(select.value(0).toString(), select.value(1).toString());
    return settings;
}

IoResult ExtensionStore::saveOfficeSettings(const QMap<QString, QString>& settings)
{
    const Session session{*this};
    if (!readyToWrite())
        return writeFailure(QStringLiteral("As configurações do escritório"));
    QSqlDatabase db = database();
    bool done = db.transaction();
    QSqlQuery upsert(db);
    done = done
        && upsert.prepare(
            QStringLiteral("INSERT OR REPLACE INTO office_settings (key, value) VALUES (?, ?)"));
    for (auto it = settings.cbegin(); done && it != settings.cend(); ++it) {
        upsert.addBindValue(it.key());
        upsert.addBindValue(textOf(it.value()));
        done = upsert.exec();
    }
    return commitOrUndo(db, done, QStringLiteral("As configurações do escritório"));
}

std::vector<StatusChange> ExtensionStore::statusChanges(int budgetNumber) const
{
    const Session session{*this};
    std::vector<StatusChange> changes;
    if (!m_open || version() < 2)
        return changes;
    QSqlQuery select(database());
    select.prepare(
        QStringLiteral("SELECT changed_at, field, old_value, new_value, reason FROM status_changes "
                       "WHERE budget_number = ? ORDER BY id"));
    select.addBindValue(budgetNumber);
    if (!select.exec())
        return changes;
    while (select.next()) {
        changes.push_back({budgetNumber, QDateTime::fromString(select.value(0).toString(), Qt::ISODate),
                           select.value(1).toString(), select.value(2).toString(), select.value(3).toString(),
                           select.value(4).toString()});
    }
    return changes;
}

QHash<int, QString> ExtensionStore::lostReasons(int first, int last) const
{
    const Session session{*this};
    QHash<int, QString> reasons;
    if (!m_open || version() < 2)
        return reasons;
    QSqlQuery select(database());
    select.setForwardOnly(true);
    select.prepare(QStringLiteral("SELECT budget_number, reason FROM status_changes WHERE budget_number "
                                  "BETWEEN ? AND ? AND field = ? AND new_value = 'Reprovado' ORDER BY id"));
    select.addBindValue(first);
    select.addBindValue(last);
    select.addBindValue(kStatusField.toString());
    if (!select.exec())
        return reasons;
    // Later losses come later and replace the earlier reason.
    while (select.next())
        reasons.insert(select.value(0).toInt(), select.value(1).toString());
    return reasons;
}

QHash<int, QString> ExtensionStore::buildingUses() const
{
    return buildingUses(0, std::numeric_limits<int>::max());
}

QHash<int, QString> ExtensionStore::buildingUses(int first, int last) const
{
    const Session session{*this};
    QHash<int, QString> uses;
    if (!m_open || version() < 6)
        return uses;
    QSqlQuery select(database());
    select.setForwardOnly(true);
    select.prepare(QStringLiteral(
        "SELECT budget_number, building_use FROM budget_uses WHERE budget_number BETWEEN ? AND ?"));
    select.addBindValue(first);
    select.addBindValue(last);
    if (!select.exec())
        return uses;
    while (select.next())
        uses.insert(select.value(0).toInt(), select.value(1).toString());
    return uses;
}

IoResult ExtensionStore::saveBuildingUses(const QHash<int, QString>& uses)
{
    const Session session{*this};
    const QString what = QStringLiteral("Os usos dos orçamentos");
    if (uses.isEmpty())
        return IoResult::success();
    if (!readyToWrite())
        return writeFailure(what);
    QSqlDatabase db = database();
    bool done = db.transaction();
    QSqlQuery upsert(db);
    done = done && upsert.prepare(QStringLiteral("INSERT OR REPLACE INTO budget_uses VALUES (?, ?)"));
    for (auto it = uses.cbegin(); done && it != uses.cend(); ++it) {
        upsert.addBindValue(it.key());
        upsert.addBindValue(textOf(it.value()));
        done = upsert.exec();
    }
    return commitOrUndo(db, done, what);
}

} // namespace belvane
