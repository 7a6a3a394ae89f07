#pragma once
// The office's monthly hours: a spin edit that only its buttons (and the arrow keys and wheel
// that stand for them) can change. Typing and pasting are closed, so the hours are always a
// whole number inside the range; every step the user takes is announced, even one that is
// stopped at the limit.
#include <QSpinBox>

namespace belvane {

class MonthlyHoursSpin : public QSpinBox {
    Q_OBJECT
public:
    MonthlyHoursSpin(const QString& objectName, QWidget* parent);

    void stepBy(int steps) override;

protected:
    void paintEvent(QPaintEvent* event) override;

signals:
    // The user pressed a spin button; the value is already the new one.
    void spun();
};

} // namespace belvane
