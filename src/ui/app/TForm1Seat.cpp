// The main window's part in sharing the data folder between seats: the lock is claimed before
// anything is read, renewed while the program runs, looked at again before every write and let
// go at the end. A seat that does not get it only reads, says so in a banner above the pages and
// keeps watching the lock: one that stops changing for the stale time belongs to a seat that has
// gone, which the next start may take over.
#include "ui/app/TForm1.h"

#include "core/storage/SeatNotices.h"
#include "core/storage/WriteGate.h"
#include "core/text/Clock.h"
#include "ui/widgets/Prompts.h"

#include <QLabel>

namespace belvane {
namespace {

constexpr int kWatchSeconds = 60;
constexpr int kRetrySeconds = 30;

} // namespace

void TForm1::claimDataFolder()
{
    const Seat seat = Seat::current();
    const QString root = m_state.folders().appDir;
    m_lock = std::make_unique<FolderLock>(root, seat, SeatMemory::fileFor(root, seat.machine));
    connect(&m_state, &AppState::writeAccessChanged, this, [this] {
        m_readOnlyBanner->setText(m_state.readOnlyNotice());
        m_readOnlyBanner->setVisible(!m_state.writes());
    });
    switch (m_lock->acquire(Clock::now())) {
    case LockState::Acquired:
        break;
    case LockState::HeldByOther:
        m_state.becomeReadOnly(heldByOtherNotice(m_lock->holder()));
        break;
    case LockState::Failed:
        m_state.becomeReadOnly(lockFailedNotice(m_lock->filePath()));
        break;
    case LockState::Stale: {
        const auto answer = Prompts::ask(this, staleLockQuestion(m_lock->holder()),
                                         QMessageBox::Yes | QMessageBox::No, Prompts::Box::Warning);
        if (answer == QMessageBox::Yes && m_lock->takeOver(Clock::now()))
            break;
        // Declined, or the holder came back while the question was open.
        m_state.becomeReadOnly(heldByOtherNotice(m_lock->holder()));
        break;
    }
    }
    // Every write into the folder asks first, a seat that only reads included: nothing gets past.
    WriteGate::install(root, [this] { return mayWriteDataFolder(); });
    m_lockRenewal.setSingleShot(true);
    connect(&m_lockRenewal, &QTimer::timeout, this, &TForm1::renewDataFolderLock);
    m_lockRenewal.start(m_lock->held() ? FolderLock::kRenewMinutes * 60 * 1000 : kWatchSeconds * 1000);
}

IoResult TForm1::mayWriteDataFolder()
{
    if (!m_state.writes())
        return IoResult::failure(m_state.readOnlyNotice());
    switch (m_lock->check(Clock::now())) {
    case LockCheck::Held:
        return IoResult::success();
    case LockCheck::Unsure:
        return IoResult::failure(lockUnreadableNotice(m_lock->filePath()));
    case LockCheck::Lost:
        break;
    }
    // Another seat took the folder over while this one was away (asleep past the stale time):
    // it writes now, and this one must not write over it. The pages are told once the write
    // that found out has reported its refusal.
    const QString notice = lockLostNotice(m_lock->holder());
    QTimer::singleShot(0, this, [this, notice] { loseDataFolder(notice); });
    return IoResult::failure(notice);
}

void TForm1::loseDataFolder(const QString& notice)
{
    if (!m_state.writes())
        return;
    m_state.becomeReadOnly(notice);
    m_lockRenewal.start(kWatchSeconds * 1000);
}

void TForm1::renewDataFolderLock()
{
    if (!m_lock->held()) {
        // Watching another seat's lock: once it has not changed for the stale time, its seat has
        // gone and the user is told how to take the folder over.
        if (m_state.writes())
            return;
        if (m_lock->watchIsStale(Clock::now()))
            m_state.becomeReadOnly(staleHolderNotice(m_lock->holder()));
        m_lockRenewal.start(kWatchSeconds * 1000);
        return;
    }
    switch (m_lock->renew(Clock::now())) {
    case LockCheck::Held:
        m_lockRenewal.start(FolderLock::kRenewMinutes * 60 * 1000);
        return;
    case LockCheck::Unsure:
        // A read that failed (a network hiccup) says nothing about who holds the folder: this
        // seat keeps writing and looks again soon.
        m_lockRenewal.start(kRetrySeconds * 1000);
        return;
    case LockCheck::Lost:
        break;
    }
    loseDataFolder(lockLostNotice(m_lock->holder()));
    Prompts::error(this, m_state.readOnlyNotice());
}

void TForm1::confirmDataFolder()
{
    if (m_state.writes() && m_lock->check(Clock::now()) == LockCheck::Lost)
        loseDataFolder(lockLostNotice(m_lock->holder()));
}

void TForm1::releaseDataFolder()
{
    m_lockRenewal.stop();
    WriteGate::uninstall();
    if (m_lock)
        m_lock->release();
}

} // namespace belvane
