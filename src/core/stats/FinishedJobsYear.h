#pragma once
// The jobs finished in a year, for the statistics page's year: how many, the hours recorded on
// them and the margin they realised. A job finished on the day its status last moved to
// "Concluído", as its status log says; a job the log knows nothing of (finished before the log
// was kept) finished on its history row's edit date.
//
// The realised margin is what the finished jobs earned (each one's result so far: received −
// taxes on it − cost of its hours) as a share of their fees, in % to 0,1: money the client never
// paid counts against it.
#include "core/jobs/JobsOverview.h"

#include <QDate>
#include <QHash>

#include <optional>

namespace belvane {

struct FinishedJobsYear {
    int jobs = 0;
    double recordedHours = 0;
    std::optional<double> realisedMarginPercent; // none without a fee among them
};

// `finishedOn`: the day each budget's status last moved to "Concluído" (StatusLog::lastMovedTo).
FinishedJobsYear finishedJobsYear(int year, const HistoryTable& history, const JobSources& sources,
                                  const QHash<int, QDate>& finishedOn);

} // namespace belvane
