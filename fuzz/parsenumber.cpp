// SPDX-License-Identifier: GPL-3.0-or-later
// ParseNumber reads any text without failing: its value is always finite
// and is the correctly rounded value of the number in front of the text
// (0 when there is none, the largest double when beyond the range).

#include "fuzz/fuzzcheck.h"
#include "fuzz/referencenumber.h"
#include "numeric/numbers.h"

#include <string_view>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    UseFrenchLocale();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = ParseNumber(text);
    FUZZ_CHECK(std::isfinite(value), "ParseNumber gave %g", value);

    const double expected = ExpectedParse(ReadReferenceNumber(text));
    FUZZ_CHECK(value == expected, "ParseNumber gave %.17g, the number in front is %.17g", value, expected);
    return 0;
}
