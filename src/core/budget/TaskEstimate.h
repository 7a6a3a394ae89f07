#pragma once
// The estimate of a project's man-hours from its tasks: each task rated by complexity takes the
// man-hours the office's table gives that rating for the project's category, and the estimate is
// their sum. A task cannot be rated before the project has a category. Man-hours typed by hand
// are kept beside the estimate, cut to the 16-bit word the record holds.
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace belvane {

struct TBudgetData;
struct TOfficeData;

struct TaskRow {
    QString name;
    bool done = false;
    QString rating;              // a complexity level, or empty
    std::optional<int> hours;    // nullopt: none shown
};

class TaskEstimate {
public:
    void setRows(std::vector<TaskRow> rows) { m_rows = std::move(rows); }
    const std::vector<TaskRow>& rows() const { return m_rows; }

    // The task of `row` was rated: false (rating and hours cleared) while the project has no
    // category (0). A rating that gives no man-hours shows none.
    bool rate(int row, int category, const TOfficeData& office);
    // Every rated task takes its man-hours anew for `category`; returns their sum.
    int recalculate(int category, const TOfficeData& office);
    // The sum of the man-hours shown.
    int total() const;
    // Every rating, mark and man-hours cleared.
    void clear();

    // The rows into the record's tasks, as many as it holds.
    void collectInto(TBudgetData& budget) const;
    // The record's named tasks, in order.
    void load(const TBudgetData& budget);

    // Man-hours typed by hand, cut to the record's 16-bit word (0 for what no word can hold).
    static std::uint16_t manHoursWord(double value);

private:
    std::vector<TaskRow> m_rows;
};

} // namespace belvane
