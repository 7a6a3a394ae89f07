#pragma once
// A line edit whose text is kept in a record of fixed capacity takes no more than the record
// keeps: typing stops at the limit and a paste that would not fit is refused whole, with a hint,
// so nothing the user typed is cut afterwards. The edit's tooltip states the limit.
#include <QString>

class QLineEdit;

namespace belvane {

void limitToCapacity(QLineEdit* edit, int capacity);

// "Até 30 caracteres."
QString capacityHint(int capacity);

} // namespace belvane
