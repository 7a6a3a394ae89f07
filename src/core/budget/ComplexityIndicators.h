#pragma once
// The complexity indicators of a budget as the user rates them: each rated indicator shows the
// index of its level, and the complexity factor Fc is the average of the shown indices. With no
// indicator rated any more, Fc keeps the last average; clearing every rating brings Fc back to 1.
#include <QString>

#include <optional>
#include <vector>

namespace belvane {

struct TBudgetData;

struct IndicatorRow {
    QString name;
    QString rating;                // a complexity level, or empty
    std::optional<double> index;   // as shown; nullopt: none shown
};

class ComplexityIndicators {
public:
    void setRows(std::vector<IndicatorRow> rows) { m_rows = std::move(rows); }
    const std::vector<IndicatorRow>& rows() const { return m_rows; }
    double factor() const { return m_factor; }
    void setFactor(double factor) { m_factor = factor; }

    // The indicator of `row` was rated: it shows its level's index (to a tenth, as shown), every
    // unrated indicator shows none, and Fc follows the average.
    void rate(int row);
    void clear();

    // The factor and the rows into the record, as many rows as it holds.
    void collectInto(TBudgetData& budget) const;
    // The record's named indicators and its factor.
    void load(const TBudgetData& budget);

private:
    std::vector<IndicatorRow> m_rows;
    double m_factor = 1.0;
};

} // namespace belvane
