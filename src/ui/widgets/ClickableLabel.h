#pragma once
// A label that acts as a small button: the "🛈", "🗎" and "🗋" glyphs that open a note, load
// default values or clear a grid.
#include <QLabel>

namespace belvane {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    ClickableLabel(const QString& objectName, const QString& glyph, const QString& hint,
                   QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace belvane
