#include "core/revisions/RevisionRestore.h"

#include "core/budget/BudgetFile.h"
#include "core/history/HistoryRowFile.h"
#include "core/history/HistoryWriteBack.h"
#include "core/revisions/BudgetRevisions.h"
#include "core/revisions/VersionKeeping.h"
#include "core/store/ExtensionStore.h"
#include "core/text/DayCount.h"

#include <QDir>

namespace belvane {

RevisionRestore restoreRevision(HistoryStore& history, ExtensionStore& store, int row, int revision,
                                const QDateTime& at)
{
    HistoryTable& table = history.table();
    const HistoryRowFile file = locateHistoryRowFile(table, row, history.projectsDir());
    if (file.state == HistoryRowFile::State::NotABudgetName)
        return {notABudgetFileMessage(table, row), {}, {}};
    const int number = table.text(row, kColNumber).toInt();

    std::optional<TBudgetData> restored;
    for (const BudgetRevision& kept : store.revisions().of(number)) {
        if (kept.number == revision)
            restored = budgetFromFileBytes(kept.file);
    }
    if (!restored) {
        return {QStringLiteral("A revisão %1 do orçamento nº %2 não pôde ser lida em \"%3\".")
                    .arg(revision)
                    .arg(number)
                    .arg(QDir::toNativeSeparators(store.database().filePath())),
                {},
                {}};
    }

    // The file it replaces is kept as the budget's next revision, in the same step (a file that
    // is gone has nothing to keep).
    ReplacedVersion replaced(store, history.projectsDir(), number, at);
    applyHistoryRowEdits(table, row, *restored);
    restored->Number = static_cast<std::uint16_t>(number);
    restored->EditedDate = dayCountFromDate(at.date());
    const IoResult done = replaced.replace(*restored, [&] { return WriteBudgetFile(*restored, replaced.path()); });
    if (!done.ok())
        return {done.error, {}, {}};

    RevisionRestore outcome;
    outcome.buildingUse = restored->BuildingUse.toQString();
    // Grid edits of the row went into the restored file: they are logged with their own moments.
    std::vector<StatusChange> changes;
    if (const IoResult stored = history.storeBudget(*restored, nullptr, &changes); !stored.ok())
        outcome.warnings << stored.error;
    if (const IoResult logged = store.statusLog().record(changes); !logged.ok())
        outcome.warnings << logged.error;
    return outcome;
}

} // namespace belvane
