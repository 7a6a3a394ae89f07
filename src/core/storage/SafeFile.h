#pragma once
// Whole-file reads and crash-safe whole-file writes of the program's data files. A save never
// touches the previous file until the new contents are complete and on disk: they are written to
// a temporary file in the same folder, flushed, and only then put in the previous file's place in
// one step. Whatever goes wrong on the way — a full disk, a denied access, a crash — the previous
// file stays as it was, and the caller gets a Portuguese message naming the file.
#include "core/storage/IoResult.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>

namespace belvane {

IoResult writeFileAtomically(const QString& path, const QByteArray& bytes);
// `writer` streams the new contents into the device and returns false if it could not; a write
// the device refused fails the save even when the writer did not notice.
IoResult writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& writer);

struct ReadOutcome {
    enum class State { Ok, Missing, Failed };
    State state = State::Failed;
    QByteArray bytes;
    QString error;  // the message for the user, also set when the file is missing
    bool ok() const { return state == State::Ok; }
};

// Reads the file from its start, at most maxBytes of it (all of it when maxBytes is negative).
// A file that does not exist is Missing — the normal case on a first start; one that exists but
// cannot be read is Failed.
ReadOutcome readWholeFile(const QString& path, qint64 maxBytes = -1);

// Deletes the file; a file that is already gone counts as deleted.
IoResult removeFile(const QString& path);

} // namespace belvane
