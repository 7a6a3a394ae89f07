#include "ui/widgets/BarChartView.h"

#include "ui/widgets/ChartPalettes.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QGraphicsLayout>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>

namespace belvane {
namespace {

// A category axis keeps each caption once, so equal captions (a fixed and a variable expense of
// the same name) are told apart by invisible zero-width spaces.
QStringList distinctCaptions(const QStringList& labels)
{
    QStringList captions;
    for (QString caption : labels) {
        while (captions.contains(caption))
            caption += QChar(0x200B);
        captions << caption;
    }
    return captions;
}

} // namespace

BarChartView::BarChartView(const QString& objectName, const QString& seriesName, const QString& title,
                           Dress dress, QWidget* parent)
    : QChartView(new QChart, parent)   // made with its chart: a chart given later would leak the first
{
    setObjectName(objectName);
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    QChart* chart = this->chart();
    m_categories = new QBarCategoryAxis(chart);
    m_values = new QValueAxis(chart);
    dress(chart, title, m_categories, m_values);
    chart->addAxis(m_categories, Qt::AlignBottom);
    chart->addAxis(m_values, Qt::AlignLeft);

    m_series = new QStackedBarSeries(chart);
    m_series->setObjectName(seriesName);
    m_series->setBarWidth(0.7);
    chart->addSeries(m_series);
    m_series->attachAxis(m_categories);
    m_series->attachAxis(m_values);
    connect(m_series, &QStackedBarSeries::hovered, this, &BarChartView::onHovered);
    connect(chart, &QChart::plotAreaChanged, this, &BarChartView::barsMoved);
}

void BarChartView::setBars(const QStringList& labels, const QList<double>& values)
{
    m_series->clear();
    m_labels = labels;
    m_barValues = values;
    m_categories->clear();
    m_categories->append(distinctCaptions(labels));
    const int slotCount = std::min<int>(barCount(), ChartPalettes::kSize);
    QList<QBarSet*> sets;
    for (int slot = 0; slot < slotCount; ++slot) {
        auto* set = new QBarSet(QString::number(slot));
        for (int bar = 0; bar < barCount(); ++bar)
            set->append(bar % slotCount == slot ? values[bar] : 0.0);
        sets << set;
    }
    m_series->append(sets);
    emit barsMoved();
}

void BarChartView::clearBars()
{
    setBars({}, {});
}

void BarChartView::fitValueAxis(double alsoShow, double headRoom, double footRoom)
{
    double low = std::min(alsoShow, 0.0);
    double high = std::max(alsoShow, 0.0);
    for (double value : m_barValues) {
        low = std::min(low, value);
        high = std::max(high, value);
    }
    if (high - low <= 0.0)
        high = 1.0;
    const double span = high - low;
    m_values->setRange(low < 0.0 ? low - span * footRoom : low, high + span * headRoom);
    if (m_values->tickType() == QValueAxis::TicksFixed)
        m_values->applyNiceNumbers();
    // A chart may be refilled while it is hidden; the axis is measured again for the new range,
    // so its labels are never left cut to "…" at the size the old ones needed.
    if (QGraphicsLayout* layout = chart()->layout())
        layout->invalidate();
    emit barsMoved();
}

QPointF BarChartView::barPoint(int bar, double value) const
{
    return chart()->mapToPosition(QPointF(bar, value), m_series);
}

void BarChartView::onHovered(bool entered, int index, QBarSet*)
{
    if (index >= 0 && index < barCount())
        emit barHovered(entered, index);
}

} // namespace belvane
