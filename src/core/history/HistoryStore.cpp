#include "core/history/HistoryStore.h"

#include "core/budget/StatusWords.h"
#include "core/history/HistoryBudgetRow.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryOriginalCopy.h"
#include "core/history/HistoryRowFile.h"
#include "core/history/HistoryWriteBack.h"
#include "core/storage/FileLookup.h"
#include "core/storage/SafeFile.h"

#include <QDir>

namespace belvane {

HistoryStore::HistoryStore(QString projectsDir) : m_projectsDir(std::move(projectsDir)) {}

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
    return result;
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

IoResult HistoryStore::storeBudget(const TBudgetData& budget, int* row)
{
    const int stored = StoreHistoryRow(m_table, budget);
    if (row)
        *row = stored;
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
    if (removal.historyWrite.ok())
        m_table = std::move(remaining);
    return removal;
}

void HistoryStore::noteStatusEdit(int budgetNumber, const QDateTime& at)
{
    m_statusEdits[budgetNumber].at = at;
}

void HistoryStore::noteRejectionReason(int budgetNumber, const QString& reason)
{
    m_statusEdits[budgetNumber].reason = reason;
}

void HistoryStore::applyStatusEditNotes(std::vector<StatusChange>& changes)
{
    for (StatusChange& change : changes) {
        const auto note = m_statusEdits.find(change.budgetNumber);
        if (note == m_statusEdits.end())
            continue;
        if (note->second.at.isValid())
            change.at = note->second.at;
        if (change.field == kStatusField
            && change.newValue.compare(kStatusRejected, Qt::CaseInsensitive) == 0)
            change.reason = note->second.reason;
    }
    // A row that could not be written keeps its note for the next try.
    std::erase_if(m_statusEdits, [this](const auto& note) {
        const int row = m_table.findRowByNumber(note.first);
        return row < 0 || !m_table.isChecked(row, kColModified);
    });
}

QStringList HistoryStore::saveAtClose(std::vector<StatusChange>* changes)
{
    std::vector<StatusChange> logged;
    QStringList problems = SaveHistory(m_table, m_projectsDir, &logged);
    applyStatusEditNotes(logged);
    if (changes)
        *changes = std::move(logged);
    const IoResult written = write();
    if (!written.ok())
        problems.append(written.error);
    return problems;
}

} // namespace belvane
