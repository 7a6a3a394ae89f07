#include "ui/widgets/ClickableLabel.h"

#include <QMouseEvent>

namespace belvane {

ClickableLabel::ClickableLabel(const QString& objectName, const QString& glyph, const QString& hint,
                               QWidget* parent)
    : QLabel(glyph, parent)
{
    setObjectName(objectName);
    setToolTip(hint);
    setCursor(Qt::PointingHandCursor);
    QFont glyphFont = font();
    glyphFont.setPixelSize(20);
    setFont(glyphFont);
    setStyleSheet(QStringLiteral("color: #9bcdff;"));
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace belvane
