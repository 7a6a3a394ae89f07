#pragma once
// Checks shared by the fixed-size record files (office, budget, colours, counter): what the
// reader accepts is the record byte for byte, and the program's writer gives those bytes back.
// The figures of a record are also shown in the pages through the number and date forms, which
// must cope with whatever a damaged file holds (NaN, infinities, absurd magnitudes).
#include "FuzzSupport.h"

#include "core/storage/RecordFile.h"
#include "core/text/DayCount.h"
#include "core/text/NumberFormat.h"
#include "core/text/ShortString.h"

#include <cstring>

namespace belvane::fuzz {

// Reads `bytes` as the record file `name` with `read`, checks the outcome against the file's
// length, and writes the record back with `write`: the new file must be the record's bytes, that
// is the first sizeof(Record) bytes of the input. Returns whether a record was read.
template <class Record, class Reader, class Writer>
bool readAndWriteBack(Record& record, const QString& name, const QByteArray& bytes, Reader read,
                      Writer write)
{
    const Record before = record;
    const RecordRead outcome = read(record, scratchFile(name, bytes));
    if (bytes.size() < qsizetype(sizeof(Record))) {
        check(outcome.state == RecordReadState::Failed && !outcome.error.isEmpty(),
              "a short record file must be reported as damaged");
        check(std::memcmp(&before, &record, sizeof(Record)) == 0,
              "a short record file must leave the record untouched");
        return false;
    }
    check(outcome.state == RecordReadState::Read, "a whole record must be read", outcome.error);
    check(std::memcmp(&record, bytes.constData(), sizeof(Record)) == 0,
          "the record must be the file's first bytes");
    const QString copy = scratchDir() + QStringLiteral("written-") + name;
    check(write(record, copy).ok(), "the record must be written back");
    check(fileBytes(copy) == bytes.first(qsizetype(sizeof(Record))),
          "a record written back must reproduce its file byte for byte");
    return true;
}

// What the pages do with a stored figure.
inline void showFigure(double value)
{
    (void)formatGeneral(value);
    (void)formatNumber(value, u"#,##0.00");
    (void)formatNumber(value, u"0.0");
}

template <int N>
void showText(const ShortString<N>& text)
{
    const QString shown = text.toQString();
    check(shown.size() <= N, "a short string shows at most its capacity");
}

} // namespace belvane::fuzz
