// Belvane: fee quotations for architecture and urbanism offices.
#include "ui/app/SingleInstance.h"
#include "ui/app/TForm1.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[])
{
    // Only one Belvane at a time: a second start ends at once, without a word.
    belvane::SingleInstance instance;
    if (!instance.acquire())
        return 0;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("B+V "));

    // Qt's own dialogs and buttons ("Sim", "Não", "Cancelar") in Brazilian Portuguese.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_pt_BR"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    belvane::TForm1 window(QCoreApplication::applicationDirPath());
    window.setAlphaBlend(true);
    window.setAlphaBlendValue(0);
    if (window.opensMaximized())
        window.showMaximized();
    else
        window.show();
    return QApplication::exec();
}
