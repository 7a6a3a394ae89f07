#pragma once
// The dark look the statistics charts share: the chart lies flat on its panel's colour with a
// light bold title, no legend, light axis labels and faint grid lines, and numbers on the axes
// in Brazilian form (thousands dot, decimal comma).
#include <QFont>
#include <QString>

class QAbstractAxis;
class QBarCategoryAxis;
class QChart;
class QValueAxis;

namespace belvane::statschart {

inline constexpr auto kChartBackground = "#333338";
inline constexpr auto kAxisTextColour = "#d6d6dc";

QFont chartFont(int pixelSize, bool bold = false);
void styleChart(QChart* chart, const QString& title);
void styleAxis(QAbstractAxis* axis);
// A money axis: whole reais with thousands dots, titled when a title is given.
void styleMoneyAxis(QValueAxis* axis, const QString& title);
// A bar chart of the page: the chart's look, captions without grid lines, a money axis.
void dressBarChart(QChart* chart, const QString& title, QBarCategoryAxis* categories, QValueAxis* values);

} // namespace belvane::statschart
