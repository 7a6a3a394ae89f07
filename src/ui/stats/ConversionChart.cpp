#include "ui/stats/ConversionChart.h"

#include "core/stats/PipelineStatistics.h"
#include "ui/stats/StatsChartStyle.h"
#include "ui/widgets/BarMarks.h"

#include <QValueAxis>

namespace belvane {

ConversionChart::ConversionChart(QWidget* parent)
    : BarChartView(QStringLiteral("PF_months"), QStringLiteral("BarSeriesConversao"),
                   QStringLiteral("Conversão por mês (ganhos ÷ decididos)"), &statschart::dressBarChart,
                   parent),
      m_marks(new BarMarks(this))
{
    valueAxis()->setTitleText(QStringLiteral("%"));
    valueAxis()->setLabelFormat(QStringLiteral("%.0f"));
}

void ConversionChart::showRates(const PipelineStatistics& figures)
{
    QList<double> rates;
    for (const ConversionRate& month : figures.months)
        rates << month.percent().value_or(0.0);
    setBars(MonthLabels(), rates);
    // Room above a full bar for its mark.
    valueAxis()->setRange(0.0, 130.0);
    valueAxis()->setTickCount(6);
    valueAxis()->setTickType(QValueAxis::TicksDynamic);
    valueAxis()->setTickAnchor(0.0);
    valueAxis()->setTickInterval(25.0);
    m_marks->setTexts(figures.monthMarks());
}

} // namespace belvane
