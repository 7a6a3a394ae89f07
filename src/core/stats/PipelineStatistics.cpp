#include "core/stats/PipelineStatistics.h"

#include "core/budget/StatusWords.h"
#include "core/history/HistoryColumns.h"
#include "core/history/HistoryCsv.h"
#include "core/history/HistoryTable.h"
#include "core/pricing/PriceCheck.h"
#include "core/text/DayCount.h"
#include "core/text/NumberFormat.h"

#include <QHash>

#include <algorithm>
#include <numeric>

namespace belvane {
namespace {

QString percentText(double value)
{
    return formatNumber(value, u"0.0") + QStringLiteral(" %");
}

QString money(double value)
{
    return QStringLiteral("R$ ") + formatNumber(value, u"#,##0.00");
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return quantile(values, 0.5);
}

// Entries by count or decisions, the largest first, then by name.
template <typename Entry, typename Size> void sortLargestFirst(std::vector<Entry>& entries, Size size)
{
    std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        return size(a) != size(b) ? size(a) > size(b) : a.first.localeAwareCompare(b.first) < 0;
    });
}

} // namespace

std::vector<PipelineRow> pipelineRows(const HistoryTable& table, QStringView yearText)
{
    std::vector<PipelineRow> rows;
    bool isYear = false;
    const int year = yearText.toInt(&isYear);
    if (!isYear || year < 1 || year > 9998)
        return rows;
    // The year as a span of day counts: one comparison per row instead of a calendar date.
    const double firstDay = dayCountFromDate(QDate(year, 1, 1));
    const double nextYear = dayCountFromDate(QDate(year + 1, 1, 1));
    for (int row = 0; row < table.rowCount(); ++row) {
        const double day = table.value(row, kColEditedDate);
        if (day < firstDay || day >= nextYear)
            continue;
        rows.push_back({table.text(row, kColNumber).toInt(), day, table.text(row, kColStatus),
                        table.value(row, kColBudgetValue), table.value(row, kColNegotiated),
                        table.text(row, kColClient)});
    }
    return rows;
}

std::optional<double> ConversionRate::percent() const
{
    if (decided == 0)
        return std::nullopt;
    return 100.0 * won / decided;
}

QString ConversionRate::text() const
{
    if (decided == 0)
        return QStringLiteral("sem orçamentos decididos");
    return QStringLiteral("%1 (%2 de %3)").arg(percentText(*percent())).arg(won).arg(decided);
}

QStringList PipelineStatistics::monthMarks() const
{
    QStringList marks;
    for (int month = 0; month < kMonthCount; ++month) {
        const std::optional<double> rate = months[std::size_t(month)].percent();
        marks << MonthLabels()[month] + QStringLiteral(": ")
                + (rate ? percentText(*rate) : QStringLiteral("—"));
    }
    return marks;
}

QString PipelineStatistics::openText() const
{
    if (openCount == 0)
        return QStringLiteral("nenhum aguardando");
    const QString days = openMedianAge == 1.0 ? QStringLiteral("dia") : QStringLiteral("dias");
    return QStringLiteral("%1 aguardando · %2 · mediana %3 %4")
        .arg(openCount)
        .arg(money(openValue), formatNumber(openMedianAge, u"0.#"), days);
}

QString PipelineStatistics::concessionText() const
{
    const QString above = aboveQuoteCount == 0
        ? QString()
        : QStringLiteral("%1 acima do valor orçado").arg(aboveQuoteCount);
    if (concessionCount == 0)
        return above.isEmpty() ? QStringLiteral("sem valores negociados") : above;
    const QString conceded = QStringLiteral("média %1 · mediana %2 (%3 %4)")
                                 .arg(percentText(concessionMean), percentText(concessionMedian))
                                 .arg(concessionCount)
                                 .arg(concessionCount == 1 ? QStringLiteral("negociado") : QStringLiteral("negociados"));
    return above.isEmpty() ? conceded : conceded + QStringLiteral(" · ") + above;
}

PipelineStatistics pipelineStatistics(const std::vector<PipelineRow>& rows, QStringView yearText,
                                      const QDate& today, const PipelineLookups& lookups)
{
    PipelineStatistics figures;
    bool isYear = false;
    const int year = yearText.toInt(&isYear);
    if (!isYear)
        return figures;
    const double todayDay = dayCountFromDate(today);
    QHash<QString, ConversionRate> byUse;
    QHash<QString, int> reasons;
    std::vector<double> concessions;
    std::vector<double> ages;
    std::vector<OpenQuote> open;
    for (const PipelineRow& row : rows) {
        if (row.editedDay == 0.0)
            continue;
        const QDate date = dateFromDayCount(row.editedDay);
        if (date.year() != year)
            continue;
        const bool revisedAfterWin =
            lookups.lastDecisionWon && !isDecidedStatus(row.status) && lookups.lastDecisionWon(row.number);
        const bool won = countsAsWon(row.status, revisedAfterWin);
        const bool lost = row.status == kStatusRejected;
        if (won || lost) {
            ConversionRate& month = figures.months[std::size_t(date.month() - 1)];
            const QString use = lookups.buildingUse ? lookups.buildingUse(row.number) : QString();
            ConversionRate& ofUse = byUse[use.isEmpty() ? QStringLiteral("não informado") : use];
            for (ConversionRate* rate : {&month, &figures.year, &ofUse}) {
                rate->decided += 1;
                rate->won += won ? 1 : 0;
            }
        }
        // A concession is what was given up below the quote; a budget won at or above it gave up
        // nothing and is counted apart, not as a negative concession.
        if (won && row.negotiated > 0.0 && row.quoted > 0.0) {
            if (row.negotiated < row.quoted)
                concessions.push_back(100.0 * (row.quoted - row.negotiated) / row.quoted);
            else
                ++figures.aboveQuoteCount;
        }
        if (lost) {
            const QString reason = lookups.lostReason ? lookups.lostReason(row.number) : QString();
            reasons[reason.isEmpty() ? QStringLiteral("sem motivo") : reason] += 1;
        }
        // A budget reopened and not yet decided ("Editado") still waits for the client; a date
        // ahead of today (another seat's clock) is no negative age.
        if (!won && (row.status == kStatusWaiting || row.status == kStatusEdited)) {
            const int age = std::max(0, int(todayDay - row.editedDay));
            figures.openValue += row.quoted;
            ages.push_back(age);
            open.push_back({row.number, row.client, age});
        }
    }
    figures.concessionCount = int(concessions.size());
    if (!concessions.empty()) {
        figures.concessionMean =
            std::accumulate(concessions.begin(), concessions.end(), 0.0) / double(concessions.size());
        figures.concessionMedian = median(concessions);
    }
    figures.openCount = int(open.size());
    if (!ages.empty())
        figures.openMedianAge = median(ages);
    const std::size_t shown = std::min<std::size_t>(5, open.size());
    std::partial_sort(open.begin(), open.begin() + std::ptrdiff_t(shown), open.end(),
                      [](const OpenQuote& a, const OpenQuote& b) {
                          return a.ageDays != b.ageDays ? a.ageDays > b.ageDays : a.number < b.number;
                      });
    figures.oldestOpen.assign(open.begin(), open.begin() + std::ptrdiff_t(shown));
    for (auto it = byUse.cbegin(); it != byUse.cend(); ++it)
        figures.byUse.emplace_back(it.key(), it.value());
    sortLargestFirst(figures.byUse, [](const auto& entry) { return entry.second.decided; });
    for (auto it = reasons.cbegin(); it != reasons.cend(); ++it)
        figures.lostReasons.emplace_back(it.key(), it.value());
    sortLargestFirst(figures.lostReasons, [](const auto& entry) { return entry.second; });
    return figures;
}

QByteArray pipelineCsv(const PipelineStatistics& figures, QStringView yearText)
{
    QStringList lines;
    const auto line = [&lines](const QStringList& fields) {
        QStringList quoted;
        for (const QString& field : fields)
            quoted << historyCsvField(field);
        lines << quoted.join(u';');
    };
    line({QStringLiteral("Funil de orçamentos"), yearText.toString()});
    line({QStringLiteral("Conversão no ano"), figures.year.text()});
    line({QStringLiteral("Concessão"), figures.concessionText()});
    line({QStringLiteral("Aguardando"), figures.openText()});
    lines << QString();
    line({QStringLiteral("Mês"), QStringLiteral("Ganhos"), QStringLiteral("Decididos"),
          QStringLiteral("Conversão %")});
    for (int month = 0; month < kMonthCount; ++month) {
        const ConversionRate& rate = figures.months[std::size_t(month)];
        line({MonthLabels()[month], QString::number(rate.won), QString::number(rate.decided),
              rate.percent() ? formatNumber(*rate.percent(), u"0.0") : QString()});
    }
    lines << QString();
    line({QStringLiteral("Uso"), QStringLiteral("Ganhos"), QStringLiteral("Decididos"),
          QStringLiteral("Conversão %")});
    for (const auto& [use, rate] : figures.byUse)
        line({use, QString::number(rate.won), QString::number(rate.decided),
              formatNumber(*rate.percent(), u"0.0")});
    lines << QString();
    line({QStringLiteral("Motivo da perda"), QStringLiteral("Orçamentos")});
    for (const auto& [reason, count] : figures.lostReasons)
        line({reason, QString::number(count)});
    lines << QString();
    line({QStringLiteral("Aguardando há mais tempo"), QStringLiteral("Cliente"), QStringLiteral("Dias")});
    for (const OpenQuote& quote : figures.oldestOpen)
        line({QString::number(quote.number), quote.client, QString::number(quote.ageDays)});
    return QByteArray("\xEF\xBB\xBF")
        + (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

} // namespace belvane
