#include "ui/app/MenuPage.h"

#include "ui/widgets/Theme.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace belvane {
namespace {

struct MenuButton {
    const char* name;
    QString caption;
    QColor colour;
    int pageIndex;   // -1: the exit button
};

QPushButton* makeButton(const MenuButton& spec, QWidget* parent)
{
    auto* button = new QPushButton(spec.caption, parent);
    button->setObjectName(QString::fromLatin1(spec.name));
    button->setFixedSize(203, 145);
    button->setProperty("tag", spec.pageIndex);
    button->setCursor(Qt::PointingHandCursor);
    const QColor c = spec.colour;
    button->setStyleSheet(QStringLiteral(
        "QPushButton { background: %1; color: white; font-size: 20px; font-weight: 300; border: 0;"
        " border-radius: 6px; } QPushButton:hover { background: %2; }")
                              .arg(c.name(), c.lighter(125).name()));
    return button;
}

} // namespace

MenuPage::MenuPage(QWidget* parent) : Page(parent)
{
    setObjectName(QStringLiteral("TabMenu"));
    const MenuButton buttons[] = {
        {"AbColBitBtn1", QStringLiteral("ESCRITÓRIO"), QColor(78, 78, 78), 1},
        {"AbColBitBtn2", QStringLiteral("ORÇAMENTO"), QColor(255, 128, 0), 2},
        {"AbColBitBtn3", QStringLiteral("HISTÓRICO"), QColor(0, 128, 0), 3},
        {"AbColBitBtn29", QStringLiteral("ESTATÍSTICA"), QColor(255, 0, 0), 4},
        {"AbColBitBtn5", QStringLiteral("SAIR"), QColor(85, 170, 255), -1},
    };
    auto* row = new QHBoxLayout;
    row->setSpacing(24);
    row->addStretch(1);
    for (const MenuButton& spec : buttons) {
        QPushButton* button = makeButton(spec, this);
        const int page = spec.pageIndex;
        connect(button, &QPushButton::clicked, this, [this, page] {
            if (page < 0)
                emit exitRequested();
            else
                emit pageRequested(page);
        });
        row->addWidget(button);
    }
    row->addStretch(1);

    auto* site = new QLabel(QString::fromLatin1(kWebSite).remove(QStringLiteral("https://")), this);
    site->setObjectName(QStringLiteral("Panel12"));
    site->setFixedHeight(30);
    site->setAlignment(Qt::AlignCenter);
    site->setCursor(Qt::PointingHandCursor);
    site->setStyleSheet(QStringLiteral("background: rgb(72, 72, 72); color: white;"));
    site->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    layout->addLayout(row);
    layout->addStretch(1);
    layout->addWidget(site);
    setStyleSheet(QStringLiteral("#TabMenu { background: black; }"));
}

bool MenuPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease)
        emit siteRequested();
    return Page::eventFilter(watched, event);
}

} // namespace belvane
