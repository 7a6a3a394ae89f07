#pragma once
// Reading and writing the fixed-size record files (office, budget, colours, counter). Each file
// is one record as it lies in memory, nothing more: reading takes the first sizeof(Record) bytes,
// writing replaces the file crash-safely.
#include "core/storage/IoResult.h"
#include "core/storage/SafeFile.h"

#include <QDir>
#include <cstring>
#include <type_traits>

namespace belvane {

enum class RecordReadState { Read, Missing, Failed };

struct RecordRead {
    RecordReadState state = RecordReadState::Missing;
    QString error;
    bool ok() const { return state != RecordReadState::Failed; }
};

// A missing file leaves the record untouched; a file shorter than one record is reported as
// damaged and also leaves the record untouched; a longer file is read for its first record.
template <class Record>
RecordRead readRecordFile(Record& record, const QString& path)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    const ReadOutcome read = readWholeFile(path, qint64(sizeof(Record)));
    if (read.state == ReadOutcome::State::Missing)
        return {RecordReadState::Missing, {}};
    if (read.state == ReadOutcome::State::Failed)
        return {RecordReadState::Failed, read.error};
    if (read.bytes.size() < qsizetype(sizeof(Record))) {
        return {RecordReadState::Failed,
                QStringLiteral("O arquivo \"%1\" está danificado ou incompleto: tem %2 bytes, "
                               "mas deveria ter %3.")
                    .arg(QDir::toNativeSeparators(path))
                    .arg(read.bytes.size())
                    .arg(sizeof(Record))};
    }
    std::memcpy(static_cast<void*>(&record), read.bytes.constData(), sizeof(Record));
    return {RecordReadState::Read, {}};
}

template <class Record>
IoResult writeRecordFile(const Record& record, const QString& path)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    return writeFileAtomically(
        path, QByteArray(reinterpret_cast<const char*>(&record), qsizetype(sizeof(Record))));
}

} // namespace belvane
