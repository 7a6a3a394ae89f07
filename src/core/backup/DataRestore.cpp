#include "core/backup/DataRestore.h"

#include "core/backup/DataBackup.h"
#include "core/storage/SafeFile.h"
#include "core/storage/WriteGate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <utility>

namespace belvane {
namespace {

// The working folder a restore unpacks into; left over only if the program died during one.
constexpr auto kUnpackFolder = ".belvane-restauracao";

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString nothingChanged(const QString& sentence)
{
    return QStringLiteral("Não foi possível restaurar a cópia de segurança. %1 Os dados atuais não foram alterados.")
        .arg(sentence);
}

QString folderNotMade(const QString& folder)
{
    return QStringLiteral("A pasta \"%1\" não pôde ser criada.").arg(native(folder));
}

// Keeps the file's date as the archive had it; a file system that refuses only loses the date.
void keepDate(const QString& path, const QDateTime& modified)
{
    QFile file(path);
    if (modified.isValid() && file.open(QIODevice::Append))
        file.setFileTime(modified, QFileDevice::FileModificationTime);
}

QString unpack(const QString& target, const std::vector<ZipEntry>& entries)
{
    QDir(target).removeRecursively();
    for (const char* folder : {kBackupOfficeFolder, kBackupProjectsFolder}) {
        if (!QDir().mkpath(target + QLatin1String(folder)))
            return folderNotMade(target + QLatin1String(folder));
    }
    for (const ZipEntry& entry : entries) {
        const QString path = target + entry.name;
        const QString folder = entry.isFolder() ? path : QFileInfo(path).absolutePath();
        if (!QDir().mkpath(folder))
            return folderNotMade(folder);
        if (entry.isFolder())
            continue;
        const IoResult written = writeFileAtomically(path, entry.data);
        if (!written.ok())
            return written.error;
        keepDate(path, entry.modified);
    }
    return {};
}

struct Move {
    QString from;
    QString to;
};

void undo(std::vector<Move>& moves)
{
    for (auto it = moves.rbegin(); it != moves.rend(); ++it)
        QDir().rename(it->to, it->from);
    moves.clear();
}

QString freeKeptPath(const QString& root, const QString& folderName, const QDateTime& moment)
{
    for (int attempt = 1;; ++attempt) {
        const QString path = root + keptFolderName(folderName, moment, attempt);
        if (!QFileInfo::exists(path))
            return path;
    }
}

} // namespace

QString keptFolderName(const QString& folderName, const QDateTime& moment, int attempt)
{
    const QString when = moment.toString(QStringLiteral("yyyy-MM-dd HH-mm"));
    if (attempt <= 1)
        return QStringLiteral("%1 (antes da restauração %2)").arg(folderName, when);
    return QStringLiteral("%1 (antes da restauração %2, %3)").arg(folderName, when).arg(attempt);
}

RestoreOutcome restoreDataBackup(const DataFolders& folders, const std::vector<ZipEntry>& entries,
                                 const QDateTime& moment)
{
    RestoreOutcome outcome;
    const QString root = folders.appDir;
    if (const IoResult allowed = WriteGate::check(root + QLatin1String(kUnpackFolder)); !allowed.ok()) {
        outcome.error = allowed.error;
        return outcome;
    }
    const QString unpacked = root + QLatin1String(kUnpackFolder) + u'/';
    const QString unpackProblem = unpack(unpacked, entries);
    if (!unpackProblem.isEmpty()) {
        QDir(unpacked).removeRecursively();
        outcome.error = nothingChanged(unpackProblem);
        return outcome;
    }
    std::vector<Move> asides;
    std::vector<Move> moveIns;
    for (const char* folder : {kBackupOfficeFolder, kBackupProjectsFolder}) {
        const QString name = QLatin1String(folder);
        const QString current = root + name;
        if (QFileInfo::exists(current)) {
            const QString kept = freeKeptPath(root, name, moment);
            if (!QDir().rename(current, kept)) {
                outcome.error = nothingChanged(QStringLiteral("A pasta \"%1\" não pôde ser renomeada.").arg(native(current)));
                break;
            }
            asides.push_back({current, kept});
        }
    }
    for (const char* folder : {kBackupOfficeFolder, kBackupProjectsFolder}) {
        if (!outcome.ok())
            break;
        const QString name = QLatin1String(folder);
        if (!QDir().rename(unpacked + name, root + name)) {
            outcome.error = nothingChanged(QStringLiteral("A pasta \"%1\" não pôde ser posta no lugar.").arg(native(root + name)));
            break;
        }
        moveIns.push_back({unpacked + name, root + name});
    }
    if (!outcome.ok()) {
        undo(moveIns);
        undo(asides);
    } else {
        for (const Move& move : asides)
            outcome.keptFolders << move.to;
    }
    QDir(unpacked).removeRecursively();
    return outcome;
}

} // namespace belvane
