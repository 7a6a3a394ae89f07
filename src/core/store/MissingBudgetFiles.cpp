#include "core/store/MissingBudgetFiles.h"

#include "core/budget/BudgetFile.h"
#include "core/storage/FileLookup.h"
#include "core/store/ExtensionDatabase.h"

#include <QDir>

namespace belvane {

std::vector<int> budgetsMissingTheirFile(const QString& projectsDir)
{
    std::vector<int> missing;
    const std::vector<int> kept = ExtensionDatabase::budgetsWithDroppableRows(QDir(projectsDir).filePath(ExtensionDatabase::fileName()));
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
