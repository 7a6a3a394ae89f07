#pragma once
// This seat's hour journal: the one file under "Projetos/Horas/" that this seat writes and every
// seat reads. Nothing else ever writes it, so two seats recording hours at the same moment each
// append to a file of their own and neither can lose the other's entries. Every record is
// appended and on the disk before the call returns; the file is never rewritten, so a record
// costs the same in a journal of one entry as in one of years of them.
//
// The file is named after the seat, its user and machine for people to read and a random id
// the seat keeps in its own note on its machine (SeatMemory::seatId), which makes it this
// seat's file across its sessions. A seat that only reads the shared folder writes here too: its
// journal is its own, so it does not go through the folder's WriteGate.
//
// The journal is read back only when it is not as this object left it (at the first write, or
// after a restore put another copy in its place); a journal from a newer program, or a file that
// is no journal, is never written over.
#include "core/jobs/HourEntry.h"
#include "core/jobs/HourJournalFormat.h"
#include "core/storage/FolderLock.h"
#include "core/storage/SeatMemory.h"

#include <QString>

namespace belvane {

struct HourJournalWrite {
    QString error;       // a Portuguese sentence naming the file; empty when written
    qint64 sequence = 0; // the record's sequence: for an entry added, the entry's own
    bool ok() const { return error.isEmpty(); }
};

class HourJournal {
public:
    // The folder of the journals inside the projects folder, ending with '/'.
    static QString folderIn(const QString& projectsDir);
    static QString suffix() { return QStringLiteral("horas"); }
    // "ana-ESCRITORIO-1f2e3d4c5b6a.horas": user and machine kept to letters, digits, '-' and '_'.
    static QString fileNameFor(const QString& user, const QString& machine, const QString& seatId);

    HourJournal(QString path, QString user, QString machine);
    // This seat's journal in the projects folder, named by the seat and the id its note keeps.
    static HourJournal ofSeat(const QString& projectsDir, const Seat& seat, SeatMemory& memory);

    QString path() const { return m_path; }
    QString fileName() const;

    HourJournalWrite add(const HourEntry& entry);
    // `entrySequence`: the sequence the entry was added with; its budget number stays.
    HourJournalWrite change(qint64 entrySequence, const HourEntry& entry);
    HourJournalWrite remove(qint64 entrySequence);

private:
    HourJournalWrite append(HourRecord record);
    // Makes the file, or reads it again when it is not as this object left it; the error, if any.
    QString catchUp();
    QString create();

    QString m_path;
    QString m_user;
    QString m_machine;
    qint64 m_size = -1; // the file's size after this object's last write; -1 unknown
    qint64 m_lastSequence = 0;
    bool m_tornTail = false;
};

} // namespace belvane
