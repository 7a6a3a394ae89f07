#pragma once
// The budgets of one reference year, as the lower panel of the statistics page shows them: the
// list of years the history holds, how many budgets of the year stand in each status, and month
// by month the negotiated value of the budgets that were won, against the office's monthly cost.
//
// The history reaches this code as a list of HistoryStatRow, one per history row in grid order,
// holding the three cells the statistics read, already converted by their column kinds: the
// edit date as a day count ("Data Edição"; 0 is the empty date), the negotiated value
// ("Negociado[R$] "; an empty cell is 0) and the status text.
//
// A row belongs to the year and month of its edit date — the date of the budget's last change,
// not the one it was issued on. A row whose date is empty or no date belongs to no year: it is
// not listed and never counted.
#include "core/office/OfficeRecord.h"
#include "core/stats/StatusBins.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

namespace belvane {

inline constexpr int kMonthCount = 12;

struct HistoryStatRow {
    double editedDay = 0.0;
    double negotiated = 0.0;
    QString status;

    // The row from the cells' texts: "dd/mm/yyyy" for the date and a Brazilian number for the
    // negotiated value. A text that spells no date gives the empty date, one that spells no
    // number gives 0, as the history grid converts them.
    static HistoryStatRow fromTexts(QStringView editedDate, QStringView negotiated, QString status);
};

// The bar captions of the months 1 to 12: "Jan", "Fev", "Mar", "Abril", "Maio", ... "Dez".
const QStringList& MonthLabels();

// The year selector's content: each year once, in the order in which the rows first show it
// (not sorted), and the latest year found, which is the one selected. Both are empty for a
// history without a dated row.
struct YearChoice {
    QStringList years;
    QString selected;
};
YearChoice yearChoice(const QList<HistoryStatRow>& rows);

struct BudgetYearStatistics {
    std::array<int, kStatusBinCount> binCounts{};
    // Held in single precision, each addition rounded, as the sums were always kept.
    std::array<float, kMonthCount> monthSums{};
    float accumulated = 0.0f;
    // Where the two reference lines stand: the office's cost with and without technical staff.
    double costWithTech = 0.0;
    double costWithoutTech = 0.0;

    // The marks of the status bars: caption and share of all five bars, "Aprovado: 33,3 %".
    QStringList statusMarks() const;
    // The marks of the month bars: caption and value, "Mar: 1.500,00".
    QStringList monthMarks() const;
    // The captions of the two reference lines, named like the office totals they show.
    QString costWithTechText() const;
    QString costWithoutTechText() const;
};

// The figures of the year the selector's text names. An empty text, or one that is no year,
// selects nothing: every bar is 0 and only the reference lines follow the office.
BudgetYearStatistics budgetYearStatistics(const QList<HistoryStatRow>& rows, QStringView yearText,
                                          const TOfficeData& office);

// The step of a count axis: whole budgets, one by one while the tallest bar is small, and in a
// larger round step (2, 5, 10, 20, ...) when one-by-one labels would crowd the axis.
int countAxisStep(int largestCount);

} // namespace belvane
