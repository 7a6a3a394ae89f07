#pragma once
// What the jobs need of a budget's file and schedule, and nothing else: its tax rate, its project
// category, its rated tasks and its payment schedule. The history row already holds the client,
// the service, the quoted and negotiated values and the man-hours, and follows the grid's edits;
// these few figures are what only the file knows. They are read once per budget file and kept
// (the workspace keeps them until the file is saved again), so that the jobs list of 2,000 jobs
// never reads 2,000 files.
#include "core/budget/BudgetRecord.h"
#include "core/payment/PaymentSchedule.h"

#include <QString>

#include <vector>

namespace belvane {

// A task the budget rated: its name and its complexity (1 "Baixa", 2 "Média", 3 "Alta").
struct RatedTask {
    QString name;
    int level = 0;
    bool operator==(const RatedTask&) const = default;
};

struct JobBudgetFigures {
    int number = 0;
    double taxRate = 0; // percent
    int category = 0;   // 1..4; 0 when the budget has none
    std::vector<RatedTask> ratedTasks;
    PaymentSchedule schedule;

    // The figures of a budget file with the schedule kept for it.
    static JobBudgetFigures of(const TBudgetData& budget, PaymentSchedule schedule);
    // The position of the rated task with that name in ratedTasks; -1 when the budget did not
    // rate it (an unrated task, "Outras atividades", a name typed).
    int ratedTaskIndex(QStringView name) const;
};

} // namespace belvane
