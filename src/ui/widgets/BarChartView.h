#pragma once
// A bar chart of the program: one bar per figure over a row of captions, on a value axis at the
// left. The bars live in one stacked series whose sets are colour slots: bar i is drawn by set i
// modulo the palette size, so that with one colour per point the bars take the palette's colours
// in turn, and with one colour per series they all take the first. (A set per bar would give the
// same picture but cost a graphics item per bar and per set; two hundred expenses would make
// forty thousand.)
//
// The page a chart stands on dresses it: the statistics charts share that page's look, the
// budget summary keeps the plain dark theme.
#include <QChartView>
#include <QList>
#include <QStringList>

class QBarCategoryAxis;
class QBarSet;
class QStackedBarSeries;
class QValueAxis;

namespace belvane {

class BarChartView : public QChartView {
    Q_OBJECT
public:
    // Gives the chart its title and look, and the axes theirs, before the axes join the chart.
    using Dress = void (*)(QChart* chart, const QString& title, QBarCategoryAxis* categories,
                           QValueAxis* values);

    BarChartView(const QString& objectName, const QString& seriesName, const QString& title, Dress dress,
                 QWidget* parent);

    QStackedBarSeries* series() const { return m_series; }
    QBarCategoryAxis* categoryAxis() const { return m_categories; }
    QValueAxis* valueAxis() const { return m_values; }

    // Replaces the bars; labels and values pair up by position.
    void setBars(const QStringList& labels, const QList<double>& values);
    void clearBars();
    QStringList labels() const { return m_labels; }
    QList<double> values() const { return m_barValues; }
    int barCount() const { return int(m_barValues.size()); }

    // Stretches the value axis over the bars and `alsoShow`, leaving `headRoom` (a fraction of
    // the span) free above them and, when bars reach below zero, `footRoom` below them, and
    // rounds it to readable steps.
    void fitValueAxis(double alsoShow, double headRoom, double footRoom = 0.0);
    // Where the value `value` of bar `bar` lies on the chart.
    QPointF barPoint(int bar, double value) const;

signals:
    void barHovered(bool entered, int bar);
    // The bars moved or were replaced: whatever is drawn over them must be placed again.
    void barsMoved();

private:
    void onHovered(bool entered, int index, QBarSet* set);

    QStackedBarSeries* m_series;
    QBarCategoryAxis* m_categories;
    QValueAxis* m_values;
    QStringList m_labels;
    QList<double> m_barValues;
};

} // namespace belvane
