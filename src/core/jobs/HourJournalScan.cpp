#include "core/jobs/HourJournalScan.h"

namespace belvane {

HourJournalScan scanHourJournal(QByteArrayView bytes)
{
    return scanHourJournal(bytes, {});
}

HourJournalScan scanHourJournal(QByteArrayView bytes, const HourRecordSink& sink)
{
    HourJournalScan scan;
    const qsizetype end = bytes.indexOf('\n');
    if (end < 0) {
        scan.state = HourJournalScan::State::Empty;
        scan.tornTail = !bytes.isEmpty();
        return scan;
    }
    switch (hourjournal::readHeader(bytes.first(end), scan.header)) {
    case hourjournal::HeaderRead::Newer:
        scan.state = HourJournalScan::State::Newer;
        return scan;
    case hourjournal::HeaderRead::NotAJournal:
        scan.state = HourJournalScan::State::NotAJournal;
        return scan;
    case hourjournal::HeaderRead::Ok:
        break;
    }
    scan.headerBytes = end + 1;
    scan.consumed = scan.headerBytes;
    scanHourRecords(bytes.sliced(scan.headerBytes), scan, sink);
    return scan;
}

void scanHourRecords(QByteArrayView bytes, HourJournalScan& scan, const HourRecordSink& sink)
{
    qsizetype start = 0;
    HourRecord record;
    for (;;) {
        const qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            break;
        switch (hourjournal::readRecord(bytes.sliced(start, end - start), record)) {
        case hourjournal::LineRead::Ok:
            if (record.sequence > scan.lastSequence) {
                scan.lastSequence = record.sequence;
                if (sink)
                    sink(record);
                else
                    scan.records.push_back(std::move(record));
            } else {
                ++scan.damagedLines;
            }
            break;
        case hourjournal::LineRead::Damaged:
            ++scan.damagedLines;
            break;
        case hourjournal::LineRead::Torn:
            break;
        }
        start = end + 1;
    }
    scan.consumed += start;
    scan.tornTail = start < bytes.size();
}

} // namespace belvane
