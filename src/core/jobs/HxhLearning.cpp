#include "core/jobs/HxhLearning.h"

#include "core/payment/PaymentSchedule.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace belvane {
namespace {

// The quarters recorded on each finished job: on each of its rated tasks (from `first` in the
// shared list of sums), on other activities and in all.
struct JobTally {
    const JobBudgetFigures* figures = nullptr;
    std::size_t first = 0;
    qint64 other = 0;
    qint64 all = 0;
};

struct Tallies {
    QHash<int, JobTally> jobs;
    std::vector<qint64> taskQuarters;
};

Tallies tally(const QHash<int, JobBudgetFigures>& finishedJobs, std::span<const HourEntry> entries)
{
    Tallies tallies;
    tallies.jobs.reserve(finishedJobs.size());
    for (const JobBudgetFigures& figures : finishedJobs) {
        tallies.jobs.insert(figures.number, {&figures, tallies.taskQuarters.size(), 0, 0});
        tallies.taskQuarters.resize(tallies.taskQuarters.size() + figures.ratedTasks.size());
    }
    const QString other = otherActivitiesTask();
    for (const HourEntry& entry : entries) {
        const auto job = tallies.jobs.find(entry.budgetNumber);
        if (job == tallies.jobs.end())
            continue;
        job->all += entry.quarters;
        if (entry.task == other) {
            job->other += entry.quarters;
        } else if (const int task = job->figures->ratedTaskIndex(entry.task); task >= 0) {
            tallies.taskQuarters[job->first + std::size_t(task)] += entry.quarters;
        }
    }
    return tallies;
}

} // namespace

std::optional<double> medianOf(std::vector<double>& values)
{
    if (values.empty())
        return std::nullopt;
    const std::size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(middle), values.end());
    const double upper = values[middle];
    if (values.size() % 2 == 1)
        return upper;
    const double lower = *std::max_element(values.begin(), values.begin() + std::ptrdiff_t(middle));
    return (lower + upper) / 2.0;
}

HxhLearning HxhLearning::from(const TOfficeData& office, const QHash<int, JobBudgetFigures>& finishedJobs,
                              std::span<const HourEntry> entries)
{
    const Tallies tallies = tally(finishedJobs, entries);
    std::array<std::vector<double>, kCellCount> records;
    qint64 other = 0;
    qint64 all = 0;
    for (const JobTally& job : tallies.jobs) {
        other += job.other;
        all += job.all;
        if (job.figures->category < 1)
            continue;
        for (std::size_t i = 0; i < job.figures->ratedTasks.size(); ++i) {
            const qint64 quarters = tallies.taskQuarters[job.first + i];
            const int level = job.figures->ratedTasks[i].level;
            if (quarters > 0)
                records[std::size_t((job.figures->category - 1) * 3 + level - 1)].push_back(quarters / 4.0);
        }
    }
    HxhLearning learning;
    for (int index = 0; index < kCellCount; ++index) {
        HxhCell& cell = learning.m_cells[std::size_t(index)];
        cell.category = index / 3 + 1;
        cell.level = index % 3 + 1;
        cell.inForce = office.HxhTable[cell.category - 1][cell.level];
        cell.records = int(records[std::size_t(index)].size());
        cell.median = medianOf(records[std::size_t(index)]);
        // Whole hours, halves up; a median of quarters is an exact binary fraction.
        if (cell.records >= kMinRecords)
            cell.suggested = int(std::floor(*cell.median + 0.5));
    }
    if (all > 0)
        learning.m_otherShare = roundToTenth(double(other) * 100.0 / double(all));
    return learning;
}

bool HxhLearning::hasSuggestions() const
{
    return std::any_of(m_cells.begin(), m_cells.end(),
                       [](const HxhCell& cell) { return cell.suggested.has_value(); });
}

int HxhLearning::applyTo(TOfficeData& office) const
{
    int changed = 0;
    for (const HxhCell& cell : m_cells) {
        if (!cell.suggested)
            continue;
        const auto value = std::uint16_t(std::clamp(*cell.suggested, 0, 65535));
        std::uint16_t& stored = office.HxhTable[cell.category - 1][cell.level];
        changed += stored != value ? 1 : 0;
        stored = value;
    }
    return changed;
}

} // namespace belvane
