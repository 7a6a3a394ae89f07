#pragma once
// Budget records keep money in single precision while the history holds doubles that the user
// typed. Narrowing a double too large for a float is undefined in C++, so values beyond the float
// range are first brought to its largest finite value; NaN stays NaN.
#include <cmath>
#include <limits>

namespace belvane {

inline float narrowToSingle(double value)
{
    constexpr double kLargest = std::numeric_limits<float>::max();
    if (std::isnan(value))
        return std::numeric_limits<float>::quiet_NaN();
    if (value > kLargest)
        return std::numeric_limits<float>::max();
    if (value < -kLargest)
        return std::numeric_limits<float>::lowest();
    return static_cast<float>(value);
}

} // namespace belvane
