#include "ui/widgets/ChartLook.h"
#include "ui/widgets/ChartPalettes.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QPieSeries>
#include <QPieSlice>
#include <QSet>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

using namespace belvane;

namespace {

QBarSeries* barsWithSets(QChart& chart, int sets)
{
    auto* series = new QBarSeries(&chart);
    for (int i = 0; i < sets; ++i)
        series->append(new QBarSet(QString::number(i)));
    chart.addSeries(series);
    return series;
}

QList<QColor> setColours(const QBarSeries* series)
{
    QList<QColor> colours;
    for (const QBarSet* set : series->barSets())
        colours << set->brush().color();
    return colours;
}

double luminance(const QColor& colour)
{
    const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

} // namespace

TEST(ChartLookTest, PointsTakeThePaletteInTurnOrAllItsFirstColour)
{
    QChart chart;
    QBarSeries* series = barsWithSets(chart, 3);
    ChartLook{4, true, false}.applyTo(&chart, series);
    EXPECT_EQ(setColours(series), (QList<QColor>{ChartPalettes::color(4, 0), ChartPalettes::color(4, 1),
                                                 ChartPalettes::color(4, 2)}));
    ChartLook::setColorEachPoint(series, false);
    EXPECT_EQ(setColours(series), QList<QColor>(3, ChartPalettes::color(4, 0)));
    for (const QBarSet* set : series->barSets())
        EXPECT_EQ(set->pen().style(), Qt::NoPen);
}

TEST(ChartLookTest, TheLookIsReadBackFromTheChartAndSeriesThatHoldIt)
{
    QChart chart;
    QBarSeries* series = barsWithSets(chart, 2);
    EXPECT_EQ(ChartLook::of(&chart, series), ChartLook{});
    const ChartLook look{13, true, true};
    look.applyTo(&chart, series);
    EXPECT_EQ(ChartLook::of(&chart, series), look);
    ChartLook::setPalette(&chart, 2);
    EXPECT_EQ(ChartLook::of(&chart, series), (ChartLook{2, true, true}));
}

TEST(ChartLookTest, GradientFillsBarsButKeepsTheirColour)
{
    QChart chart;
    QBarSeries* series = barsWithSets(chart, 2);
    ChartLook{0, true, true}.applyTo(&chart, series);
    const QBrush brush = series->barSets()[1]->brush();
    ASSERT_EQ(brush.style(), Qt::LinearGradientPattern);
    bool hasBase = false;
    for (const QGradientStop& stop : brush.gradient()->stops())
        hasBase = hasBase || stop.second == ChartPalettes::color(0, 1);
    EXPECT_TRUE(hasBase);
    ChartLook::setBarGradient(series, false);
    EXPECT_EQ(series->barSets()[1]->brush().style(), Qt::SolidPattern);
}

TEST(ChartLookTest, OwnColoursSurviveThePaletteAndSetsAddedLaterTakeTheLook)
{
    QChart chart;
    QBarSeries* series = barsWithSets(chart, 2);
    ChartLook::setOwnColor(series->barSets()[0], Qt::white);
    ChartLook{6, true, false}.applyTo(&chart, series);
    ChartLook::setPalette(&chart, 9);
    EXPECT_EQ(series->barSets()[0]->brush().color(), QColor(Qt::white));
    EXPECT_EQ(series->barSets()[1]->brush().color(), ChartPalettes::color(9, 1));

    series->append(new QBarSet(QStringLiteral("late")));
    EXPECT_EQ(series->barSets()[2]->brush().color(), ChartPalettes::color(9, 2));
}

TEST(ChartLookTest, RingSlicesFollowThePaletteAndOtherSeriesAreLeftAlone)
{
    QChart chart;
    QBarSeries* untouched = barsWithSets(chart, 1);
    untouched->barSets()[0]->setBrush(Qt::darkRed);
    auto* ring = new QPieSeries(&chart);
    chart.addSeries(ring);
    ChartLook{1, true, true}.applyTo(&chart, ring);
    ring->append(QStringLiteral("Fixo"), 3);
    ring->append(QStringLiteral("Variável"), 1);
    EXPECT_EQ(ring->slices()[1]->brush().color(), ChartPalettes::color(1, 1));
    EXPECT_EQ(ring->slices()[1]->brush().style(), Qt::SolidPattern);
    ChartLook::setColorEachPoint(ring, false);
    EXPECT_EQ(ring->slices()[1]->brush().color(), ChartPalettes::color(1, 0));
    EXPECT_EQ(untouched->barSets()[0]->brush().color(), QColor(Qt::darkRed));
}

TEST(ChartLookTest, AnyStoredPaletteNumberDraws)
{
    QChart chart;
    QBarSeries* series = barsWithSets(chart, 1);
    ChartLook{200, false, false}.applyTo(&chart, series);
    EXPECT_EQ(ChartLook::paletteOf(&chart), 200);
    EXPECT_EQ(series->barSets()[0]->brush().color(), ChartPalettes::color(0, 0));
    EXPECT_EQ(ChartPalettes::color(-1, -1), ChartPalettes::color(19, 9));
}

TEST(ChartPalettesTest, TwentyDistinctPalettesOfDistinctColoursReadableOnTheDarkPanels)
{
    const double panel = luminance(QColor(0x33, 0x33, 0x38));
    QSet<QString> palettes;
    QSet<QString> names;
    for (int palette = 0; palette < ChartPalettes::kCount; ++palette) {
        QSet<QRgb> colours;
        QString signature;
        for (int i = 0; i < ChartPalettes::kSize; ++i) {
            const QColor colour = ChartPalettes::color(palette, i);
            colours.insert(colour.rgb());
            signature += colour.name();
            EXPECT_GE((luminance(colour) + 0.05) / (panel + 0.05), 3.0) << palette << " " << i;
        }
        EXPECT_EQ(colours.size(), ChartPalettes::kSize) << palette;
        palettes.insert(signature);
        names.insert(ChartPalettes::name(palette));
    }
    EXPECT_EQ(palettes.size(), ChartPalettes::kCount);
    EXPECT_EQ(names.size(), ChartPalettes::kCount);
}
