#pragma once
// The history together with its file: the table the history page shows and edits, and the
// operations that change it on disk — reading at start, storing a saved budget's row, deleting a
// budget, and the write-back at close. It also keeps the promise made to the user when the file
// was read with problems: before that file is first rewritten, a copy of the original is kept
// beside it, and if the copy cannot be made the file is not rewritten.
//
// After every read the store works out the rows' file lines while the program is idle, a slice
// of rows per turn of the event loop, so that even the first save only copies the unchanged
// rows, and neither the start nor the user waits for it. The store lives on the thread that made
// it; where that thread runs no event loop, the work is left to the first save.
#include "core/budget/BudgetRecord.h"
#include "core/history/HistoryReadResult.h"
#include "core/history/HistoryTable.h"
#include "core/history/PendingRowEdits.h"
#include "core/history/StatusChange.h"
#include "core/storage/IoResult.h"

#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <future>

namespace belvane {

class HistoryStore {
public:
    explicit HistoryStore(QString projectsDir);

    HistoryTable& table() { return m_table; }
    const HistoryTable& table() const { return m_table; }
    const QString& projectsDir() const { return m_projectsDir; }
    // Where the history is read from and written to: the existing "Hist.bvh" of the projects
    // folder in whatever letter case it has, else the folder + "Hist.bvh".
    QString filePath() const;

    // Replaces the table with the file's rows. See HistoryReadResult for what it reports. When a
    // read was begun by startLoading, load waits for it and takes its rows instead. The rows' file
    // lines are then worked out while idle (see above).
    HistoryReadResult load();
    // Begins reading the file on a thread of its own, so that a long history is read while the
    // window is built. Until load takes the rows in, the table must not be used.
    void startLoading();
    // Whether load() can take the rows in without waiting: the thread has finished, or none runs.
    bool loadingDone() const;
    // Writes the whole table to the file (after keeping the original, see above).
    IoResult write();

    // A budget was saved or restored: its row is stored (StoreHistoryRow) and the file written.
    // `row` receives the row's index; `changes` the changes of status and negotiated value the
    // row went through: the grid's edits the save replaces, dated when they were made, then the
    // save's own, dated now. The values are the history's, not the file's.
    IoResult storeBudget(const TBudgetData& budget, int* row = nullptr,
                         std::vector<StatusChange>* changes = nullptr);

    struct Removal {
        QString budgetFileError;  // the budget file could not be deleted: nothing changed
        IoResult historyWrite;    // the history could not be written: the row is still there
        bool done() const { return budgetFileError.isEmpty() && historyWrite.ok(); }
    };
    // Deletes the budget of `row`: its file, when the row names one, then its row in the history
    // file, and only then the row in the table. Whatever fails leaves the row in place, so the
    // deletion can be repeated. A row that names no budget file loses only the row.
    Removal removeBudget(int row);

    // The user edited a cell of `row` in the grid at `at`; `before` is the row's commercial state
    // just before. A change of status or negotiated value (`commercial`) is dated then, not when
    // the close writes it. A lost budget may come with the reason the user gave for it.
    void noteRowEdit(int row, const CommercialState& before, const QDateTime& at, bool commercial);
    void noteRejectionReason(int budgetNumber, const QString& reason);
    const PendingRowEdits& pendingEdits() const { return m_pending; }
    // The changes the grid's edits of the budget will make when written, for its status history.
    std::vector<StatusChange> pendingChanges(int budgetNumber) const;
    // Hears the whole set of edits whenever it changes, to keep it where a crash cannot reach.
    void setPendingEditsJournal(std::function<IoResult(const std::vector<PendingRowEdit>&)> journal)
    {
        m_journal = std::move(journal);
    }
    // Edits kept from an earlier session: those the rows still show are taken back as they are;
    // the others, which a crash kept from the rows, are returned for the user to decide on.
    std::vector<PendingRowEdit> takeBackKeptEdits(const std::vector<PendingRowEdit>& kept);
    // Puts edits a crash kept from the rows back into them; the others are forgotten.
    void reapplyEdits(const std::vector<PendingRowEdit>& edits);

    // At close: writes the marked rows back into their budget files (SaveHistory), then the
    // history file. Returns every problem, each a sentence naming its file; empty when all went
    // well. `changes`, when given, receives the changes of status and negotiated value that
    // reached the files, with the moments and reasons noted for them. Edits that could not be
    // written stay pending for the next close.
    QStringList saveAtClose(std::vector<StatusChange>* changes = nullptr);

    // The copy of the original file kept before the first rewrite; empty when none was needed.
    const QString& originalCopyPath() const { return m_originalCopyPath; }

    // Rows whose file lines are worked out in one turn of the event loop: a few milliseconds.
    static constexpr int kLinesPerTurn = 4096;
    // Whether lines are still being worked out while idle.
    bool keepingLines() const { return m_lineWork.isActive(); }

private:
    void keepLinesWhileIdle();
    void keepNextLines();

    IoResult write(const HistoryTable& table);

    struct FileRead {
        HistoryTable table;
        HistoryReadResult result;
    };

    QString m_projectsDir;
    HistoryTable m_table;
    std::future<FileRead> m_pendingRead;
    bool m_keepOriginalBeforeWrite = false;
    void journalPendingEdits();

    PendingRowEdits m_pending; // until written back at close
    std::function<IoResult(const std::vector<PendingRowEdit>&)> m_journal;
    std::vector<PendingRowEdit> m_journaled; // as the journal last took them
    QString m_originalCopyPath;
    // Last, so that it stops before the table it works on goes.
    QTimer m_lineWork;
    int m_nextLine = 0;
};

} // namespace belvane
