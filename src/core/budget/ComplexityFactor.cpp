#include "core/budget/ComplexityFactor.h"

namespace belvane {

float indicatorIndex(int level)
{
    switch (level) {
    case 1: return 0.7f;
    case 2: return 1.0f;
    case 3: return 1.3f;
    default: return 0.0f;
    }
}

std::optional<double> averageIndex(const QList<double>& ratedIndices)
{
    if (ratedIndices.isEmpty())
        return std::nullopt;
    float sum = 0.0f;
    for (double index : ratedIndices)
        sum = static_cast<float>(double(sum) + index);
    return double(sum) / double(ratedIndices.size());
}

} // namespace belvane
