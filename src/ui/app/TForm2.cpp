#include "ui/app/TForm2.h"

#include "ui/app/TForm1.h"
#include "ui/widgets/Theme.h"

#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPalette>

namespace belvane {
namespace {

constexpr int kFadeStep = 20;
constexpr int kFadeStart = 200;   // below this the box starts to fade
constexpr int kFadeEnd = 30;      // below this the fade is over

QLabel* placeLabel(QWidget* parent, const char* name, const QString& text, QPoint at, const QFont& font)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    // A palette, not a style sheet: the box is the first thing on the screen at start, and a
    // style sheet would have to be read for each label first.
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->move(at);
    label->adjustSize();
    return label;
}

} // namespace

TForm2::TForm2(TForm1* mainWindow)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("B+V Iniciar"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(809, 343);
    buildContent();
    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setInterval(50);
    connect(&m_timer, &QTimer::timeout, this, &TForm2::stepFade);
    m_timer.start();
}

void TForm2::buildContent()
{
    auto* shape = new QWidget(this);
    shape->setObjectName(QStringLiteral("Shape1"));
    shape->setGeometry(100, 100, 273, 145);
    QPalette palette = shape->palette();
    palette.setColor(QPalette::Window, QColor(85, 170, 255));
    shape->setPalette(palette);
    shape->setAutoFillBackground(true);

    QFont logo(QStringLiteral("Arial Black"));
    logo.setPixelSize(47);
    logo.setWeight(QFont::Black);
    placeLabel(this, "Label5", QStringLiteral("B+V"), {122, 138}, logo);
    QFont name(QStringLiteral("Tahoma"));
    name.setPixelSize(16);
    placeLabel(this, "Label6", QStringLiteral("BEL"), {235, 151}, name);
    placeLabel(this, "Label7", QStringLiteral("VANE"), {235, 174}, name);
    const QFont info = theme::displayFont(16, QFont::Light);
    placeLabel(this, "Label1", QStringLiteral("Orçamento de Projetos "), {386, 127}, info);
    placeLabel(this, "Label2", QStringLiteral("Versão 1.01"), {386, 150}, info);
    placeLabel(this, "Label24", QStringLiteral("suporte@belvane.com.br"), {386, 196}, info);
    placeLabel(this, "Label26", QStringLiteral("www.belvane.com.br"), {386, 219}, info);
    if (m_mainWindow)
        placeDataFolderLabel(m_mainWindow->state().folders().appDir);
}

void TForm2::placeDataFolderLabel(const QString& dataDir)
{
    // Where the data are matters once the program is installed: they are then in the user's
    // data folder, not beside the program, and a user who copies them must know where to look.
    const QString folder = QDir::toNativeSeparators(QDir::cleanPath(dataDir));
    QFont font = theme::displayFont(12, QFont::Light);
    auto* label = placeLabel(this, "DataFolderLabel", QString(), {386, 262}, font);
    const QString caption = QStringLiteral("Dados em: ");
    const int room = width() - label->x() - 24 - QFontMetrics(font).horizontalAdvance(caption);
    label->setText(caption + QFontMetrics(font).elidedText(folder, Qt::ElideMiddle, room));
    label->setToolTip(folder);
    label->adjustSize();
}

void TForm2::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(rect().topLeft(), rect().bottomRight());
    gradient.setColorAt(0.0, QColor(0, 79, 117));
    gradient.setColorAt(1.0, Qt::black);
    painter.fillRect(rect(), gradient);
}

void TForm2::stepFade()
{
    m_fadeCounter -= kFadeStep;
    if (m_fadeCounter >= kFadeStart)
        return;
    // The box fades from 180 down to 20 while the main window rises from 70 to 230.
    m_alphaBlendValue = m_fadeCounter;
    setWindowOpacity(m_fadeCounter / 255.0);
    if (m_mainWindow && m_mainWindow->alphaBlend())
        m_mainWindow->setAlphaBlendValue(250 - m_fadeCounter);
    if (m_fadeCounter < kFadeEnd)
        endFade();
}

void TForm2::endFade()
{
    m_timer.stop();
    if (m_mainWindow)
        m_mainWindow->setAlphaBlend(false);
    hide();
    emit faded();
}

} // namespace belvane
