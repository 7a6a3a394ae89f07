#pragma once
// A budget's row in the history. Each save puts the budget there: the row whose "Nº" is the
// budget's number is brought up to date where it stands, or a new row is added at the bottom. The
// row keeps what only the history knows — the negotiated value, the search mark and the
// observations — and the save ends the row's "Modif." mark.
#include "core/budget/BudgetRecord.h"

namespace belvane {

class HistoryTable;

// Fills the budget's row (found by number, else appended) from the record: every column but
// "Negociado[R$] ", "Seleção" and "Obs". Returns the row's index. Writing the history file is
// the caller's next step.
int StoreHistoryRow(HistoryTable& table, const TBudgetData& budget);

} // namespace belvane
