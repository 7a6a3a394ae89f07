#include "core/store/MissingBudgetFiles.h"

#include "core/budget/BudgetFile.h"
#include "core/storage/FileLookup.h"
#include "core/store/ExtensionStore.h"

#include <QDir>

namespace belvane {

std::vector<int> budgetsMissingTheirFile(const QString& projectsDir)
{
    std::vector<int> missing;
    const std::vector<int> kept = ExtensionStore::budgetsWithDroppableRows(QDir(projectsDir).filePath(ExtensionStore::fileName()));
    if (kept.empty())
        return missing;
    const FolderListing files(projectsDir);
    for (const int number : kept) {
        if (!files.contains(BudgetFileName(number)))
            missing.push_back(number);
    }
    return missing;
}

} // namespace belvane
