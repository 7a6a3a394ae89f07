// What keeping the replaced file as a revision adds to a save when the history is at its largest
// (65,535 rows) and the database holds a status change for every budget: the read of the file
// about to be replaced, the revision and the status change, each committed to disk. Measured
// beside the save itself (budget file and history file written) for comparison.
#include "core/budget/BudgetFile.h"
#include "core/budget/BudgetRecord.h"
#include "core/history/HistoryBudgetRow.h"
#include "core/history/HistoryStore.h"
#include "core/revisions/VersionKeeping.h"
#include "core/store/ExtensionStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace belvane;

namespace {

constexpr int kRows = 65535;

struct FullFolder {
    QTemporaryDir dir;
    HistoryStore history{dir.path() + u'/'};
    ExtensionStore store{dir.path() + u'/'};
    TBudgetData budget = zeroBudget();

    FullFolder()
    {
        // The SQLite driver is a plugin, which needs an application object.
        static int argc = 1;
        static char name[] = "belvane_bench";
        static char* argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);

        NewBudgetRecord(budget);
        std::vector<StatusChange> log;
        for (int number = 1; number <= kRows; ++number) {
            budget.Number = static_cast<std::uint16_t>(number);
            budget.ClientName.assign(QStringLiteral("Cliente %1").arg(number));
            StoreHistoryRow(history.table(), budget);
            log.push_back(
                {number, QDateTime(QDate(2026, 1, 1), QTime(9, 0)), u"status"_qs, {}, u"Aguardando"_qs, {}});
        }
        history.write();
        store.database().open();
        store.statusLog().record(log);
        budget.Number = kRows;
        budget.Status.assign(u"Aguardando");
        WriteBudgetFile(budget, dir.filePath(BudgetFileName(kRows)));
        // Earlier revisions of the budget being saved, as a long negotiation leaves them.
        const QByteArray file(reinterpret_cast<const char*>(&budget), sizeof budget);
        for (int kept = 0; kept < 20; ++kept)
            store.revisions().keep(kRows, file, QDateTime(QDate(2026, 2, 1), QTime(9, kept)));
    }
};

FullFolder& fullFolder()
{
    static FullFolder folder;
    return folder;
}

// The save itself: the budget file and the whole history file written.
void BM_SaveOverFullHistory(benchmark::State& state)
{
    FullFolder& f = fullFolder();
    for (auto _ : state) {
        WriteBudgetFile(f.budget, f.dir.filePath(BudgetFileName(kRows)));
        benchmark::DoNotOptimize(f.history.storeBudget(f.budget).ok());
    }
}
BENCHMARK(BM_SaveOverFullHistory)->Unit(benchmark::kMillisecond);

// What the save adds: reading the file it replaces, keeping it, logging a change of status.
void BM_KeepRevisionOnSave(benchmark::State& state)
{
    FullFolder& f = fullFolder();
    bool edited = false;
    for (auto _ : state) {
        ReplacedVersion replaced(f.store, f.dir.path() + u'/', kRows, QDateTime::currentDateTime());
        edited = !edited;
        f.budget.Status.assign(edited ? u"Editado" : u"Aguardando");
        benchmark::DoNotOptimize(replaced.replace(f.budget, [&f] {
            return WriteBudgetFile(f.budget, f.dir.filePath(BudgetFileName(kRows)));
        }).ok());
        const StatusChange change{kRows, QDateTime::currentDateTime(), QStringLiteral("status"),
                                  edited ? QStringLiteral("Aguardando") : QStringLiteral("Editado"),
                                  edited ? QStringLiteral("Editado") : QStringLiteral("Aguardando"), {}};
        benchmark::DoNotOptimize(f.store.statusLog().record({change}).ok());
    }
}
BENCHMARK(BM_KeepRevisionOnSave)->Unit(benchmark::kMillisecond);

} // namespace
