#include "core/storage/DataFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace belvane {

DataFolders DataFolders::beside(const QString& appDir)
{
    QString base = QDir::fromNativeSeparators(appDir);
    if (base.isEmpty())
        base = QStringLiteral("./");
    else if (!base.endsWith(u'/'))
        base += u'/';
    return {base, base + QStringLiteral("Projetos/"), base + QStringLiteral("Escrt/")};
}

QString DataFolders::chooseRoot(const QString& programDir, bool programDirWritable, const QString& userDataDir)
{
    // Without a user data folder the program's own folder is still the best place to try: saving
    // there fails with a clear message instead of the data going nowhere.
    const bool besideProgram = programDirWritable || userDataDir.isEmpty();
    return beside(besideProgram ? programDir : userDataDir).appDir;
}

bool DataFolders::canWriteIn(const QString& dir)
{
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        return false;
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".belvane-escrita-XXXXXX")));
    return probe.open();
}

bool DataFolders::create() const
{
    // Both are attempted even when the first fails: the other's data can still be kept.
    const bool projects = QDir().mkpath(projectsDir);
    const bool office = QDir().mkpath(officeDir);
    return projects && office;
}

} // namespace belvane
