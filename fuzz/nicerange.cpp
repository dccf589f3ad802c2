// SPDX-License-Identifier: GPL-3.0-or-later
// NiceRange on any pair of bounds: the step is a finite power of ten, the
// widened range is finite and ordered, holds the given one (and 0 in the
// range-from-zero mode), and its graduations can be walked from one end
// to the other in a few dozen steps, each of which moves.

#include "fuzz/fuzzcheck.h"
#include "plot/scale.h"

#include <algorithm>

namespace {

// Where NiceRange reads its bounds: NaN as 0, magnitudes within +-1e300.
double Held(double v)
{
    return std::isnan(v) ? 0.0 : std::clamp(v, -1e300, 1e300);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    HostileInput in(data, size);
    const double min0 = in.Double();
    const double max0 = in.Double();
    const bool fromZero = in.Bool();

    double step = -1.0;
    double min = min0;
    double max = max0;
    NiceRange(step, min, max, fromZero);

    const char* mode = fromZero ? "from zero" : "multiples";
    FUZZ_CHECK(std::isfinite(step) && step > 0, "%.17g .. %.17g (%s): step %g", min0, max0, mode, step);
    FUZZ_CHECK(IsPowerOfTen(step), "%.17g .. %.17g (%s): step %.17g is no power of ten", min0, max0, mode, step);
    FUZZ_CHECK(std::isfinite(min) && std::isfinite(max) && min < max, "%.17g .. %.17g (%s) gave %.17g .. %.17g",
               min0, max0, mode, min, max);

    // The bounds are products and sums of doubles: they may miss the data
    // by the rounding of their last digit, no more.
    const double lo = std::min(Held(min0), Held(max0));
    const double hi = std::max(Held(min0), Held(max0));
    const double slack = 4e-16 * std::max(std::fabs(lo), std::fabs(hi));
    FUZZ_CHECK(min <= lo + slack && max >= hi - slack, "%.17g .. %.17g (%s) gave %.17g .. %.17g, which leaves data out", min0, max0,
               mode, min, max);
    if (fromZero)
        FUZZ_CHECK(min < 0 && max > 0, "%.17g .. %.17g from zero gave %.17g .. %.17g", min0, max0, min, max);

    const int graduations = Graduations(min, max, step);
    FUZZ_CHECK(graduations >= 1 && graduations <= 70, "%.17g .. %.17g (%s) gave %.17g .. %.17g by %.17g: %d graduations",
               min0, max0, mode, min, max, step, graduations);
    return 0;
}
