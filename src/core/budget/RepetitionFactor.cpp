#include "core/budget/RepetitionFactor.h"

#include <cmath>

namespace belvane {

float RepetitionFactorOf(float x)
{
    const double n = std::trunc(double(x));
    // The linear pieces are evaluated in extended precision, as the stored budgets were, and
    // rounded once to single precision.
    const long double r = x;
    long double factor = 1.0L;
    if (n <= 0)
        factor = 1.0L;
    else if (n == 1)
        return 0.98f;
    else if (n == 2)
        return 0.94f;
    else if (n <= 4)
        factor = 1.04L - 0.05L * r;
    else if (n <= 8)
        factor = 0.92L - 0.02L * r;
    else if (n <= 16)
        factor = 0.88L - 0.015L * r;
    else if (n <= 32)
        factor = 0.78L - 0.0088L * r;
    else if (n <= 64)
        factor = 0.75L - 0.0078L * r;
    else if (n <= 256)
        factor = 0.375L - 0.002L * r;
    return static_cast<float>(factor);
}

} // namespace belvane
