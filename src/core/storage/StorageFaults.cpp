#include "core/storage/StorageFaults.h"

#include <QFileInfo>

#include <mutex>
#include <vector>

namespace belvane {

namespace {

struct ArmedFault {
    StorageFaults::Kind kind;
    QString fileName;
    int remaining;
};

struct FaultBoard {
    std::mutex mutex;
    std::vector<ArmedFault> faults;
};

FaultBoard& board()
{
    static FaultBoard instance;
    return instance;
}

} // namespace

void StorageFaults::inject(Kind kind, const QString& fileName, int count)
{
    if (count < 1)
        return;
    FaultBoard& b = board();
    const std::lock_guard lock(b.mutex);
    b.faults.push_back({kind, fileName, count});
}

void StorageFaults::clear()
{
    FaultBoard& b = board();
    const std::lock_guard lock(b.mutex);
    b.faults.clear();
}

bool StorageFaults::consume(Kind kind, const QString& path)
{
    FaultBoard& b = board();
    const std::lock_guard lock(b.mutex);
    if (b.faults.empty())
        return false;
    const QString name = QFileInfo(path).fileName();
    for (auto it = b.faults.begin(); it != b.faults.end(); ++it) {
        if (it->kind != kind)
            continue;
        if (!it->fileName.isEmpty() && it->fileName.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (--it->remaining == 0)
            b.faults.erase(it);
        return true;
    }
    return false;
}

} // namespace belvane
