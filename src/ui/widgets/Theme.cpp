#include "ui/widgets/Theme.h"

#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

#ifdef Q_OS_LINUX
#include <dlfcn.h>
#include <thread>
#endif

// Resources compiled into a static library must be registered by hand.
static void initBelvaneResources()
{
    Q_INIT_RESOURCE(belvane);
}

namespace belvane::theme {

void installFonts()
{
    initBelvaneResources();
    static const bool installed = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/BelvaneMarker.ttf")) >= 0;
    Q_UNUSED(installed);
}

void readFontConfigurationAhead()
{
#ifdef Q_OS_LINUX
    // Every font on the machine and the rules for choosing among them take several milliseconds
    // to read, a good part of the start-up. The font library reads them once for the whole
    // program, whoever asks first; asked here, it reads them while the application object
    // connects to the display. Where the library is missing nothing happens.
    std::thread([] {
        if (void* fontconfig = dlopen("libfontconfig.so.1", RTLD_NOW | RTLD_LOCAL)) {
            if (auto init = reinterpret_cast<int (*)()>(dlsym(fontconfig, "FcInit")))
                init();
        }
    }).detach();
#endif
}

QString accented(QString sheet)
{
    // The light one first: "@accent" is the start of "@accent-light".
    return sheet.replace(QLatin1String("@accent-light"), QLatin1String(kAccentLight))
        .replace(QLatin1String("@accent"), QLatin1String(kAccent));
}

QString accentFramedPanel(const QString& objectName, const char* background, int borderWidth)
{
    return QStringLiteral("#%1 { background: %2; border: %3px solid %4; border-radius: 6px; }")
        .arg(objectName, QLatin1String(background))
        .arg(borderWidth)
        .arg(QLatin1String(kAccent));
}

QString styleSheet()
{
    return accented(QStringLiteral(R"(
        QWidget { color: white; }
        QStackedWidget, QStackedWidget > QWidget { background: #2b2b2e; }
        QLabel { background: transparent; }
        QLineEdit, QAbstractSpinBox, QComboBox, QPlainTextEdit, QTextEdit {
            background: #1f1f22; border: 1px solid #55555c; border-radius: 3px; padding: 2px 4px;
            color: white; selection-background-color: @accent; }
        QLineEdit:read-only, QAbstractSpinBox[readOnly="true"] { background: #333338; color: #9bcdff; }
        QComboBox QAbstractItemView { background: #1f1f22; color: white; selection-background-color: @accent; }
        QDialog, QMessageBox { background: #2b2b2e; }
        QAbstractItemView { background: #1f1f22; alternate-background-color: #28282c; color: white;
            selection-background-color: @accent; selection-color: white; }
        QToolButton { background: #4a4a50; border: 1px solid #606068; border-radius: 3px; padding: 2px; }
        QToolButton:hover { background: #5a5a62; }
        QPushButton { background: #4a4a50; border: 1px solid #606068; border-radius: 4px; padding: 4px 10px; }
        QPushButton:hover { background: #5a5a62; }
        QPushButton:checked { background: @accent; border-color: #ffa040; }
        QPushButton:disabled { color: #8a8a90; background: #3a3a3e; }
        QGroupBox, QFrame[panel="true"] { background: #333338; border: 1px solid #4a4a50; border-radius: 6px; }
        QGroupBox { margin-top: 18px; padding-top: 6px; font-weight: bold; }
        QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; color: @accent-light; }
        QTableView, QTableWidget { background: #373737; alternate-background-color: #3d3d40; color: #9bcdff;
            gridline-color: #4e4e54; selection-background-color: @accent; selection-color: white; }
        QHeaderView::section { background: #4a4a50; color: white; border: 0; border-right: 1px solid #5a5a60;
            padding: 3px; font-weight: bold; }
        QToolTip { color: black; background: #ffffe0; border: 1px solid #888; }
        QRadioButton, QCheckBox { spacing: 6px; }
    )"));
}

QColor fromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

quint32 toBgr(const QColor& colour)
{
    return quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16);
}

QFont displayFont(int pixelSize, int weight)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

void paintBackground(QWidget* widget, const QColor& colour)
{
    widget->setAutoFillBackground(true);
    widget->setStyleSheet(QStringLiteral("background: %1;").arg(colour.name()));
}

} // namespace belvane::theme
