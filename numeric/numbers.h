// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Number texts of the program: every graduation label, read-out and
// prefilled field is written by FormatNumber, every typed number read by
// ParseNumber. The decimal separator is always a period, whatever the
// user's locale.

#include <string>
#include <string_view>

// Short display text of x:
//   F = x in fixed notation with 4 decimals, r = its value;
//   |r| > 400 or |r| < 0.01 (zero included): CompactExponent of x in the
//   11-character exponent form " d.ddE+eeee" (3 significant digits);
//   otherwise F without trailing zeros and blanks, without leading blanks
//   and zeros, and without a final ".".
// Examples: 3 -> "3", 0.25 -> ".25", -1.5 -> "-1.5", 401 -> " 4.01E2",
// 0.005 -> " 5E-3", 0 -> "0". Ties round to even on the exact binary
// value. An infinity is written as the largest double of its sign; NaN as
// "0".
std::string FormatNumber(double x);

// Shortens an 11-character exponent form "sd.ddEseeee" (sign or blank,
// digit, ".", two digits, "E", exponent sign, four exponent digits):
// zero gives "0"; otherwise drops a final "0" decimal (both decimals and
// the point when both are "0"), a "+" exponent sign, the whole exponent
// when it is 0000, and the exponent's leading zeros. The sign position
// always stays. " 1.20E+0003" -> " 1.2E3". Any other text is returned
// unchanged.
std::string CompactExponent(std::string_view e);

// Reads a number: leading blanks, an optional sign, digits with an optional
// "." and decimals (at least one digit in all), an optional exponent ("E" or
// "e", optional sign, digits). Reading stops at the first character that
// does not fit; a text with no number in front reads as 0. A comma is not a
// decimal separator. The result is always finite: a magnitude beyond the
// range of a double saturates to the largest double, one below it reads as 0.
double ParseNumber(std::string_view text);

// The strict conversion of a whole field: blanks around the number are
// allowed, anything else that is not part of the number, an empty text or a
// magnitude beyond the range of a double makes it fail. Same grammar and
// decimal separator as ParseNumber.
bool TryParseNumber(std::string_view text, double& value);

// TryParseNumber for a value the user types in: it also fails when the
// number is not zero but lies below the smallest normal double, where it
// would read as a subnormal or as 0 ("1e-320", "1e-400"). What it accepts
// is 0 or a finite double of magnitude DBL_MIN ... DBL_MAX.
bool TryParseTypedNumber(std::string_view text, double& value);

// x rounded to n + 1 significant digits (n is held within 1..17): x is
// written in exponent form with n mantissa decimals and read back.
// RoundToDigits(2, 14.99148) == 15.
double RoundToDigits(int n, double x);

// 10 to the power x, as e^(x ln 10) in extended precision; saturates to the
// largest double and reads NaN as 0.
double PowerOfTen(double x);
