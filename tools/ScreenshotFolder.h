#pragma once
// Where the screenshot tools put their PNG files: the folder BELVANE_SCREENSHOT_DIR names, else
// "screenshots" in the working folder. The folder is made when missing.
#include <QDir>
#include <QString>

namespace belvane::tools {

inline QString screenshotFolder()
{
    QString folder = qEnvironmentVariable("BELVANE_SCREENSHOT_DIR");
    if (folder.isEmpty())
        folder = QDir::current().filePath(QStringLiteral("screenshots"));
    QDir().mkpath(folder);
    return folder;
}

} // namespace belvane::tools
