#pragma once
// A short hint beside a field when the field refused what the user typed, so that a refused key
// never seems to do nothing.
#include <QString>

class QWidget;

namespace belvane {

void showInputHint(QWidget* field, const QString& hint);

} // namespace belvane
