// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fundamental frequency of a stretch of sound.

#include <cstddef>
#include <span>

inline constexpr double LowestAnalysedF0Hz = 20.0;
inline constexpr double HighestAnalysedF0Hz = 5000.0;

struct PitchEstimate {
    double F0Hz = 0.0;       // 0 when no period was found
    double Aperiodicity = 1; // YIN's normalised difference at the period: 0 for a strictly periodic sound
};

// YIN on x: the cumulative-mean-normalised difference
//   d(tau) = sum_j (x_j - x_{j+tau})^2,  d'(tau) = d(tau) tau / sum_{u<=tau} d(u)
// over the periods rate/5000 .. rate/20 samples, computed through FFT
// correlations; the period is the first dip of d' under 0.15 (else its
// lowest point), refined by a parabola through its neighbours.
PitchEstimate EstimatePitch(std::span<const double> x, double rateHz);

// f0 refined well below a frequency bin: the phase of the strongest of the
// first twelve harmonics is measured in successive blocks of a few periods,
// and the slope of that phase against time corrects f0; twice, with blocks
// of 4 and then 16 periods. Gives f0 unchanged when x is too short.
double RefineFundamental(std::span<const double> x, double rateHz, double f0Hz);
