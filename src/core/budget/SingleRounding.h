#pragma once
// Money, areas and factors are stored as single-precision floats. Every stored quantity is worked
// out in double precision and rounded to single precision at the moment it is stored; later steps
// read the rounded value. A result too large for a float is an overflow the caller must handle:
// converting it would not round but be undefined.
#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>

namespace belvane {

// The single-precision value of x, or nothing when x is not finite or lies beyond the float range.
inline std::optional<float> roundToSingle(double x)
{
    if (!std::isfinite(x) || std::fabs(x) > double(FLT_MAX))
        return std::nullopt;
    return static_cast<float>(x);
}

// The single-precision value of x, pinned to the largest float when it lies beyond the range;
// for figures typed, read back or only shown, where a pinned value reads better than a failure.
// Converting such a value directly would not round but be undefined. NaN stays NaN.
inline float narrowToSingle(double x)
{
    if (std::isnan(x))
        return std::numeric_limits<float>::quiet_NaN();
    if (x > double(FLT_MAX))
        return FLT_MAX;
    if (x < -double(FLT_MAX))
        return -FLT_MAX;
    return static_cast<float>(x);
}

} // namespace belvane
