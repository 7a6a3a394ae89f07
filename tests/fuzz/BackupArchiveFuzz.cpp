// The archive "Restaurar cópia" reads: any bytes, since the user may pick any file. Reading must
// end in entries or a reason, never beyond the input; an archive that reads writes back as the
// same entries; and a backup accepted for restoring names only files inside the two data folders.
#include "FuzzSupport.h"

#include "core/backup/DataBackup.h"
#include "core/backup/ZipArchive.h"

#include <QBuffer>

using namespace belvane;
using namespace belvane::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = inputBytes(data, size);
    const ZipRead read = readZip(bytes);
    if (!read.ok()) {
        check(read.entries.empty(), "a refused archive gives no entries");
    } else {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        check(writeZip(buffer, read.entries), "entries read must be written back");
        const ZipRead again = readZip(buffer.data());
        check(again.ok(), "an archive written back must read", again.problem);
        check(again.entries.size() == read.entries.size(), "written back with every entry");
        for (std::size_t i = 0; i < read.entries.size(); ++i)
            check(again.entries[i].name == read.entries[i].name && again.entries[i].data == read.entries[i].data,
                  "an entry written back reads the same", read.entries[i].name);
    }

    const BackupContents backup = readDataBackup(scratchFile(QStringLiteral("copia.zip"), bytes));
    if (backup.ok()) {
        for (const ZipEntry& entry : backup.entries)
            check(isSafeBackupEntryName(entry.name), "a backup to restore names only the data folders' files",
                  entry.name);
    } else {
        check(backup.error.contains(QStringLiteral("copia.zip")), "the reason names the archive", backup.error);
    }
    return 0;
}
