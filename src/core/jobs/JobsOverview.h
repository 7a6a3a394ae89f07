#pragma once
// The jobs list: one row per won budget whose history status is "Aprovado" (in progress) or
// "Concluído" (finished), sorted by number, with how far its hours and its money have come.
//
// The history gives what it holds and the grid may have just changed (client, service, quoted
// and negotiated values, man-hours, status); the figures kept per budget file give the tax rate
// and the schedule; the hours come as quarters recorded per job and the billing as the marks kept
// per job. Nothing here reads a file or the database, so the list is worked out again in a few
// milliseconds at every status change.
#include "core/history/HistoryTable.h"
#include "core/jobs/InstalmentMarks.h"
#include "core/jobs/JobBudgetFigures.h"

#include <QDate>
#include <QHash>
#include <QString>

#include <optional>
#include <vector>

namespace belvane {

enum class JobFilter { InProgress, Finished, Both };

// Whether a history status is that of a job the filter shows.
bool showsJobStatus(QStringView status, JobFilter filter);

struct JobRow {
    int number = 0;
    QString client;
    QString service;
    QString status;
    QDate editedOn;            // the history's "Data Edição"
    double fee = 0;            // the negotiated value when there is one, else the quoted value
    double estimatedHours = 0; // the budget's Hxh
    double recordedHours = 0;
    std::optional<double> hoursShare; // recorded of estimated in %, to 0,1; none without estimate
    double billedShare = 0;           // of the fee, %
    double receivedShare = 0;         // of the fee, %
    double overdue = 0;               // R$
    double resultSoFar = 0;           // R$: received − taxes on it − cost of the hours
    bool figuresKnown = false;        // false: the budget's file could not be read (no schedule, no tax)
};

// What the rows are worked out from besides the history.
struct JobSources {
    const QHash<int, JobBudgetFigures>& figures;          // by budget number
    const QHash<int, qint64>& recordedQuarters;           // by budget number
    const QHash<int, std::vector<InstalmentMark>>& marks; // by budget number
    double costPerHour = 0;                               // the office's, in force
    QDate today;
};

// The jobs the filter shows, by number; a job the history lists twice shows once, as its first row.
std::vector<JobRow> jobsOverview(const HistoryTable& history, const JobSources& sources, JobFilter filter);

} // namespace belvane
