#include "core/store/ExtensionDatabase.h"

#include "core/storage/WriteGate.h"
#include "core/store/SqliteFile.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace belvane {

ExtensionDatabase::ExtensionDatabase(const QString& projectsDir, int busyTimeoutMs)
    : m_path(QDir(projectsDir).filePath(fileName())), m_connection(sqlite::nextConnectionName()),
      m_busyTimeoutMs(busyTimeoutMs)
{
}

ExtensionDatabase::~ExtensionDatabase()
{
    disconnect();
}

ExtensionDatabase::Session::Session(const ExtensionDatabase& database) : m_database(database)
{
    ++m_database.m_sessions;
}

// Declared first in an operation, a session ends last, after every query of the operation.
ExtensionDatabase::Session::~Session()
{
    if (--m_database.m_sessions == 0)
        m_database.release();
}

QSqlDatabase ExtensionDatabase::connection() const
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
        sqlite::run(db, QStringLiteral("PRAGMA journal_mode=DELETE"));
        sqlite::run(db, QStringLiteral("PRAGMA synchronous=FULL"));
    }
    return db;
}

void ExtensionDatabase::release() const
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    connection().close();
    QSqlDatabase::removeDatabase(m_connection);
}

bool ExtensionDatabase::connect(bool readOnly)
{
    release();
    m_readOnly = readOnly;
    m_open = connection().isOpen();
    return m_open;
}

void ExtensionDatabase::disconnect()
{
    release();
    m_open = false;
    ++m_generation;
}

bool ExtensionDatabase::exists() const
{
    return QFile::exists(m_path);
}

int ExtensionDatabase::schemaVersion() const
{
    const Session session{*this};
    return version();
}

bool ExtensionDatabase::has(int version) const
{
    const Session session{*this};
    return m_open && this->version() >= version;
}

int ExtensionDatabase::version(QSqlError* failure) const
{
    if (!m_open)
        return 0;
    QSqlQuery query(connection());
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        if (failure)
            *failure = query.lastError();
        return -1;
    }
    return query.value(0).toInt();
}

StoreOpen ExtensionDatabase::readOnlyWith(const QString& message)
{
    disconnect();
    connect(true);
    return {StoreOpen::State::ReadOnly, message};
}

StoreOpen ExtensionDatabase::readOnlyBecause(const QSqlError& failure)
{
    return readOnlyWith(
        QStringLiteral("O banco de dados \"%1\" não pôde ser gravado (%2). Nesta sessão os dados extras "
                       "(revisões, histórico de status, parcelas, referências de preço) serão apenas lidos; "
                       "nada foi apagado.")
            .arg(QDir::toNativeSeparators(m_path), sqlite::failureReason(failure)));
}

StoreOpen ExtensionDatabase::open()
{
    const Session session{*this};
    disconnect();
    const bool existed = QFile::exists(m_path);
    // What the start looks at is cheap whatever the size of the file: its header and its schema
    // version. The whole file is checked by checkFile, away from the start.
    if (existed && !sqlite::hasDatabaseHeader(m_path))
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
        return sqlite::meansDamaged(failure) ? setAsideAndRecreate() : readOnlyBecause(failure);
    if (version > kSchemaVersion) {
        // A newer program's data: read what this program knows, never write over the rest.
        return readOnlyWith(
            QStringLiteral("O banco de dados \"%1\" foi gravado por uma versão mais nova do programa; "
                           "os dados extras serão apenas lidos.")
                .arg(QDir::toNativeSeparators(m_path)));
    }
    if (version < kSchemaVersion)
        return migrateOrExplain(existed);
    return {existed ? StoreOpen::State::Opened : StoreOpen::State::Created, {}};
}

StoreOpen ExtensionDatabase::migrateOrExplain(bool existed)
{
    if (const IoResult allowed = WriteGate::check(m_path); !allowed.ok())
        return readOnlyWith(allowed.error);
    QSqlError failure;
    if (migrate(&failure))
        return {existed ? StoreOpen::State::Opened : StoreOpen::State::Created, {}};
    if (sqlite::meansDamaged(failure))
        return setAsideAndRecreate();
    if (!existed) {
        disconnect();
        QFile::remove(m_path);
        return {StoreOpen::State::Failed,
                QStringLiteral("O banco de dados \"%1\" não pôde ser criado (%2).")
                    .arg(QDir::toNativeSeparators(m_path), sqlite::failureReason(failure))};
    }
    return readOnlyBecause(failure);
}

StoreOpen ExtensionDatabase::openForReading()
{
    const Session session{*this};
    disconnect();
    m_readOnly = true;
    if (!QFile::exists(m_path))
        return {StoreOpen::State::Failed, {}};
    const int version = sqlite::hasDatabaseHeader(m_path) && connect(true) ? this->version() : -1;
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

void ExtensionDatabase::select(int version, const QString& statement, const QVariantList& values,
                               const std::function<void(const QSqlQuery&)>& row) const
{
    const Session session{*this};
    if (!m_open || this->version() < version)
        return;
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!query.prepare(statement))
        return;
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        return;
    while (query.next())
        row(query);
}

IoResult ExtensionDatabase::transaction(const QString& what, const std::function<bool(QSqlDatabase&)>& steps)
{
    const Session session{*this};
    if (const IoResult ready = readyToWrite(what); !ready.ok())
        return ready;
    QSqlDatabase db = connection();
    if (db.transaction() && steps(db) && db.commit())
        return IoResult::success();
    db.rollback();
    return writeFailure(what);
}

IoResult ExtensionDatabase::readyToWrite(const QString& what)
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

IoResult ExtensionDatabase::writeFailure(const QString& what) const
{
    return IoResult::failure(
        QStringLiteral("%1 não puderam ser gravadas em \"%2\".").arg(what, QDir::toNativeSeparators(m_path)));
}

} // namespace belvane
