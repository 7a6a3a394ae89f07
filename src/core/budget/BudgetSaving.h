#pragma once
// Saving the current budget: the three ways of saving (a plain save, saving a reopened budget
// under a new number, overwriting a reopened budget's own file) prepare a copy of the budget, and
// that copy is then written out — its file first, then its history row, then the counter file.
//
// The budget in memory only takes the copy once its file is on disk, so a save that fails leaves
// the budget exactly as it was and the user can simply try again. The counter file comes last on
// purpose: numbers are given from the highest of the counter, the history and the files, so a
// budget file without its counter update can never be replaced by a later budget.
#include "core/budget/BudgetRecord.h"
#include "core/history/StatusChange.h"
#include "core/storage/IoResult.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

namespace belvane {

class HistoryStore;

enum class BudgetSaveKind {
    Plain,      // the save button: first save of a new budget, or again under its own number
    AsNew,      // a reopened budget saved under a fresh number
    Overwrite,  // a reopened budget written over its own file
};

struct BudgetSaveRequest {
    BudgetSaveKind kind = BudgetSaveKind::Plain;
    QString projectCode;   // the code typed on the summary
    QDateTime moment;      // "today" and "now"
    int freshNumber = 0;   // the number a new budget receives (first save, save as new)
};

struct PreparedBudgetSave {
    TBudgetData budget;
    bool advancesCounter = false;  // a new number was given out: Control.bin must follow
    QString successMessage;
};

// Whether the budget is saved for the first time: it never was ("Novo"). Whatever way the user
// chose, a first save gives it a number and the status "Aguardando".
bool isFirstBudgetSave(const TBudgetData& current);
// Whether this save gives the budget a fresh number (a first save, or saving as new).
bool budgetSaveGivesNumber(const TBudgetData& current, BudgetSaveKind kind);

// The budget as it will be saved.
PreparedBudgetSave prepareBudgetSave(const TBudgetData& current, const BudgetSaveRequest& request);

struct BudgetSaveResult {
    QString error;          // the budget file could not be written: nothing was saved
    QStringList warnings;   // the file was saved, but the history or the counter file was not
    std::vector<StatusChange> statusChanges; // what the save changed in the budget's row, for its log
    bool saved() const { return error.isEmpty(); }
};

// How the budget's file is put in place: given the budget to be written and the write itself.
// A caller that keeps the replaced file as a revision wraps the write (ReplacedVersion).
using BudgetFileReplacement = std::function<IoResult(const TBudgetData& next, const std::function<IoResult()>& write)>;

// Writes the prepared budget's file into `projectsDir` (through `replacement` when given), stores
// its history row and writes the history, then advances Control.bin when a new number was given or
// the file still holds a smaller number than the budget's (its own save had failed to advance it).
BudgetSaveResult writeBudgetSave(const PreparedBudgetSave& save, HistoryStore& history,
                                 const QString& projectsDir, const BudgetFileReplacement& replacement = {});

} // namespace belvane
