#include "core/budget/BudgetNumbering.h"

#include "core/history/HistoryCellText.h"
#include "core/history/HistoryTable.h"
#include "core/storage/BudgetFileNameCheck.h"

#include "core/storage/FileLookup.h"

#include <algorithm>

namespace belvane {

namespace {

bool isBudgetNumber(qint64 number)
{
    return number >= 1 && number <= kHighestBudgetNumber;
}

qint64 highestInHistory(const HistoryTable& history)
{
    qint64 highest = 0;
    for (int row = 0; row < history.rowCount(); ++row) {
        const std::optional<int> number =
            readHistoryBudgetNumber(history.row(row).textAt(kColNumber));
        if (number && isBudgetNumber(*number))
            highest = std::max<qint64>(highest, *number);
    }
    return highest;
}

qint64 highestInFolder(const QString& projectsDir)
{
    constexpr qsizetype kPrefix = 3;  // "ORC"
    constexpr qsizetype kSuffix = 4;  // ".bvp"
    qint64 highest = 0;
    // One read of the folder's names: a folder of years of budgets holds tens of thousands.
    for (const QString& name : folderEntryNames(projectsDir)) {
        if (!isBudgetFileName(name))
            continue;
        bool ok = false;
        const qint64 number =
            QStringView(name).sliced(kPrefix, name.size() - kPrefix - kSuffix).toLongLong(&ok);
        if (ok && isBudgetNumber(number))
            highest = std::max(highest, number);
    }
    return highest;
}

} // namespace

qint64 highestBudgetNumberInUse(qint64 counter, const HistoryTable& history,
                                const QString& projectsDir)
{
    return std::max({counter, qint64(0), highestInHistory(history), highestInFolder(projectsDir)});
}

BudgetNumber nextBudgetNumber(qint64 counter, const HistoryTable& history, const QString& projectsDir)
{
    const qint64 highest = highestBudgetNumberInUse(counter, history, projectsDir);
    BudgetNumber next;
    if (highest >= kHighestBudgetNumber) {
        next.error = QStringLiteral("Não há mais números para novos orçamentos: o maior número já "
                                    "usado é %1, e os orçamentos vão só até o nº %2. Nenhum "
                                    "orçamento existente foi alterado.")
                         .arg(highest)
                         .arg(kHighestBudgetNumber);
        return next;
    }
    next.number = static_cast<int>(highest + 1);
    return next;
}

} // namespace belvane
