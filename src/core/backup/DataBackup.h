#pragma once
// The backup of everything the program keeps: the office folder "Escrt/" and the projects folder
// "Projetos/", whole, in one ZIP archive the user keeps wherever he likes. Inside the archive the
// files sit under those two folder names, so the archive also opens by hand in any system.
//
// Before anything in an archive is used it is read whole and checked: it must be a readable ZIP,
// and every entry must lie inside "Escrt/" or "Projetos/" — no "..", no absolute path, no other
// folder — so restoring a damaged or foreign archive can never touch a file elsewhere.
#include "core/backup/ZipArchive.h"
#include "core/storage/DataFolders.h"
#include "core/storage/IoResult.h"
#include "core/storage/SafeFile.h"

#include <QDate>
#include <QString>

#include <functional>
#include <vector>

namespace belvane {

inline constexpr auto kBackupOfficeFolder = "Escrt";
inline constexpr auto kBackupProjectsFolder = "Projetos";

// The name offered for a backup made on `day`: "Belvane-2026-12-09.zip".
QString backupFileName(const QDate& day);

// A consistent copy of the database file at `path`, taken through the database itself.
using DatabaseCopy = std::function<ReadOutcome(const QString& path)>;

// Writes the archive crash-safely. Refuses an archive placed inside one of the data folders (the
// next backup would hold the previous one). With `databaseCopy`, the database is copied through
// it and its journal left out; without, every file is copied as it lies.
IoResult writeDataBackup(const DataFolders& folders, const QString& archivePath,
                         const DatabaseCopy& databaseCopy = {});

// True for a name the program may unpack: a path inside "Escrt/" or "Projetos/" made of plain
// names, with no "..", ".", empty part, backslash, colon or control character.
bool isSafeBackupEntryName(const QString& name);

struct BackupContents {
    std::vector<ZipEntry> entries;
    QString error;  // a Portuguese sentence naming the archive; empty when it can be restored
    bool ok() const { return error.isEmpty(); }
};

BackupContents readDataBackup(const QString& archivePath);

} // namespace belvane
