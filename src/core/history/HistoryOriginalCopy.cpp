#include "core/history/HistoryOriginalCopy.h"

#include "core/storage/StorageMessages.h"
#include "core/text/Clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace belvane {

namespace {

// Enough for many copies within one second; beyond that something is wrong with the folder.
constexpr int kMaxAttempts = 100;

} // namespace

QString originalCopyName(const QString& fileName, const QDateTime& moment, int attempt)
{
    QString name = fileName + QStringLiteral(".original-")
                   + moment.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (attempt > 1)
        name += u'-' + QString::number(attempt);
    return name;
}

OriginalCopy keepOriginalCopy(const QString& path)
{
    OriginalCopy result;
    const QFileInfo original(path);
    if (!original.exists())
        return result;
    const QDateTime moment = Clock::now();
    QString lastReason;
    for (int attempt = 1; attempt <= kMaxAttempts; ++attempt) {
        const QString copy =
            original.dir().filePath(originalCopyName(original.fileName(), moment, attempt));
        if (QFileInfo::exists(copy))
            continue;
        QFile source(path);
        // QFile::copy never replaces an existing file.
        if (source.copy(copy)) {
            result.copyPath = copy;
            return result;
        }
        lastReason = failureReason(copy, source.error(), source.errorString());
        if (!QFileInfo::exists(copy))
            break;
    }
    result.error = QStringLiteral("Não foi possível guardar uma cópia do arquivo original \"%1\" "
                                  "antes de regravá-lo (%2); o arquivo não foi alterado.")
                       .arg(QDir::toNativeSeparators(path),
                            lastReason.isEmpty() ? QStringLiteral("já existem cópias demais")
                                                 : lastReason);
    return result;
}

} // namespace belvane
