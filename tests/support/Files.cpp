#include "support/Files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace belvane::test {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size()) << path.toStdString();
}

QByteArray fileContents(const QString& path, const QByteArray& whenUnreadable)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return whenUnreadable;
    return file.readAll();
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

FolderPicture pictureOf(const QString& folder, WithFolders withFolders)
{
    FolderPicture picture;
    const QDir base(folder);
    const QDir::Filters kinds = withFolders == WithFolders::Yes ? QDir::AllEntries : QDir::Files;
    QDirIterator it(folder, kinds | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (it.fileInfo().isDir())
            picture[base.relativeFilePath(path) + u'/'] = QByteArray();
        else
            picture[base.relativeFilePath(path)] = fileContents(path);
    }
    return picture;
}

FolderPicture pictureOfDataFolders(const QString& appDir, WithFolders withFolders)
{
    FolderPicture picture;
    for (const QString& folder : {QStringLiteral("Escrt"), QStringLiteral("Projetos")}) {
        for (const auto& [path, contents] : pictureOf(QDir(appDir).filePath(folder), withFolders))
            picture[folder + u'/' + path] = contents;
    }
    return picture;
}

QString quotedNative(const QString& path)
{
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

bool runningAsRoot()
{
#ifdef Q_OS_UNIX
    return ::geteuid() == 0;
#else
    return false;
#endif
}

} // namespace belvane::test
