#include "core/budget/TaskHours.h"

#include "core/tables/ReferenceTables.h"

namespace belvane {

int complexityLevelOf(QStringView rating)
{
    for (int level = 0; level < 4; ++level) {
        if (rating == kComplexityLevels[level])
            return level;
    }
    return -1;
}

std::uint16_t TaskHxh(QStringView rating, int category, const TOfficeData& office)
{
    const int level = complexityLevelOf(rating);
    if (level < 1 || category < 1 || category > kHxhCategories)
        return 0;
    return office.HxhTable[category - 1][level];
}

std::uint16_t totalManHours(const QList<int>& taskHours)
{
    std::uint16_t sum = 0;
    for (int hours : taskHours)
        sum = static_cast<std::uint16_t>(sum + hours);
    return sum;
}

} // namespace belvane
