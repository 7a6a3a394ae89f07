#include "ui/stats/StatsChartStyle.h"

#include <QAbstractAxis>
#include <QBarCategoryAxis>
#include <QChart>
#include <QGraphicsLayout>
#include <QLocale>
#include <QPen>
#include <QValueAxis>

namespace belvane::statschart {

QFont chartFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void styleChart(QChart* chart, const QString& title)
{
    chart->setTheme(QChart::ChartThemeDark);
    chart->setBackgroundBrush(QColor(kChartBackground));
    chart->setBackgroundPen(Qt::NoPen);
    chart->setBackgroundRoundness(0);
    chart->setPlotAreaBackgroundVisible(false);
    chart->setTitle(title);
    chart->setTitleFont(chartFont(13, true));
    chart->setTitleBrush(QColor(Qt::white));
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 2, 4, 2));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setLocalizeNumbers(true);
    chart->setLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    chart->setAnimationOptions(QChart::NoAnimation);
}

void styleAxis(QAbstractAxis* axis)
{
    axis->setLabelsFont(chartFont(11));
    axis->setLabelsBrush(QColor(kAxisTextColour));
    axis->setLinePen(QPen(QColor(0x6a, 0x6a, 0x72), 1));
    axis->setGridLinePen(QPen(QColor(0x48, 0x48, 0x4f), 1));
    axis->setTitleFont(chartFont(12, true));
    axis->setTitleBrush(QColor(kAxisTextColour));
}

void styleMoneyAxis(QValueAxis* axis, const QString& title)
{
    styleAxis(axis);
    axis->setLabelFormat(QStringLiteral("%.0f"));
    axis->setMinorTickCount(0);
    if (!title.isEmpty())
        axis->setTitleText(title);
}

void dressBarChart(QChart* chart, const QString& title, QBarCategoryAxis* categories, QValueAxis* values)
{
    styleChart(chart, title);
    styleAxis(categories);
    categories->setGridLineVisible(false);
    styleMoneyAxis(values, QString());
}

} // namespace belvane::statschart
