#include "ui/app/HeaderBar.h"

#include "core/text/Clock.h"
#include "ui/app/AppControls.h"
#include "ui/widgets/Theme.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace belvane {
namespace {

QLabel* logoLabel(const char* name, const QString& text, int pixelSize, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(theme::displayFont(pixelSize, QFont::Bold));
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

HeaderBar::HeaderBar(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel2"));
    setFixedHeight(60);

    auto* logo = new QFrame(this);
    logo->setObjectName(QStringLiteral("Panel3"));
    logo->setStyleSheet(QStringLiteral("#Panel3 { background: rgb(85, 170, 255); border-radius: 4px; }"));
    auto* logoLayout = new QHBoxLayout(logo);
    logoLayout->setContentsMargins(10, 2, 10, 2);
    auto* b = logoLabel("Label1", QStringLiteral("B+V"), 30, logo);
    auto* nameBox = new QVBoxLayout;
    nameBox->setSpacing(0);
    auto* l2 = logoLabel("Label2", QStringLiteral("BEL"), 13, logo);
    auto* l3 = logoLabel("Label3", QStringLiteral("VANE"), 13, logo);
    nameBox->addWidget(l2);
    nameBox->addWidget(l3);
    logoLayout->addWidget(b);
    logoLayout->addLayout(nameBox);
    for (QLabel* label : {b, l2, l3})
        label->installEventFilter(this);

    m_clock = new QLabel(this);
    m_clock->setObjectName(QStringLiteral("Label8"));
    m_clock->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_clock->setFont(theme::displayFont(15));
    m_clock->setStyleSheet(QStringLiteral("color: white;"));

    m_menuButton = new QPushButton(QStringLiteral("Menu"), this);
    m_menuButton->setObjectName(QLatin1String(controls::app::kHeaderMenu));
    m_menuButton->setFixedSize(110, 40);
    m_menuButton->setFont(theme::displayFont(16));
    connect(m_menuButton, &QPushButton::clicked, this, &HeaderBar::menuClicked);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->addWidget(logo);
    layout->addStretch(1);
    layout->addWidget(m_clock);
    layout->addSpacing(16);
    layout->addWidget(m_menuButton);

    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &HeaderBar::showCurrentTime);
    m_timer.start();
    showCurrentTime();
}

void HeaderBar::setMenuShown(bool menuShown)
{
    m_menuButton->setVisible(!menuShown);
    m_clock->setVisible(!menuShown);
    setFrameStyle(menuShown ? QFrame::NoFrame : (QFrame::Panel | QFrame::Raised));
    setLineWidth(menuShown ? 0 : 2);
    setStyleSheet(menuShown ? QStringLiteral("#Panel2 { background: black; }")
                            : QStringLiteral("#Panel2 { background: #3a3a3e; border: 2px outset #55555c; }"));
}

void HeaderBar::showCurrentTime()
{
    // The long date of Brazilian Portuguese, a blank, and the time on the 24-hour clock.
    const QLocale brazil(QLocale::Portuguese, QLocale::Brazil);
    const QDateTime now = Clock::now();
    m_clock->setText(brazil.toString(now.date(), QLocale::LongFormat) + QLatin1Char(' ')
                     + now.toString(QStringLiteral("HH:mm")));
}

bool HeaderBar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease)
        emit logoClicked();
    return QFrame::eventFilter(watched, event);
}

} // namespace belvane
