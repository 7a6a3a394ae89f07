#include "core/store/SqliteFile.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>

namespace belvane::sqlite {

QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("belvane-store-%1").arg(++counter);
}

bool hasDatabaseHeader(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    const QByteArray head = file.read(16);
    return head.isEmpty() || head == QByteArray("SQLite format 3\0", 16);
}

bool meansDamaged(const QSqlError& error)
{
    bool isNumber = false;
    const int code = error.nativeErrorCode().toInt(&isNumber) & 0xff;
    constexpr int kCorrupt = 11;
    constexpr int kNotADatabase = 26;
    return isNumber && (code == kCorrupt || code == kNotADatabase);
}

QString failureReason(const QSqlError& error)
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

bool run(QSqlDatabase& db, const QString& statement, QSqlError* failure)
{
    QSqlQuery query(db);
    if (query.exec(statement))
        return true;
    if (failure)
        *failure = query.lastError();
    return false;
}

bool withOwnConnection(const QString& path, const QString& options,
                       const std::function<void(QSqlDatabase&)>& use)
{
    const QString name = nextConnectionName();
    bool opened = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(options);
        opened = db.open();
        if (opened)
            use(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return opened;
}

} // namespace belvane::sqlite
