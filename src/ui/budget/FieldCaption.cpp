#include "ui/budget/FieldCaption.h"

#include <QGridLayout>
#include <QLabel>

namespace belvane {

QString requiredCaption(const QString& caption)
{
    return caption + QChar(0xE10B);
}

QLabel* captionFor(QWidget* control, const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setBuddy(control);
    label->setStyleSheet(QStringLiteral("color: #d8d8dc;"));
    return label;
}

void addStackedField(QGridLayout* grid, int row, int column, QWidget* control, const QString& caption,
                     int columnSpan)
{
    grid->addWidget(captionFor(control, caption, grid->parentWidget()), row, column, 1, columnSpan);
    grid->addWidget(control, row + 1, column, 1, columnSpan);
}

QLabel* addSideField(QGridLayout* grid, int row, int column, QWidget* control, const QString& caption)
{
    QLabel* label = captionFor(control, caption, grid->parentWidget());
    grid->addWidget(label, row, column);
    grid->addWidget(control, row, column + 1);
    return label;
}

QLabel* captionOf(const QWidget* control)
{
    if (!control || !control->parentWidget())
        return nullptr;
    for (QLabel* label : control->parentWidget()->findChildren<QLabel*>()) {
        if (label->buddy() == control)
            return label;
    }
    return nullptr;
}

} // namespace belvane
