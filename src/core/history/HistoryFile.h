#pragma once
// The history file "Hist.bvh" in the projects folder: the whole history table as text, written
// after every save and deletion and at the close, read once at start.
//
// Format: UTF-16 little-endian starting with the mark FF FE; no header; one line per row in table
// order, each of 19 fields (columns 0 to 18, hidden ones included) separated by commas and ended
// by CR LF, the last line too. A field is the cell's text form with every quotation mark doubled
// and each line break written as "|"; it is enclosed in quotation marks only when the text holds a
// comma or a quotation mark. An empty history is the two bytes FF FE.
//
// Reading undoes this with a quotation count rather than by position: a comma belongs to the text
// while an odd number of quotation marks has been seen in the field, a doubled mark comes back as
// one, and "|" comes back as CR LF. Files from elsewhere — edited by hand, saved by a spreadsheet,
// cut short by a crash — are read as far as they go: no row is dropped, and every departure from
// the format is reported with its line (see HistoryReadResult.h).
#include "core/history/HistoryReadResult.h"
#include "core/storage/IoResult.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace belvane {

class HistoryTable;

inline constexpr char16_t kHistoryFileName[] = u"Hist.bvh";

// The file's bytes for the table.
QByteArray historyFileBytes(const HistoryTable& table);
// Streams the file into the device; false when the device refused a write.
bool WriteHistoryFile(const HistoryTable& table, QIODevice& device);
// Replaces the file at `path` crash-safely: a failed write leaves the previous file whole.
IoResult WriteHistoryFile(const HistoryTable& table, const QString& path);

// Works out and keeps the file lines of up to `count` rows from `from` on that have none yet, so
// that the next save only copies them; returns the row to go on from (rowCount() when done).
// Done in small steps while the user is idle (HistoryStore schedules them after a read), it spares
// the first save the encoding of every row; the step that finishes gathers the lines into one
// image the rows then point into.
int keepHistoryLines(const HistoryTable& table, int from, int count);

// Replaces the table's rows with those of the file's bytes. `path` only names the file in
// messages.
HistoryReadResult ReadHistoryFile(HistoryTable& table, const QByteArray& bytes, const QString& path);
HistoryReadResult ReadHistoryFile(HistoryTable& table, QIODevice& device, const QString& path);
// Reads the file at `path`. A missing file leaves an empty table and reports Missing; a file that
// cannot be read leaves an empty table and reports Failed with the reason.
HistoryReadResult ReadHistoryFile(HistoryTable& table, const QString& path);

} // namespace belvane
