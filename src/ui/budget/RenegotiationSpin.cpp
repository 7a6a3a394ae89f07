#include "ui/budget/RenegotiationSpin.h"

#include <QLineEdit>

namespace belvane {

RenegotiationSpin::RenegotiationSpin(const QString& objectName, double step, QWidget* parent)
    : NumberEdit(objectName, QStringLiteral("0.0"), parent)
{
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setSingleStep(step);
    // The value changes by the buttons only.
    lineEdit()->setReadOnly(true);
}

void RenegotiationSpin::stepBy(int steps)
{
    NumberEdit::stepBy(steps);
    emit spun();
}

} // namespace belvane
