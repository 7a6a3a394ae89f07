#include "core/jobs/JobsOverview.h"

#include "core/budget/StatusWords.h"
#include "core/jobs/JobResult.h"
#include "core/text/DayCount.h"

#include <QSet>

#include <algorithm>

namespace belvane {
namespace {

// The row of a job from its history row, before its money is worked out.
JobRow rowFromHistory(const HistoryTable& history, int index)
{
    JobRow row;
    row.number = int(history.value(index, kColNumber));
    row.client = history.text(index, kColClient);
    row.service = history.text(index, kColService);
    row.status = history.text(index, kColStatus);
    row.editedOn = dateFromDayCount(history.value(index, kColEditedDate));
    const double negotiated = history.value(index, kColNegotiated);
    row.fee = negotiated > 0 ? negotiated : history.value(index, kColBudgetValue);
    row.estimatedHours = history.value(index, kColHxh);
    return row;
}

void addMoney(JobRow& row, const JobSources& sources)
{
    row.recordedHours = sources.recordedQuarters.value(row.number, 0) / 4.0;
    if (row.estimatedHours > 0)
        row.hoursShare = roundToTenth(row.recordedHours * 100.0 / row.estimatedHours);
    const auto figures = sources.figures.constFind(row.number);
    row.figuresKnown = figures != sources.figures.cend();
    const PaymentSchedule schedule = row.figuresKnown ? figures->schedule : PaymentSchedule();
    const InstalmentMarks billing(schedule, row.fee, sources.marks.value(row.number), sources.today);
    row.billedShare = billing.billedShare();
    row.receivedShare = billing.receivedShare();
    row.overdue = billing.overdueTotal();
    JobMoneyInputs money;
    money.fee = row.fee;
    money.taxRate = row.figuresKnown ? figures->taxRate : 0.0;
    money.received = billing.receivedTotal();
    money.recordedHours = row.recordedHours;
    money.estimatedHours = row.estimatedHours;
    money.costPerHour = sources.costPerHour;
    row.resultSoFar = JobResult::of(money).resultSoFar;
}

} // namespace

bool showsJobStatus(QStringView status, JobFilter filter)
{
    const bool inProgress = status == kStatusApproved;
    const bool finished = status == kStatusDone;
    switch (filter) {
    case JobFilter::InProgress:
        return inProgress;
    case JobFilter::Finished:
        return finished;
    case JobFilter::Both:
        return inProgress || finished;
    }
    return false;
}

std::vector<JobRow> jobsOverview(const HistoryTable& history, const JobSources& sources, JobFilter filter)
{
    std::vector<JobRow> rows;
    QSet<int> seen;
    for (int index = 0; index < history.rowCount(); ++index) {
        if (!showsJobStatus(history.textView(index, kColStatus), filter))
            continue;
        JobRow row = rowFromHistory(history, index);
        if (row.number <= 0 || seen.contains(row.number))
            continue;
        seen.insert(row.number);
        addMoney(row, sources);
        rows.push_back(std::move(row));
    }
    std::sort(rows.begin(), rows.end(), [](const JobRow& a, const JobRow& b) { return a.number < b.number; });
    return rows;
}

} // namespace belvane
