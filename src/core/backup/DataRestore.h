#pragma once
// Putting a backup's data in place of the current ones. Nothing of the current data is lost: the
// folders "Escrt/" and "Projetos/" are renamed aside, with the moment in their names
// ("Escrt (antes da restauração 2026-12-09 10-30)"), and stay beside the new ones.
//
// The archive is first unpacked whole into a working folder beside the data; only when every
// file is there are the current folders moved aside and the unpacked ones moved in, each by a
// rename. A failure on the way undoes what was done, so the user finds either the old data or
// the restored data, never a mixture.
#include "core/backup/ZipArchive.h"
#include "core/storage/DataFolders.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

namespace belvane {

// The name a data folder is kept under when a restore replaces it at `moment`; attempt 2 and on
// add ", 2", ", 3"... for a name already taken.
QString keptFolderName(const QString& folderName, const QDateTime& moment, int attempt = 1);

struct RestoreOutcome {
    QStringList keptFolders;  // full paths of the folders the previous data were moved to
    QString error;            // a Portuguese sentence; empty on success
    bool ok() const { return error.isEmpty(); }
};

// `entries` come from a checked backup (readDataBackup).
RestoreOutcome restoreDataBackup(const DataFolders& folders, const std::vector<ZipEntry>& entries,
                                 const QDateTime& moment);

} // namespace belvane
