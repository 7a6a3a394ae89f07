#pragma once
// The lock that lets several seats share one data folder (on a network drive) without two of them
// writing at once. A file "Belvane.lock" in the data folder names the seat that writes: the user,
// the machine, a random token of its session, since when, when it last said it is still there
// and how many times it did. Another seat that finds it opens the folder read-only.
//
// The holder renews the lock every few minutes while it runs, so the lock of a seat that went
// away (a crash, a cut cable, a laptop asleep) stops changing. Whether it stopped is judged by
// the seat that watches, on its own clock: the times written in the lock come from another
// machine, whose clock may be minutes or time zones apart, and are there for people to read.
// A lock that has not changed for kStaleAfterMinutes of the watcher's clock may be taken over,
// and only after asking the user.
//
// "This very seat" is the same session token: two machines of the same name and user are two
// seats. A lock left by this seat's own crash is known by the token this machine remembers
// (SeatMemory) and taken back without asking.
#include "core/storage/SeatMemory.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

namespace belvane {

struct LockHolder {
    QString user;
    QString machine;
    QString session;
    QDateTime since;
    QDateTime renewed;
    qint64 renewals = 0;
};

// A seat: the user logged in, the machine's name and the token of this run of the program. Two
// users on one terminal server are two seats.
struct Seat {
    QString user;
    QString machine;
    QString session;
    // The seat this program runs on, with a token made once per run.
    static Seat current();
};

enum class LockState {
    Acquired,     // this seat writes
    HeldByOther,  // another seat writes: this one only reads
    Stale,        // the lock has not changed for long: take it over only if the user agrees
    Failed,       // the lock file could not be written (a read-only folder): this seat only reads
};

// What a look at the lock found, before a write or at a renewal.
enum class LockCheck {
    Held,    // it names this session
    Lost,    // it names another session: that one writes now
    Unsure,  // it could not be read (a network hiccup): nothing is known
};

class FolderLock {
public:
    // Renewed every kRenewMinutes; six renewals missed in a row mean the holder is gone: a program
    // that runs renews on time even on a slow network or a busy machine, while a seat switched off
    // or crashed is not left blocking the office for more than half an hour.
    static constexpr int kRenewMinutes = 5;
    static constexpr int kStaleAfterMinutes = 30;
    static QString fileName() { return QStringLiteral("Belvane.lock"); }

    // `memoryFile`: this seat's note about the folder (SeatMemory); empty remembers nothing.
    FolderLock(const QString& dataDir, Seat seat, const QString& memoryFile = {});

    // `now` is this seat's own clock, in any time zone.
    LockState acquire(const QDateTime& now);
    // Takes over the lock judged stale (after the user agreed), only if it still reads as it did
    // then: a holder that came back meanwhile, or a third seat that took over, keeps it.
    bool takeOver(const QDateTime& now);
    // Looks at the lock before a write: Lost ends this seat's writing for good. A lock that
    // vanished is made again.
    LockCheck check(const QDateTime& now);
    // Says this seat is still there.
    LockCheck renew(const QDateTime& now);
    // While another seat holds the folder: looks again, and tells whether the lock has gone
    // unchanged for the stale time.
    bool watchIsStale(const QDateTime& now);
    // Removes the lock if it still names this session.
    void release();

    bool held() const { return m_held; }
    // Whether this seat took over a lock its holder never let go (its own crash, or a seat that
    // went quiet): what that holder was writing may have been cut short.
    bool afterUncleanClose() const { return m_afterUncleanClose; }
    // Who holds it, as last read.
    const LockHolder& holder() const { return m_holder; }
    QString filePath() const { return m_path; }
    const Seat& seat() const { return m_seat; }

private:
    enum class Read { Ok, Missing, Failed };
    Read readHolder();
    bool createWithContent(const QDateTime& now);
    bool replace(const QDateTime& now);
    bool namesThisSession() const { return m_holder.session == m_seat.session; }
    bool leftByThisSeat() const;
    bool staleByWatch(const QDateTime& now);
    QByteArray text(const QDateTime& now) const;

    QString m_dataDir;
    QString m_path;
    Seat m_seat;
    SeatMemory m_memory;
    LockHolder m_holder;
    QByteArray m_content;  // the lock's bytes as last read
    std::optional<QByteArray> m_judged; // the bytes judged stale, which a takeover expects to find still
    QDateTime m_since;
    qint64 m_renewals = 0;
    bool m_held = false;
    bool m_afterUncleanClose = false;
};

} // namespace belvane
