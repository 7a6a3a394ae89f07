#pragma once
// One seat's journal as the reading seats hold it: its entries as they stand after every change
// and deletion recorded so far, found by sequence and by budget. It remembers how far it read, so
// that a refresh reads only what the seat appended since; a journal that shrank or whose first
// line changed (a restore put another copy in its place) is read again whole. What cannot be read
// is said in one Portuguese sentence naming the seat and the file; what was read still counts.
#include "core/jobs/HourJournalScan.h"

#include <QDateTime>
#include <QHash>
#include <QString>

#include <vector>

namespace belvane {

class FoldedHourJournal {
public:
    struct Slot {
        HourEntry entry;
        qint64 sequence = 0; // the sequence it was added with
        bool removed = false;
    };

    explicit FoldedHourJournal(QString path);

    // Whether the file looks as the last refresh left it (its size and time, nothing read).
    bool unchanged() const;
    // Safe on any thread, for journals of their own.
    void refresh();

    QString fileName() const { return m_fileName; }
    // The header's token; empty until a header was read.
    QString token() const { return m_scan.header.token; }
    qint64 lastSequence() const { return m_scan.lastSequence; }
    // Empty when every line read well.
    QString problem() const { return m_problem; }
    // "ana em ESCRITORIO", or the file's name before its header is known.
    QString seat() const;
    QString lastPerson() const;
    qint64 lastReadBytes() const { return m_lastReadBytes; }

    const std::vector<Slot>& entries() const { return m_slots; }
    // Indices into entries() of the entries recorded for `budget`, removed ones included.
    const std::vector<int>* entriesOf(int budget) const;

private:
    void reset();
    bool readTail(QIODevice& file);
    void readWhole(QIODevice& file);
    void apply(HourRecord& record);
    Slot* slotOf(qint64 sequence);
    QString describeProblem() const;

    QString m_path;
    QString m_fileName;
    HourJournalScan m_scan;
    QByteArray m_headerLine;
    qint64 m_size = -1; // where the last read ended
    QDateTime m_modified;
    std::vector<Slot> m_slots;
    QHash<int, std::vector<int>> m_byBudget;
    int m_lastPersonSlot = -1; // the entry last added or changed
    QString m_problem;
    QString m_readFailure;
    qint64 m_lastReadBytes = 0;
};

} // namespace belvane
