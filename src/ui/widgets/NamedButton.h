#pragma once
// The push buttons of toolbars and panels: each carries the name the program knows it by, its
// caption, the hint shown on hover and a least size so a row of them lines up.
#include <QSize>
#include <QString>

class QPushButton;
class QWidget;

namespace belvane {

QPushButton* namedButton(const char* name, const QString& caption, QWidget* parent,
                         const QString& hint = {}, QSize minimumSize = {});

} // namespace belvane
