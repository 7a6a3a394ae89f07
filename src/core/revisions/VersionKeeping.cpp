#include "core/revisions/VersionKeeping.h"

#include "core/budget/BudgetFile.h"
#include "core/revisions/BudgetRevisions.h"
#include "core/storage/FileLookup.h"
#include "core/storage/SafeFile.h"
#include "core/store/ExtensionStore.h"

#include <optional>

namespace belvane {

QByteArray fileBeforeSave(const QString& projectsDir, int number)
{
    const QString path = findFileIgnoringCase(projectsDir, BudgetFileName(number));
    if (path.isEmpty())
        return {};
    ReadOutcome read = readWholeFile(path, qint64(sizeof(TBudgetData)) + 1);
    return read.ok() && budgetFromFileBytes(read.bytes) ? read.bytes : QByteArray();
}

ReplacedVersion::ReplacedVersion(ExtensionStore& store, const QString& projectsDir, int number, QDateTime at)
    : m_store(store), m_path(projectsDir + BudgetFileName(number)),
      m_bytes(fileBeforeSave(projectsDir, number)), m_at(std::move(at))
{
}

IoResult ReplacedVersion::replace(const TBudgetData& next, const std::function<IoResult()>& writeFile)
{
    m_databaseFailed = false;
    const QByteArray nextBytes(reinterpret_cast<const char*>(&next), sizeof next);
    if (m_bytes.isEmpty() || m_bytes == nextBytes)
        return writeFile();
    std::optional<IoResult> written;
    const IoResult kept = m_store.keepRevision(next.Number, m_bytes, m_at, [&] {
        written = writeFile();
        return *written;
    });
    if (kept.ok())
        return kept;
    // The new file could not be written: the database was left as it was.
    if (written && !written->ok())
        return *written;
    // The database could not commit after the file was replaced: the previous file goes back,
    // so the file and its revisions still tell the whole story.
    if (written)
        writeFileAtomically(m_path, m_bytes);
    m_databaseFailed = true;
    return kept;
}

} // namespace belvane
