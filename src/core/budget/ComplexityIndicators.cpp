#include "core/budget/ComplexityIndicators.h"

#include "core/budget/BudgetRecord.h"
#include "core/budget/ComplexityFactor.h"
#include "core/budget/SingleRounding.h"
#include "core/budget/TaskHours.h"
#include "core/tables/ReferenceTables.h"
#include "core/text/NumberFormat.h"

#include <QList>

#include <algorithm>

namespace belvane {

void ComplexityIndicators::rate(int row)
{
    if (row < 0 || row >= int(m_rows.size()))
        return;
    const int level = complexityLevelOf(m_rows[row].rating);
    // The index counts as it is shown, to a tenth.
    if (level > 0)
        m_rows[row].index = parseNumber(formatNumber(indicatorIndex(level), u"0.0"));
    QList<double> rated;
    for (IndicatorRow& indicator : m_rows) {
        if (indicator.rating.isEmpty())
            indicator.index.reset();
        else
            rated << indicator.index.value_or(0.0);
    }
    if (const std::optional<double> average = averageIndex(rated))
        m_factor = *average;
}

void ComplexityIndicators::clear()
{
    for (IndicatorRow& indicator : m_rows) {
        indicator.rating.clear();
        indicator.index.reset();
    }
    m_factor = 1.0;
}

void ComplexityIndicators::collectInto(TBudgetData& b) const
{
    b.ComplexityFactor = narrowToSingle(m_factor);
    const int rows = std::min(int(m_rows.size()), kBudgetSlots);
    for (int row = 0; row < rows; ++row) {
        TBudgetIndicator& indicator = b.Indicators[row];
        indicator.Number = static_cast<std::uint8_t>(row + 1);
        indicator.Name.assign(m_rows[row].name);
        indicator.Complexity.assign(m_rows[row].rating);
        indicator.IndexValue = narrowToSingle(m_rows[row].index.value_or(0.0));
    }
}

void ComplexityIndicators::load(const TBudgetData& b)
{
    m_factor = b.ComplexityFactor;
    m_rows.clear();
    for (int i = 0; i < kBudgetSlots && !b.Indicators[i].Name.isEmpty(); ++i) {
        const TBudgetIndicator& indicator = b.Indicators[i];
        m_rows.push_back({indicator.Name.toQString(), indicator.Complexity.toQString(),
                          indicator.IndexValue != 0.0f ? std::optional<double>(indicator.IndexValue) : std::nullopt});
    }
}

} // namespace belvane
