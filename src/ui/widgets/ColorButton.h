#pragma once
// A button that shows a swatch of its colour; pressing it opens the colour chooser with that
// colour preselected, and a colour accepted there becomes the button's colour.
#include <QPushButton>

namespace belvane {

class ColorButton : public QPushButton {
    Q_OBJECT
public:
    ColorButton(const QString& objectName, const QString& caption, QWidget* parent);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);

signals:
    void colorChosen(const QColor& color);

private:
    void choose();
    QColor m_color;
};

} // namespace belvane
