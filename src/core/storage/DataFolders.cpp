#include "core/storage/DataFolders.h"

#include <QDir>

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

bool DataFolders::create() const
{
    // Both are attempted even when the first fails: the other's data can still be kept.
    const bool projects = QDir().mkpath(projectsDir);
    const bool office = QDir().mkpath(officeDir);
    return projects && office;
}

} // namespace belvane
