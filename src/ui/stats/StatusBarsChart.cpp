#include "ui/stats/StatusBarsChart.h"

#include "core/stats/YearStatistics.h"
#include "ui/stats/StatsChartStyle.h"
#include "ui/widgets/BarMarks.h"
#include "ui/widgets/ChartLook.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace belvane {
namespace {

// Room above the tallest bar for a mark that does not fit inside it.
constexpr double kHeadRoom = 0.25;

} // namespace

StatusBarsChart::StatusBarsChart(QWidget* parent)
    : BarChartView(QStringLiteral("ch3"), QStringLiteral("BarSeries1"),
                   QStringLiteral("Distribuição por situação"), &statschart::dressBarChart, parent)
    , m_marks(new BarMarks(this))
{
    categoryAxis()->setLabelsVisible(false);
    valueAxis()->setTickType(QValueAxis::TicksDynamic);
    valueAxis()->setTickAnchor(0.0);
    valueAxis()->setTickInterval(1.0);
}

void StatusBarsChart::showCounts(const std::array<int, kStatusBinCount>& counts, const QStringList& marks,
                                 const std::array<QColor, kStatusBinCount>& colours)
{
    QList<double> values;
    for (int count : counts)
        values << count;
    setBars(statusBinLabels(), values);
    const QList<QBarSet*> sets = series()->barSets();
    for (int bar = 0; bar < int(sets.size()); ++bar)
        ChartLook::setOwnColor(sets[bar], colours[std::size_t(bar)]);
    const int largest = *std::max_element(counts.begin(), counts.end());
    const int step = countAxisStep(largest);
    valueAxis()->setTickInterval(step);
    // The axis ends on a whole step, with room above the tallest bar for its mark.
    const double top = std::ceil(std::max(1.0, largest * (1.0 + kHeadRoom)) / step) * step;
    valueAxis()->setRange(0.0, top);
    m_marks->setTexts(marks);
}

} // namespace belvane
