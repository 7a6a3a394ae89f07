#pragma once
// The report of a saved budget, shown from the history page: 29 coloured lines with the budget's
// identification, client, classification, resources, cost items, computed value, tax and profit,
// then the value actually negotiated with the client and the tax and profit that value yields.
// The status and the negotiated value come from the history row, where the user edits them, not
// from the budget file. Each line is "label:\tvalue" for a view with one tab stop.
//
// The report can be copied to the clipboard as plain text under a heading with the office name and
// the date of the day, followed by the row's observations.
#include "core/budget/BudgetRecord.h"
#include "core/payment/PaymentSchedule.h"
#include "core/settings/StatusColors.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace belvane {

inline constexpr ColorRef kReportWhite = 0x00FFFFFF;
inline constexpr ColorRef kReportYellow = 0x0000FFFF;
inline constexpr ColorRef kReportAqua = 0x00FFFF00;
inline constexpr ColorRef kReportOrange = 0x000080FF;
inline constexpr ColorRef kReportGreen = 0x0000FF00;
inline constexpr ColorRef kReportBackground = 0x00373737;

// The single line shown when the row's budget file is not there (trailing blank included).
inline constexpr char16_t kReportFileMissingLine[] = u"arquivo não encontrado ";

// Shown instead of a profit percent that cannot be computed (a budget without own expenses).
inline constexpr char16_t kReportNoPercent[] = u"n/d";

// One line of the report. Most lines are a caption and its value, shown on one line with a tab
// between them; a few stand alone (the identification, the empty line, the separator). An
// instalment of the payment schedule is a caption, its value and its due date, each after a tab,
// so that the panel can line the values up at their right edge. The panel and the clipboard show
// `text`; the paper documents lay caption, value and due date out as a table, so no document ever
// has to take a line apart again.
struct ReportLine {
    enum class Kind { Alone, Value, Separator, Instalment };
    QString text;               // the line as the panel shows it
    ColorRef color = kReportWhite;
    Kind kind = Kind::Alone;
    QString caption;            // Value and Instalment lines: before the tab, as written ("Status: ")
    QString value;              // Value and Instalment lines: after the tab
    QString due;                // Instalment lines: the due date or phrase, after a second tab

    static ReportLine alone(const QString& text, ColorRef color) { return {text, color, Kind::Alone, {}, {}, {}}; }
    static ReportLine valued(const QString& caption, const QString& value, ColorRef color)
    {
        return {caption + u'\t' + value, color, Kind::Value, caption, value, {}};
    }
    static ReportLine separator(ColorRef color) { return {QString(26, u'-'), color, Kind::Separator, {}, {}, {}}; }
    static ReportLine instalment(const QString& caption, const QString& value, const QString& due)
    {
        QString text = caption + u'\t' + value;
        if (!due.isEmpty())
            text += u'\t' + due;
        return {text, kReportWhite, Kind::Instalment, caption, value, due};
    }
};

// What a negotiated value N yields, in single precision as the budget stores money: the tax on N,
// the profit left after the tax and the budget's costs, and that profit as a percent of the
// budget's own expenses (unknown when there are none).
struct NegotiatedFigures {
    float value = 0.0f;
    float tax = 0.0f;
    float profit = 0.0f;
    float profitPercent = 0.0f;
    bool percentKnown = false;
};

NegotiatedFigures negotiatedFigures(const TBudgetData& budget, double negotiated);

// The 29 lines. `negotiatedText` is the history cell's text; empty or no number counts as 0.
QList<ReportLine> BudgetReportLines(const TBudgetData& budget, QStringView statusText,
                                    QStringView negotiatedText);

// "Orçamento nº: " + the number: the caption of the report panel.
QString budgetReportCaption(const TBudgetData& budget);

// The clipboard text: heading with the office name, an empty line, "Data atual :" with today's
// date, an empty line, the report lines, an empty line, "Observações" and the observations. Lines
// are joined with CR LF, none after the last.
// The budget's instalments after its report, one line each ("Assinatura do contrato (20,0 %)",
// its value and due date) and a total line, under the heading "Cronograma de pagamento";
// nothing without any.
void appendPaymentLines(QList<ReportLine>& lines, const PaymentSchedule& payments, double fee);
// Where the lines appended above begin (their separator), or -1 when the report has none.
int paymentLinesStart(const QList<ReportLine>& lines);

QString BudgetReportClipboardText(const QString& officeName, const QList<ReportLine>& report,
                                  const QString& observations);

} // namespace belvane
