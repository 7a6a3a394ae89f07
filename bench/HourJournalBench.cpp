// The office's hours at their largest: 500,000 entries in the journals of 20 seats (25,000 each),
// over 2,000 jobs. What the jobs page waits for: the first read of every journal, a refresh that
// finds nothing new, the hours of every job; and what recording one entry costs a seat whose
// journal already holds 25,000, its fsync included.
#include "core/jobs/HourBook.h"
#include "core/jobs/HourJournal.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace belvane;

namespace {

constexpr int kSeats = 20;
constexpr int kEntriesPerSeat = 25000;
constexpr int kBudgets = 2000;

const QStringList& tasks()
{
    static const QStringList names{QStringLiteral("Estudo preliminar"), QStringLiteral("Anteprojeto"),
                                   QStringLiteral("Projeto legal"), QStringLiteral("Projeto executivo"),
                                   otherActivitiesTask()};
    return names;
}

// A journal as years of a seat's work leave it, written in one go.
void writeJournal(const QString& path, int seat)
{
    const QString user = QStringLiteral("pessoa%1").arg(seat);
    QByteArray text = hourjournal::headerLine({hourjournal::kVersion, QStringLiteral("token-%1").arg(seat),
                                               user, QStringLiteral("ESCRITORIO-%1").arg(seat)});
    for (int i = 1; i <= kEntriesPerSeat; ++i) {
        const HourEntry entry{1 + (i * 7 + seat) % kBudgets,
                              QDate(2020, 1, 1).addDays(i / 10),
                              user,
                              tasks()[i % tasks().size()],
                              1 + i % 32,
                              i % 5 == 0 ? QStringLiteral("reunião") : QString()};
        text += hourjournal::recordLine({HourRecord::Kind::Add, i, 0, entry});
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
}

struct LargestOffice {
    QTemporaryDir dir;
    QString projects = dir.path() + QStringLiteral("/Projetos/");
    QTemporaryDir ownDir;

    LargestOffice()
    {
        for (int seat = 0; seat < kSeats; ++seat)
            writeJournal(HourJournal::folderIn(projects) + QStringLiteral("pessoa%1-PC-a1.horas").arg(seat),
                         seat);
        writeJournal(ownPath(), kSeats);
    }
    QString ownPath() const { return ownDir.path() + QStringLiteral("/Horas/eu-PC-a1.horas"); }
};

LargestOffice& largestOffice()
{
    static LargestOffice office;
    return office;
}

void BM_ReadHourJournalsCold(benchmark::State& state)
{
    LargestOffice& office = largestOffice();
    for (auto _ : state) {
        auto book = std::make_unique<HourBook>(office.projects);
        book->refresh();
        benchmark::DoNotOptimize(book->lastReadBytes());
        // Letting go of the book is not part of showing the page.
        state.PauseTiming();
        book.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ReadHourJournalsCold)->Unit(benchmark::kMillisecond);

void BM_RefreshHourJournalsNothingNew(benchmark::State& state)
{
    HourBook book(largestOffice().projects);
    book.refresh();
    for (auto _ : state) {
        book.refresh();
        benchmark::DoNotOptimize(book.lastReadBytes());
    }
}
BENCHMARK(BM_RefreshHourJournalsNothingNew)->Unit(benchmark::kMillisecond);

void BM_HoursOfEveryJob(benchmark::State& state)
{
    HourBook book(largestOffice().projects);
    book.refresh();
    for (auto _ : state)
        benchmark::DoNotOptimize(book.quartersByBudget().size());
}
BENCHMARK(BM_HoursOfEveryJob)->Unit(benchmark::kMillisecond);

void BM_RecordHourEntry(benchmark::State& state)
{
    HourJournal journal(largestOffice().ownPath(), QStringLiteral("eu"), QStringLiteral("PC"));
    // The first append reads the journal back once, as a seat's first entry of the day does.
    journal.add({1, QDate(2026, 12, 10), QStringLiteral("Eu"), otherActivitiesTask(), 1, {}});
    for (auto _ : state)
        benchmark::DoNotOptimize(
            journal.add({1, QDate(2026, 12, 10), QStringLiteral("Eu"), otherActivitiesTask(), 1, {}}).ok());
}
BENCHMARK(BM_RecordHourEntry)->Unit(benchmark::kMillisecond);

} // namespace
