#include "ui/widgets/ExportPath.h"

#include "ui/widgets/Prompts.h"

#include <QDir>
#include <QStandardPaths>

namespace belvane {

QString chooseExportPath(QWidget* parent, const QString& caption, const QString& offeredName,
                         const QString& filter, const QString& extension)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString path = Prompts::chooseSaveFile(parent, caption, QDir(documents).filePath(offeredName), filter);
    if (!path.isEmpty() && !path.endsWith(extension, Qt::CaseInsensitive))
        path += extension;
    return path;
}

} // namespace belvane
