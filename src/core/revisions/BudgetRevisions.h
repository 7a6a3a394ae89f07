#pragma once
// The versions of one budget the office can look back on: the revisions kept in the store's
// database, oldest first, and the budget file as it is now, last. Each is read from its bytes;
// a kept file that is not a whole budget file is listed all the same, as unreadable.
#include "core/budget/BudgetRecord.h"

#include <QByteArray>
#include <QDateTime>
#include <QStringList>

#include <optional>
#include <vector>

namespace belvane {

class ExtensionStore;

struct BudgetVersion {
    int revision = 0;                  // 1, 2, ...; 0 for the budget file as it is now
    QDateTime keptAt;                  // when a save replaced it; invalid for the current file
    std::optional<TBudgetData> budget; // empty when its bytes are not a whole budget file
    QByteArray file;

    bool current() const { return revision == 0; }
};

// The bytes of a budget file as a budget; empty unless they are exactly one budget record.
std::optional<TBudgetData> budgetFromFileBytes(const QByteArray& bytes);

// The budget's revisions and then, when there is one, its current file at `currentPath`.
std::vector<BudgetVersion> budgetVersions(const ExtensionStore& store, int budgetNumber,
                                          const QString& currentPath);

// The cells of the list of versions: number ("Atual" for the current file), when it was kept,
// quoted value, profit %, tax %, man-hours.
QStringList budgetVersionCells(const BudgetVersion& version);

} // namespace belvane
