#pragma once
// Budgets deleted by a program that knows nothing of the database leave rows behind in it. Which
// ones is worked out while the window is built, on a thread of its own: one read of the projects
// folder's names, one query on a connection of its own. Only their dropping waits for the start.
#include <QString>

#include <vector>

namespace belvane {

// The budgets whose file is missing from `projectsDir` while the database keeps rows of no use
// without it.
std::vector<int> budgetsMissingTheirFile(const QString& projectsDir);

} // namespace belvane
