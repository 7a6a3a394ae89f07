#pragma once
// Before the program first rewrites a history file it could not read cleanly, it keeps the file
// as it found it, beside it, under a name that tells when: "Hist.bvh.original-20260309-142501".
// Whatever the reader could not understand thus survives the rewrite and can be looked at later.
// An earlier copy is never overwritten: a second copy in the same second gets "-2", then "-3".
#include <QDateTime>
#include <QString>

namespace belvane {

struct OriginalCopy {
    QString copyPath;  // empty when there was no file to copy
    QString error;     // Portuguese sentence naming both files; empty on success
    bool ok() const { return error.isEmpty(); }
};

// The name of the copy of `fileName` taken at `moment`; `attempt` 1 gives the plain name, 2 and
// on add "-2", "-3", ... for copies that would otherwise share it.
QString originalCopyName(const QString& fileName, const QDateTime& moment, int attempt = 1);

// Copies the file at `path` to a new file beside it named by originalCopyName for the Clock's
// current moment. A missing file needs no copy and is no error.
OriginalCopy keepOriginalCopy(const QString& path);

} // namespace belvane
