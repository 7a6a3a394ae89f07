#pragma once
// The lock that lets several seats share one data folder (on a network drive) without two of them
// writing at once. A file "Belvane.lock" in the data folder names the seat that writes: the user,
// the machine, since when, and when it last said it is still there. Another seat that finds it
// opens the folder read-only. The holder renews the lock every few minutes while it runs, so a
// lock left behind by a machine that went away (a crash, a cut cable) grows old; past
// kStaleAfterMinutes it may be taken over, and only after asking the user.
//
// The lock is about seats: the rule that one user runs one instance per machine stays as it is,
// so a lock naming this very user and machine can only be one left by a crash, and is taken back.
#include <QDateTime>
#include <QString>

namespace belvane {

struct LockHolder {
    QString user;
    QString machine;
    QDateTime since;
    QDateTime renewed;
};

// A seat: the user logged in and the machine's name. Two users on one terminal server are two seats.
struct Seat {
    QString user;
    QString machine;
    // The seat this program runs on.
    static Seat current();
};

enum class LockState {
    Acquired,     // this seat writes
    HeldByOther,  // another seat writes: this one only reads
    Stale,        // the holder has not renewed it for long: take it over only if the user agrees
    Failed,       // the lock file could not be written (a read-only folder): this seat only reads
};

class FolderLock {
public:
    // Renewed every kRenewMinutes; six renewals missed in a row mean the holder is gone: a program
    // that runs renews on time even on a slow network or a busy machine, while a seat switched off
    // or crashed is not left blocking the office for more than half an hour.
    static constexpr int kRenewMinutes = 5;
    static constexpr int kStaleAfterMinutes = 30;
    static QString fileName() { return QStringLiteral("Belvane.lock"); }

    FolderLock(const QString& dataDir, const QString& user, const QString& machine);

    LockState acquire(const QDateTime& now);
    // Takes a stale lock over (after the user agreed).
    bool takeOver(const QDateTime& now);
    // Says this seat is still there; false when the lock no longer names it.
    bool renew(const QDateTime& now);
    // Removes the lock if it still names this seat.
    void release();

    bool held() const { return m_held; }
    // Who holds it, as last read.
    const LockHolder& holder() const { return m_holder; }
    QString filePath() const { return m_path; }

private:
    bool readHolder();
    bool write(const QDateTime& since, const QDateTime& now, bool mustBeNew);
    bool namesThisSeat() const;

    QString m_path;
    QString m_user;
    QString m_machine;
    LockHolder m_holder;
    QDateTime m_since;
    bool m_held = false;
};

} // namespace belvane
