// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>

// Real-to-integer conversions of the program. Every real that becomes a
// slider position, a read-out, a pixel, a point count or a factor goes
// through Round: nearest integer, halves to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).

// The nearest integer by the library: std::llrint in the current rounding
// mode, which the program keeps at round-to-nearest (ties to even). x must
// lie well inside the int64 range.
inline std::int64_t NearestInt64Portable(long double x)
{
    return std::llrint(x);
}

// The same conversion. On x86 the x87 fistp instruction does it in place,
// faster than the library call (bench-core: BM_NearestInt64), which shows
// in every pixel a curve maps (BM_SampleInputCurve); other processors take
// NearestInt64Portable.
inline std::int64_t NearestInt64(long double x)
{
#if defined(__x86_64__) || defined(__i386__)
    std::int64_t r;
    asm("fistpll %0" : "=m"(r) : "t"(x) : "st");
    return r;
#else
    return NearestInt64Portable(x);
#endif
}

// x rounded to the nearest integer, ties to even, still as a real.
// NaN stays NaN, infinities stay infinite.
long double RoundHalfEven(long double x);

// Round(x) as a 32-bit integer. Values beyond the int32 range saturate to
// its ends; NaN gives 0.
std::int32_t Round(long double x);

// Round(x) saturated to [-limit, limit]; NaN gives 0.
std::int64_t RoundSaturated(long double x, std::int64_t limit);

// x as a double, saturated to the finite range [-DBL_MAX, DBL_MAX];
// NaN gives 0. Used wherever a product of user-typed values may exceed
// the range of a double.
inline double SaturateToDouble(long double x)
{
    constexpr long double Max = DBL_MAX;
    if (x > Max)
        return static_cast<double>(Max);
    if (x < -Max)
        return static_cast<double>(-Max);
    return x == x ? static_cast<double>(x) : 0.0; // NaN gives 0
}
