#pragma once
// Searching the history: the user types a word and every budget that mentions it is marked in the
// hidden column "Seleção" and brought to the top, the matching rows first and the others after
// them, each group in the order it had. Nothing is hidden.
//
// The search looks at the columns a user reads — "Data Edição" to "Status", "Obs" and "Código" —
// and ignores letter case by putting both texts in capitals with the full Unicode rules, so "ç"
// finds "Ç" and "straße" finds "STRASSE". The budget number, the file name and the hidden copies
// of the date and indices are not searched.
#include <QStringView>

#include <vector>

namespace belvane {

class HistoryTable;

// Marks the rows whose searched cells contain `text` and moves them to the top; clears the mark
// of every other row. Returns how many rows matched. An empty text does nothing and returns 0;
// when no row matches, the order stays and all marks are cleared.
int SearchHistory(HistoryTable& table, QStringView text);
// The same, giving the order applied as HistoryTable::reorder takes it (empty when the order
// stayed), so that a view can follow its rows.
int SearchHistory(HistoryTable& table, QStringView text, std::vector<int>& appliedOrder);

// True when one of the columns the search looks at contains the text, ignoring letter case.
bool historyRowMatches(const HistoryTable& table, int row, QStringView text);

} // namespace belvane
