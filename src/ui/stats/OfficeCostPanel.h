#pragma once
// The upper panel of the statistics page, "Custo mensal do escritório": the six cost totals of
// the office in number boxes, the expense bars (Ch1) and the ring of the four cost groups (ch5).
#include "core/stats/OfficeCostStatistics.h"

#include <QGroupBox>

namespace belvane {

class CostBreakdownChart;
class CostRingChart;
class NumberEdit;

class OfficeCostPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit OfficeCostPanel(QWidget* parent);

    void showCosts(const OfficeCostStatistics& figures);

    CostBreakdownChart* breakdown() const { return m_breakdown; }
    CostRingChart* ring() const { return m_ring; }

private:
    QWidget* buildTotals();

    NumberEdit* m_fixed = nullptr;
    NumberEdit* m_variable = nullptr;
    NumberEdit* m_support = nullptr;
    NumberEdit* m_partial = nullptr;
    NumberEdit* m_technical = nullptr;
    NumberEdit* m_total = nullptr;
    CostBreakdownChart* m_breakdown;
    CostRingChart* m_ring;
};

} // namespace belvane
