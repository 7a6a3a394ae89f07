#pragma once
// "Distribuição por situação" (ch3): the budgets of the reference year counted by status, five
// bars in the colours of the status swatches (white for "Editado"), each marked upright with its
// status and its share of all five. The bars keep these colours whatever the chart look says
// about one colour per point; the gradient still applies to them. The count axis climbs in whole
// budgets.
#include "core/stats/StatusBins.h"
#include "ui/widgets/BarChartView.h"

#include <QColor>
#include <array>

namespace belvane {

class BarMarks;

class StatusBarsChart : public BarChartView {
    Q_OBJECT
public:
    explicit StatusBarsChart(QWidget* parent);

    // Counts and marks in bar order; colours of the four status swatches, then white.
    void showCounts(const std::array<int, kStatusBinCount>& counts, const QStringList& marks,
                    const std::array<QColor, kStatusBinCount>& colours);
    BarMarks* marks() const { return m_marks; }

private:
    BarMarks* m_marks;
};

} // namespace belvane
