// The main window's part in sharing the data folder between seats: the lock is claimed before
// anything is read, renewed while the program runs and let go at the end. A seat that does not
// get it only reads, and says so in a banner above the pages.
#include "ui/app/TForm1.h"

#include "core/storage/SeatNotices.h"
#include "core/text/Clock.h"
#include "ui/widgets/Prompts.h"

#include <QLabel>

namespace belvane {

void TForm1::claimDataFolder()
{
    const Seat seat = Seat::current();
    m_lock = std::make_unique<FolderLock>(m_state.folders.appDir, seat.user, seat.machine);
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
        m_state.becomeReadOnly(answer == QMessageBox::Yes ? lockFailedNotice(m_lock->filePath())
                                                          : heldByOtherNotice(m_lock->holder()));
        break;
    }
    }
    if (m_lock->held()) {
        m_lockRenewal.setInterval(FolderLock::kRenewMinutes * 60 * 1000);
        connect(&m_lockRenewal, &QTimer::timeout, this, &TForm1::renewDataFolderLock);
        m_lockRenewal.start();
    }
}

void TForm1::renewDataFolderLock()
{
    // A lock file that could not be rewritten this once is tried again at the next renewal.
    if (m_lock->renew(Clock::now()) || m_lock->held())
        return;
    // Another seat took the folder over (this machine slept past the stale time): from now on it
    // writes, and this one must not write over it.
    m_lockRenewal.stop();
    m_state.becomeReadOnly(lockLostNotice(m_lock->holder()));
    Prompts::error(this, m_state.readOnlyNotice());
}

void TForm1::releaseDataFolder()
{
    m_lockRenewal.stop();
    if (m_lock)
        m_lock->release();
}

} // namespace belvane
