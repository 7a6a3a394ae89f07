#include "ui/budget/CompositionChart.h"

#include "core/budget/BudgetIndices.h"
#include "core/text/NumberFormat.h"
#include "ui/budget/ZeroProfitLine.h"
#include "ui/widgets/BarMarks.h"
#include "ui/widgets/ChartTip.h"

#include <QBarCategoryAxis>
#include <QLocale>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>

namespace belvane {
namespace {

constexpr int kBarCount = 8;
const QStringList kBarLabels = {u"RRT"_qs, u"Terceiros"_qs, u"Despesa própria"_qs, u"Imposto"_qs,
                                u"Lucro"_qs, u"Ad.Qualificação"_qs, u"Desc.Repetição"_qs, u"Orçamento"_qs};
// Room for the two-line marks above the highest bar and below the lowest, as a share of the axis.
constexpr double kMarkRoom = 0.12;
// The caption of the zero-profit line starts at this distance from the chart's left edge, or
// further right where a bar or a mark stands there.
constexpr qreal kCaptionLeft = 62;
// Behind the bars (series stand at 4) and in front of the grid lines (2).
constexpr qreal kLineZ = 3.5;

// The plain dark theme, with the bars' captions left to the marks.
void dressChart(QChart* chart, const QString& title, QBarCategoryAxis* categories, QValueAxis* values)
{
    chart->setTheme(QChart::ChartThemeDark);
    chart->setTitle(title);
    chart->legend()->hide();
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setLocalizeNumbers(true);
    chart->setLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    categories->setVisible(false);
    values->setLabelFormat(QStringLiteral("%.0f"));
}

} // namespace

CompositionChart::CompositionChart(QWidget* parent)
    : BarChartView(QStringLiteral("ch2"), QStringLiteral("Series2"),
                   QStringLiteral("Composição do orçamento"), &dressChart, parent)
    , m_line(new ZeroProfitLine(chart()))
    , m_marks(new BarMarks(this, BarMarks::Look::UprightText))
    , m_tip(new ChartTip(this))
{
    setBackgroundBrush(QColor(0x33, 0x33, 0x38));
    m_line->setZValue(kLineZ);
    // Connected after the marks, which are placed first: the caption keeps clear of them.
    connect(this, &BarChartView::barsMoved, this, &CompositionChart::placeLine);
    connect(this, &BarChartView::barHovered, this, &CompositionChart::onBarHovered);
}

void CompositionChart::showComposition(const TBudgetData& b)
{
    const QList<double> amounts = {b.RRT, b.ThirdParty, b.OwnExpenses, b.Taxes, b.Profit,
                                   b.QualificationAddition, -double(b.RepetitionDiscount), b.BudgetValue};
    setBars(kBarLabels, amounts);
    QStringList texts;
    for (int bar = 0; bar < kBarCount; ++bar)
        texts << kBarLabels[bar] + QLatin1Char('\n') + formatNumber(amounts[bar], u"0,00");
    m_marks->setTexts(texts);
    refit();
}

void CompositionChart::showZeroProfit(std::optional<float> value)
{
    m_line->setValue(value, value ? zeroProfitCaption(*value) : QString());
    refit();
}

void CompositionChart::refit()
{
    const auto z = m_line->value();
    fitValueAxis(z ? double(*z) : 0.0, kMarkRoom, kMarkRoom);
}

QPointF CompositionChart::barEnd(int bar) const
{
    return barPoint(bar, values().value(bar));
}

QList<QRectF> CompositionChart::barBoxes() const
{
    QList<QRectF> boxes;
    const qreal halfWidth = chart()->plotArea().width() / kBarCount * series()->barWidth() / 2;
    const qreal axis = barPoint(0, 0.0).y();
    for (int bar = 0; bar < barCount(); ++bar) {
        const QPointF end = barEnd(bar);
        boxes << QRectF(QPointF(end.x() - halfWidth, std::min(axis, end.y())),
                        QPointF(end.x() + halfWidth, std::max(axis, end.y())));
    }
    return boxes;
}

void CompositionChart::placeLine()
{
    const auto z = m_line->value();
    if (!z)
        return;
    const QRectF plot = chart()->plotArea();
    const qreal y = barPoint(0, *z).y();
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

void CompositionChart::onBarHovered(bool entered, int bar)
{
    // The tip repeats the bar's mark.
    if (entered && bar < int(m_marks->texts().size()))
        m_tip->enter(m_marks->texts()[bar]);
    else
        m_tip->leave();
}

QStringList CompositionChart::marks() const
{
    return m_marks->texts();
}

QList<QRectF> CompositionChart::markBoxes() const
{
    QList<QRectF> boxes;
    for (int bar = 0; bar < int(m_marks->texts().size()); ++bar)
        boxes << m_marks->markRect(bar);
    return boxes;
}

} // namespace belvane
