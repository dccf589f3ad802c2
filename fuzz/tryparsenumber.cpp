// SPDX-License-Identifier: GPL-3.0-or-later
// TryParseNumber accepts exactly the texts that hold one number within the
// range of a double, with blanks around it, and then gives ParseNumber's
// value; on refusal it leaves the value alone.

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
    constexpr double Untouched = -12345.678;
    double value = Untouched;
    const bool accepted = TryParseNumber(text, value);

    const ReferenceNumber r = ReadReferenceNumber(text);
    bool whole = r.Found && !r.Overflow;
    for (std::size_t i = r.End; whole && i < text.size(); ++i)
        whole = text[i] == ' ' || text[i] == '\t';

    FUZZ_CHECK(accepted == whole, "TryParseNumber %s a text that %s one number in range",
               accepted ? "accepted" : "refused", whole ? "is" : "is not");
    if (accepted) {
        FUZZ_CHECK(std::isfinite(value), "accepted value %g", value);
        FUZZ_CHECK(value == r.Value, "accepted value %.17g, the text says %.17g", value, r.Value);
        FUZZ_CHECK(value == ParseNumber(text), "accepted value %.17g differs from ParseNumber's", value);
    } else {
        FUZZ_CHECK(value == Untouched, "a refusal changed the value to %.17g", value);
    }
    return 0;
}
