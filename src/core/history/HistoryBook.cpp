#include "core/history/HistoryBook.h"

#include "core/budget/BudgetFile.h"
#include "core/history/HistoryColumns.h"
#include "core/history/HistoryRowFile.h"
#include "core/history/HistorySearch.h"

namespace belvane {

bool HistoryBook::userEditable(int column)
{
    return column == kColPhone || column == kColNegotiated || column == kColStatus || column == kColProjectCode;
}

void HistoryBook::cellEntered(int row, int column)
{
    if (userEditable(column) && table().isValidRow(row))
        table().setChecked(row, kColModified, true);
}

HistorySearchResult HistoryBook::search(const QString& text)
{
    HistorySearchResult result;
    result.matched = SearchHistory(table(), text, result.order);
    // Said beside the box, not in a box: the user just types another word.
    const QString quoted = QStringLiteral("“%1”").arg(text);
    if (result.matched == 0)
        result.summary = QStringLiteral("Nenhum orçamento encontrado para ") + quoted;
    else if (result.matched == 1)
        result.summary = QStringLiteral("1 orçamento encontrado para ") + quoted;
    else
        result.summary = QStringLiteral("%1 orçamentos encontrados para ").arg(result.matched) + quoted;
    return result;
}

HistoryBudgetRead HistoryBook::readBudget(int row, TBudgetData& budget) const
{
    const HistoryRowFile file = locateHistoryRowFile(m_store.table(), row, m_store.projectsDir());
    if (!file.found())
        return {HistoryBudgetRead::State::Missing, {}};
    const RecordRead read = ReadBudgetFile(budget, file.path);
    if (read.state != RecordReadState::Read)
        return {HistoryBudgetRead::State::Failed, read.error};
    return {};
}

} // namespace belvane
