#pragma once
// The marks that take the hours of a deleted budget out of the office's totals (table
// dropped_hours): for a budget number, the last sequence each seat's journal had when the budget
// was deleted. The journals themselves are never rewritten by another seat, so this is how the
// deleting seat lets their entries go. The rows outlive the budget they name on purpose: the
// number is "dropped_budget", not "budget_number", so that deleting a budget of that number
// again, or the start's clean-up of budgets without a file, does not bring the old hours back.
#include "core/jobs/HourDropMarks.h"
#include "core/storage/IoResult.h"

#include <QDateTime>

namespace belvane {

class ExtensionDatabase;

class DroppedHourMarks {
public:
    // The schema version that made the table.
    static constexpr int kMadeIn = 8;

    explicit DroppedHourMarks(ExtensionDatabase& database) : m_database(database) {}

    HourDropMarks all() const;
    // Notes that the budget's hours up to `marks` no longer count. A mark already kept for the
    // same journal is only ever raised: a number deleted twice drops all it had both times.
    IoResult record(int budgetNumber, const HourJournalMarks& marks, const QDateTime& when);

private:
    ExtensionDatabase& m_database;
};

} // namespace belvane
