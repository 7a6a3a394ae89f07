#include "core/store/ExtensionDatabase.h"

#include "core/storage/WriteGate.h"
#include "core/store/SqliteFile.h"
#include "core/text/Clock.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace belvane {

StoreHealth ExtensionDatabase::checkFile(const QString& path)
{
    if (!sqlite::hasDatabaseHeader(path))
        return StoreHealth::Damaged;
    // A connection of its own, so the check may run on a thread of its own while the program
    // goes on with the store.
    StoreHealth health = StoreHealth::Unknown;
    sqlite::withOwnConnection(path, QStringLiteral("QSQLITE_OPEN_READONLY"), [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        if (query.exec(QStringLiteral("PRAGMA quick_check")) && query.next())
            health = query.value(0).toString() == QLatin1String("ok") ? StoreHealth::Healthy
                                                                      : StoreHealth::Damaged;
        else if (sqlite::meansDamaged(query.lastError()))
            health = StoreHealth::Damaged;
    });
    return health;
}

ReadOutcome ExtensionDatabase::consistentCopy(const QString& path)
{
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(fileName());
    bool copied = false;
    QString reason;
    if (scratch.isValid()) {
        const QString options = QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
        sqlite::withOwnConnection(path, options, [&](QSqlDatabase& db) {
            // One read transaction: the copy is the database at one moment, whatever another seat
            // is writing meanwhile.
            QSqlQuery vacuum(db);
            vacuum.prepare(QStringLiteral("VACUUM INTO ?"));
            vacuum.addBindValue(copy);
            copied = vacuum.exec();
            if (!copied)
                reason = sqlite::failureReason(vacuum.lastError());
        });
    }
    if (copied)
        return readWholeFile(copy);
    ReadOutcome outcome;
    outcome.state = ReadOutcome::State::Failed;
    outcome.error = QStringLiteral("O banco de dados \"%1\" não pôde ser copiado (%2). Tente de novo em instantes.")
                        .arg(QDir::toNativeSeparators(path), reason.isEmpty() ? QStringLiteral("não pôde ser aberto") : reason);
    return outcome;
}

StoreOpen ExtensionDatabase::setAsideDamaged()
{
    const Session session{*this};
    return setAsideAndRecreate();
}

StoreOpen ExtensionDatabase::setAsideAndRecreate()
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

QDate ExtensionDatabase::lastHealthCheck() const
{
    QDate day;
    select(1, QStringLiteral("SELECT value FROM store_info WHERE key = 'health_check'"), {},
           [&](const QSqlQuery& row) { day = QDate::fromString(row.value(0).toString(), Qt::ISODate); });
    return day;
}

void ExtensionDatabase::noteHealthCheck(const QDate& day)
{
    const Session session{*this};
    if (!readyToWrite(QStringLiteral("A data da verificação")).ok())
        return;
    QSqlDatabase db = connection();
    sqlite::run(db, QStringLiteral("INSERT OR REPLACE INTO store_info VALUES ('health_check', '%1')")
                        .arg(day.toString(Qt::ISODate)));
}

} // namespace belvane
