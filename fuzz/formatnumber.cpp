// SPDX-License-Identifier: GPL-3.0-or-later
// FormatNumber writes any double in at most 11 characters, in the fixed or
// the exponent shape, the same text as printf's conversions give, and
// reading the text back lands within what it shows: 4 decimals in the
// fixed shape, 3 significant digits in the exponent shape. An input of exactly 8 bytes is the bit pattern of the
// double; any other input is a text read by strtod, so that seeds can be
// written by hand.

#include "fuzz/fuzzcheck.h"
#include "numeric/numbers.h"

#include <cstring>
#include <string>

namespace {

double InputValue(const std::uint8_t* data, std::size_t size)
{
    if (size == sizeof(double)) {
        double x;
        std::memcpy(&x, data, sizeof x);
        return x;
    }
    const std::string text(reinterpret_cast<const char*>(data), size);
    return std::strtod(text.c_str(), nullptr);
}

// The same text built the long way, from the C library's printf, which
// also rounds the exact binary value correctly (ties to even): "%11.4f"
// for the fixed form, "%.2E" widened to four exponent digits for the
// exponent form.
std::string ReferenceText(double x)
{
    if (std::isnan(x))
        return "0";
    if (std::isinf(x))
        x = x > 0 ? DBL_MAX : -DBL_MAX;
    char fixed[400];
    std::snprintf(fixed, sizeof fixed, "%11.4f", x);
    const double r = std::strtod(fixed, nullptr);
    if (std::fabs(r) > 400 || std::fabs(r) < 0.01) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.2E", x); // "-1.23E+05"
        std::string e(buf);
        std::string out = e[0] == '-' ? "-" : " ";
        if (e[0] == '-')
            e.erase(0, 1);
        const std::size_t epos = e.find('E');
        const std::string digits = e.substr(epos + 2);
        out += e.substr(0, epos + 2) + std::string(4 - digits.size(), '0') + digits;
        return CompactExponent(out);
    }
    const std::string f(fixed);
    std::size_t last = f.size();
    while (last > 0 && (f[last - 1] == '0' || f[last - 1] == ' '))
        --last;
    std::size_t first = 0;
    while (first < last && (f[first] == ' ' || f[first] == '0'))
        ++first;
    if (last > first && f[last - 1] == '.')
        --last;
    return f.substr(first, last - first);
}

bool OnlyCharacters(const std::string& s, const char* allowed)
{
    return s.find_first_not_of(allowed) == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const double x = InputValue(data, size);
    const std::string text = FormatNumber(x);
    const char* t = text.c_str();

    FUZZ_CHECK(!text.empty() && text.size() <= 11, "x = %.17g gave \"%s\" (%zu characters)", x, t, text.size());
    const std::string reference = ReferenceText(x);
    FUZZ_CHECK(text == reference, "x = %.17g gave \"%s\", printf's way gives \"%s\"", x, t, reference.c_str());
    if (std::isnan(x)) {
        FUZZ_CHECK(text == "0", "NaN gave \"%s\"", t);
        return 0;
    }

    const bool exponentShape = text.find('E') != std::string::npos || text[0] == ' ';
    if (exponentShape) {
        // " d.ddEseeee" shortened: the sign position, a digit, maybe a point
        // and one or two decimals, maybe "E", a "-" and the exponent digits.
        FUZZ_CHECK((text[0] == ' ' || text[0] == '-') && text.size() >= 2 && text[1] >= '1' && text[1] <= '9',
                   "x = %.17g gave \"%s\": no sign position and leading digit", x, t);
        FUZZ_CHECK(OnlyCharacters(text.substr(1), "0123456789.E-"), "x = %.17g gave \"%s\"", x, t);
    } else {
        FUZZ_CHECK(OnlyCharacters(text, "0123456789.-"), "x = %.17g gave \"%s\"", x, t);
        FUZZ_CHECK(text.back() != '.' && (text.find('.') == std::string::npos || text.back() != '0'),
                   "x = %.17g gave \"%s\": trailing point or zero", x, t);
    }

    double back = 0.0;
    FUZZ_CHECK(TryParseNumber(text, back) || std::fabs(x) > 1.79e308,
               "x = %.17g gave \"%s\", which does not read back as a number", x, t);
    back = ParseNumber(text);

    const double shown = std::isinf(x) ? (x > 0 ? DBL_MAX : -DBL_MAX) : x;
    if (text == "0") {
        FUZZ_CHECK(shown == 0.0, "x = %.17g gave \"0\"", x);
    } else if (exponentShape) {
        FUZZ_CHECK(WithinSignificantDigits(shown, back, 3), "x = %.17g gave \"%s\", which reads as %.17g", x, t, back);
        FUZZ_CHECK(std::signbit(back) == std::signbit(shown), "x = %.17g gave \"%s\": sign lost", x, t);
    } else {
        FUZZ_CHECK(std::fabs(back - shown) <= 0.5e-4 * (1 + 1e-9), "x = %.17g gave \"%s\", which reads as %.17g", x, t,
                   back);
        FUZZ_CHECK(std::fabs(back) >= 0.01 && std::fabs(back) <= 400, "x = %.17g gave the fixed shape \"%s\"", x, t);
    }
    return 0;
}
