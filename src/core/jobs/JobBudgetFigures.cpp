#include "core/jobs/JobBudgetFigures.h"

#include "core/budget/TaskHours.h"

#include <cmath>

namespace belvane {

JobBudgetFigures JobBudgetFigures::of(const TBudgetData& budget, PaymentSchedule schedule)
{
    JobBudgetFigures figures;
    figures.number = budget.Number;
    // The rate was typed with at most two decimals and kept as a single (6,5 reads 6.5, 11,33
    // reads 11.32999992...): taken back to the decimal typed, the taxes round as a person's do.
    figures.taxRate = std::round(double(budget.TaxRate) * 1e4) / 1e4;
    figures.category =
        budget.ProjectCategory >= 1 && budget.ProjectCategory <= kHxhCategories ? budget.ProjectCategory : 0;
    for (const TBudgetTask& task : budget.Tasks) {
        // The list ends at the first entry not in use.
        if (task.Name.isEmpty())
            break;
        const int level = complexityLevelOf(task.Complexity.toQString());
        if (level >= 1)
            figures.ratedTasks.push_back({task.Name.toQString(), level});
    }
    figures.schedule = std::move(schedule);
    return figures;
}

int JobBudgetFigures::ratedTaskIndex(QStringView name) const
{
    for (std::size_t i = 0; i < ratedTasks.size(); ++i) {
        if (ratedTasks[i].name == name)
            return int(i);
    }
    return -1;
}

} // namespace belvane
