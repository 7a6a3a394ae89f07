#include "core/backup/DataBackup.h"

#include "core/storage/SafeFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace belvane {
namespace {

// Years of budgets are a few megabytes; anything far larger is not one of our backups.
constexpr qint64 kMaxArchiveBytes = qint64(1) << 30;

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString notABackup(const QString& archivePath, const QString& reason)
{
    return QStringLiteral("O arquivo \"%1\" não é uma cópia de segurança do Belvane ou está danificado: %2.")
        .arg(native(archivePath), reason);
}

constexpr QLatin1String kDatabaseFileName("Belvane.db");

struct DataFolder {
    QString archiveName;  // "Escrt", "Projetos"
    QString path;         // ends with '/'
};

std::vector<DataFolder> dataFolders(const DataFolders& folders)
{
    return {{QString::fromLatin1(kBackupOfficeFolder), folders.officeDir},
            {QString::fromLatin1(kBackupProjectsFolder), folders.projectsDir}};
}

bool isInside(const QString& path, const QString& folder)
{
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    return !canonicalFolder.isEmpty() && (path + u'/').startsWith(canonicalFolder + u'/');
}

// Every file and sub-folder of the data folder, in a fixed order, symbolic links left out.
IoResult collectFolder(const DataFolder& folder, std::vector<ZipEntry>& entries, const DatabaseCopy& databaseCopy)
{
    const QDir root(QFileInfo(folder.path).absoluteFilePath());
    entries.push_back({folder.archiveName + u'/', {}, QFileInfo(folder.path).lastModified()});
    QStringList paths;
    QDirIterator it(root.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << it.next();
    paths.sort();
    for (const QString& path : paths) {
        const QFileInfo info(path);
        const QString name = folder.archiveName + u'/' + root.relativeFilePath(path);
        if (info.isDir()) {
            entries.push_back({name + u'/', {}, info.lastModified()});
            continue;
        }
        // The database may be in the middle of another seat's transaction: copying its file and
        // journal one after the other could catch half of it. It is copied through the database,
        // which gives one consistent moment, and its journal is not needed.
        const bool database = databaseCopy && info.fileName().startsWith(kDatabaseFileName, Qt::CaseInsensitive);
        if (database && info.fileName().compare(kDatabaseFileName, Qt::CaseInsensitive) != 0)
            continue;
        const ReadOutcome read = database ? databaseCopy(path) : readWholeFile(path);
        if (!read.ok())
            return IoResult::failure(read.error);
        entries.push_back({name, read.bytes, info.lastModified()});
    }
    return IoResult::success();
}

} // namespace

QString backupFileName(const QDate& day)
{
    return QStringLiteral("Belvane-%1.zip").arg(day.toString(QStringLiteral("yyyy-MM-dd")));
}

IoResult writeDataBackup(const DataFolders& folders, const QString& archivePath, const DatabaseCopy& databaseCopy)
{
    const QString archiveFolder = QFileInfo(QFileInfo(archivePath).absolutePath()).canonicalFilePath();
    std::vector<ZipEntry> entries;
    for (const DataFolder& folder : dataFolders(folders)) {
        if (!archiveFolder.isEmpty() && isInside(archiveFolder, folder.path))
            return IoResult::failure(QStringLiteral(
                "A cópia de segurança \"%1\" não pode ficar dentro da pasta de dados \"%2\". Escolha outra pasta.")
                                         .arg(native(archivePath), native(folder.path)));
        if (QFileInfo(folder.path).isDir()) {
            const IoResult collected = collectFolder(folder, entries, databaseCopy);
            if (!collected.ok())
                return collected;
        }
    }
    return writeFileAtomically(archivePath, [&entries](QIODevice& device) { return writeZip(device, entries); });
}

bool isSafeBackupEntryName(const QString& name)
{
    QStringList parts = name.split(u'/');
    const bool folder = parts.size() > 1 && parts.last().isEmpty();
    if (folder)
        parts.removeLast();  // the trailing '/'
    // A file sits inside one of the two folders, never in their place.
    if (!folder && parts.size() < 2)
        return false;
    const QString top = parts.first();
    if (top != QLatin1String(kBackupOfficeFolder) && top != QLatin1String(kBackupProjectsFolder))
        return false;
    return std::all_of(parts.cbegin(), parts.cend(), [](const QString& part) {
        const bool badChar = std::any_of(part.cbegin(), part.cend(), [](QChar c) {
            return c.unicode() < 0x20 || c == u'\\' || c == u':' || c == QChar(0x7f);
        });
        return !part.isEmpty() && part != QLatin1String(".") && part != QLatin1String("..") && !badChar;
    });
}

BackupContents readDataBackup(const QString& archivePath)
{
    BackupContents contents;
    const ReadOutcome read = readWholeFile(archivePath, kMaxArchiveBytes + 1);
    if (!read.ok()) {
        contents.error = read.error;
        return contents;
    }
    if (read.bytes.size() > kMaxArchiveBytes) {
        contents.error = notABackup(archivePath, QStringLiteral("o arquivo é grande demais"));
        return contents;
    }
    ZipRead zip = readZip(read.bytes);
    if (!zip.ok()) {
        contents.error = notABackup(archivePath, zip.problem);
        return contents;
    }
    if (zip.entries.empty()) {
        contents.error = notABackup(archivePath, QStringLiteral("o arquivo está vazio"));
        return contents;
    }
    QSet<QString> seen;
    for (const ZipEntry& entry : zip.entries) {
        if (!isSafeBackupEntryName(entry.name)) {
            contents.error = notABackup(archivePath, QStringLiteral("\"%1\" fica fora das pastas Escrt e Projetos")
                                                         .arg(entry.name));
            return contents;
        }
        // Compared without letter case: on Windows the two would be one file.
        const QString key = entry.name.toCaseFolded();
        if (seen.contains(key)) {
            contents.error = notABackup(archivePath, QStringLiteral("\"%1\" aparece duas vezes").arg(entry.name));
            return contents;
        }
        seen.insert(key);
    }
    contents.entries = std::move(zip.entries);
    return contents;
}

} // namespace belvane
