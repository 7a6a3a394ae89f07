#include "core/history/HistoryStore.h"

#include "core/budget/StatusWords.h"
#include "core/history/HistoryBudgetRow.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryOriginalCopy.h"
#include "core/history/HistoryRowFile.h"
#include "core/history/HistoryWriteBack.h"
#include "core/storage/FileLookup.h"
#include "core/storage/SafeFile.h"
#include "core/text/Clock.h"

#include <QAbstractEventDispatcher>
#include <QDir>
#include <QThread>

namespace belvane {

HistoryStore::HistoryStore(QString projectsDir) : m_projectsDir(std::move(projectsDir))
{
    // A zero interval fires whenever the event loop has nothing else to do.
    m_lineWork.setInterval(0);
    QObject::connect(&m_lineWork, &QTimer::timeout, &m_lineWork, [this] { keepNextLines(); });
}

QString HistoryStore::filePath() const
{
    const QString name = QString::fromUtf16(kHistoryFileName);
    const QString existing = findFileIgnoringCase(m_projectsDir, name);
    return existing.isEmpty() ? QDir(m_projectsDir).filePath(name) : existing;
}

HistoryReadResult HistoryStore::load()
{
    HistoryReadResult result;
    if (m_pendingRead.valid()) {
        FileRead read = m_pendingRead.get();
        m_table = std::move(read.table);
        result = std::move(read.result);
    } else {
        result = ReadHistoryFile(m_table, filePath());
    }
    m_keepOriginalBeforeWrite = result.damaged();
    keepLinesWhileIdle();
    return result;
}

void HistoryStore::keepLinesWhileIdle()
{
    m_nextLine = 0;
    if (QAbstractEventDispatcher::instance() && m_lineWork.thread() == QThread::currentThread())
        m_lineWork.start();
}

void HistoryStore::keepNextLines()
{
    m_nextLine = keepHistoryLines(m_table, m_nextLine, kLinesPerTurn);
    if (m_nextLine >= m_table.rowCount())
        m_lineWork.stop();
}

void HistoryStore::startLoading()
{
    if (m_pendingRead.valid())
        return;
    // The thread works on its own table and the path alone: nothing it touches is shared.
    m_pendingRead = std::async(std::launch::async, [path = filePath()] {
        FileRead read;
        read.result = ReadHistoryFile(read.table, path);
        return read;
    });
}

bool HistoryStore::loadingDone() const
{
    return !m_pendingRead.valid()
           || m_pendingRead.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

IoResult HistoryStore::write()
{
    return write(m_table);
}

IoResult HistoryStore::write(const HistoryTable& table)
{
    const QString path = filePath();
    if (m_keepOriginalBeforeWrite) {
        const OriginalCopy copy = keepOriginalCopy(path);
        if (!copy.ok())
            return IoResult::failure(copy.error);
        m_originalCopyPath = copy.copyPath;
        m_keepOriginalBeforeWrite = false;
    }
    return WriteHistoryFile(table, path);
}

IoResult HistoryStore::storeBudget(const TBudgetData& budget, int* row, std::vector<StatusChange>* changes)
{
    const QDateTime now = Clock::now();
    const int existing = m_table.findRowByNumber(budget.Number);
    std::optional<CommercialState> before;
    std::vector<StatusChange> logged;
    if (existing >= 0) {
        // What the grid held and the save replaces is logged first, with its own moment.
        logged = m_pending.changesOf(budget.Number, m_table, existing, now);
        before = commercialStateOfRow(m_table, existing);
    }
    const int stored = StoreHistoryRow(m_table, budget);
    if (row)
        *row = stored;
    const std::vector<StatusChange> saved =
        commercialChanges(budget.Number, before, commercialStateOfRow(m_table, stored), now);
    logged.insert(logged.end(), saved.begin(), saved.end());
    if (changes)
        *changes = std::move(logged);
    if (m_pending.find(budget.Number)) {
        m_pending.forget(budget.Number);
        journalPendingEdits();
    }
    return write();
}

HistoryStore::Removal HistoryStore::removeBudget(int row)
{
    Removal removal;
    const HistoryRowFile file = locateHistoryRowFile(m_table, row, m_projectsDir);
    if (file.found()) {
        removal.budgetFileError = removeFile(file.path).error;
        // The budget is still on disk: its row stays, so the user sees it and can try again.
        if (!removal.budgetFileError.isEmpty())
            return removal;
    }
    // The row leaves the table only once the history file no longer lists it, so the table
    // always shows what the file holds and a failed deletion can simply be repeated.
    HistoryTable remaining = m_table;
    remaining.removeRow(row);
    removal.historyWrite = write(remaining);
    if (removal.historyWrite.ok()) {
        const int number = m_table.text(row, kColNumber).toInt();
        m_table = std::move(remaining);
        if (m_pending.find(number)) {
            m_pending.forget(number);
            journalPendingEdits();
        }
    }
    return removal;
}

void HistoryStore::noteRowEdit(int row, const CommercialState& before, const QDateTime& at, bool commercial)
{
    m_pending.note(m_table, row, before, at, commercial);
    journalPendingEdits();
}

void HistoryStore::noteRejectionReason(int budgetNumber, const QString& reason)
{
    m_pending.noteRejectionReason(budgetNumber, reason);
    journalPendingEdits();
}

std::vector<StatusChange> HistoryStore::pendingChanges(int budgetNumber) const
{
    return m_pending.changesOf(budgetNumber, m_table, m_table.findRowByNumber(budgetNumber), Clock::now());
}

std::vector<PendingRowEdit> HistoryStore::takeBackKeptEdits(const std::vector<PendingRowEdit>& kept)
{
    m_journaled = kept; // what the database holds now
    std::vector<PendingRowEdit> lost;
    for (const PendingRowEdit& edit : kept) {
        const int row = m_table.findRowByNumber(edit.budgetNumber);
        if (row < 0)
            continue;
        if (edit.shownBy(m_table, row))
            m_pending.restore(edit);
        else
            lost.push_back(edit);
    }
    return lost;
}

void HistoryStore::reapplyEdits(const std::vector<PendingRowEdit>& edits)
{
    for (const PendingRowEdit& edit : edits) {
        const int row = m_table.findRowByNumber(edit.budgetNumber);
        if (row >= 0 && edit.applyTo(m_table, row))
            m_pending.restore(edit);
    }
    journalPendingEdits();
}

void HistoryStore::journalPendingEdits()
{
    // The database is written only when the edits changed: a close that writes nothing back
    // leaves it untouched.
    std::vector<PendingRowEdit> edits = m_pending.all();
    if (!m_journal || edits == m_journaled)
        return;
    if (m_journal(edits).ok())
        m_journaled = std::move(edits);
}

QStringList HistoryStore::saveAtClose(std::vector<StatusChange>* changes)
{
    std::vector<StatusChange> logged;
    const QDateTime now = Clock::now();
    QStringList problems = SaveHistory(m_table, m_projectsDir, [&](int row, const TBudgetData& before,
                                                                   const TBudgetData& after) {
        // The grid's edit knows what the row held before it; a row marked in an earlier session
        // without one is logged from its file.
        const bool noted = m_pending.find(after.Number) != nullptr;
        const std::vector<StatusChange> rowChanges = noted ? m_pending.changesOf(after.Number, m_table, row, now)
                                                           : statusChangesBetween(&before, after, now);
        logged.insert(logged.end(), rowChanges.begin(), rowChanges.end());
        m_pending.forget(after.Number);
    });
    // An edit whose row is gone or no longer waits (its file is gone) has nothing left to write;
    // one whose file could not be written waits for the next close.
    for (const PendingRowEdit& edit : m_pending.all()) {
        const int row = m_table.findRowByNumber(edit.budgetNumber);
        if (row < 0 || !m_table.isChecked(row, kColModified))
            m_pending.forget(edit.budgetNumber);
    }
    journalPendingEdits();
    if (changes)
        *changes = std::move(logged);
    const IoResult written = write();
    if (!written.ok())
        problems.append(written.error);
    return problems;
}

} // namespace belvane
