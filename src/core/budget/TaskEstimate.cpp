#include "core/budget/TaskEstimate.h"

#include "core/budget/BudgetRecord.h"
#include "core/budget/TaskHours.h"

#include <QList>

#include <algorithm>
#include <cmath>

namespace belvane {

bool TaskEstimate::rate(int row, int category, const TOfficeData& office)
{
    if (row < 0 || row >= int(m_rows.size()))
        return false;
    TaskRow& task = m_rows[row];
    if (category == 0) {
        task.rating.clear();
        task.hours.reset();
        return false;
    }
    const std::uint16_t hours = TaskHxh(task.rating, category, office);
    task.hours = hours == 0 ? std::nullopt : std::optional<int>(hours);
    return true;
}

int TaskEstimate::recalculate(int category, const TOfficeData& office)
{
    std::uint16_t sum = 0;
    for (TaskRow& task : m_rows) {
        if (task.rating.isEmpty())
            continue;
        const std::uint16_t hours = TaskHxh(task.rating, category, office);
        task.hours = hours;
        sum = totalManHours({sum, hours});
    }
    return sum;
}

int TaskEstimate::total() const
{
    QList<int> hours;
    for (const TaskRow& task : m_rows) {
        if (task.hours)
            hours << *task.hours;
    }
    return totalManHours(hours);
}

void TaskEstimate::clear()
{
    for (TaskRow& task : m_rows) {
        task.done = false;
        task.rating.clear();
        task.hours.reset();
    }
}

void TaskEstimate::collectInto(TBudgetData& b) const
{
    const int rows = std::min(int(m_rows.size()), kBudgetSlots);
    for (int row = 0; row < rows; ++row) {
        TBudgetTask& task = b.Tasks[row];
        task.Name.assign(m_rows[row].name);
        task.Done = m_rows[row].done ? 1 : 0;
        task.Complexity.assign(m_rows[row].rating);
        task.Hxh = static_cast<std::uint16_t>(m_rows[row].hours.value_or(0));
    }
}

void TaskEstimate::load(const TBudgetData& b)
{
    m_rows.clear();
    for (int i = 0; i < kBudgetSlots && !b.Tasks[i].Name.isEmpty(); ++i) {
        const TBudgetTask& task = b.Tasks[i];
        m_rows.push_back({task.Name.toQString(), false, task.Complexity.toQString(),
                          task.Hxh == 0 ? std::nullopt : std::optional<int>(task.Hxh)});
    }
}

std::uint16_t TaskEstimate::manHoursWord(double value)
{
    const double whole = std::trunc(value);
    if (!(std::fabs(whole) < 9.0e18))
        return 0;
    return static_cast<std::uint16_t>(static_cast<long long>(whole));
}

} // namespace belvane
