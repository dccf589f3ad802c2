// SPDX-License-Identifier: GPL-3.0-or-later
#include "numeric/rounding.h"

#include <cfloat>
#include <cmath>
#include <limits>

// The program never leaves the default round-to-nearest mode, in which the
// hardware rounding (rint, llrint) sends halves to the even neighbour; it is
// also far cheaper than a truncating conversion on the x87 unit.

long double RoundHalfEven(long double x)
{
    return std::rint(x);
}

std::int64_t RoundSaturated(long double x, std::int64_t limit)
{
    if (std::isnan(x))
        return 0;
    const long double l = static_cast<long double>(limit);
    if (x >= l)
        return limit;
    if (x <= -l)
        return -limit;
    const std::int64_t r = NearestInt64(x);
    return r > limit ? limit : (r < -limit ? -limit : r);
}

std::int32_t Round(long double x)
{
    constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
    if (std::isnan(x))
        return 0;
    if (x >= hi)
        return static_cast<std::int32_t>(hi);
    if (x <= lo)
        return static_cast<std::int32_t>(lo);
    const std::int64_t r = NearestInt64(x);
    return static_cast<std::int32_t>(r > hi ? hi : (r < lo ? lo : r));
}
