#pragma once
// Only one Belvane may run at a time for a user: a second start ends at once, without effect.
// The guard is a lock file that the system releases when the process dies, so a crashed run
// never keeps the program from starting again.
#include <QLockFile>
#include <memory>

namespace belvane {

class SingleInstance {
public:
    // Takes the lock; false when another running Belvane holds it.
    bool acquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace belvane
