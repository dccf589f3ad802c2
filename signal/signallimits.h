// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ranges of the signal and filter values the user types, chosen so that
// every computation and every drawing made from them stays finite and right.
//
// The largest value the program draws is the filter's output with the
// output scale factor S <= 10000, full scale A and static gain G0:
//   |mean| <= 9.99 A             (mean slider within -999 ... 999 %)
//   |harmonic k| <= A |H(k f0)|  (amplitude at most 100 %)
//   |H| <= |G0| / (2 m sqrt(1 - m^2)) <= 5001 |G0|
//                                (second-order resonance, m >= 0.0001)
// so |y| <= S (9.99 + 12 * 5001) |G0| A < 6.1e8 |G0| A. NiceRange holds its
// bounds within +-1e300, so A |G0| must stay below 1e300 / 6.1e8 = 1.6e291.
//
// The smallest value that must still come out right is one harmonic of 1 %
// through the smallest gain the filter controls give, a second-order
// low-pass at x = 12 * 999999 Hz / 0.001 Hz: |H| = |G0| / x^2 = 7e-21 |G0|,
// so 7e-23 |G0| A. NiceRange's finest step, 1e-300, graduates values down
// to about 3e-299; with ten decades to spare, A |G0| must stay above
// 1e-290 / 7e-23 = 1.4e-268.
//
// 1e-100 ... 1e100 for both A and |G0| keeps A |G0| within 1e-200 ... 1e200:
// 91 decades below the upper limit and 68 above the lower one, which also
// covers what the ranges above do not count (the squares of the
// measurements, taken in extended precision up to 1e4932; the gain in dB,
// at most 20 log10(5001e100) = 2074 dB; pixel mapping in extended
// precision). Every number these values produce is written by FormatNumber
// with an exponent of at most three digits.

#include <cstdint>

// FullScaleValue: the value 100 % stands for.
inline constexpr double MinFullScaleValue = 1e-100;
inline constexpr double MaxFullScaleValue = 1e100;

// StaticGain: 0, or a magnitude within these, of either sign.
inline constexpr double MinStaticGainMagnitude = 1e-100;
inline constexpr double MaxStaticGainMagnitude = 1e100;

// FundamentalHz, whole hertz.
inline constexpr std::int32_t MinFundamentalHz = 1;
inline constexpr std::int32_t MaxFundamentalHz = 999999;

// PeriodsShown: the time axis runs to TimeEnd = p / f0 >= p / 999999.
// NiceRange's finest step, 1e-300, graduates a span down to about 3e-299,
// and a curve of N <= 8.4e6 segments (a window 16.7 million pixels wide)
// steps by TimeEnd / N, which must stay a normal double (>= 2.2e-308):
// p >= 1e-290 gives TimeEnd >= 1e-296 and steps >= 1.2e-303. Fewer than 10
// periods, as the field's caption says.
inline constexpr double MinPeriodsShown = 1e-290;
inline constexpr double PeriodsShownLimit = 10; // excluded

// The mean slider runs within -MaxMeanBound ... MaxMeanBound per cent, the
// most its three-digit read-out shows.
inline constexpr std::int32_t MaxMeanBound = 999;

// The output scale factor of the time graph: 1, 10, 100, 1000 or 10000.
inline constexpr std::int32_t MaxOutputScaleFactor = 10000;

// A typed full-scale value the program can draw: MinFullScaleValue ...
// MaxFullScaleValue (NaN and infinities fail).
bool IsFullScaleAllowed(double a);

// A typed static gain the program can draw: exactly 0, or a magnitude
// within MinStaticGainMagnitude ... MaxStaticGainMagnitude.
bool IsStaticGainAllowed(double g);

// A typed number of periods: MinPeriodsShown <= p < PeriodsShownLimit.
bool IsPeriodsShownAllowed(double p);
