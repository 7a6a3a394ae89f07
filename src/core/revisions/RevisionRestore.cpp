#include "core/revisions/RevisionRestore.h"

#include "core/budget/BudgetFile.h"
#include "core/history/HistoryRowFile.h"
#include "core/history/HistoryWriteBack.h"
#include "core/revisions/BudgetRevisions.h"
#include "core/storage/SafeFile.h"
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
    for (const BudgetRevision& kept : store.revisions(number)) {
        if (kept.number == revision)
            restored = budgetFromFileBytes(kept.file);
    }
    if (!restored) {
        return {QStringLiteral("A revisão %1 do orçamento nº %2 não pôde ser lida em \"%3\".")
                    .arg(revision)
                    .arg(number)
                    .arg(QDir::toNativeSeparators(store.filePath())),
                {},
                {}};
    }

    // The file as it is now; a file that is gone has nothing to keep.
    const QString path = file.found() ? file.path : QDir(history.projectsDir()).filePath(file.name);
    const ReadOutcome current = readWholeFile(path);
    if (current.state == ReadOutcome::State::Failed)
        return {current.error, {}, {}};

    applyHistoryRowEdits(table, row, *restored);
    restored->Number = static_cast<std::uint16_t>(number);
    restored->EditedDate = dayCountFromDate(at.date());

    bool replaced = false;
    const auto replaceFile = [&] {
        const IoResult written = WriteBudgetFile(*restored, path);
        replaced = written.ok();
        return written;
    };
    const IoResult done =
        current.bytes.isEmpty() ? replaceFile() : store.keepRevision(number, current.bytes, at, replaceFile);
    if (!done.ok()) {
        // The database could not keep the version replaced: it goes back in its place.
        if (replaced)
            writeFileAtomically(path, current.bytes);
        return {done.error, {}, {}};
    }

    RevisionRestore outcome;
    outcome.buildingUse = restored->BuildingUse.toQString();
    // Grid edits of the row went into the restored file: they are logged with their own moments.
    std::vector<StatusChange> changes;
    if (const IoResult stored = history.storeBudget(*restored, nullptr, &changes); !stored.ok())
        outcome.warnings << stored.error;
    if (const IoResult logged = store.recordStatusChanges(changes); !logged.ok())
        outcome.warnings << logged.error;
    return outcome;
}

} // namespace belvane
