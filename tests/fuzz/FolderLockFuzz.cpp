// The data folder's lock "Belvane.lock", as another seat left it (another version of the program,
// a crash in the middle of writing it, a damaged share): any bytes. Reading it never fails the
// program; a lock this seat did not write is never taken, renewed or removed by it, however it
// reads, and the file stays as it was.
#include "FuzzSupport.h"

#include "core/storage/FolderLock.h"

#include <QDir>

using namespace belvane;
using namespace belvane::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = inputBytes(data, size);
    const QString folder = scratchDir() + QStringLiteral("pasta/");
    QDir().mkpath(folder);
    const QString path = scratchFile(QStringLiteral("pasta/") + FolderLock::fileName(), bytes);
    const QDateTime now(QDate(2026, 12, 10), QTime(9, 0));

    FolderLock lock(folder, {QStringLiteral("ana"), QStringLiteral("ESCRITORIO"), QStringLiteral("sessao-do-teste")});
    check(lock.acquire(now) == LockState::HeldByOther, "another seat's lock, seen for the first time, is held");
    check(!lock.held(), "a seat that did not get the lock does not hold it");
    check(lock.check(now) == LockCheck::Lost, "a seat that does not hold the lock may not write");
    check(!lock.watchIsStale(now.addSecs(60)), "a lock seen for a minute is not stale");
    check(!lock.takeOver(now), "a lock never judged stale is not taken over");
    lock.release();
    check(fileBytes(path) == bytes, "the other seat's lock stays as it was");
    (void)lock.holder().since.toString(Qt::ISODate);
    return 0;
}
