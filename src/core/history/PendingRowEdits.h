#pragma once
// What the user typed in the history grid and the close has not yet written into the budget
// files. Each edited row keeps what its status and negotiated value were before the first edit,
// when the last of them was made and the reason given for a loss, so the change is logged with
// the moment the user made it. The row's edited cells are kept too: stored in the database as
// they are made, they survive a crash and can be offered back at the next start.
#include "core/history/StatusChange.h"

#include <QDateTime>
#include <QString>

#include <map>
#include <vector>

namespace belvane {

class HistoryTable;

CommercialState commercialStateOfRow(const HistoryTable& table, int row);

struct PendingRowEdit {
    int budgetNumber = 0;
    QDateTime at;             // the last edit of status or negotiated value; invalid when none
    CommercialState before;   // the row before its first edit since it was last written
    QString reason;           // the reason given when the row was set to "Reprovado"
    // The row's edited cells as the user left them.
    QString status;
    QString negotiated;
    QString phone;
    QString projectCode;
    bool operator==(const PendingRowEdit&) const = default;

    // The row's cells as they stand now are taken into the edit.
    void takeCellsOf(const HistoryTable& table, int row);
    // Whether the row already shows what the edit holds.
    bool shownBy(const HistoryTable& table, int row) const;
    // Puts the edit back into the row, marked to be written at close; false when a cell refused it.
    bool applyTo(HistoryTable& table, int row) const;
};

class PendingRowEdits {
public:
    // The user edited a cell of `row`; `before` is the row's state just before. `at` dates a
    // change of status or negotiated value (`commercial`); other cells only join the edit.
    const PendingRowEdit& note(const HistoryTable& table, int row, const CommercialState& before,
                               const QDateTime& at, bool commercial);
    void noteRejectionReason(int budgetNumber, const QString& reason);
    // Takes back an edit kept from an earlier session.
    void restore(const PendingRowEdit& edit) { m_edits[edit.budgetNumber] = edit; }

    const PendingRowEdit* find(int budgetNumber) const;
    // The changes the edit of the budget makes on `table`'s row, with the moment and reason
    // noted; `fallbackAt` dates them when no moment was noted.
    std::vector<StatusChange> changesOf(int budgetNumber, const HistoryTable& table, int row,
                                        const QDateTime& fallbackAt) const;
    void forget(int budgetNumber) { m_edits.erase(budgetNumber); }
    std::vector<PendingRowEdit> all() const;
    bool empty() const { return m_edits.empty(); }

private:
    std::map<int, PendingRowEdit> m_edits; // by budget number
};

} // namespace belvane
