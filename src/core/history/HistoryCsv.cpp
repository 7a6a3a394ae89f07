#include "core/history/HistoryCsv.h"

#include "core/history/HistoryCellText.h"
#include "core/history/HistoryColumns.h"

namespace belvane {
namespace {

constexpr QChar kSeparator = u';';
constexpr QStringView kLineEnd = u"\r\n";

QString cellText(const HistoryTable& table, int row, int column)
{
    // A spreadsheet user reads a check box as a Portuguese yes or no, not as "True".
    if (historyColumn(column).kind == HistoryCellKind::CheckBox)
        return table.isChecked(row, column) ? QStringLiteral("Sim") : QStringLiteral("Não");
    return table.displayText(row, column);
}

} // namespace

QString historyCsvField(QStringView cell)
{
    // A spreadsheet runs a field that begins with "=", "+", "-" or "@" as a formula, so a client
    // called "=HIPERLINK(...)" would act when the file is opened; a leading tab or carriage return
    // hides such a start from a first look. A leading apostrophe keeps such a field text; a number
    // such as "-150,00" is no formula and stays a number.
    const bool formulaLike = !cell.isEmpty() && QStringView(u"=+-@\t\r").contains(cell.front())
                             && !readHistoryNumber(cell).has_value();
    const QString guarded = formulaLike ? u'\'' + cell.toString() : QString();
    const QStringView text = formulaLike ? QStringView(guarded) : cell;
    const bool needsQuotes = text.contains(kSeparator) || text.contains(u'"') || text.contains(u'\n')
                             || text.contains(u'\r')
                             || (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!needsQuotes)
        return text.toString();
    QString quoted;
    quoted.reserve(text.size() + 2);
    quoted += u'"';
    for (const QChar c : text) {
        if (c == u'"')
            quoted += u'"';
        quoted += c;
    }
    quoted += u'"';
    return quoted;
}

QByteArray historyCsv(const HistoryTable& table, const std::vector<int>& columns)
{
    std::vector<int> rows(std::size_t(table.rowCount()));
    for (int row = 0; row < table.rowCount(); ++row)
        rows[std::size_t(row)] = row;
    return historyCsv(table, columns, rows);
}

QByteArray historyCsv(const HistoryTable& table, const std::vector<int>& columns, const std::vector<int>& rows)
{
    QString text;
    const auto appendLine = [&text, &columns](const auto& fieldOf) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (i > 0)
                text += kSeparator;
            text += historyCsvField(fieldOf(columns[i]));
        }
        text += kLineEnd;
    };
    // The grid's "Negociado[R$] " keeps a trailing blank of old; a spreadsheet title does not need it.
    appendLine([](int column) { return historyHeader(column).trimmed(); });
    for (const int row : rows)
        appendLine([&table, row](int column) { return cellText(table, row, column); });
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace belvane
