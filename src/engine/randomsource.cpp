// SPDX-License-Identifier: MIT
#include "randomsource.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Velloquin {

int roundHalfEven(double value)
{
    // std::nearbyint follows the current rounding mode, which is round-half-to-even
    // unless someone changed it; doing it by hand keeps the result fixed.
    if (!std::isfinite(value))
        return 0;
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0))
        whole += 1;
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    return int(std::clamp(whole, lo, hi));
}

int floorToInt(double v)
{
    return int(std::floor(v));
}

} // namespace Velloquin
