#pragma once
// The one door every write into the data folder goes through. A seat that shares the folder with
// others must still hold it at the moment it writes: a laptop that slept past the stale time has
// been taken over, and its timers, which do not count sleep, have not noticed. So before each
// write (a file saved or deleted, the database changed, a backup restored) the program looks at
// the lock again and refuses the write when another seat holds the folder now.
//
// The main window opens the door with its check; with none installed (tests of single files,
// tools) every write goes through. Paths outside the guarded folder (an export to the user's
// own folder) are never held back.
#include "core/storage/IoResult.h"

#include <QString>

#include <functional>

namespace belvane {

class WriteGate {
public:
    using Check = std::function<IoResult()>;

    // Guards every path under `folder` with `check`, which says whether this seat may write now.
    static void install(const QString& folder, Check check);
    static void uninstall();
    // Called by the storage layer and the database before they write `path`.
    static IoResult check(const QString& path);
};

} // namespace belvane
