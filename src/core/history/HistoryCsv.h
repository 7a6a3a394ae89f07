#pragma once
// The history as a spreadsheet file. The user picks which columns and in which order by what the
// history grid shows; the rows come in the table's own order, which is the order of the last sort.
//
// The text is laid out so that LibreOffice Calc and Excel on a Brazilian system open it without
// asking: UTF-8 with a byte-order mark (accents survive), ";" between fields (the comma is the
// decimal separator), lines ending in CR LF, and numbers, money and dates exactly as the grid
// shows them ("11500,50", "120,5", "09/12/2026"), so a spreadsheet reads them as numbers and dates.
// A field is put in double quotes, with any quote inside doubled, only when it must be: when it
// holds the separator, a quote, a line break, or blanks at either end. A text that a spreadsheet
// would run as a formula gets a leading apostrophe.
#include "core/history/HistoryTable.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <vector>

namespace belvane {

// The field as it stands in the file, quoted when needed.
QString historyCsvField(QStringView cell);

// The whole file: a header line with the columns' titles, then one line per row. Columns are
// history column indexes (HistoryColumns.h), in the order they are to appear.
QByteArray historyCsv(const HistoryTable& table, const std::vector<int>& columns);
// The same, for the rows given only, in that order.
QByteArray historyCsv(const HistoryTable& table, const std::vector<int>& columns, const std::vector<int>& rows);

} // namespace belvane
