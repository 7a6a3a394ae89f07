#include "core/stats/FinishedJobsYear.h"

#include "core/payment/PaymentSchedule.h"

namespace belvane {

FinishedJobsYear finishedJobsYear(int year, const HistoryTable& history, const JobSources& sources,
                                  const QHash<int, QDate>& finishedOn)
{
    FinishedJobsYear figures;
    double earned = 0;
    double fees = 0;
    for (const JobRow& job : jobsOverview(history, sources, JobFilter::Finished)) {
        if (finishedOn.value(job.number, job.editedOn).year() != year)
            continue;
        ++figures.jobs;
        figures.recordedHours += job.recordedHours;
        earned += job.resultSoFar;
        fees += job.fee;
    }
    if (fees > 0)
        figures.realisedMarginPercent = roundToTenth(earned * 100.0 / fees);
    return figures;
}

} // namespace belvane
