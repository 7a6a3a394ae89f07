#include "ui/widgets/InputHint.h"

#include <QToolTip>
#include <QWidget>

namespace belvane {

void showInputHint(QWidget* field, const QString& hint)
{
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), hint, field);
}

} // namespace belvane
