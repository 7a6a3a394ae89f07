#pragma once
// What the user is told about the data folder lock: who holds the folder, why this seat only
// reads, and the question before an old lock is taken over.
#include "core/storage/FolderLock.h"

#include <QString>

namespace belvane {

// The line shown above the pages while another seat writes the folder.
QString heldByOtherNotice(const LockHolder& holder);
// The line shown when the lock file could not be written (a read-only folder or medium).
QString lockFailedNotice(const QString& lockPath);
// The line shown once another seat has taken the folder over from this one.
QString lockLostNotice(const LockHolder& holder);
// The line shown once the holder's lock has not changed for the stale time, as seen from here.
QString staleHolderNotice(const LockHolder& holder);
// The refusal of a write when the lock could not be read to confirm this seat still holds it.
QString lockUnreadableNotice(const QString& lockPath);
// The question asked before taking over a lock whose holder has gone quiet.
QString staleLockQuestion(const LockHolder& holder);

} // namespace belvane
