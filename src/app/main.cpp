// Belvane: fee quotations for architecture and urbanism offices.
#include "core/storage/DataFolders.h"
#include "ui/app/SingleInstance.h"
#include "ui/app/TForm1.h"
#include "ui/widgets/Theme.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTimer>
#include <QTranslator>

#include <cstdlib>

namespace {

// The folders an installation puts the program into. The installed program never keeps data
// there, even when run by the administrator, who may write anywhere.
bool isInstalledProgramFolder(const QString& programDir)
{
#ifdef BELVANE_INSTALL_BINDIRS
    const QStringList installed = QStringLiteral(BELVANE_INSTALL_BINDIRS).split(u':', Qt::SkipEmptyParts);
    for (const QString& folder : installed) {
        if (QDir(folder) == QDir(programDir))
            return true;
    }
#else
    Q_UNUSED(programDir)
#endif
    return false;
}

QString dataRoot()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    const bool writable = !isInstalledProgramFolder(programDir) && belvane::DataFolders::canWriteIn(programDir);
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return belvane::DataFolders::chooseRoot(programDir, writable,
                                            userData.isEmpty() ? QString() : userData + QStringLiteral("/belvane"));
}

} // namespace

int main(int argc, char* argv[])
{
    // Only one Belvane at a time: a second start ends at once, without a word.
    belvane::SingleInstance instance;
    if (!instance.acquire())
        return 0;
    belvane::theme::readFontConfigurationAhead();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("B+V "));
    // Ties the window to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("belvane"));

    // Qt's own dialogs and buttons ("Sim", "Não", "Cancelar") in Brazilian Portuguese.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_pt_BR"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    belvane::TForm1 window(dataRoot());
    window.setAlphaBlend(true);
    window.setAlphaBlendValue(0);
    if (window.opensMaximized())
        window.showMaximized();
    else
        window.show();
    // For the start-up measures (scripts/bench.sh): leave at once when the first events are
    // handled, without the questions of a close or the taking down of the window.
    if (qEnvironmentVariableIsSet("BELVANE_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, [] { std::_Exit(0); });
    // And for the measure of a start-up until the data are read and the splash box goes.
    if (qEnvironmentVariableIsSet("BELVANE_QUIT_WHEN_READY"))
        QObject::connect(&window, &belvane::TForm1::ready, &app, [] { std::_Exit(0); });
    return QApplication::exec();
}
