#include "core/stats/YearStatistics.h"

#include "core/stats/CostShare.h"
#include "core/text/DayCount.h"
#include "core/text/NumberFormat.h"

#include <cmath>
#include <optional>

namespace belvane {
namespace {

constexpr int kMostCountSteps = 10;

std::optional<QDate> editedDateOf(const HistoryStatRow& row)
{
    if (row.editedDay == 0.0)
        return std::nullopt;
    const QDate date = dateFromDayCount(row.editedDay);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

// The sums were single-precision fields: every addition is rounded to single precision when
// stored. A value that is no number adds nothing.
void addRounded(float& sum, double value)
{
    if (std::isfinite(value))
        sum = static_cast<float>(double(sum) + value);
}

QString moneyText(double value)
{
    return formatNumber(value, u"#,##0.00");
}

} // namespace

HistoryStatRow HistoryStatRow::fromTexts(QStringView editedDate, QStringView negotiated, QString status)
{
    HistoryStatRow row;
    row.editedDay = parseDateText(editedDate).value_or(0.0);
    row.negotiated = parseNumber(negotiated).value_or(0.0);
    row.status = std::move(status);
    return row;
}

const QStringList& MonthLabels()
{
    static const QStringList labels = {
        QStringLiteral("Jan"), QStringLiteral("Fev"), QStringLiteral("Mar"), QStringLiteral("Abril"),
        QStringLiteral("Maio"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Ago"),
        QStringLiteral("Set"), QStringLiteral("Out"), QStringLiteral("Nov"), QStringLiteral("Dez")};
    return labels;
}

YearChoice yearChoice(const QList<HistoryStatRow>& rows)
{
    YearChoice choice;
    std::optional<int> latest;
    for (const HistoryStatRow& row : rows) {
        const std::optional<QDate> date = editedDateOf(row);
        if (!date)
            continue;
        const QString year = QString::number(date->year());
        if (!choice.years.contains(year))
            choice.years.append(year);
        if (!latest || date->year() > *latest)
            latest = date->year();
    }
    if (latest)
        choice.selected = QString::number(*latest);
    return choice;
}

BudgetYearStatistics budgetYearStatistics(const QList<HistoryStatRow>& rows, QStringView yearText,
                                          const TOfficeData& office)
{
    BudgetYearStatistics figures;
    figures.costWithTech = office.CostWithTech;
    figures.costWithoutTech = office.CostWithoutTech;
    bool isYear = false;
    const int year = yearText.trimmed().toInt(&isYear);
    if (!isYear)
        return figures;
    for (const HistoryStatRow& row : rows) {
        const std::optional<QDate> date = editedDateOf(row);
        const std::optional<int> bin = statusBinOf(row.status);
        if (!date || date->year() != year || !bin)
            continue;
        ++figures.binCounts[std::size_t(*bin)];
        if (isWonStatus(row.status)) {
            addRounded(figures.monthSums[std::size_t(date->month() - 1)], row.negotiated);
            addRounded(figures.accumulated, row.negotiated);
        }
    }
    return figures;
}

QStringList BudgetYearStatistics::statusMarks() const
{
    int total = 0;
    for (int count : binCounts)
        total += count;
    QStringList marks;
    for (int bin = 0; bin < kStatusBinCount; ++bin) {
        marks << statusBinLabels()[bin] + QStringLiteral(": ")
                     + percentText(binCounts[std::size_t(bin)], total);
    }
    return marks;
}

QStringList BudgetYearStatistics::monthMarks() const
{
    QStringList marks;
    for (int month = 0; month < kMonthCount; ++month)
        marks << MonthLabels()[month] + QStringLiteral(": ") + moneyText(monthSums[std::size_t(month)]);
    return marks;
}

QString BudgetYearStatistics::costWithTechText() const
{
    return QStringLiteral("Custo total: R$ ") + moneyText(costWithTech);
}

QString BudgetYearStatistics::costWithoutTechText() const
{
    return QStringLiteral("Custo parcial: R$ ") + moneyText(costWithoutTech);
}

int countAxisStep(int largestCount)
{
    // Round steps 1, 2, 5, 10, 20, 50, ... until the axis needs few enough of them.
    int step = 1;
    for (int decade = 1; largestCount > qint64(step) * kMostCountSteps; decade *= 10) {
        for (int factor : {1, 2, 5}) {
            step = factor * decade;
            if (largestCount <= qint64(step) * kMostCountSteps)
                break;
        }
    }
    return step;
}

} // namespace belvane
