// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// World-to-pixel mappings and graduation ranges of the graphs.

#include <cstdint>

// Pixel coordinates saturate to +-PixelLimit, so that no value, however
// large, overflows an integer, even with a few pixels added to it.
inline constexpr std::int32_t PixelLimit = 1 << 30;

// Round((vMax - v) * (bottom - top) / (vMax - vMin) + top): vMax lands on the
// top row, vMin on the bottom row. Computed in extended precision and
// saturated to +-PixelLimit; an empty or non-numeric span, or a NaN value,
// gives the middle row (saturated as well).
std::int32_t ValueToRow(std::int32_t top, std::int32_t bottom, double v, double vMin, double vMax);

// Round((v - vMin) * (right - left) / (vMax - vMin) + left), same guards.
std::int32_t ValueToColumn(std::int32_t left, std::int32_t right, double v, double vMin, double vMax);

// The double nearest to 10^n (exactly 1.0, 10.0, 100.0 ... for n >= 0).
double NearestPowerOfTen(int n);

// Chooses a power-of-ten graduation step and widens [min, max] to it:
//   r = |max| when fromZero and |max| > |max - min|, otherwise |max - min|;
//   step = 10^(Round(log10 r) - 1), so r / step lies between about 3.2 and 31.6.
// fromZero: the range is made to contain 0; min becomes the first multiple
// of step strictly below min (subtracting step from 0, so an accumulated
// sum), max the first one strictly above max (adding step from 0).
// Otherwise, with Int the truncation toward zero:
//   max > 0: (Int(max / step) + 1) * step    max < 0: Int(max / step) * step
//   min > 0: (Int(min / step) - 1) * step    min < 0: (Int(min / step) - 1) * step
// and a bound of exactly 0 stays 0.
// Whatever the input, the step is a positive finite power of ten and the
// result satisfies min < max, both finite: NaN reads as 0, swapped bounds
// are put in order, magnitudes are
// held within +-1e300, an empty span takes its step from the magnitude of
// the bounds (a step of 0.1 when both are 0), so does a span so narrow that
// its step is lost in the rounding of the bounds (1e15 .. 1e15 + 0.25), and
// a range still empty after widening is opened by one step on each side.
void NiceRange(double& step, double& min, double& max, bool fromZero);

// The pixel frame of one drawing of W x H pixels with its world ranges.
// The margins are left 15, right W - 15, top 10, bottom H - 10 with the
// default label font; a drawing widens them for a larger font
// (FitMarginsToFont, plot/textlayout.h) and for the texts it writes.
struct PlotFrame {
    double xMin = 0.0, xMax = 1.0, yMin = 0.0, yMax = 1.0;
    double xStep = 0.1, yStep = 0.1;
    std::int32_t W = 0, H = 0;
    std::int32_t LeftMargin = 15, RightMargin = 15, TopMargin = 10, BottomMargin = 10;

    std::int32_t Left() const { return LeftMargin; }
    std::int32_t Right() const { return W - RightMargin; }
    std::int32_t Top() const { return TopMargin; }
    std::int32_t Bottom() const { return H - BottomMargin; }
    std::int32_t Column(double x) const { return ValueToColumn(Left(), Right(), x, xMin, xMax); }
    std::int32_t Row(double y) const { return ValueToRow(Top(), Bottom(), y, yMin, yMax); }
};
