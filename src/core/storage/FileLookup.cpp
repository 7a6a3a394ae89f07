#include "core/storage/FileLookup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cstring>
#include <dirent.h>
#endif

namespace belvane {

QString findFileIgnoringCase(const QString& folder, const QString& fileName)
{
    if (fileName.isEmpty() || fileName.contains(u'/') || fileName.contains(u'\\'))
        return {};
    const QDir dir(folder);
    // The exact spelling is the usual case and costs one look-up instead of a listing.
    const QString exact = dir.filePath(fileName);
    if (QFileInfo(exact).isFile())
        return exact;

    const QStringList names =
        dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& name : names) {
        if (name.compare(fileName, Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    }
    return {};
}

QStringList folderEntryNames(const QString& folder)
{
    QStringList names;
#ifdef Q_OS_UNIX
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names << QFile::decodeName(entry->d_name);
    }
    ::closedir(dir);
#else
    names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
#endif
    return names;
}

FolderListing::FolderListing(const QString& folder)
{
    const QStringList names = folderEntryNames(folder);
    m_folded.reserve(names.size());
    for (const QString& name : names)
        m_folded.insert(name.toCaseFolded());
}

bool FolderListing::contains(const QString& fileName) const
{
    return m_folded.contains(fileName.toCaseFolded());
}

} // namespace belvane
