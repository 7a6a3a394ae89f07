#pragma once
// Earlier versions of budget files (table budget_revisions): the 4,744 bytes a save replaced,
// numbered 1, 2, ... by budget, with when they were replaced. Nothing a client was sent is lost.
#include "core/storage/IoResult.h"

#include <QByteArray>
#include <QDateTime>

#include <functional>
#include <vector>

namespace belvane {

class ExtensionDatabase;

// An earlier version of a budget file, kept when the file was saved over: its 4,744 bytes as they
// were, numbered 1, 2, ... by budget, with when it was replaced.
struct BudgetRevision {
    int number = 0;
    QDateTime keptAt;
    QByteArray file;
};

class RevisionArchive {
public:
    // The schema version that made the table.
    static constexpr int kMadeIn = 5;

    explicit RevisionArchive(ExtensionDatabase& database) : m_database(database) {}

    // Keeps the budget file as it was before a save replaced it, as the budget's next revision.
    // With `replaceFile`, the file is replaced inside the same transaction: the revision is kept
    // only when the replacement succeeded, and a failed replacement leaves the database as it was.
    // Should the database then fail to commit, the file is already replaced: the caller, told of
    // the failure, puts the previous file back.
    IoResult keep(int budgetNumber, const QByteArray& previousFile, const QDateTime& at,
                  const std::function<IoResult()>& replaceFile = {});
    // The budget's revisions, oldest first.
    std::vector<BudgetRevision> of(int budgetNumber) const;

private:
    ExtensionDatabase& m_database;
};

} // namespace belvane
