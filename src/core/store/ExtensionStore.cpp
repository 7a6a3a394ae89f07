#include "core/store/ExtensionStore.h"

#include "core/budget/StatusWords.h"
#include "core/storage/SafeFile.h"
#include "core/storage/WriteGate.h"
#include "core/text/Clock.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>

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

bool run(QSqlDatabase& db, const QString& statement, QSqlError* failure = nullptr)
{
    QSqlQuery query(db);
    if (query.exec(statement))
        return true;
    if (failure)
        *failure = query.lastError();
    return false;
}

// Only SQLite itself can say a file is damaged: "not a database" or "malformed". Anything else
// (busy, locked, read-only, a full disk, an I/O error on the share) says nothing about the data.
bool meansDamaged(const QSqlError& error)
{
    bool isNumber = false;
    const int code = error.nativeErrorCode().toInt(&isNumber) & 0xff;
    constexpr int kCorrupt = 11;
    constexpr int kNotADatabase = 26;
    return isNumber && (code == kCorrupt || code == kNotADatabase);
}

// Why SQLite refused, in words the user can act on.
QString databaseFailureReason(const QSqlError& error)
{
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case 5: // busy
    case 6: // locked
        return QStringLiteral("está em uso por outro posto ou programa");
    case 8: // read-only
        return QStringLiteral("o arquivo ou a pasta é somente leitura");
    case 3:  // no permission
    case 23: // not authorised
        return QStringLiteral("acesso negado");
    case 13: // full
        return QStringLiteral("o disco está cheio");
    case 10: // I/O error
        return QStringLiteral("erro de leitura ou gravação no disco");
    case 14: // cannot open
        return QStringLiteral("o arquivo não pôde ser aberto");
    default:
        return error.text().isEmpty() ? QStringLiteral("motivo desconhecido") : error.text();
    }
}

// The first bytes of every SQLite database; a file that lacks them is no database at all.
bool hasDatabaseHeader(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // unreadable is not damaged: the connection will say why
    const QByteArray head = file.read(16);
    return head.isEmpty() || head == QByteArray("SQLite format 3\0", 16);
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
        // 7: the history grid's edits not yet written back into the budget files, kept as they
        // are made so that a crash does not lose them.
        {QStringLiteral(
            "CREATE TABLE pending_row_edits (budget_number INTEGER PRIMARY KEY, edited_at TEXT NOT NULL, "
            "status_before TEXT NOT NULL, negotiated_before REAL NOT NULL, reason TEXT NOT NULL, "
            "status TEXT NOT NULL, negotiated TEXT NOT NULL, phone TEXT NOT NULL, project_code TEXT NOT NULL)")},
    };
    return steps;
}

ExtensionStore::ExtensionStore(const QString& projectsDir, int busyTimeoutMs)
    : m_path(QDir(projectsDir).filePath(fileName())), m_connection(nextConnectionName()),
      m_busyTimeoutMs(busyTimeoutMs)
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
    // Another seat's transaction holds the file for a moment: wait for it rather than fail.
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_busyTimeoutMs);
    if (m_readOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
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
    m_lastDecisionWon.reset();
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

int ExtensionStore::version(QSqlError* failure) const
{
    if (!m_open)
        return 0;
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        if (failure)
            *failure = query.lastError();
        return -1;
    }
    return query.value(0).toInt();
}

bool ExtensionStore::migrate(QSqlError* failure)
{
    QSqlDatabase db = database();
    for (int version = this->version(failure); version < kSchemaVersion; ++version) {
        if (version < 0 || !db.transaction()) {
            if (failure && version >= 0)
                *failure = db.lastError();
            return false;
        }
        bool done = true;
        for (const QString& statement : schemaSteps()[std::size_t(version)])
            done = done && run(db, statement, failure);
        done = done && run(db, QStringLiteral("PRAGMA user_version = %1").arg(version + 1), failure);
        if (version == 0)
            done = done && run(db, QStringLiteral("INSERT INTO store_info VALUES ('created', '%1')")
                                       .arg(Clock::now().toString(Qt::ISODate)), failure);
        if (done && !db.commit()) {
            done = false;
            if (failure)
                *failure = db.lastError();
        }
        if (!done) {
            db.rollback();
            return false;
        }
    }
    return true;
}

StoreOpen ExtensionStore::setAsideAndRecreate()
{
    disconnect();
    if (const IoResult allowed = WriteGate::check(m_path); !allowed.ok())
        return {StoreOpen::State::Failed, allowed.error};
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

StoreOpen ExtensionStore::readOnlyBecause(const QSqlError& failure)
{
    disconnect();
    connect(true);
    return {StoreOpen::State::ReadOnly,
            QStringLiteral("O banco de dados \"%1\" não pôde ser gravado (%2). Nesta sessão os dados extras "
                           "(revisões, histórico de status, parcelas, referências de preço) serão apenas lidos; "
                           "nada foi apagado.")
                .arg(QDir::toNativeSeparators(m_path), databaseFailureReason(failure))};
}

StoreOpen ExtensionStore::open()
{
    const Session session{*this};
    disconnect();
    const bool existed = QFile::exists(m_path);
    // What the start looks at is cheap whatever the size of the file: its header and its schema
    // version. The whole file is checked by checkFile, away from the start.
    if (existed && !hasDatabaseHeader(m_path))
        return setAsideAndRecreate();
    if (const IoResult allowed = WriteGate::check(m_path); !allowed.ok() && !existed)
        return {StoreOpen::State::Failed, allowed.error};
    if (!connect(false)) {
        return {StoreOpen::State::Failed, QStringLiteral("O banco de dados \"%1\" não pôde ser aberto.")
                                              .arg(QDir::toNativeSeparators(m_path))};
    }
    QSqlError failure;
    const int version = this->version(&failure);
    if (version < 0)
        return meansDamaged(failure) ? setAsideAndRecreate() : readOnlyBecause(failure);
    if (version > kSchemaVersion) {
        // A newer program's data: read what this program knows, never write over the rest.
        disconnect();
        connect(true);
        return {StoreOpen::State::ReadOnly,
                QStringLiteral("O banco de dados \"%1\" foi gravado por uma versão mais nova do programa; "
                               "os dados extras serão apenas lidos.")
                    .arg(QDir::toNativeSeparators(m_path))};
    }
    if (version < kSchemaVersion) {
        if (const IoResult allowed = WriteGate::check(m_path); !allowed.ok()) {
            disconnect();
            connect(true);
            return {StoreOpen::State::ReadOnly, allowed.error};
        }
        if (!migrate(&failure)) {
            if (meansDamaged(failure))
                return setAsideAndRecreate();
            if (!existed) {
                disconnect();
                QFile::remove(m_path);
                return {StoreOpen::State::Failed,
                        QStringLiteral("O banco de dados \"%1\" não pôde ser criado (%2).")
                            .arg(QDir::toNativeSeparators(m_path), databaseFailureReason(failure))};
            }
            return readOnlyBecause(failure);
        }
    }
    return {existed ? StoreOpen::State::Opened : StoreOpen::State::Created, {}};
}

StoreOpen ExtensionStore::openForReading()
{
    const Session session{*this};
    disconnect();
    m_readOnly = true;
    if (!QFile::exists(m_path))
        return {StoreOpen::State::Failed, {}};
    const int version = hasDatabaseHeader(m_path) && connect(true) ? this->version() : -1;
    if (version < 0) {
        disconnect();
        return {
            StoreOpen::State::Failed,
            QStringLiteral("O banco de dados \"%1\" não pôde ser lido; os dados extras não serão mostrados "
                           "nesta sessão.")
                .arg(QDir::toNativeSeparators(m_path))};
    }
    return {StoreOpen::State::ReadOnly, {}};
}

StoreHealth ExtensionStore::checkFile(const QString& path)
{
    // A connection of its own, so the check may run on a thread of its own while the program
    // goes on with the store.
    const QString name = nextConnectionName();
    StoreHealth health = StoreHealth::Unknown;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!hasDatabaseHeader(path)) {
            health = StoreHealth::Damaged;
        } else if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(QStringLiteral("PRAGMA quick_check")) && query.next())
                health = query.value(0).toString() == QLatin1String("ok") ? StoreHealth::Healthy
                                                                          : StoreHealth::Damaged;
            else if (meansDamaged(query.lastError()))
                health = StoreHealth::Damaged;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return health;
}

ReadOutcome ExtensionStore::consistentCopy(const QString& path)
{
    ReadOutcome outcome;
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(fileName());
    const QString name = nextConnectionName();
    bool copied = false;
    QString reason;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
        if (scratch.isValid() && db.open()) {
            // One read transaction: the copy is the database at one moment, whatever another seat
            // is writing meanwhile.
            QSqlQuery vacuum(db);
            vacuum.prepare(QStringLiteral("VACUUM INTO ?"));
            vacuum.addBindValue(copy);
            copied = vacuum.exec();
            if (!copied)
                reason = databaseFailureReason(vacuum.lastError());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (copied)
        return readWholeFile(copy);
    outcome.state = ReadOutcome::State::Failed;
    outcome.error = QStringLiteral("O banco de dados \"%1\" não pôde ser copiado (%2). Tente de novo em instantes.")
                        .arg(QDir::toNativeSeparators(path), reason.isEmpty() ? QStringLiteral("não pôde ser aberto") : reason);
    return outcome;
}

StoreOpen ExtensionStore::setAsideDamaged()
{
    const Session session{*this};
    return setAsideAndRecreate();
}

QDate ExtensionStore::lastHealthCheck() const
{
    const Session session{*this};
    if (!m_open)
        return {};
    QSqlQuery select(database());
    if (!select.exec(QStringLiteral("SELECT value FROM store_info WHERE key = 'health_check'")) || !select.next())
        return {};
    return QDate::fromString(select.value(0).toString(), Qt::ISODate);
}

void ExtensionStore::noteHealthCheck(const QDate& day)
{
    const Session session{*this};
    if (!readyToWrite(QStringLiteral("A data da verificação")).ok())
        return;
    QSqlDatabase db = database();
    run(db, QStringLiteral("INSERT OR REPLACE INTO store_info VALUES ('health_check', '%1')")
                .arg(day.toString(Qt::ISODate)));
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
    if (!m_open || m_readOnly)
        return IoResult::success();
    if (const IoResult allowed = WriteGate::check(m_path); !allowed.ok())
        return allowed;
    if (removeRows(keyedTables(), {number})) {
        if (m_lastDecisionWon)
            m_lastDecisionWon->remove(number);
        return IoResult::success();
    }
    return IoResult::failure(
        QStringLiteral("Os dados extras do orçamento %1 não puderam ser apagados de \"%2\".")
            .arg(number)
            .arg(QDir::toNativeSeparators(m_path)));
}

bool ExtensionStore::removeRows(const QStringList& tables, const std::vector<int>& numbers)
{
    QSqlDatabase db = database();
    bool done = db.transaction();
    for (const QString& table : tables) {
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

namespace {

// The tables whose rows have no use once the budget's file is gone: the schedule and the building
// use are read with the file. The revisions and the status history are what the user rebuilds it
// from, and a table this program does not know may hold more such: they stay.
const QStringList& droppableWithoutFile()
{
    static const QStringList tables{QStringLiteral("payment_instalments"), QStringLiteral("budget_uses")};
    return tables;
}

QString numbersWithDroppableRows()
{
    QStringList selects;
    for (const QString& table : droppableWithoutFile())
        selects << QStringLiteral("SELECT budget_number FROM \"%1\"").arg(table);
    return selects.join(QStringLiteral(" UNION "));
}

} // namespace

std::vector<int> ExtensionStore::budgetsWithDroppableRows(const QString& path)
{
    std::vector<int> numbers;
    if (!QFile::exists(path) || !hasDatabaseHeader(path))
        return numbers;
    const QString name = nextConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery select(db);
            select.setForwardOnly(true);
            // A database of an older schema lacks a table: nothing is dropped this time.
            if (select.exec(numbersWithDroppableRows())) {
                while (select.next())
                    numbers.push_back(select.value(0).toInt());
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return numbers;
}

int ExtensionStore::forgetBudgets(const std::vector<int>& numbers)
{
    const Session session{*this};
    if (numbers.empty() || !m_open || m_readOnly || !WriteGate::check(m_path).ok())
        return 0;
    QStringList tables;
    for (const QString& table : keyedTables()) {
        if (droppableWithoutFile().contains(table))
            tables << table;
    }
    return !tables.isEmpty() && removeRows(tables, numbers) ? int(numbers.size()) : 0;
}

int ExtensionStore::forgetMissingBudgets(const std::function<bool(int number)>& budgetExists)
{
    std::vector<int> gone;
    for (const int number : budgetsWithDroppableRows(m_path)) {
        if (!budgetExists(number))
            gone.push_back(number);
    }
    return forgetBudgets(gone);
}

IoResult ExtensionStore::recordStatusChanges(const std::vector<StatusChange>& changes)
{
    const Session session{*this};
    if (changes.empty())
        return IoResult::success();
    if (const IoResult ready = readyToWrite(QStringLiteral("As mudanças de status")); !ready.ok())
        return ready;
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
    const IoResult committed = commitOrUndo(db, done, QStringLiteral("As mudanças de status"));
    if (committed.ok() && m_lastDecisionWon) {
        for (const StatusChange& change : changes) {
            if (change.field != kStatusField || !isDecidedStatus(change.newValue))
                continue;
            if (change.newValue == kStatusRejected)
                m_lastDecisionWon->remove(change.budgetNumber);
            else
                m_lastDecisionWon->insert(change.budgetNumber);
        }
    }
    return committed;
}

IoResult ExtensionStore::readyToWrite(const QString& what)
{
    // A seat that lost the data folder to another writes nothing, the database included.
    if (const IoResult allowed = WriteGate::check(m_path); !allowed.ok())
        return allowed;
    // A seat that only reads never makes the database; the one that writes makes it on first need.
    if (m_readOnly)
        return writeFailure(what);
    if (!m_open && open().state == StoreOpen::State::Failed)
        return writeFailure(what);
    return m_open && !m_readOnly ? IoResult::success() : writeFailure(what);
}

IoResult ExtensionStore::keepRevision(int budgetNumber, const QByteArray& previousFile, const QDateTime& at,
                                      const std::function<IoResult()>& replaceFile)
{
    const Session session{*this};
    const QString what = QStringLiteral("As revisões do orçamento %1").arg(budgetNumber);
    if (const IoResult ready = readyToWrite(what); !ready.ok())
        return ready;
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
    if (const IoResult ready = readyToWrite(what); !ready.ok())
        return ready;
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
    if (const IoResult ready = readyToWrite(QStringLiteral("As configurações do escritório")); !ready.ok())
        return ready;
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

bool ExtensionStore::lastDecisionWon(int budgetNumber) const
{
    if (!m_open)
        return false;
    if (!m_lastDecisionWon) {
        const Session session{*this};
        QSet<int> won;
        QSqlQuery select(database());
        select.setForwardOnly(true);
        // SQLite gives the other columns of the row that holds the max().
        if (version() >= 2
            && select.exec(QStringLiteral(
                "SELECT budget_number, new_value, max(id) FROM status_changes WHERE field = 'status' AND "
                "new_value IN ('Aprovado', 'Concluído', 'Reprovado') GROUP BY budget_number"))) {
            while (select.next()) {
                if (select.value(1).toString() != kStatusRejected)
                    won.insert(select.value(0).toInt());
            }
        }
        m_lastDecisionWon = std::move(won);
    }
    return m_lastDecisionWon->contains(budgetNumber);
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

std::vector<PendingRowEdit> ExtensionStore::pendingRowEdits() const
{
    const Session session{*this};
    std::vector<PendingRowEdit> edits;
    if (!m_open || version() < 7)
        return edits;
    QSqlQuery select(database());
    if (!select.exec(QStringLiteral("SELECT budget_number, edited_at, status_before, negotiated_before, reason, "
                                    "status, negotiated, phone, project_code FROM pending_row_edits")))
        return edits;
    while (select.next()) {
        PendingRowEdit edit;
        edit.budgetNumber = select.value(0).toInt();
        edit.at = QDateTime::fromString(select.value(1).toString(), Qt::ISODate);
        edit.before = {select.value(2).toString(), select.value(3).toFloat()};
        edit.reason = select.value(4).toString();
        edit.status = select.value(5).toString();
        edit.negotiated = select.value(6).toString();
        edit.phone = select.value(7).toString();
        edit.projectCode = select.value(8).toString();
        edits.push_back(std::move(edit));
    }
    return edits;
}

IoResult ExtensionStore::replacePendingRowEdits(const std::vector<PendingRowEdit>& edits)
{
    const Session session{*this};
    const QString what = QStringLiteral("As alterações do histórico");
    // Nothing pending and nothing kept: no database is made for it.
    if (edits.empty() && !exists())
        return IoResult::success();
    if (const IoResult ready = readyToWrite(what); !ready.ok())
        return ready;
    QSqlDatabase db = database();
    bool done = db.transaction();
    QSqlQuery remove(db);
    done = done && remove.exec(QStringLiteral("DELETE FROM pending_row_edits"));
    QSqlQuery insert(db);
    done = done && insert.prepare(QStringLiteral("INSERT INTO pending_row_edits VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const PendingRowEdit& edit : edits) {
        if (!done)
            break;
        insert.addBindValue(edit.budgetNumber);
        insert.addBindValue(textOf(edit.at.toString(Qt::ISODate)));
        insert.addBindValue(textOf(edit.before.status));
        insert.addBindValue(double(edit.before.negotiated));
        insert.addBindValue(textOf(edit.reason));
        insert.addBindValue(textOf(edit.status));
        insert.addBindValue(textOf(edit.negotiated));
        insert.addBindValue(textOf(edit.phone));
        insert.addBindValue(textOf(edit.projectCode));
        done = insert.exec();
    }
    return commitOrUndo(db, done, what);
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
    if (const IoResult ready = readyToWrite(what); !ready.ok())
        return ready;
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
