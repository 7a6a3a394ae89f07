#pragma once
// Reading the bytes of an hour journal into its records, from the start or from where an earlier
// read stopped. Only whole lines are read: a last line without its line break is a record being
// written, or one a seat switched off in the middle left behind, and is left for a later read
// (not an error, and nothing before it is lost). A line whose checksum or fields do not hold, or
// whose sequence does not follow the ones before it, is counted as damaged and skipped; the
// records around it still count.
#include "core/jobs/HourJournalFormat.h"

#include <QByteArrayView>

#include <functional>
#include <vector>

namespace belvane {

struct HourJournalScan {
    enum class State {
        Ok,
        Empty,       // not even a whole header line yet (a journal being made)
        Newer,       // written by a newer program: not read
        NotAJournal, // the first line is no journal header
    };
    State state = State::Ok;
    HourJournalHeader header;
    qint64 headerBytes = 0; // the header line with its break
    std::vector<HourRecord> records;
    qint64 consumed = 0;     // bytes of whole lines read: where the next read starts
    qint64 lastSequence = 0; // the highest sequence read so far
    int damagedLines = 0;
    bool tornTail = false; // the bytes end inside a line
};

// Reads a whole journal file's bytes.
HourJournalScan scanHourJournal(QByteArrayView bytes);

// Each record read, handed over as it is read rather than kept in the scan's list.
using HourRecordSink = std::function<void(HourRecord&)>;

// Reads a whole journal file's bytes, handing its records to `sink` when one is given.
HourJournalScan scanHourJournal(QByteArrayView bytes, const HourRecordSink& sink);

// Reads the records in `bytes`, which start where scan.consumed left off (after the header at
// the first read), adding to `scan`: consumed, lastSequence and damagedLines grow, and so do its
// records unless they go to `sink`.
void scanHourRecords(QByteArrayView bytes, HourJournalScan& scan, const HourRecordSink& sink = {});

} // namespace belvane
