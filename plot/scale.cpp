// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/scale.h"

#include "numeric/rounding.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <utility>

namespace {

constexpr double RangeLimit = 1e300;
constexpr int MinExponent = -299; // steps from 1e-300 ...
constexpr int MaxExponent = 301;  // ... to 1e300
constexpr int MaxAccumulation = 100000;

std::int32_t MapToPixel(long double num, long double span, std::int32_t from, std::int32_t to)
{
    const auto middle = static_cast<std::int32_t>(
        std::clamp<std::int64_t>((static_cast<std::int64_t>(from) + to) / 2, -PixelLimit, PixelLimit));
    if (!(span != 0.0L))
        return middle;
    const long double p = num * (static_cast<long double>(to) - from) / span + from;
    if (std::isnan(p))
        return middle;
    return static_cast<std::int32_t>(RoundSaturated(p, PixelLimit));
}

double Sane(double v)
{
    if (std::isnan(v))
        return 0.0;
    if (v > RangeLimit)
        return RangeLimit;
    if (v < -RangeLimit)
        return -RangeLimit;
    return v;
}

double StepForSpan(long double r)
{
    int e = r > 0.0L ? Round(std::log10(r)) : 0;
    if (e < MinExponent)
        e = MinExponent;
    if (e > MaxExponent)
        e = MaxExponent;
    return NearestPowerOfTen(e - 1);
}

void WidenFromZero(double step, double& min, double& max)
{
    if (max < 0)
        max = 0;
    if (min > 0)
        min = 0;
    const double m0 = min;
    const double M0 = max;
    min = 0;
    for (int i = 0; !(min < m0) && i < MaxAccumulation; ++i)
        min -= step;
    max = 0;
    for (int i = 0; !(max > M0) && i < MaxAccumulation; ++i)
        max += step;
}

// Every graduation of [min, max] moves by the step: adding it to either
// end, where the magnitudes are largest, changes the value.
bool Walkable(double step, double min, double max)
{
    return min + step > min && max - step < max;
}

void WidenToMultiples(double step, double& min, double& max)
{
    const double m0 = min;
    const double M0 = max;
    if (M0 > 0)
        max = (std::trunc(M0 / step) + 1) * step;
    else if (M0 < 0)
        max = std::trunc(M0 / step) * step;
    if (m0 > 0)
        min = (std::trunc(m0 / step) - 1) * step;
    else if (m0 < 0)
        min = (std::trunc(m0 / step) - 1) * step;
}

} // namespace

std::int32_t ValueToRow(std::int32_t top, std::int32_t bottom, double v, double vMin, double vMax)
{
    return MapToPixel(static_cast<long double>(vMax) - v, static_cast<long double>(vMax) - vMin, top, bottom);
}

std::int32_t ValueToColumn(std::int32_t left, std::int32_t right, double v, double vMin, double vMax)
{
    return MapToPixel(static_cast<long double>(v) - vMin, static_cast<long double>(vMax) - vMin, left, right);
}

double NearestPowerOfTen(int n)
{
    // The decimal conversion is correctly rounded, so "1e<n>" reads as the
    // nearest double for every n; an exp/log computation, even in extended
    // precision, misses it for some exponents.
    const std::string text = "1e" + std::to_string(n);
    double v = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

void NiceRange(double& step, double& min, double& max, bool fromZero)
{
    min = Sane(min);
    max = Sane(max);
    if (min > max)
        std::swap(min, max);
    const long double a = std::fabs(static_cast<long double>(max));
    const long double b = std::fabs(static_cast<long double>(max) - min);
    long double r = (fromZero && a > b) ? a : b;
    const long double magnitude = std::fmax(a, std::fabs(static_cast<long double>(min)));
    if (r == 0.0L)
        r = magnitude;
    if (r == 0.0L)
        r = 1.0L;
    step = StepForSpan(r);

    const double m0 = min;
    const double M0 = max;
    if (fromZero)
        WidenFromZero(step, min, max);
    else
        WidenToMultiples(step, min, max);

    if (!(min < max && Walkable(step, min, max)) && !fromZero && magnitude > 0.0L) {
        // A span too narrow for the bounds' magnitude, or a step below the
        // resolution of the bounds: graduate by magnitude.
        min = m0;
        max = M0;
        step = StepForSpan(magnitude);
        WidenToMultiples(step, min, max);
    }
    if (!(min < max)) {
        min -= step;
        max += step;
    }
}
