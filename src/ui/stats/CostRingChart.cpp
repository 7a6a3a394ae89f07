#include "ui/stats/CostRingChart.h"

#include "ui/stats/StatsChartStyle.h"
#include "ui/widgets/ChartTip.h"

#include <QPieSeries>
#include <QPieSlice>

namespace belvane {
namespace {

// The ring leaves room around it for the slice names.
constexpr qreal kRingSize = 0.55;
// The hole takes 85 % of the ring's radius; the chart measures both against its own size.
constexpr qreal kHoleSize = 0.85 * kRingSize;

} // namespace

// The view is made with its chart: a chart given later would leave the view's first one behind.
CostRingChart::CostRingChart(QWidget* parent) : QChartView(new QChart, parent), m_tip(new ChartTip(this))
{
    setObjectName(QStringLiteral("ch5"));
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    QChart* chart = this->chart();
    statschart::styleChart(chart, QStringLiteral("Síntese dos custos"));
    m_series = new QPieSeries(chart);
    m_series->setObjectName(QStringLiteral("Series3"));
    m_series->setPieSize(kRingSize);
    m_series->setHoleSize(kHoleSize);
    chart->addSeries(m_series);
    connect(m_series, &QPieSeries::hovered, this, &CostRingChart::onHovered);
}

void CostRingChart::showGroups(const QList<CostShare>& groups)
{
    m_groups = groups;
    m_series->clear();
    QList<QPieSlice*> slices;
    for (const CostShare& group : groups) {
        auto* slice = new QPieSlice(group.label, group.value);
        // A slice without cost has no arc; its name would only crowd its neighbours'.
        slice->setLabelVisible(group.value > 0.0);
        slice->setLabelFont(statschart::chartFont(12));
        slice->setLabelBrush(QColor(statschart::kAxisTextColour));
        slice->setLabelArmLengthFactor(0.08);
        slices << slice;
    }
    m_series->append(slices);
}

void CostRingChart::onHovered(QPieSlice* slice, bool entered)
{
    const int index = int(m_series->slices().indexOf(slice));
    if (entered && index >= 0 && index < m_groups.size())
        m_tip->enter(costTipText(m_groups[index], totalOf(m_groups)));
    else
        m_tip->leave();
}

} // namespace belvane
