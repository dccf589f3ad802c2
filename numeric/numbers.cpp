// SPDX-License-Identifier: GPL-3.0-or-later
#include "numeric/numbers.h"

#include "numeric/rounding.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <system_error>

namespace {

constexpr std::size_t ExponentFormWidth = 11;

// x as finite: infinities become the largest double of their sign.
double Finite(double x)
{
    if (std::isinf(x))
        return x > 0 ? DBL_MAX : -DBL_MAX;
    return x;
}

// x in fixed notation with `decimals` decimals, correctly rounded from its
// exact binary value (ties to even), period as decimal separator.
std::string FixedForm(double x, int decimals)
{
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, decimals);
    return std::string(buf, res.ptr);
}

// The exponent form: sign position (blank or "-"), one digit, ".",
// `decimals` digits, "E", exponent sign, four exponent digits.
std::string ExponentForm(double x, int decimals)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, decimals);
    std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));
    std::string out;
    if (!s.empty() && s.front() == '-') {
        out += '-';
        s.remove_prefix(1);
    } else {
        out += ' ';
    }
    const std::size_t epos = s.find('e');
    out.append(s.substr(0, epos));
    out += 'E';
    std::string_view exp = s.substr(epos + 1);
    out += exp.front(); // to_chars always writes the exponent's sign
    exp.remove_prefix(1);
    out.append(exp.size() < 4 ? 4 - exp.size() : 0, '0');
    out.append(exp);
    return out;
}

struct Scan {
    std::size_t end = 0;     // one past the last character of the number
    bool negative = false;
    std::string digits;      // mantissa digits and point, for from_chars
    long long magnitude = 0; // decimal exponent of the leading non-zero digit, roughly
    bool zero = true;        // every mantissa digit is 0
    bool valid = false;      // at least one mantissa digit
};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

Scan ScanNumber(std::string_view t)
{
    Scan s;
    std::size_t i = 0;
    while (i < t.size() && IsBlank(t[i]))
        ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        s.negative = t[i] == '-';
        ++i;
    }
    long long intDigits = 0;      // significant digits before the point
    long long leadingFracZeros = 0;
    bool seenNonZero = false;
    std::size_t count = 0;
    while (i < t.size() && IsDigit(t[i])) {
        if (t[i] != '0')
            seenNonZero = true;
        if (seenNonZero)
            ++intDigits;
        s.digits += t[i++];
        ++count;
    }
    if (i < t.size() && t[i] == '.') {
        std::size_t j = i + 1;
        std::string frac;
        while (j < t.size() && IsDigit(t[j])) {
            if (t[j] != '0')
                seenNonZero = true;
            else if (!seenNonZero)
                ++leadingFracZeros;
            frac += t[j++];
        }
        if (count > 0 || !frac.empty()) {
            s.digits += '.';
            s.digits += frac;
            count += frac.size();
            i = j;
        }
    }
    if (count == 0)
        return s;
    s.valid = true;
    s.zero = !seenNonZero;
    s.end = i;
    s.magnitude = intDigits > 0 ? intDigits : -leadingFracZeros;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) {
            expNegative = t[j] == '-';
            ++j;
        }
        if (j < t.size() && IsDigit(t[j])) {
            long long exp = 0;
            while (j < t.size() && IsDigit(t[j])) {
                if (exp < 100000000)
                    exp = exp * 10 + (t[j] - '0');
                ++j;
            }
            if (expNegative)
                exp = -exp;
            s.magnitude += exp;
            s.digits += 'e';
            s.digits += std::to_string(exp);
            s.end = j;
        }
    }
    return s;
}

double Convert(const Scan& s, bool& inRange)
{
    inRange = true;
    if (s.zero)
        return s.negative ? -0.0 : 0.0;
    double v = 0.0;
    const char* first = s.digits.data();
    const auto res = std::from_chars(first, first + s.digits.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        const bool overflow = s.magnitude > 0;
        inRange = !overflow;
        v = overflow ? DBL_MAX : 0.0;
    } else if (res.ec != std::errc() || !std::isfinite(v)) {
        inRange = false;
        v = DBL_MAX;
    }
    return s.negative ? -v : v;
}

} // namespace

std::string CompactExponent(std::string_view e)
{
    if (e.size() != ExponentFormWidth)
        return std::string(e);
    // 1-based positions as in the form " d.ddEseeee".
    auto at = [&](int pos) { return e[static_cast<std::size_t>(pos - 1)]; };
    if (at(2) == '0')
        return "0";
    bool keep[12];
    for (bool& k : keep)
        k = true;
    if (at(5) == '0') {
        keep[5] = false;
        if (at(4) == '0')
            keep[3] = keep[4] = false;
    }
    if (at(7) == '+')
        keep[7] = false;
    if (at(8) == '0' && at(9) == '0' && at(10) == '0' && at(11) == '0') {
        for (int p = 6; p <= 11; ++p)
            keep[p] = false;
    } else {
        if (at(8) == '0') {
            keep[8] = false;
            if (at(9) == '0') {
                keep[9] = false;
                if (at(10) == '0')
                    keep[10] = false;
            }
        }
    }
    std::string out;
    for (int p = 1; p <= 11; ++p)
        if (keep[p])
            out += at(p);
    return out;
}

std::string FormatNumber(double x)
{
    if (std::isnan(x))
        return "0";
    x = Finite(x);
    const std::string fixed = FixedForm(x, 4);
    double r = 0.0;
    std::from_chars(fixed.data(), fixed.data() + fixed.size(), r);
    if (std::fabs(r) > 400.0 || std::fabs(r) < 0.01)
        return CompactExponent(ExponentForm(x, 2));

    std::string f = fixed;
    if (f.size() < ExponentFormWidth)
        f.insert(0, ExponentFormWidth - f.size(), ' ');
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

double ParseNumber(std::string_view text)
{
    const Scan s = ScanNumber(text);
    if (!s.valid)
        return 0.0;
    bool inRange;
    return Convert(s, inRange);
}

bool TryParseNumber(std::string_view text, double& value)
{
    const Scan s = ScanNumber(text);
    if (!s.valid)
        return false;
    for (std::size_t i = s.end; i < text.size(); ++i)
        if (!IsBlank(text[i]))
            return false;
    bool inRange;
    const double v = Convert(s, inRange);
    if (!inRange)
        return false;
    value = v;
    return true;
}

bool TryParseTypedNumber(std::string_view text, double& value)
{
    double v = 0.0;
    if (!TryParseNumber(text, v))
        return false;
    if (v != 0.0 ? std::fabs(v) < DBL_MIN : !ScanNumber(text).zero)
        return false;
    value = v;
    return true;
}

double RoundToDigits(int n, double x)
{
    if (n < 1)
        n = 1;
    if (n > 17)
        n = 17;
    if (std::isnan(x))
        return 0.0;
    return ParseNumber(ExponentForm(Finite(x), n));
}

double PowerOfTen(double x)
{
    return SaturateToDouble(std::exp(static_cast<long double>(x) * std::numbers::ln10_v<long double>));
}
