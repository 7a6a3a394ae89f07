#pragma once
// The budget whose report the history page has open, held by its number rather than by its row:
// the history may be sorted or searched while the report is open, and the observations typed
// beside it must reach that budget and no other. The observations are stored when they differ
// from what the report showed, however the user got into the box (click, Tab, paste).
#include <QString>

namespace belvane {

class HistoryTable;

class OpenReport {
public:
    // The report of `row` is shown with these observations. A row without a budget number
    // cannot be followed; its report opens for reading only.
    void open(const HistoryTable& table, int row, const QString& shownNotes);
    // No budget's report is open (closed, or the last one could not be read).
    void close() { m_number = 0; }

    bool isOpen() const { return m_number > 0; }
    int budgetNumber() const { return m_number; }
    // Where the budget stands in the table now; -1 when it is not open or no longer there.
    int row(const HistoryTable& table) const;

    // Puts `notes` into the budget's "Obs" cell when they differ from what was shown, and from
    // then on counts them as shown. Returns the row changed, or -1 when nothing was stored.
    int storeNotes(HistoryTable& table, const QString& notes);

private:
    int m_number = 0;
    QString m_shownNotes;
};

} // namespace belvane
