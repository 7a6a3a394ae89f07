#pragma once
// What this seat remembers of a shared data folder between its sessions, kept on this machine
// (never in the shared folder, which a seat that only reads must not write): the session it last
// wrote into the folder's lock, so a lock its own crash left behind is known as its own; and the
// lock of another seat as this seat last saw it, with when this seat's own clock first saw it so;
// and the id that names this seat's own hour journal.
// A lock that no one renews keeps the same content; only this seat's clock says for how long.
#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace belvane {

class SeatMemory {
public:
    // `file` is this seat's own note about one data folder; an empty path remembers nothing.
    explicit SeatMemory(QString file);

    // The note for the data folder `dataDir` of this user on this machine, in the user's
    // configuration folder.
    static QString fileFor(const QString& dataDir, const QString& machine);

    // This seat's own id for the data folder, made the first time it is asked for and kept in the
    // note: it names the seat's hour journal, the same file across its sessions.
    QString seatId();

    QString lastSession() const { return m_lastSession; }
    void setLastSession(const QString& session);

    // Notes that the lock reads `content` now; returns since when, by this seat's clock, it has
    // read exactly so (now, when it just changed or this seat's clock went back).
    QDateTime seenUnchangedSince(const QByteArray& content, const QDateTime& now);

private:
    void save() const;

    QString m_file;
    QString m_seatId;
    QString m_lastSession;
    QByteArray m_seen;  // a digest of the lock's content as last seen
    QDateTime m_seenSince;
};

} // namespace belvane
