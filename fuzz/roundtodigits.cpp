// SPDX-License-Identifier: GPL-3.0-or-later
// RoundToDigits(n, x) keeps n + 1 significant digits (n held within
// 1..17) of any double: the result is finite, of x's sign, within half a
// unit of its last digit, and rounding it again changes nothing. NaN
// gives 0.

#include "fuzz/fuzzcheck.h"
#include "numeric/numbers.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    HostileInput in(data, size);
    const int n = in.Int32();
    const double x = in.Double();
    const double r = RoundToDigits(n, x);

    FUZZ_CHECK(std::isfinite(r), "RoundToDigits(%d, %.17g) = %g", n, x, r);
    if (std::isnan(x)) {
        FUZZ_CHECK(r == 0.0, "RoundToDigits(%d, NaN) = %.17g", n, r);
        return 0;
    }
    const int digits = std::clamp(n, 1, 17) + 1;
    const double target = std::isinf(x) ? (x > 0 ? DBL_MAX : -DBL_MAX) : x;
    FUZZ_CHECK(WithinSignificantDigits(target, r, digits), "RoundToDigits(%d, %.17g) = %.17g", n, x, r);
    FUZZ_CHECK(r == 0.0 || std::signbit(r) == std::signbit(x), "RoundToDigits(%d, %.17g) = %.17g", n, x, r);
    const double again = RoundToDigits(n, r);
    FUZZ_CHECK(again == r, "RoundToDigits(%d, %.17g) = %.17g, and again %.17g", n, x, r, again);
    return 0;
}
