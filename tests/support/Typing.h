#pragma once
// Typing as a keyboard does: key by key, and letters outside ASCII (ç, ã, É) as text on a key
// without a code, the way an input method delivers them.
#include <QString>
#include <QWidget>

namespace belvane::test {

void typeText(QWidget* widget, const QString& text);

} // namespace belvane::test
