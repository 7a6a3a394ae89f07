#pragma once
// Bringing back an earlier version of a budget. The chosen revision's figures become the budget
// file again; the file they replace is kept as the budget's next revision, so a restore never
// deletes anything and can itself be undone by restoring that revision. The commercial state the
// history row holds now (status, negotiated value, telephone, project code, including grid edits
// not yet written) stays with the budget: a restore brings back a proposal, not a past status.
//
// File and database change together or not at all: the revision is kept in the same database
// transaction that replaces the file, and a file replaced when the database could not commit is
// put back as it was.
#include "core/history/HistoryStore.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace belvane {

class ExtensionStore;

struct RevisionRestore {
    QString error;        // nothing was changed: why, naming the file
    QStringList warnings; // the budget was restored, but the history or the status log was not
    QString buildingUse;  // the restored budget's, which the statistics keep by number
    bool restored() const { return error.isEmpty(); }
};

// Restores revision `revision` of the budget in history row `row`.
RevisionRestore restoreRevision(HistoryStore& history, ExtensionStore& store, int row, int revision,
                                const QDateTime& at);

} // namespace belvane
