#include "ui/app/SingleInstance.h"

#include <QDir>
#include <unistd.h>

namespace belvane {

bool SingleInstance::acquire()
{
    const QString path = QDir(QDir::tempPath())
                             .filePath(QStringLiteral("belvane-%1.lock").arg(::getuid()));
    m_lock = std::make_unique<QLockFile>(path);
    // A lock whose owner process is gone is taken over at once.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    if (m_lock->error() == QLockFile::LockFailedError)
        return false;
    // The temporary folder cannot hold the lock (read-only, full): better to run than to refuse.
    return true;
}

} // namespace belvane
