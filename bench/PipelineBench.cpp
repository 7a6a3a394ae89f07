// The statistics page's funnel at the largest history (65,535 rows): the rows read from the
// history table, the building uses and lost reasons read from the store's database, and the
// year's figures computed. Together they must stay well under the tenth of a second in which the
// page opens.
#include "core/history/HistoryColumns.h"
#include "core/history/HistoryTable.h"
#include "core/stats/PipelineStatistics.h"
#include "core/store/ExtensionStore.h"
#include "core/text/DayCount.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>

using namespace belvane;

namespace {

constexpr int kRows = 65535;
const char16_t* const kStatuses[] = {u"Aguardando", u"Aprovado", u"Reprovado", u"Concluído"};
const char16_t* const kUses[] = {u"Residencial", u"Saúde", u"Comercial", u"Educação", u"Industrial"};

struct FullHistory {
    QTemporaryDir dir;
    HistoryTable table;
    ExtensionStore store{dir.path() + u'/'};

    FullHistory()
    {
        // The SQLite driver is a plugin, which needs an application object.
        static int argc = 1;
        static char name[] = "belvane_bench";
        static char* argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);

        QHash<int, QString> uses;
        std::vector<StatusChange> losses;
        for (int number = 1; number <= kRows; ++number) {
            const int row = table.appendRow();
            const QString status = QString::fromUtf16(kStatuses[number % 4]);
            table.setText(row, kColNumber, QString::number(number));
            // Twenty years of budgets, about 3,300 a year.
            table.setDate(row, kColEditedDate, dayCountFromDate(QDate(2007, 1, 1).addDays(number / 9)));
            table.setText(row, kColClient, QStringLiteral("Cliente %1").arg(number));
            table.setText(row, kColBudgetValue, QStringLiteral("%1,50").arg(10000 + number));
            table.setValue(row, kColNegotiated, number % 3 ? 9500.0 + number : 0.0);
            table.setText(row, kColStatus, status);
            uses.insert(number, QString::fromUtf16(kUses[number % 5]));
            if (number % 4 == 2)
                losses.push_back({number, QDateTime(QDate(2026, 1, 1), QTime(9, 0)), u"status"_qs,
                                  u"Aguardando"_qs, u"Reprovado"_qs,
                                  number % 8 == 2 ? u"Preço"_qs : QString()});
        }
        store.database().open();
        store.buildingUses().save(uses);
        store.statusLog().record(losses);
    }
};

FullHistory& fullHistory()
{
    static FullHistory history;
    return history;
}

void BM_PipelineOfAYearOverFullHistory(benchmark::State& state)
{
    FullHistory& h = fullHistory();
    for (auto _ : state) {
        const std::vector<PipelineRow> rows = pipelineRows(h.table, u"2026");
        const auto [lowest, highest] =
            std::minmax_element(rows.begin(), rows.end(), [](const PipelineRow& a, const PipelineRow& b) {
                return a.number < b.number;
            });
        const QHash<int, QString> uses = h.store.buildingUses().between(lowest->number, highest->number);
        const QHash<int, QString> reasons = h.store.statusLog().lostReasons(lowest->number, highest->number);
        const PipelineLookups lookups{[&](int number) { return uses.value(number); },
                                      [&](int number) { return reasons.value(number); }};
        const PipelineStatistics figures = pipelineStatistics(rows, u"2026", QDate(2026, 12, 10), lookups);
        benchmark::DoNotOptimize(figures.year.decided);
    }
}
BENCHMARK(BM_PipelineOfAYearOverFullHistory)->Unit(benchmark::kMillisecond);

// The same without the database: the rows and the figures alone.
void BM_PipelineFiguresOnly(benchmark::State& state)
{
    FullHistory& h = fullHistory();
    for (auto _ : state) {
        const PipelineStatistics figures =
            pipelineStatistics(pipelineRows(h.table, u"2026"), u"2026", QDate(2026, 12, 10), {});
        benchmark::DoNotOptimize(figures.year.decided);
    }
}
BENCHMARK(BM_PipelineFiguresOnly)->Unit(benchmark::kMillisecond);

} // namespace
