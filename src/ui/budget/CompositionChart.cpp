#include "ui/budget/CompositionChart.h"

#include "core/budget/BudgetIndices.h"
#include "core/text/NumberFormat.h"
#include "ui/budget/ZeroProfitLine.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCursor>
#include <QGraphicsLayout>
#include <QGraphicsTextItem>
#include <QLocale>
#include <QStackedBarSeries>
#include <QTextDocument>
#include <QTextOption>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>

namespace belvane {
namespace {

constexpr int kBarCount = 8;
const QStringList kBarLabels = {u"RRT"_qs, u"Terceiros"_qs, u"Despesa própria"_qs, u"Imposto"_qs,
                                u"Lucro"_qs, u"Ad.Qualificação"_qs, u"Desc.Repetição"_qs, u"Orçamento"_qs};
// The caption of the zero-profit line starts at this distance from the chart's left edge, or
// further right where a bar or a mark stands there.
constexpr qreal kCaptionLeft = 62;
// Behind the bars (series stand at 4) and in front of the grid lines (2).
constexpr qreal kLineZ = 3.5;
// Share of its slot a bar takes.
constexpr qreal kBarWidth = 0.7;

QGraphicsTextItem* makeMark(const QString& text, QGraphicsItem* parent)
{
    auto* mark = new QGraphicsTextItem(parent);
    QFont font = mark->font();
    font.setPixelSize(10);
    mark->setFont(font);
    mark->setDefaultTextColor(Qt::white);
    mark->document()->setDocumentMargin(1);
    mark->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    mark->setPlainText(text);
    mark->setTextWidth(mark->document()->idealWidth());
    mark->setZValue(10);
    return mark;
}

} // namespace

// The view is made with its chart: a chart given later would leave the view's first one behind.
CompositionChart::CompositionChart(QWidget* parent) : QChartView(new QChart, parent), m_chart(QChartView::chart())
{
    setObjectName(QStringLiteral("ch2"));
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    setBackgroundBrush(QColor(0x33, 0x33, 0x38));
    buildChart();
    m_line = new ZeroProfitLine(m_chart);
    m_line->setZValue(kLineZ);
    m_tipDelay.setSingleShot(true);
    m_tipDelay.setInterval(50);
    connect(&m_tipDelay, &QTimer::timeout, this, &CompositionChart::showTip);
    connect(m_chart, &QChart::plotAreaChanged, this, [this] {
        placeMarks();
        placeLine();
    });
}

void CompositionChart::buildChart()
{
    m_chart->setTheme(QChart::ChartThemeDark);
    m_chart->setTitle(QStringLiteral("Composição do orçamento"));
    m_chart->legend()->hide();
    m_chart->setBackgroundRoundness(0);
    m_chart->setMargins(QMargins(4, 4, 4, 4));
    m_chart->setLocalizeNumbers(true);
    m_chart->setLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));

    m_categories = new QBarCategoryAxis(m_chart);
    m_categories->append(kBarLabels);
    m_categories->setVisible(false);
    m_values = new QValueAxis(m_chart);
    m_values->setLabelFormat(QStringLiteral("%.0f"));
    m_chart->addAxis(m_categories, Qt::AlignBottom);
    m_chart->addAxis(m_values, Qt::AlignLeft);

    m_series = new QStackedBarSeries(m_chart);
    m_series->setObjectName(QStringLiteral("Series2"));
    m_series->setBarWidth(kBarWidth);
    m_chart->addSeries(m_series);
    m_series->attachAxis(m_categories);
    m_series->attachAxis(m_values);
    connect(m_series, &QStackedBarSeries::hovered, this, &CompositionChart::onBarHovered);
}

void CompositionChart::showComposition(const TBudgetData& b)
{
    m_barValues = {b.RRT, b.ThirdParty, b.OwnExpenses, b.Taxes, b.Profit, b.QualificationAddition,
                   -double(b.RepetitionDiscount), b.BudgetValue};
    m_series->clear();
    qDeleteAll(m_markItems);
    m_markItems.clear();
    // One set per bar, holding its value in its own category only, so each bar takes its own colour.
    for (int bar = 0; bar < kBarCount; ++bar) {
        auto* set = new QBarSet(kBarLabels[bar]);
        for (int category = 0; category < kBarCount; ++category)
            set->append(category == bar ? m_barValues[bar] : 0.0);
        m_series->append(set);
        m_markItems << makeMark(kBarLabels[bar] + QLatin1Char('\n') + formatNumber(m_barValues[bar], u"0,00"),
                                m_chart);
    }
    fitValueAxis();
    placeMarks();
    placeLine();
}

void CompositionChart::showZeroProfit(std::optional<float> value)
{
    m_line->setValue(value, value ? zeroProfitCaption(*value) : QString());
    fitValueAxis();
    placeMarks();
    placeLine();
}

void CompositionChart::fitValueAxis()
{
    double low = 0.0, high = 0.0;
    for (double v : m_barValues) {
        low = std::min(low, v);
        high = std::max(high, v);
    }
    if (const auto z = m_line->value()) {
        low = std::min(low, double(*z));
        high = std::max(high, double(*z));
    }
    if (high - low <= 0.0)
        high = 1.0;
    // Room for the two-line marks above the highest bar and below the lowest.
    const double room = (high - low) * 0.12;
    m_values->setRange(low < 0.0 ? low - room : 0.0, high + room);
    m_values->applyNiceNumbers();
    // A budget is priced while the summary is hidden; the axis is measured again for the new
    // range, so its labels are never left cut to "…" at the size the old ones needed.
    if (QGraphicsLayout* layout = m_chart->layout())
        layout->invalidate();
}

QPointF CompositionChart::barEnd(int bar) const
{
    return m_chart->mapToPosition(QPointF(bar, m_barValues.value(bar)), m_series);
}

void CompositionChart::placeMarks()
{
    QList<QRectF> placed;
    for (int bar = 0; bar < int(m_markItems.size()); ++bar) {
        QGraphicsTextItem* mark = m_markItems[bar];
        const bool below = m_barValues[bar] < 0.0;
        const QPointF end = barEnd(bar);
        const QSizeF size = mark->boundingRect().size();
        QRectF box(QPointF(end.x() - size.width() / 2, below ? end.y() + 2 : end.y() - size.height() - 2), size);
        // Neighbouring marks of similar height would overlap: the later one steps away from its bar.
        for (bool moved = true; moved;) {
            moved = false;
            for (const QRectF& other : placed) {
                if (box.intersects(other)) {
                    box.moveTop(below ? other.bottom() + 1 : other.top() - size.height() - 1);
                    moved = true;
                }
            }
        }
        mark->setPos(box.topLeft());
        placed << box;
    }
}

QList<QRectF> CompositionChart::barBoxes() const
{
    QList<QRectF> boxes;
    const qreal slot = m_chart->plotArea().width() / kBarCount;
    const qreal axis = m_chart->mapToPosition(QPointF(0, 0), m_series).y();
    for (int bar = 0; bar < int(m_barValues.size()); ++bar) {
        const QPointF end = barEnd(bar);
        boxes << QRectF(QPointF(end.x() - slot * kBarWidth / 2, std::min(axis, end.y())),
                        QPointF(end.x() + slot * kBarWidth / 2, std::max(axis, end.y())));
    }
    return boxes;
}

void CompositionChart::placeLine()
{
    const auto z = m_line->value();
    if (!z)
        return;
    const QRectF plot = m_chart->plotArea();
    const qreal y = m_chart->mapToPosition(QPointF(0, *z), m_series).y();
    m_line->place(plot, y);
    // The caption stands as close to its line as it can, above or below it and as far left as
    // it can, without covering a bar or a mark.
    const QList<QRectF> taken = barBoxes() + markBoxes();
    const QSizeF size = m_line->captionSize();
    const auto free = [&](const QRectF& box) {
        return plot.contains(box)
               && std::none_of(taken.begin(), taken.end(), [&](const QRectF& t) { return t.intersects(box); });
    };
    for (qreal gap = 2; gap <= 80; gap += 6) {
        for (qreal x = kCaptionLeft; x + size.width() <= plot.right(); x += 8) {
            for (const qreal top : {y - size.height() - gap, y + gap}) {
                const QRectF box(QPointF(x, top), size);
                if (free(box)) {
                    m_line->moveCaption(box.topLeft());
                    return;
                }
            }
        }
    }
    m_line->moveCaption(QPointF(kCaptionLeft, y - size.height() - 2));
}

void CompositionChart::onBarHovered(bool entered, int, QBarSet* set)
{
    m_tipDelay.stop();
    if (!entered) {
        QToolTip::hideText();
        return;
    }
    const int bar = int(m_series->barSets().indexOf(set));
    if (bar < 0 || bar >= int(m_markItems.size()))
        return;
    m_tipText = m_markItems[bar]->toPlainText();
    m_tipDelay.start();
}

void CompositionChart::showTip()
{
    // The tip shows the bar's mark and disappears after two seconds.
    QToolTip::showText(QCursor::pos(), m_tipText, this, QRect(), 2000);
}

QStringList CompositionChart::barLabels() const
{
    QStringList labels;
    for (const QBarSet* set : m_series->barSets())
        labels << set->label();
    return labels;
}

QStringList CompositionChart::marks() const
{
    QStringList texts;
    for (const QGraphicsTextItem* mark : m_markItems)
        texts << mark->toPlainText();
    return texts;
}

QList<QRectF> CompositionChart::markBoxes() const
{
    QList<QRectF> boxes;
    for (const QGraphicsTextItem* mark : m_markItems)
        boxes << mark->mapRectToParent(mark->boundingRect());
    return boxes;
}

} // namespace belvane
