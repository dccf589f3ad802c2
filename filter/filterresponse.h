// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "signal/sharedstate.h"

// Gain and phase of a filter model at one harmonic frequency.
struct FilterPoint {
    double Gain = 0.0;     // G0 times a non-negative magnitude (negative when G0 < 0)
    double PhaseRad = 0.0; // argument of H, in the range fixed by each model
};

// The complex gain H of `kind` at f = k * f0, with x = f / fc, fc = CutoffHz,
// m = Damping, G0 = StaticGain, evaluated by closed formulas. For the
// second-order models, with a = 1 - x^2, b = 2 m x, d = sqrt(a^2 + b^2):
//   theta = atan(b / a)  (a != 0),  +pi/2 if b > 0 else -pi/2  (a == 0)
//   psi   = theta + pi when a < 0, else theta   (argument of 1 - x^2 + 2jmx)
//   low-pass  'B'  G0 / d               phase -psi
//   high-pass 'H'  G0 x^2 / d           phase pi - psi
//   band-pass 'P'  G0 b / d             phase pi/2 - psi
//   band-stop 'C'  G0 |a| / d           phase -theta
// First order: 'A' G0 / sqrt(1 + x^2), phase -atan x;
//              'D' G0 x / sqrt(1 + x^2), phase pi/2 - atan x.
// Amplifier 'S': G0, phase 0.
// The harmonic frequency k * f0 is an integer product. A cut-off below
// 0.001 Hz (or NaN) counts as 0.001 Hz and a damping below 0.0001 as
// 0.0001, so the formulas never divide by zero; gains beyond the range of
// a double saturate. Any other `kind` gives gain 0 and phase 0.
FilterPoint FilterResponse(const SharedState& state, FilterKind kind, int k);

// The cut-off or centre frequency as the formulas read it: CutoffHz, or
// 0.001 Hz when it is below that or NaN.
long double FilterCutoffHz(const FilterState& filter);
// The damping as the formulas read it: held within 0.0001 .. 1e6, NaN as
// 0.0001.
long double FilterDamping(const FilterState& filter);

// The same formulas at any frequency f >= 0 (Hz), x = f / fc; for f = k * f0
// the result is bit for bit FilterResponse(state, kind, k). The response
// curve of the filter is drawn with it, so the harmonics' markers lie on it.
FilterPoint FilterResponseAt(const FilterState& filter, FilterKind kind, long double f);

// Recomputes FilterGain and FilterPhaseRad for k = 0..12 (left as they are
// when Filter.Kind is none of the seven models), then the output columns:
//   OutputAmplitudePercent[0] = MeanPercent * FilterGain[0], OutputPhaseRad[0] = 0,
//   OutputAmplitudePercent[k] = AmplitudePercent[k] * FilterGain[k],
//   OutputPhaseRad[k] = PhaseRad[k] + FilterPhaseRad[k].
// The output columns are always finite: amplitudes and phases beyond the
// range of a double saturate, NaN reads as 0.
void ApplyFilter(SharedState& state);
