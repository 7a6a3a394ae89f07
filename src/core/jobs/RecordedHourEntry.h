#pragma once
// An hour entry as the office's journals hold it: the entry and where it was recorded. Each seat
// writes only its own journal, so the journal tells whose entry it is, and a seat edits or
// deletes only the entries of its own journal.
#include "core/jobs/HourEntry.h"

#include <QString>

namespace belvane {

struct HourEntryId {
    QString journal;     // the journal's file name ("ana-ESCRITORIO-1f2e3d4c5b6a.horas")
    qint64 sequence = 0; // the sequence the entry was added with in that journal
    bool operator==(const HourEntryId&) const = default;
};

struct RecordedHourEntry {
    HourEntryId id;
    HourEntry entry;
    bool operator==(const RecordedHourEntry&) const = default;
};

} // namespace belvane
