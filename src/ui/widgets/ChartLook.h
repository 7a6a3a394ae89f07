#pragma once
// The look of the program's bar and ring charts: which of the twenty palettes a chart draws its
// colours from, whether the points of a series each take their own palette colour or all share
// the series' single colour (the "Monocromático" look), and whether bars are filled with a
// gradient. These three values are what the settings file keeps.
//
// The look lives on the charts themselves: a chart holds its palette number and each series its
// two switches. Changing one of them redraws the series concerned, and a series that has been
// given a look redraws itself whenever bars or slices are added to it, so a chart refilled with
// new figures keeps its look. Only series given a look are touched: other series of the same chart
// (reference lines, for instance) keep their own pens.
//
// Bar series are drawn set by set: set i takes the palette's colour i, or the first colour when
// the points share one. A chart that wants one colour per bar gives each bar a set of its own (or
// a set per palette colour). A set given its own colour keeps it whatever the palette says; the
// gradient still applies to it. Ring slices take the palette colours the same way; gradients are
// for bars only. Bars have no outline; slices are separated by a line of the chart's background.
class QAbstractSeries;
class QBarSet;
class QChart;
class QColor;

namespace belvane {

struct ChartLook {
    int palette = 0;
    bool colorEachPoint = false;
    bool barGradient = false;

    bool operator==(const ChartLook&) const = default;

    // The look a chart and one of its series hold.
    static ChartLook of(const QChart* chart, const QAbstractSeries* series);
    // Gives the chart the palette and the series both switches, and redraws the series.
    void applyTo(QChart* chart, QAbstractSeries* series) const;

    static int paletteOf(const QChart* chart);
    // Redraws every series of the chart that has been given a look.
    static void setPalette(QChart* chart, int palette);
    static bool colorEachPointOf(const QAbstractSeries* series);
    static void setColorEachPoint(QAbstractSeries* series, bool on);
    static bool barGradientOf(const QAbstractSeries* series);
    static void setBarGradient(QAbstractSeries* series, bool on);

    // A bar set that keeps this colour whatever the palette and the colour-per-point switch say.
    static void setOwnColor(QBarSet* set, const QColor& color);

    // Draws the series from its chart's palette and its own switches.
    static void repaint(QAbstractSeries* series);
};

} // namespace belvane
