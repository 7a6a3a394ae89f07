// The jobs at the largest office: 65,535 history rows of which 2,000 are jobs (half in progress,
// half finished), each with ten rated tasks and five instalments, three of them marked, and
// 500,000 hour entries spread over the jobs. The jobs list (the hours summed per job, then the
// rows) and the learning of the man-hours table must each stay well under a tenth of a second.
#include "core/budget/StatusWords.h"
#include "core/history/HistoryColumns.h"
#include "core/history/HistoryTable.h"
#include "core/jobs/HxhLearning.h"
#include "core/jobs/JobsOverview.h"

#include <benchmark/benchmark.h>

using namespace belvane;

namespace {

constexpr int kRows = 65535;
constexpr int kJobs = 2000;
constexpr int kEntries = 500000;
constexpr int kTasks = 10;
const char16_t* const kTaskNames[kTasks] = {u"Levantamento",          u"Programa de necessidades",
                                            u"Estudo de viabilidade", u"Estudo preliminar",
                                            u"Anteprojeto",           u"Projeto legal",
                                            u"Projeto básico",        u"Projeto executivo",
                                            u"Coordenação",           u"Assistência à obra"};

struct LargestOffice {
    HistoryTable history;
    QHash<int, JobBudgetFigures> figures;
    QHash<int, JobBudgetFigures> finished;
    QHash<int, std::vector<InstalmentMark>> marks;
    std::vector<HourEntry> entries;
    TOfficeData office{};

    LargestOffice()
    {
        // Every 32nd budget is a job: 2,000 of the 65,535.
        for (int number = 1; number <= kRows; ++number) {
            const int row = history.appendRow();
            const bool job = number % 32 == 0 && number / 32 <= kJobs;
            const QStringView status = !job ? kStatusWaiting
                : (number / 32) % 2         ? kStatusApproved
                                            : kStatusDone;
            history.setText(row, kColNumber, QString::number(number));
            history.setText(row, kColClient, QStringLiteral("Cliente %1").arg(number));
            history.setText(row, kColService, QStringLiteral("Residência unifamiliar"));
            history.setText(row, kColHxh, QString::number(200 + number % 300));
            history.setText(row, kColBudgetValue, QStringLiteral("%1,50").arg(20000 + number));
            history.setValue(row, kColNegotiated, number % 3 ? 19500.0 + number : 0.0);
            history.setText(row, kColStatus, status.toString());
            if (job)
                addJob(number, status == kStatusDone);
        }
        const QList<int> numbers = figures.keys();
        entries.reserve(kEntries);
        for (int i = 0; i < kEntries; ++i) {
            const int number = numbers[i % numbers.size()];
            const QString task =
                i % 11 == 0 ? otherActivitiesTask() : QString::fromUtf16(kTaskNames[i % kTasks]);
            entries.push_back({number,
                               QDate(2026, 1, 1).addDays(i % 365),
                               QStringLiteral("Pessoa %1").arg(i % 20),
                               task,
                               1 + i % 32,
                               {}});
        }
    }

    void addJob(int number, bool done)
    {
        JobBudgetFigures job;
        job.number = number;
        job.taxRate = 11.33;
        job.category = 1 + number % 4;
        for (int t = 0; t < kTasks; ++t)
            job.ratedTasks.push_back({QString::fromUtf16(kTaskNames[t]), 1 + t % 3});
        std::vector<Instalment> instalments;
        for (int i = 0; i < 5; ++i)
            instalments.push_back({QStringLiteral("Etapa %1").arg(i + 1), 20.0,
                                   QDate(2026, 2, 1).addMonths(i).toString(QStringLiteral("dd/MM/yyyy"))});
        job.schedule = PaymentSchedule(std::move(instalments));
        marks.insert(number,
                     {{1, QDate(2026, 1, 20), QDate(2026, 2, 3), 4000},
                      {2, QDate(2026, 2, 20), QDate(2026, 3, 1), 4100},
                      {3, QDate(2026, 3, 20), {}, 0}});
        figures.insert(number, job);
        if (done)
            finished.insert(number, job);
    }
};

const LargestOffice& largestOffice()
{
    static const LargestOffice office;
    return office;
}

// What the jobs page does when it shows: the hours summed per job, then the rows.
void BM_JobsPage(benchmark::State& state)
{
    const LargestOffice& office = largestOffice();
    for (auto _ : state) {
        QHash<int, qint64> quarters;
        for (const HourEntry& entry : office.entries)
            quarters[entry.budgetNumber] += entry.quarters;
        const JobSources sources{office.figures, quarters, office.marks, 85.40, QDate(2026, 6, 15)};
        benchmark::DoNotOptimize(jobsOverview(office.history, sources, JobFilter::Both));
    }
}
BENCHMARK(BM_JobsPage)->Unit(benchmark::kMillisecond);

void BM_HxhLearning(benchmark::State& state)
{
    const LargestOffice& office = largestOffice();
    for (auto _ : state)
        benchmark::DoNotOptimize(HxhLearning::from(office.office, office.finished, office.entries));
}
BENCHMARK(BM_HxhLearning)->Unit(benchmark::kMillisecond);

} // namespace
