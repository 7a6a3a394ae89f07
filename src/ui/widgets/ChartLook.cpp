#include "ui/widgets/ChartLook.h"

#include "ui/widgets/ChartPalettes.h"

#include <QAbstractBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLinearGradient>
#include <QPen>
#include <QPieSeries>
#include <QPieSlice>

namespace belvane {
namespace {

constexpr const char* kPaletteProperty = "belvaneChartPalette";
constexpr const char* kEachPointProperty = "belvaneColorEachPoint";
constexpr const char* kGradientProperty = "belvaneBarGradient";
constexpr const char* kOwnColorProperty = "belvaneOwnColor";
constexpr const char* kHasLookProperty = "belvaneHasLook";
// Slices are separated by a line of the panel colour when the chart has no background brush.
constexpr QRgb kRingSeparator = 0x333338;

// A rounded, lit-from-the-left fill across each bar: the gradient is laid over the bar's own
// rectangle, whatever its size.
QBrush barBrush(const QColor& base, bool gradient)
{
    if (!gradient)
        return QBrush(base);
    QLinearGradient fill(0.0, 0.0, 1.0, 0.0);
    fill.setCoordinateMode(QGradient::ObjectMode);
    fill.setColorAt(0.0, base.lighter(115));
    fill.setColorAt(0.3, base.lighter(160));
    fill.setColorAt(0.65, base);
    fill.setColorAt(1.0, base.darker(190));
    return QBrush(fill);
}

QColor pointColor(const QAbstractSeries* series, int point)
{
    const int palette = ChartLook::paletteOf(series->chart());
    return ChartPalettes::color(palette, ChartLook::colorEachPointOf(series) ? point : 0);
}

void repaintBars(QAbstractBarSeries* series)
{
    const bool gradient = ChartLook::barGradientOf(series);
    const QList<QBarSet*> sets = series->barSets();
    for (int i = 0; i < sets.size(); ++i) {
        const QVariant own = sets[i]->property(kOwnColorProperty);
        const QColor base = own.isValid() ? own.value<QColor>() : pointColor(series, i);
        sets[i]->setBrush(barBrush(base, gradient));
        sets[i]->setPen(Qt::NoPen);
    }
}

void repaintRing(QPieSeries* series)
{
    const QChart* chart = series->chart();
    const QColor separator = chart && chart->backgroundBrush().style() != Qt::NoBrush
                                 ? chart->backgroundBrush().color()
                                 : QColor(kRingSeparator);
    const QList<QPieSlice*> slices = series->slices();
    for (int i = 0; i < slices.size(); ++i) {
        slices[i]->setBrush(pointColor(series, i));
        slices[i]->setPen(QPen(separator, 2));
    }
}

// From its first look on, a series redraws itself whenever points are added to it.
void giveLook(QAbstractSeries* series)
{
    if (series->property(kHasLookProperty).toBool())
        return;
    series->setProperty(kHasLookProperty, true);
    if (auto* bars = qobject_cast<QAbstractBarSeries*>(series))
        QObject::connect(bars, &QAbstractBarSeries::barsetsAdded, bars, [bars] { ChartLook::repaint(bars); });
    else if (auto* ring = qobject_cast<QPieSeries*>(series))
        QObject::connect(ring, &QPieSeries::added, ring, [ring] { ChartLook::repaint(ring); });
}

} // namespace

ChartLook ChartLook::of(const QChart* chart, const QAbstractSeries* series)
{
    return {paletteOf(chart), colorEachPointOf(series), barGradientOf(series)};
}

void ChartLook::applyTo(QChart* chart, QAbstractSeries* series) const
{
    giveLook(series);
    series->setProperty(kEachPointProperty, colorEachPoint);
    series->setProperty(kGradientProperty, barGradient);
    setPalette(chart, palette);
    repaint(series);
}

int ChartLook::paletteOf(const QChart* chart)
{
    return chart ? chart->property(kPaletteProperty).toInt() : 0;
}

void ChartLook::setPalette(QChart* chart, int palette)
{
    chart->setProperty(kPaletteProperty, palette);
    for (QAbstractSeries* series : chart->series()) {
        if (series->property(kHasLookProperty).toBool())
            repaint(series);
    }
}

bool ChartLook::colorEachPointOf(const QAbstractSeries* series)
{
    return series->property(kEachPointProperty).toBool();
}

void ChartLook::setColorEachPoint(QAbstractSeries* series, bool on)
{
    giveLook(series);
    series->setProperty(kEachPointProperty, on);
    repaint(series);
}

bool ChartLook::barGradientOf(const QAbstractSeries* series)
{
    return series->property(kGradientProperty).toBool();
}

void ChartLook::setBarGradient(QAbstractSeries* series, bool on)
{
    giveLook(series);
    series->setProperty(kGradientProperty, on);
    repaint(series);
}

void ChartLook::setOwnColor(QBarSet* set, const QColor& color)
{
    set->setProperty(kOwnColorProperty, color);
    if (auto* series = qobject_cast<QAbstractBarSeries*>(set->parent()))
        repaint(series);
}

void ChartLook::repaint(QAbstractSeries* series)
{
    if (auto* bars = qobject_cast<QAbstractBarSeries*>(series))
        repaintBars(bars);
    else if (auto* ring = qobject_cast<QPieSeries*>(series))
        repaintRing(ring);
}

} // namespace belvane
