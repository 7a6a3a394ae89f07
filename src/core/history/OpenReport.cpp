#include "core/history/OpenReport.h"

#include "core/history/HistoryCellText.h"
#include "core/history/HistoryTable.h"

namespace belvane {

void OpenReport::open(const HistoryTable& table, int row, const QString& shownNotes)
{
    m_number = table.isValidRow(row) ? readHistoryBudgetNumber(table.textView(row, kColNumber)).value_or(0) : 0;
    m_shownNotes = shownNotes;
}

int OpenReport::row(const HistoryTable& table) const
{
    return isOpen() ? table.findRowByNumber(m_number) : -1;
}

int OpenReport::storeNotes(HistoryTable& table, const QString& notes)
{
    if (notes == m_shownNotes)
        return -1;
    const int at = row(table);
    if (at < 0)
        return -1;
    table.setText(at, kColNotes, notes);
    m_shownNotes = notes;
    return at;
}

} // namespace belvane
