// The price check with the largest history, 65,535 rows: what it adds to every generation and
// renegotiation must stay well under 20 ms. A quarter of the rows are won budgets of the quote's
// service; when too few are, the building use of each won budget is asked for (here from memory,
// as the program has it once the files were read).
#include "core/history/HistoryColumns.h"
#include "core/history/HistoryTable.h"
#include "core/pricing/PriceCheck.h"

#include <QHash>

#include <benchmark/benchmark.h>

using namespace belvane;

namespace {

constexpr int kRows = 65535;

const HistoryTable& largestHistory()
{
    static HistoryTable table = [] {
        HistoryTable t;
        t.reserve(kRows);
        const char16_t* const statuses[] = {u"Aguardando", u"Aprovado", u"Reprovado", u"Concluído"};
        for (int number = 1; number <= kRows; ++number) {
            const int row = t.appendRow();
            t.setText(row, kColNumber, QString::number(number));
            t.setText(row, kColStatus, QStringView(statuses[number % 4]));
            t.setText(row, kColService,
                      number % 2 ? QStringLiteral("Projeto Arquitetônico") : QStringLiteral("Interiores"));
            t.setText(
                row, kColValuePerM2,
                QStringLiteral("%1,%2").arg(80 + number % 120).arg(number % 100, 2, 10, QLatin1Char('0')));
        }
        return t;
    }();
    return table;
}

TBudgetData quote(const char16_t* service)
{
    TBudgetData budget = zeroBudget();
    NewBudgetRecord(budget);
    budget.Number = kRows;
    budget.Service.assign(service);
    budget.BuildingUse.assign(u"Saúde");
    budget.ProjectCategory = 4;
    budget.Area = 700.0f;
    budget.OwnExpenses = 80855.63f;
    budget.RRT = 119.61f;
    budget.TaxRate = 11.33f;
    budget.BudgetValue = 109559.45f;
    budget.ValuePerM2 = 156.51f;
    return budget;
}

PriceReferences references()
{
    PriceReferences refs;
    refs.cubPerM2 = 2731.45;
    refs.percentOfWork = {5, 6, 7, 8};
    return refs;
}

void BM_PriceCheckSameService(benchmark::State& state)
{
    const HistoryTable& history = largestHistory();
    const TBudgetData budget = quote(u"Projeto Arquitetônico");
    for (auto _ : state)
        benchmark::DoNotOptimize(checkPrice(budget, references(), ownPricesFor(budget, history, nullptr)));
}
BENCHMARK(BM_PriceCheckSameService)->Unit(benchmark::kMillisecond);

void BM_PriceCheckFallsBackToTheBuildingUse(benchmark::State& state)
{
    const HistoryTable& history = largestHistory();
    const TBudgetData budget = quote(u"Paisagismo"); // no won budget of this service
    QHash<int, QString> uses;
    for (int number = 1; number <= kRows; ++number)
        uses.insert(number, number % 3 ? QStringLiteral("Saúde") : QStringLiteral("Residencial"));
    const auto useOf = [&uses](int number) { return uses.value(number); };
    for (auto _ : state)
        benchmark::DoNotOptimize(checkPrice(budget, references(), ownPricesFor(budget, history, useOf)));
}
BENCHMARK(BM_PriceCheckFallsBackToTheBuildingUse)->Unit(benchmark::kMillisecond);

} // namespace
