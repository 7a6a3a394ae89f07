#include "ui/widgets/ColorButton.h"

#include "ui/widgets/Prompts.h"

namespace belvane {

ColorButton::ColorButton(const QString& objectName, const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{
    setObjectName(objectName);
    setMinimumSize(140, 30);
    connect(this, &QPushButton::clicked, this, &ColorButton::choose);
    setColor(Qt::black);
}

void ColorButton::setColor(const QColor& color)
{
    m_color = color;
    // The swatch fills the button; the caption stays readable on light and dark swatches.
    const QString text = color.lightness() > 140 ? QStringLiteral("black") : QStringLiteral("white");
    setStyleSheet(QStringLiteral("QPushButton { background: %1; color: %2; border: 2px solid #606068; }")
                      .arg(color.name(), text));
}

void ColorButton::choose()
{
    const QColor chosen = Prompts::chooseColor(this, m_color);
    if (!chosen.isValid())
        return;
    setColor(chosen);
    emit colorChosen(chosen);
}

} // namespace belvane
