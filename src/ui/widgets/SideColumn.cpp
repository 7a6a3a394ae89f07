#include "ui/widgets/SideColumn.h"

#include "ui/widgets/Theme.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace belvane {

SideColumn::SideColumn(const QString& objectName, const QString& heading, QWidget* parent)
    : QFrame(parent)
{
    setObjectName(objectName);
    setFixedWidth(170);
    setStyleSheet(QStringLiteral("#%1 { background: #232326; border-right: 1px solid #4a4a50; }")
                      .arg(objectName));
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(10, 14, 10, 14);
    m_layout->setSpacing(8);
    auto* title = new QLabel(heading, this);
    title->setFont(theme::displayFont(18, QFont::Bold));
    title->setStyleSheet(theme::accented(QStringLiteral("color: @accent-light;")));
    title->setAlignment(Qt::AlignCenter);
    m_layout->addWidget(title);
    m_layout->addSpacing(12);
}

QPushButton* SideColumn::addSelector(const QString& objectName, const QString& caption,
                                     const QString& hint, int subPageIndex)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(objectName);
    button->setToolTip(hint);
    button->setCheckable(true);
    button->setAutoExclusive(true);
    button->setProperty("tag", subPageIndex);
    button->setMinimumHeight(44);
    button->setCursor(Qt::PointingHandCursor);
    m_layout->addWidget(button);
    return button;
}

void SideColumn::addStretch()
{
    m_layout->addStretch(1);
}

} // namespace belvane
