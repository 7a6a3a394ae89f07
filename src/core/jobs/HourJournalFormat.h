#pragma once
// The text of a seat's hour journal (UTF-8, one line per record, '\n' at the end of each). The
// first line names the format and its version, the journal's own token (made when the file was
// made) and the seat that writes it; every further line is one record: an entry added, an entry
// changed or an entry deleted. Each record has a sequence number of its own, one more than the
// record before it in the same journal, and a change or a deletion names the sequence of the entry
// it concerns (the one it was added with). Fields are separated by tabs; a tab, a line break or a
// backslash inside a name or a note is escaped. Each line ends with the CRC-32 of the text before
// it, so a damaged or half-written line is known as such.
//
//   Belvane horas<TAB>1<TAB>token<TAB>user<TAB>machine<TAB>crc
//   nova<TAB>seq<TAB>budget<TAB>2026-12-10<TAB>person<TAB>task<TAB>quarters<TAB>note<TAB>crc
//   altera<TAB>seq<TAB>entry seq<TAB>2026-12-10<TAB>person<TAB>task<TAB>quarters<TAB>note<TAB>crc
//   exclui<TAB>seq<TAB>entry seq<TAB>crc
//
// An entry keeps the job it was recorded for: a change carries no budget number.
//
// A seat switched off in the middle of an append leaves part of a line without its line break.
// When the seat writes again it first ends that line with the torn-line mark, so that readers
// know it for a line cut short, not a damaged one, and starts its record on a fresh line.
#include "core/jobs/HourEntry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace belvane {

struct HourJournalHeader {
    int version = 0;
    QString token; // made once with the file: a journal made anew is another journal
    QString user;  // the seat that writes it, for people to read
    QString machine;
};

struct HourRecord {
    enum class Kind { Add, Change, Remove };
    Kind kind = Kind::Add;
    qint64 sequence = 0; // this record's own number in its journal
    qint64 target = 0;   // Change, Remove: the sequence the entry was added with
    HourEntry entry;     // Add: the whole entry; Change: its new values, the budget number aside
};

namespace hourjournal {

inline constexpr int kVersion = 1;
// The most quarters one entry can hold: a whole day.
inline constexpr int kMaxQuarters = 96;

// The header line and a record line, each with its line break.
QByteArray headerLine(const HourJournalHeader& header);
QByteArray recordLine(const HourRecord& record);
// What the writer appends after a line cut short, before its next record.
QByteArray tornLineEnd();

enum class HeaderRead { Ok, Newer, NotAJournal };
// `line` without its line break.
HeaderRead readHeader(QByteArrayView line, HourJournalHeader& header);

enum class LineRead { Ok, Damaged, Torn };
// `line` without its line break. Torn: a line the writer ended with the torn-line mark.
LineRead readRecord(QByteArrayView line, HourRecord& record);

} // namespace hourjournal
} // namespace belvane
