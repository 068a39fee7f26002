// SPDX-License-Identifier: MIT
#include "randomsource.h"

#include <cmath>

int Nearest(double v)
{
    // std::nearbyint follows the current rounding mode, which is round-half-to-even
    // unless someone changed it; doing it by hand keeps the result fixed.
    const double down = std::floor(v);
    const double fraction = v - down;
    if (fraction > 0.5)
        return int(down) + 1;
    if (fraction < 0.5)
        return int(down);
    return std::fmod(down, 2.0) == 0.0 ? int(down) : int(down) + 1;
}

int Floor(double v)
{
    return int(std::floor(v));
}
