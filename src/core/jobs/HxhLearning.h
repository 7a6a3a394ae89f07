#pragma once
// The man-hours table learning from finished jobs. Every price rests on the office's table of the
// hours one task demands (category 1..4 × "Baixa", "Média", "Alta"); the finished jobs say what
// their tasks really took. For each of the twelve cells: the value in force, the median of the
// hours a task of that category and complexity took (all hours recorded on that task in one job
// are one record), how many records the median rests on, and from three records on a suggested
// value, the median in whole hours, halves up.
//
// Only tasks the budget rated, with hours recorded, make records; a job of no category makes none.
// Of an even count the median is the mean of the two middle records. "Outras atividades" belongs
// to no cell: it is shown as a share of all the hours recorded on the finished jobs, the hidden
// cost of every job.
#include "core/jobs/HourEntry.h"
#include "core/jobs/JobBudgetFigures.h"
#include "core/office/OfficeRecord.h"

#include <QHash>

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace belvane {

struct HxhCell {
    int category = 0;             // 1..4
    int level = 0;                // 1 "Baixa", 2 "Média", 3 "Alta"
    int inForce = 0;              // the office's table now
    std::optional<double> median; // hours; none without records
    int records = 0;
    std::optional<int> suggested; // from kMinRecords records on
};

class HxhLearning {
public:
    static constexpr int kMinRecords = 3;
    static constexpr int kCellCount = kHxhCategories * 3;

    // Learns from the finished jobs given (by number) and the hour entries of any jobs; entries
    // of other jobs are passed over.
    static HxhLearning from(const TOfficeData& office, const QHash<int, JobBudgetFigures>& finishedJobs,
                            std::span<const HourEntry> entries);

    // Category by category, "Baixa" to "Alta".
    const std::array<HxhCell, kCellCount>& cells() const { return m_cells; }
    const HxhCell& cell(int category, int level) const
    {
        return m_cells[std::size_t((category - 1) * 3 + level - 1)];
    }
    // "Outras atividades" of all the hours recorded on the finished jobs, in % to 0,1; none when
    // no hours were recorded on them.
    std::optional<double> otherActivitiesShare() const { return m_otherShare; }
    bool hasSuggestions() const;

    // Puts the suggested values into the man-hours table (the office's HxhTable, as the grid Ng6
    // shows it); cells without a suggestion keep theirs. Returns how many cells changed.
    int applyTo(TOfficeData& office) const;

private:
    std::array<HxhCell, kCellCount> m_cells{};
    std::optional<double> m_otherShare;
};

// The median of the values (reordered); none of no values. Of an even count: the mean of the two
// middle ones.
std::optional<double> medianOf(std::vector<double>& values);

} // namespace belvane
