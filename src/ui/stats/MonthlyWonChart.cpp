#include "ui/stats/MonthlyWonChart.h"

#include "ui/stats/StatsChartStyle.h"
#include "ui/widgets/BarMarks.h"
#include "ui/widgets/Theme.h"

#include <QBarCategoryAxis>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include <algorithm>
#include <utility>

namespace belvane {
namespace {

constexpr int kMonths = 12;
// Room above the tallest bar or line for the marks and the line captions.
constexpr double kHeadRoom = 0.3;
// Line colours as the program stores colours, 0x00BBGGRR.
constexpr quint32 kWithTechColour = 0x000000FF;
constexpr quint32 kWithoutTechColour = 0x00FF8000;
constexpr qreal kCaptionPadding = 4.0;
// Hiding a text costs a caption more than hiding part of a bar.
constexpr qreal kTextWeight = 4.0;

} // namespace

MonthlyWonChart::MonthlyWonChart(QWidget* parent)
    : BarChartView(QStringLiteral("ch4"), QStringLiteral("BarSeries2"),
                   QStringLiteral("Distribuição dos orçamentos negociados (aprovados/concluídos)"),
                   &statschart::dressBarChart, parent)
    , m_marks(new BarMarks(this))
{
    valueAxis()->setTitleText(QStringLiteral("R$"));
    // Added after the bars, the lines are drawn over them and the bars stay the first series.
    m_withTech = addLine("ChartTool5", theme::fromBgr(kWithTechColour));
    m_withoutTech = addLine("ChartTool7", theme::fromBgr(kWithoutTechColour));
    m_withTechCaption = addCaption(theme::fromBgr(kWithTechColour));
    m_withoutTechCaption = addCaption(theme::fromBgr(kWithoutTechColour));
    connect(this, &BarChartView::barsMoved, this, &MonthlyWonChart::placeCaptions);
}

QLineSeries* MonthlyWonChart::addLine(const char* name, const QColor& colour)
{
    auto* line = new QLineSeries(chart());
    line->setObjectName(QString::fromLatin1(name));
    line->setPen(QPen(colour, 2));
    chart()->addSeries(line);
    line->attachAxis(categoryAxis());
    line->attachAxis(valueAxis());
    return line;
}

QGraphicsSimpleTextItem* MonthlyWonChart::addCaption(const QColor& colour)
{
    // On a dark chip, so the caption stays legible over bars and their marks.
    auto* chip = new QGraphicsRectItem(chart());
    chip->setBrush(QColor(16, 16, 20, 200));
    chip->setPen(QPen(colour, 1));
    chip->setZValue(12);
    auto* caption = new QGraphicsSimpleTextItem(chip);
    caption->setFont(statschart::chartFont(11, true));
    caption->setBrush(colour.lighter(140));
    caption->setPos(kCaptionPadding, 1);
    return caption;
}

void MonthlyWonChart::showMonths(const QStringList& labels, const QList<double>& sums, const QStringList& marks)
{
    setBars(labels, sums);
    m_marks->setTexts(marks);
    // Refitting places the marks, then the line captions around them.
    refit();
}

void MonthlyWonChart::setCostLines(double withTech, const QString& withTechText, double withoutTech,
                                   const QString& withoutTechText)
{
    m_withTechValue = withTech;
    m_withoutTechValue = withoutTech;
    moveLine(m_withTech, withTech);
    moveLine(m_withoutTech, withoutTech);
    for (auto [caption, text] : {std::pair{m_withTechCaption, withTechText}, std::pair{m_withoutTechCaption, withoutTechText}}) {
        caption->setText(text);
        const QRectF box = caption->boundingRect();
        chip(caption)->setRect(0, 0, box.width() + 2 * kCaptionPadding, box.height() + 2);
    }
    refit();
}

QString MonthlyWonChart::withTechCaption() const
{
    return m_withTechCaption->text();
}

QString MonthlyWonChart::withoutTechCaption() const
{
    return m_withoutTechCaption->text();
}

void MonthlyWonChart::moveLine(QLineSeries* line, double value)
{
    // Across the whole width of the twelve months.
    line->replace(QList<QPointF>{{-0.5, value}, {kMonths - 0.5, value}});
}

void MonthlyWonChart::refit()
{
    fitValueAxis(std::max(m_withTechValue, m_withoutTechValue), kHeadRoom);
}

QGraphicsRectItem* MonthlyWonChart::chip(QGraphicsSimpleTextItem* caption)
{
    return static_cast<QGraphicsRectItem*>(caption->parentItem());
}

void MonthlyWonChart::placeCaptions()
{
    // Each caption hugs its line, above or below it, where it hides the least of the bars, the
    // marks and the other caption.
    const auto lineY = [this](double value) { return chart()->mapToPosition(QPointF(0, value), m_withTech).y(); };
    Occupied taken = occupiedAreas();
    for (auto [caption, value] : {std::pair{m_withTechCaption, m_withTechValue}, std::pair{m_withoutTechCaption, m_withoutTechValue}}) {
        QGraphicsRectItem* box = chip(caption);
        box->setPos(freestPlace(box->rect().size(), lineY(value), taken));
        taken.append({box->mapRectToParent(box->rect()), kTextWeight});
    }
}

MonthlyWonChart::Occupied MonthlyWonChart::occupiedAreas() const
{
    Occupied areas;
    for (int bar = 0; bar < barCount(); ++bar) {
        areas.append({m_marks->markRect(bar), kTextWeight});
        const QPointF base = barPoint(bar, 0.0);
        const QPointF top = barPoint(bar, values()[bar]);
        const qreal halfWidth = (barPoint(1, 0.0).x() - barPoint(0, 0.0).x()) * 0.35;
        areas.append({QRectF(QPointF(base.x() - halfWidth, top.y()), QPointF(base.x() + halfWidth, base.y())).normalized(), 1.0});
    }
    return areas;
}

QPointF MonthlyWonChart::freestPlace(const QSizeF& size, qreal lineY, const Occupied& taken) const
{
    // Along the line from the right end leftwards, first above it, then below it: the place that
    // covers the least; among equals the first tried.
    const QRectF plot = chart()->plotArea();
    const qreal step = std::max<qreal>(4.0, plot.width() / (2 * kMonths));
    QList<QPointF> places;
    for (qreal y : {lineY - size.height() - 1, lineY + 2}) {
        for (qreal x = plot.right() - size.width() - 2; x >= plot.left() + 2; x -= step)
            places << QPointF(x, y);
    }
    if (places.isEmpty())
        return QPointF(plot.left(), lineY - size.height() - 1);
    const auto cover = [&](const QPointF& place) {
        qreal covered = 0.0;
        for (const auto& [area, weight] : taken) {
            const QRectF overlap = QRectF(place, size).intersected(area);
            covered += overlap.width() * overlap.height() * weight;
        }
        return covered;
    };
    return *std::min_element(places.begin(), places.end(),
                             [&](const QPointF& a, const QPointF& b) { return cover(a) < cover(b); });
}

} // namespace belvane
