#pragma once
// Writing a file that only ever grows: a record appended at its end, on the disk before the call
// returns, and a new file made whole under its name in one step. For files that one seat alone
// writes (its own hour journal), which is why these writes do not go through the data folder's
// WriteGate: a seat that only reads the shared folder still keeps its own file there.
//
// A crash or a power cut in the middle of an append leaves the earlier bytes untouched and at
// most part of the last record; the reader of such a file is built to expect that. A test can arm
// StorageFaults::Kind::FailWrite: about half of the bytes reach the file and the append fails, as
// a disk filling up in the middle would leave it.
#include "core/storage/IoResult.h"

#include <QByteArray>
#include <QString>

namespace belvane {

// Appends `bytes` at the end of the existing file and waits until they are on the disk.
IoResult appendDurably(const QString& path, const QByteArray& bytes);

// Makes the file at `path` holding `bytes`, on the disk, only if no file has that name yet: a
// file already there is never replaced (the call then fails). The folder is made when missing.
IoResult createDurably(const QString& path, const QByteArray& bytes);

} // namespace belvane
