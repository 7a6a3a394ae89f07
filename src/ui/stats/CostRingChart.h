#pragma once
// "Síntese dos custos" (ch5): the office's monthly cost as a thin ring of four slices — fixed,
// variable, support staff, technical staff — each named beside its arc. Resting the mouse on a
// slice tells its name, its share of the ring and the ring's total.
#include "core/stats/CostShare.h"

#include <QChartView>

class QPieSeries;
class QPieSlice;

namespace belvane {

class ChartTip;

class CostRingChart : public QChartView {
    Q_OBJECT
public:
    explicit CostRingChart(QWidget* parent);

    void showGroups(const QList<CostShare>& groups);
    QPieSeries* series() const { return m_series; }  // Series3
    ChartTip* tip() const { return m_tip; }

private:
    void onHovered(QPieSlice* slice, bool entered);

    QPieSeries* m_series;
    QList<CostShare> m_groups;
    ChartTip* m_tip;
};

} // namespace belvane
