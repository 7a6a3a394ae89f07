#include "ui/app/AppState.h"

#include <cstring>

namespace belvane {

void AppState::setShownColors(const TStatusColors& colors)
{
    if (std::memcmp(&colors, &m_shownColors, sizeof colors) == 0)
        return;
    m_shownColors = colors;
    emit shownColorsChanged();
}

void AppState::setChartLook(const ChartLook& look)
{
    m_chartLook = look;
    // Emitted even when unchanged: a chart made since follows the look it is told.
    emit chartLookChanged();
}

void AppState::becomeReadOnly(const QString& notice)
{
    m_readOnlyNotice = notice;
    emit writeAccessChanged();
}

PriceCheck AppState::priceCheckOf(const TBudgetData& b)
{
    static const HistoryTable noHistory;
    return checkPrice(b, priceReferences, history ? history->table() : noHistory, *buildingUses,
                      [this](int number) { return extensions && extensions->lastDecisionWon(number); });
}

} // namespace belvane
