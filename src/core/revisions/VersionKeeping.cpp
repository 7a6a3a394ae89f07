#include "core/revisions/VersionKeeping.h"

#include "core/budget/BudgetFile.h"
#include "core/revisions/BudgetRevisions.h"
#include "core/storage/FileLookup.h"
#include "core/storage/SafeFile.h"
#include "core/store/ExtensionStore.h"

#include <optional>

namespace belvane {

ReplacedVersion::ReplacedVersion(ExtensionStore& store, const QString& projectsDir, int number, QDateTime at)
    : m_store(store), m_at(std::move(at))
{
    m_path = findFileIgnoringCase(projectsDir, BudgetFileName(number));
    if (m_path.isEmpty()) {
        m_path = projectsDir + BudgetFileName(number);
        return;
    }
    ReadOutcome read = readWholeFile(m_path, qint64(sizeof(TBudgetData)) + 1);
    if (read.state == ReadOutcome::State::Failed)
        m_readError = read.error;
    else if (read.ok() && budgetFromFileBytes(read.bytes))
        m_bytes = std::move(read.bytes);
}

IoResult ReplacedVersion::replace(const TBudgetData& next, const std::function<IoResult()>& writeFile)
{
    m_databaseFailed = false;
    if (!m_readError.isEmpty())
        return IoResult::failure(m_readError);
    const QByteArray nextBytes(reinterpret_cast<const char*>(&next), sizeof next);
    if (m_bytes.isEmpty() || m_bytes == nextBytes)
        return writeFile();
    std::optional<IoResult> written;
    const IoResult kept = m_store.revisions().keep(next.Number, m_bytes, m_at, [&] {
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
