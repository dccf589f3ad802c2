// SPDX-License-Identifier: GPL-3.0-or-later
// ValueToRow and ValueToColumn on any frame and values: the pixel stays
// within +-PixelLimit, an unusable span or a NaN value gives the middle,
// the ends of the world range land on the ends of the pixel range, a
// value inside the range lands between them, and the mapping keeps the
// order of the values.

#include "fuzz/fuzzcheck.h"
#include "plot/scale.h"

#include <algorithm>

namespace {

using Mapping = std::int32_t (*)(std::int32_t, std::int32_t, double, double, double);

struct Axis {
    const char* name;
    Mapping map;
    bool reversed; // vMax lands on the first pixel given
};

void CheckAxis(const Axis& a, std::int32_t from, std::int32_t to, double v, double w, double vMin, double vMax)
{
    const std::int32_t p = a.map(from, to, v, vMin, vMax);
    FUZZ_CHECK(p >= -PixelLimit && p <= PixelLimit, "%s(%d, %d, %.17g, %.17g, %.17g) = %d", a.name, from, to, v,
               vMin, vMax, p);

    const auto middle = static_cast<std::int32_t>(
        std::clamp<std::int64_t>((static_cast<std::int64_t>(from) + to) / 2, -PixelLimit, PixelLimit));
    if (vMin == vMax || std::isnan(vMin) || std::isnan(vMax) || std::isnan(v)) {
        FUZZ_CHECK(p == middle, "%s(%d, %d, %.17g, %.17g, %.17g) = %d, not the middle %d", a.name, from, to, v, vMin,
                   vMax, p, middle);
        return;
    }
    if (!std::isfinite(vMin) || !std::isfinite(vMax))
        return;

    // A world range of finite bounds on a pixel range that needs no saturation.
    const bool inLimits = std::abs(from) <= PixelLimit && std::abs(to) <= PixelLimit;
    if (!inLimits)
        return;
    const std::int32_t atMin = a.map(from, to, vMin, vMin, vMax);
    const std::int32_t atMax = a.map(from, to, vMax, vMin, vMax);
    FUZZ_CHECK(atMin == (a.reversed ? to : from) && atMax == (a.reversed ? from : to),
               "%s(%d, %d, ., %.17g, %.17g): the ends land on %d and %d", a.name, from, to, vMin, vMax, atMin, atMax);
    if (v >= std::min(vMin, vMax) && v <= std::max(vMin, vMax))
        FUZZ_CHECK(p >= std::min(from, to) && p <= std::max(from, to),
                   "%s(%d, %d, %.17g, %.17g, %.17g) = %d, outside the frame", a.name, from, to, v, vMin, vMax, p);

    if (std::isnan(w))
        return;
    const std::int32_t q = a.map(from, to, w, vMin, vMax);
    // Going from v to w moves the pixel towards `to` when the world range
    // and the value move the same way (for a column; the other way for a row).
    const bool up = (w > v) == (vMax > vMin);
    const bool towardsTo = a.reversed ? !up : up;
    const bool ordered = w == v || (towardsTo ? (to >= from ? q >= p : q <= p) : (to >= from ? q <= p : q >= p));
    FUZZ_CHECK(ordered, "%s(%d, %d, ., %.17g, %.17g): %.17g -> %d but %.17g -> %d", a.name, from, to, vMin, vMax, v,
               p, w, q);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    HostileInput in(data, size);
    const std::int32_t from = in.Int32();
    const std::int32_t to = in.Int32();
    const double v = in.Double();
    const double w = in.Double();
    const double vMin = in.Double();
    const double vMax = in.Double();

    CheckAxis({"ValueToRow", ValueToRow, true}, from, to, v, w, vMin, vMax);
    CheckAxis({"ValueToColumn", ValueToColumn, false}, from, to, v, w, vMin, vMax);
    return 0;
}
