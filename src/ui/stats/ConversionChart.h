#pragma once
// "Conversão por mês" (PF_months): for each month of the reference year, the share of decided
// budgets that were won, as a bar from 0 to 100 % marked with its percentage ("—" for a month
// without decisions).
#include "ui/widgets/BarChartView.h"

namespace belvane {

class BarMarks;
struct PipelineStatistics;

class ConversionChart : public BarChartView {
    Q_OBJECT
public:
    explicit ConversionChart(QWidget* parent);

    void showRates(const PipelineStatistics& figures);
    BarMarks* marks() const { return m_marks; }

private:
    BarMarks* m_marks;
};

} // namespace belvane
