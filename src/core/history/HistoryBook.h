#pragma once
// The history as the user works on it: the table of saved budgets with its file, the cells the
// user may edit and the mark an edit leaves, search and sort (which keep each row's identity), the
// budget whose report is open (held by its number), and the reading of a budget for reopening
// with the values edited in its row. The history page shows the book and forwards what the user
// does; the rules are here.
#include "core/history/HistoryStore.h"
#include "core/history/OpenReport.h"

#include <QString>

#include <vector>

namespace belvane {

struct TBudgetData;

struct HistorySearchResult {
    int matched = 0;
    std::vector<int> order;   // the order applied: new row i holds old row order[i]
    QString summary;          // what the page says beside the search box
};

struct HistoryBudgetRead {
    enum class State { Read, Missing, Failed } state = State::Read;
    QString error;   // Failed: the reason, naming the file
};

class HistoryBook {
public:
    explicit HistoryBook(HistoryStore& store) : m_store(store) {}

    HistoryStore& store() { return m_store; }
    HistoryTable& table() { return m_store.table(); }

    // The cells the user edits in the grid: phone, negotiated value, status, project code.
    static bool userEditable(int column);
    // The user entered an editable cell: its row counts as changed by the user.
    void cellEntered(int row, int column);

    // Matching rows first, marked; the summary counts them.
    HistorySearchResult search(const QString& text);

    // The budget whose report is open, and the observations typed beside it.
    OpenReport& openReport() { return m_openReport; }
    // Stores the observations in the open budget's row; the row changed, or -1.
    int storeReportNotes(const QString& notes) { return m_openReport.storeNotes(table(), notes); }

    // The budget of `row` as its file holds it, for reopening (the budget draft then takes the
    // values edited in the row). `budget` keeps what a short file leaves unread.
    HistoryBudgetRead readBudget(int row, TBudgetData& budget) const;

private:
    HistoryStore& m_store;
    OpenReport m_openReport;
};

} // namespace belvane
