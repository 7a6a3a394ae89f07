#pragma once
// The chart "Composição do orçamento": one bar per part of the quoted value — RRT, third parties,
// own expenses, taxes, profit, qualification addition, the repetition discount drawn below the
// axis, and the quoted value itself — each in its own colour of the chart palette and marked with
// its label and value. A red line behind the bars marks the value at which the profit would be
// zero, with a caption beside it.
#include "core/budget/BudgetRecord.h"
#include "ui/widgets/BarChartView.h"

#include <optional>

namespace belvane {

class BarMarks;
class ChartTip;
class ZeroProfitLine;

class CompositionChart : public BarChartView {
    Q_OBJECT
public:
    explicit CompositionChart(QWidget* parent);

    // Replaces the eight bars with the composition of the budget.
    void showComposition(const TBudgetData& budget);
    // Moves the zero-profit line to the value; nothing hides it.
    void showZeroProfit(std::optional<float> value);

    QStackedBarSeries* bars() const { return series(); }      // Series2
    ZeroProfitLine* zeroProfitLine() const { return m_line; } // ChartTool4
    QStringList barLabels() const { return labels(); }
    QList<double> barValues() const { return values(); }
    QStringList marks() const;          // the text on each bar, in bar order
    QList<QRectF> markBoxes() const;    // where each mark stands in the chart
    QList<QRectF> barBoxes() const;     // where each bar stands in the chart
    // Where the top (or, below zero, the bottom) of a bar stands in the chart.
    QPointF barEnd(int bar) const;

private:
    void refit();
    void placeLine();
    void onBarHovered(bool entered, int bar);

    ZeroProfitLine* m_line;
    BarMarks* m_marks;
    ChartTip* m_tip;
};

} // namespace belvane
