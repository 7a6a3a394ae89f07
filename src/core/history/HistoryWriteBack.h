#pragma once
// At the close of the program the history hands what the user changed in it back to the budgets'
// own files. The user sets a budget's status, negotiated value, telephone and project code in the
// history grid; entering one of those cells marks the row "Modif.". Every marked row is written
// back whether or not its values changed: its file receives those four values, and both the file
// and the row take today as their edit date.
#include "core/budget/BudgetRecord.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace belvane {

class HistoryTable;

// Puts the values the user edits in the grid over a budget read from its file: until the close,
// the grid holds them, not the file. Used wherever a budget is read for a row (report, reopening,
// writing back).
void applyHistoryRowEdits(const HistoryTable& table, int row, TBudgetData& budget);

// Writes back every row marked in "Modif." into its budget file in `projectsDir`, clears the mark
// and sets "Data Edição" to today. A row whose file is gone is only unmarked and dated, as there
// is nothing to write, unless the projects folder itself is missing. A row naming no budget
// file, whose file cannot be read or written, or whose folder is missing, keeps
// its mark so the next close tries again, and its problem is returned: one Portuguese sentence
// per row, naming the file. Writing the history file itself is the caller's next step.
// `written`, when given, hears of every row whose file was written, with the budget before and after.
using RowWrittenBack = std::function<void(int row, const TBudgetData& before, const TBudgetData& after)>;
QStringList SaveHistory(HistoryTable& table, const QString& projectsDir, const RowWrittenBack& written = {});

} // namespace belvane
