// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the fuzz targets share: a check that prints what it saw and aborts
// (libFuzzer then keeps the input that caused it as a crash file), and a
// reader of the fuzzer's bytes that favours the values that break
// arithmetic: NaN, infinities, signed zeros, subnormals, the ends of the
// double and int32 ranges; and the checks of a scale that two targets make.

#include "plot/scale.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

#define FUZZ_CHECK(condition, ...)                                                   \
    do {                                                                             \
        if (!(condition)) {                                                          \
            std::fprintf(stderr, "\n%s:%d: check failed: %s\n  ", __FILE__, __LINE__, \
                         #condition);                                                \
            std::fprintf(stderr, __VA_ARGS__);                                       \
            std::fputc('\n', stderr);                                                \
            std::abort();                                                            \
        }                                                                            \
    } while (0)

class HostileInput {
public:
    HostileInput(const std::uint8_t* data, std::size_t size) : m_provider(data, size) {}

    // Any double: one of the awkward values, a value of an ordinary size, or
    // any bit pattern at all.
    double Double()
    {
        static constexpr double Special[] = {
            0.0, -0.0, 1.0, -1.0, 0.5, 100.0, 400.0, 0.01, 1e-3, 999999.0,
            1e300, -1e300, DBL_MAX, -DBL_MAX, DBL_MIN, -DBL_MIN, 5e-324, -5e-324,
            1e-320, 1e15, 1e16, 1e-15,
            std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
            std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN(),
        };
        constexpr std::uint8_t SpecialCount = sizeof Special / sizeof Special[0];
        const std::uint8_t choice = m_provider.ConsumeIntegral<std::uint8_t>();
        if (choice < SpecialCount)
            return Special[choice];
        if (choice < 160)
            return m_provider.ConsumeFloatingPointInRange<double>(-1e6, 1e6);
        return std::bit_cast<double>(m_provider.ConsumeIntegral<std::uint64_t>());
    }

    // Any int32, the ends of the range favoured.
    std::int32_t Int32()
    {
        static constexpr std::int32_t Special[] = {
            0, 1, -1, 2, 100, 999999, 1000000,
            std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min(),
            std::numeric_limits<std::int32_t>::max() - 1, std::numeric_limits<std::int32_t>::min() + 1,
        };
        constexpr std::uint8_t SpecialCount = sizeof Special / sizeof Special[0];
        const std::uint8_t choice = m_provider.ConsumeIntegral<std::uint8_t>();
        if (choice < SpecialCount)
            return Special[choice];
        return m_provider.ConsumeIntegral<std::int32_t>();
    }

    std::int32_t Int32InRange(std::int32_t lo, std::int32_t hi) { return m_provider.ConsumeIntegralInRange(lo, hi); }
    bool Bool() { return m_provider.ConsumeBool(); }
    char Char() { return m_provider.ConsumeIntegral<char>(); }
    std::uint32_t UInt32() { return m_provider.ConsumeIntegral<std::uint32_t>(); }
    FuzzedDataProvider& Provider() { return m_provider; }

private:
    FuzzedDataProvider m_provider;
};

// The distance of `b` from `a` allowed by a decimal rounding to `digits`
// significant digits, with room for the spacing of subnormal doubles.
inline bool WithinSignificantDigits(double a, double b, int digits)
{
    const long double tolerance = 0.5L * std::pow(10.0L, 1 - digits) * std::fabs(static_cast<long double>(a));
    return std::fabs(static_cast<long double>(a) - b) <= tolerance * (1 + 1e-12L) + 5e-324L;
}

// A finite positive step that is an exact power of ten.
inline bool IsPowerOfTen(double step)
{
    return std::isfinite(step) && step > 0 &&
           step == NearestPowerOfTen(static_cast<int>(std::lround(std::log10(step))));
}

// Graduations of a scale from min to max, walked as the axes draw them; -1
// when a step makes no progress.
inline int Graduations(double min, double max, double step)
{
    int count = 0;
    for (double v = min; v <= max && count <= 1000; ++count) {
        const double next = v + step;
        if (!(next > v))
            return -1;
        v = next;
    }
    return count;
}
