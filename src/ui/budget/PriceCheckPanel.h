#pragma once
// "Conferência do preço" on the summary: the quote beside the least it must bring in, the
// reference by the construction cost and the office's own won prices, with a verdict in colour.
// The figures come from the core's price check; this panel only shows them.
#include "core/pricing/PriceCheck.h"

#include <QGroupBox>

class QLabel;
class QLineEdit;

namespace belvane {

class PriceCheckPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit PriceCheckPanel(QWidget* parent);
    void showCheck(const PriceCheck& check);
    // Before the budget is priced there is nothing to check.
    void clear();

private:
    QLineEdit* m_floor; // PC_floor
    QLineEdit* m_work;  // PC_cau
    QLineEdit* m_own;   // PC_own
    QLabel* m_verdict;  // PC_verdict
    QLabel* m_hint;     // PC_hint
};

} // namespace belvane
