// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An independent reading of the number texts, to hold ParseNumber and
// TryParseNumber against: the longest prefix of the grammar
//   blanks* [+-]? (digits [. digits*] | . digits) ([eE] [+-]? digits)?
// (blanks are spaces and tabs) found by hand, then converted by the C
// library's strtod in the "C" locale, which rounds correctly.

#include <cerrno>
#include <cfloat>
#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <string>
#include <string_view>

struct ReferenceNumber {
    bool Found = false;    // a number stands at the start (after blanks)
    std::size_t End = 0;   // one past its last character
    double Value = 0.0;    // strtod's value, +-HUGE_VAL on overflow
    bool Overflow = false; // beyond the range of a double
};

inline ReferenceNumber ReadReferenceNumber(std::string_view t)
{
    auto digit = [&](std::size_t i) { return i < t.size() && t[i] >= '0' && t[i] <= '9'; };
    ReferenceNumber r;
    std::size_t i = 0;
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t'))
        ++i;
    const std::size_t start = i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (digit(i)) {
        ++i;
        ++digits;
    }
    if (i < t.size() && t[i] == '.' && (digits > 0 || digit(i + 1))) {
        ++i;
        while (digit(i)) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return r;
    std::size_t end = i;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-'))
            ++j;
        if (digit(j)) {
            while (digit(j))
                ++j;
            end = j;
        }
    }
    r.Found = true;
    r.End = end;
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const std::string text(t.substr(start, end - start));
    errno = 0;
    r.Value = strtod_l(text.c_str(), nullptr, c);
    r.Overflow = errno == ERANGE && (r.Value == HUGE_VAL || r.Value == -HUGE_VAL);
    return r;
}

// ParseNumber's value for the reference reading: the number in front, a
// magnitude beyond a double saturated to the largest double, no number 0.
inline double ExpectedParse(const ReferenceNumber& r)
{
    if (!r.Found)
        return 0.0;
    if (r.Overflow)
        return r.Value > 0 ? DBL_MAX : -DBL_MAX;
    return r.Value;
}

// The texts are read in a French locale, whose decimal separator is a
// comma, so that a reading that leans on the locale shows.
inline void UseFrenchLocale()
{
    std::setlocale(LC_ALL, "fr_FR.UTF-8");
}
