#include "core/revisions/VersionKeeping.h"

#include "core/budget/BudgetFile.h"
#include "core/history/HistoryStore.h"
#include "core/revisions/BudgetRevisions.h"
#include "core/storage/FileLookup.h"
#include "core/storage/SafeFile.h"
#include "core/store/ExtensionStore.h"

namespace belvane {

QByteArray fileBeforeSave(const QString& projectsDir, int number)
{
    const QString path = findFileIgnoringCase(projectsDir, BudgetFileName(number));
    if (path.isEmpty())
        return {};
    ReadOutcome read = readWholeFile(path, qint64(sizeof(TBudgetData)) + 1);
    return read.ok() && budgetFromFileBytes(read.bytes) ? read.bytes : QByteArray();
}

QStringList keepReplacedVersion(ExtensionStore& store, HistoryStore& history, const QByteArray& replaced,
                                const TBudgetData& saved, const QDateTime& at)
{
    QStringList problems;
    if (!replaced.isEmpty()) {
        if (const IoResult kept = store.keepRevision(saved.Number, replaced, at); !kept.ok())
            problems << kept.error;
    }
    const std::optional<TBudgetData> before = budgetFromFileBytes(replaced);
    std::vector<StatusChange> changes = statusChangesBetween(before ? &*before : nullptr, saved, at);
    history.applyStatusEditNotes(changes);
    if (const IoResult logged = store.recordStatusChanges(changes); !logged.ok())
        problems << logged.error;
    return problems;
}

} // namespace belvane
