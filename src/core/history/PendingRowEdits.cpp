#include "core/history/PendingRowEdits.h"

#include "core/budget/SingleRounding.h"
#include "core/budget/StatusWords.h"
#include "core/history/HistoryTable.h"

namespace belvane {

namespace {

bool isLoss(const QString& status)
{
    return status.compare(kStatusRejected, Qt::CaseInsensitive) == 0;
}

} // namespace

CommercialState commercialStateOfRow(const HistoryTable& table, int row)
{
    return {table.text(row, kColStatus), narrowToSingle(table.value(row, kColNegotiated))};
}

void PendingRowEdit::takeCellsOf(const HistoryTable& table, int row)
{
    status = table.text(row, kColStatus);
    negotiated = table.text(row, kColNegotiated);
    phone = table.text(row, kColPhone);
    projectCode = table.text(row, kColProjectCode);
}

bool PendingRowEdit::shownBy(const HistoryTable& table, int row) const
{
    PendingRowEdit shown = *this;
    shown.takeCellsOf(table, row);
    return shown == *this;
}

bool PendingRowEdit::applyTo(HistoryTable& table, int row) const
{
    bool taken = true;
    for (const auto& [column, text] : {std::pair{kColStatus, &status}, std::pair{kColNegotiated, &negotiated},
                                       std::pair{kColPhone, &phone}, std::pair{kColProjectCode, &projectCode}}) {
        if (table.text(row, column) != *text)
            taken = table.editByUser(row, column, *text) && taken;
    }
    return taken;
}

const PendingRowEdit& PendingRowEdits::note(const HistoryTable& table, int row, const CommercialState& before,
                                            const QDateTime& at, bool commercial)
{
    const int number = table.text(row, kColNumber).toInt();
    auto [entry, first] = m_edits.try_emplace(number);
    PendingRowEdit& edit = entry->second;
    if (first) {
        edit.budgetNumber = number;
        edit.before = before;
    }
    if (commercial)
        edit.at = at;
    // A reason belongs to the loss it was given for.
    if (!isLoss(table.text(row, kColStatus)))
        edit.reason.clear();
    edit.takeCellsOf(table, row);
    return edit;
}

void PendingRowEdits::noteRejectionReason(int budgetNumber, const QString& reason)
{
    const auto entry = m_edits.find(budgetNumber);
    if (entry != m_edits.end())
        entry->second.reason = reason;
}

const PendingRowEdit* PendingRowEdits::find(int budgetNumber) const
{
    const auto entry = m_edits.find(budgetNumber);
    return entry == m_edits.end() ? nullptr : &entry->second;
}

std::vector<StatusChange> PendingRowEdits::changesOf(int budgetNumber, const HistoryTable& table, int row,
                                                     const QDateTime& fallbackAt) const
{
    const PendingRowEdit* edit = find(budgetNumber);
    if (!edit || row < 0)
        return {};
    return commercialChanges(budgetNumber, edit->before, commercialStateOfRow(table, row),
                             edit->at.isValid() ? edit->at : fallbackAt, edit->reason);
}

std::vector<PendingRowEdit> PendingRowEdits::all() const
{
    std::vector<PendingRowEdit> edits;
    edits.reserve(m_edits.size());
    for (const auto& [number, edit] : m_edits)
        edits.push_back(edit);
    return edits;
}

} // namespace belvane
