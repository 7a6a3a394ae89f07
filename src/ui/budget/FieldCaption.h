#pragma once
// Captions of the project pages' fields. A caption sits above or beside its control and names it
// as its buddy, so a test or a screen reader finds the caption from the control. The captions of
// the fields the calculation requires end with the program's marker character, drawn by its own
// marker font.
#include <QString>

class QGridLayout;
class QLabel;
class QWidget;

namespace belvane {

// The caption followed by the required-field marker U+E10B.
QString requiredCaption(const QString& caption);

// A caption label whose buddy is the control.
QLabel* captionFor(QWidget* control, const QString& caption, QWidget* parent);

// Puts the caption at (row, column) and the control just below it.
void addStackedField(QGridLayout* grid, int row, int column, QWidget* control, const QString& caption,
                     int columnSpan = 1);

// Puts the caption at (row, column) and the control beside it, in the next column.
QLabel* addSideField(QGridLayout* grid, int row, int column, QWidget* control, const QString& caption);

// The caption label whose buddy is the control; nullptr when there is none.
QLabel* captionOf(const QWidget* control);

} // namespace belvane
