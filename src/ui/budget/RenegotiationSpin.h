#pragma once
// A spin control of the summary's renegotiation: a one-decimal number with up and down buttons
// and no typing. It announces the user's steps only — a value put in by the program is silent —
// so every click renegotiates once.
#include "ui/widgets/NumberEdit.h"

namespace belvane {

class RenegotiationSpin : public NumberEdit {
    Q_OBJECT
public:
    RenegotiationSpin(const QString& objectName, double step, QWidget* parent);

    void stepBy(int steps) override;

signals:
    void spun();
};

} // namespace belvane
