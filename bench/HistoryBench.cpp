// The history's hot paths at the largest size the budget numbers allow: 65,535 rows. Start-up
// reads the file, every save stores a row and writes the file, and the history page sorts and
// searches; each must stay well under a tenth of a second.
#include "core/budget/BudgetNumbering.h"
#include "core/budget/BudgetRecord.h"
#include "core/history/HistoryBudgetRow.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistorySearch.h"
#include "core/history/HistoryTable.h"
#include "core/text/DayCount.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>

using namespace belvane;

namespace {

constexpr int kRows = 65535;

const char16_t* const kClients[] = {u"Construtora Ípsilon", u"Maria da Conceição", u"João Pereira",
                                    u"Ana, Rui & Filhos", u"Clínica \"Bem Estar\"", u"Açougue Bom"};
const char16_t* const kStatuses[] = {u"Aguardando", u"Aprovado", u"Reprovado", u"Concluído"};

TBudgetData budgetNumber(int number)
{
    TBudgetData b = zeroBudget();
    NewBudgetRecord(b);
    b.Number = static_cast<std::uint16_t>(number);
    b.Status.assign(kStatuses[number % 4]);
    b.EditedDate = dayCountFromDate(QDate(2015, 1, 1).addDays(number % 4000));
    b.ClientName.assign(QStringLiteral("%1 %2").arg(QString::fromUtf16(kClients[number % 6])).arg(number));
    b.ClientPhone.assign(QStringLiteral("(11) 5555-%1").arg(number % 10000, 4, 10, QLatin1Char('0')));
    b.Service.assign(u"Projeto arquitetônico de edificação");
    b.ProjectCode.assign(QStringLiteral("P-%1").arg(number));
    b.Area = 50.0f + float(number % 900) + 0.46f;
    b.Hxh = static_cast<std::uint16_t>(100 + number % 500);
    b.BudgetValue = 12750.0f + float(number);
    b.ValuePerM2 = 127.5f;
    b.K1 = 1.2f;
    b.K2 = 35.7f;
    return b;
}

// The history file of 65,535 saves, each row with observations and a negotiated value as users
// leave them. Made from the rows a save stores, a block of rows at a time (storing into one
// growing table would search it for every new number).
const QByteArray& fullHistoryBytes()
{
    static const QByteArray bytes = [] {
        constexpr int kBlock = 512;
        QByteArray file("\xFF\xFE", 2);
        for (int first = 1; first <= kRows; first += kBlock) {
            HistoryTable block;
            for (int number = first; number < first + kBlock && number <= kRows; ++number) {
                const int row = StoreHistoryRow(block, budgetNumber(number));
                block.setValue(row, kColNegotiated, 12000.5 + number);
                block.setText(row, kColNotes,
                              QStringLiteral("Reunião em %1, cliente pediu \"revisão\"\r\n"
                                             "Retornar na segunda").arg(number % 28 + 1));
            }
            file.append(historyFileBytes(block).mid(2));
        }
        return file;
    }();
    return bytes;
}

const HistoryTable& fullHistory()
{
    static const HistoryTable table = [] {
        HistoryTable t;
        ReadHistoryFile(t, fullHistoryBytes(), QStringLiteral("Hist.bvh"));
        return t;
    }();
    return table;
}


// Takes whatever is written and keeps nothing: what is left is the cost of making the text.
class DiscardingDevice final : public QIODevice {
public:
    DiscardingDevice() { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 length) override { return length; }
};

void BM_WriteHistoryText(benchmark::State& state)
{
    const HistoryTable& table = fullHistory();
    DiscardingDevice device;
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteHistoryFile(table, device));
    state.SetBytesProcessed(state.iterations() * fullHistoryBytes().size());
}
BENCHMARK(BM_WriteHistoryText)->Unit(benchmark::kMillisecond);

// The real save: temporary file, flush to disk, replace.
void BM_WriteHistoryFileToDisk(benchmark::State& state)
{
    const HistoryTable& table = fullHistory();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Hist.bvh"));
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteHistoryFile(table, path).ok());
}
BENCHMARK(BM_WriteHistoryFileToDisk)->Unit(benchmark::kMillisecond);

// A save as the program makes it: one row changed since the last write, the file replaced.
void BM_SaveWithOneRowChanged(benchmark::State& state)
{
    HistoryTable table = fullHistory();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Hist.bvh"));
    WriteHistoryFile(table, path);
    double negotiated = 1000.0;
    for (auto _ : state) {
        table.setValue(kRows / 2, kColNegotiated, negotiated += 1.0);
        benchmark::DoNotOptimize(WriteHistoryFile(table, path).ok());
    }
}
BENCHMARK(BM_SaveWithOneRowChanged)->Unit(benchmark::kMillisecond);

// The first save after start: no row's line is known yet.
void BM_SaveWithEveryRowEncoded(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Hist.bvh"));
    for (auto _ : state) {
        state.PauseTiming();
        HistoryTable table;
        ReadHistoryFile(table, fullHistoryBytes(), QStringLiteral("Hist.bvh"));
        state.ResumeTiming();
        benchmark::DoNotOptimize(WriteHistoryFile(table, path).ok());
    }
}
BENCHMARK(BM_SaveWithEveryRowEncoded)->Unit(benchmark::kMillisecond);

// The floor: the same bytes written to a file and flushed to the disk, nothing else (dd with
// conv=fsync does the same).
void BM_WriteSameBytesWithFsync(benchmark::State& state)
{
    QTemporaryDir dir;
    const QByteArray& bytes = fullHistoryBytes();
    for (auto _ : state) {
        QFile file(dir.filePath(QStringLiteral("raw.bin")));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
        file.flush();
        benchmark::DoNotOptimize(::fsync(file.handle()));
    }
}
BENCHMARK(BM_WriteSameBytesWithFsync)->Unit(benchmark::kMillisecond);

void BM_ReadHistory(benchmark::State& state)
{
    const QByteArray& bytes = fullHistoryBytes();
    for (auto _ : state) {
        HistoryTable table;
        const HistoryReadResult read = ReadHistoryFile(table, bytes, QStringLiteral("Hist.bvh"));
        benchmark::DoNotOptimize(read.problems.size());
        if (table.rowCount() != kRows)
            state.SkipWithError("rows lost");
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ReadHistory)->Unit(benchmark::kMillisecond);

// Saving the budget whose row is last: the search for its row walks the whole table.
void BM_StoreHistoryRowOfTheLastBudget(benchmark::State& state)
{
    HistoryTable table = fullHistory();
    const TBudgetData budget = budgetNumber(kRows);
    for (auto _ : state)
        benchmark::DoNotOptimize(StoreHistoryRow(table, budget));
}
BENCHMARK(BM_StoreHistoryRowOfTheLastBudget)->Unit(benchmark::kMicrosecond);

void BM_SearchHistory(benchmark::State& state, const char16_t* text)
{
    HistoryTable table = fullHistory();
    for (auto _ : state)
        benchmark::DoNotOptimize(SearchHistory(table, text));
}
BENCHMARK_CAPTURE(BM_SearchHistory, plain_word, u"pereira")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchHistory, accented_word, u"conceição")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchHistory, no_match, u"xyzzy")->Unit(benchmark::kMillisecond);

// Each round sorts a shuffled history, so no round profits from the order the last one left.
void BM_SortHistory(benchmark::State& state, int column)
{
    HistoryTable shuffled = fullHistory();
    std::vector<int> order(static_cast<std::size_t>(kRows));
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), *QRandomGenerator::global());
    shuffled.reorder(order);
    for (auto _ : state) {
        state.PauseTiming();
        HistoryTable table = shuffled;
        state.ResumeTiming();
        table.sortByColumn(column, Qt::AscendingOrder);
        benchmark::DoNotOptimize(table.rowCount());
    }
}
BENCHMARK_CAPTURE(BM_SortHistory, by_number, kColNumber)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortHistory, by_client, kColClient)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortHistory, by_date, kColEditedDate)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortHistory, by_status, kColStatus)->Unit(benchmark::kMillisecond);

} // namespace

// Numbering a new budget looks at the counter, every history row and every budget file in the
// projects folder; with the largest history and its 65,535 files that is what each generation
// and first save pay.
void BM_NextBudgetNumberOverFullFolder(benchmark::State& state)
{
    const HistoryTable& table = fullHistory();
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    for (int number = 1; number <= kRows; ++number) {
        QFile file(folder + QStringLiteral("ORC%1.bvp").arg(number, 6, 10, QLatin1Char('0')));
        file.open(QIODevice::WriteOnly);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(nextBudgetNumber(0, table, folder));
}
BENCHMARK(BM_NextBudgetNumberOverFullFolder)->Unit(benchmark::kMillisecond);
