#pragma once
// The history grid's edits not yet written into the budget files (table pending_row_edits),
// journalled as they are made so that a crash does not lose them. Replacing the journal is one
// transaction, all or none.
#include "core/history/PendingRowEdits.h"
#include "core/storage/IoResult.h"

#include <vector>

namespace belvane {

class ExtensionDatabase;

class PendingEditsJournal {
public:
    // The schema version that made the table.
    static constexpr int kMadeIn = 7;

    explicit PendingEditsJournal(ExtensionDatabase& database) : m_database(database) {}

    std::vector<PendingRowEdit> all() const;
    // Keeps exactly `edits`; with nothing pending and no database yet, none is made for it.
    IoResult replace(const std::vector<PendingRowEdit>& edits);

private:
    ExtensionDatabase& m_database;
};

} // namespace belvane
