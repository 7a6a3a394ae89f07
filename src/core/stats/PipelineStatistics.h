#pragma once
// The office's sales funnel for one year: what share of the quotes the client decided on were
// won, month by month and by building use; how much was given away between the quoted and the
// negotiated value of what was won; what is still waiting for an answer and for how long; and
// why budgets were lost.
//
// A budget is won when its status is exactly "Aprovado" or "Concluído", or when it was revised
// after its last decision, a win (countsAsWon); lost when it is exactly "Reprovado"; open when it
// is exactly "Aguardando" or "Editado" and not won; won and lost ones are the decided ones. It
// belongs to the year and month of its edit date ("Data Edição"), like the other statistics.
#include "core/stats/YearStatistics.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace belvane {

class HistoryTable;

// The cells of one history row the funnel reads.
struct PipelineRow {
    int number = 0;
    double editedDay = 0.0; // 0: no date
    QString status;
    double quoted = 0.0;     // "Calculado[R$]"
    double negotiated = 0.0; // 0: none
    QString client;
};

// The rows whose edit date falls in the year the text names; none for a text that is no year.
std::vector<PipelineRow> pipelineRows(const HistoryTable& table, QStringView yearText);

struct ConversionRate {
    int won = 0;
    int decided = 0;
    // Won ÷ decided as a percentage; none while nothing was decided.
    std::optional<double> percent() const;
    // "66,7 % (2 de 3)"; "sem orçamentos decididos" while nothing was decided.
    QString text() const;
};

struct OpenQuote {
    int number = 0;
    QString client;
    int ageDays = 0;
};

struct PipelineStatistics {
    std::array<ConversionRate, kMonthCount> months{};
    ConversionRate year;
    // By building use, the most decided first; a budget whose use is unknown counts as
    // "não informado".
    std::vector<std::pair<QString, ConversionRate>> byUse;
    // (quoted − negotiated) ÷ quoted of the won budgets negotiated below the quote, in percent;
    // those won at or above the quote are counted apart.
    int concessionCount = 0;
    int aboveQuoteCount = 0;
    double concessionMean = 0.0;
    double concessionMedian = 0.0;
    int openCount = 0;
    double openValue = 0.0;
    double openMedianAge = 0.0;        // days
    std::vector<OpenQuote> oldestOpen; // at most five, the oldest first
    // Lost budgets by the reason given, the most frequent first; "sem motivo" when none was.
    std::vector<std::pair<QString, int>> lostReasons;

    // "Jan: 66,7 %" per month, "Jan: —" for a month without decisions.
    QStringList monthMarks() const;
    // "1 aguardando · R$ 7.139,04 · mediana 12 dias"; "nenhum aguardando".
    QString openText() const;
    // "média 8,3 % · mediana 7,5 % (4 negociados) · 2 acima do valor orçado"; "sem valores negociados".
    QString concessionText() const;
};

// What the funnel needs beyond the history: a budget's building use, the reason recorded
// when it was lost (empty when none), and its last decision. Each is asked only for the budgets that need it.
struct PipelineLookups {
    std::function<QString(int number)> buildingUse;
    std::function<QString(int number)> lostReason;
    // Whether the last decision the budget's status history records was a win.
    std::function<bool(int number)> lastDecisionWon;
};

// The funnel of the year the selector's text names; an empty or non-year text gives an empty one.
PipelineStatistics pipelineStatistics(const std::vector<PipelineRow>& rows, QStringView yearText,
                                      const QDate& today, const PipelineLookups& lookups);

// The figures as a spreadsheet file, by the history's CSV rules: one section per figure.
QByteArray pipelineCsv(const PipelineStatistics& figures, QStringView yearText);

} // namespace belvane
