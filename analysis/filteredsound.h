// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A recording through the filter: every frequency of its spectrum, not only
// the harmonics, multiplied by the filter's complex gain.

#include "signal/sharedstate.h"

#include <vector>

// y = IFFT( H(f) FFT(x) ), H from FilterResponseAt (Gain e^{j PhaseRad}) at
// each bin's frequency (evaluated at every 16th bin and interpolated
// between where a straight line meets the formulas within 1e-6, evaluated
// at each bin elsewhere), over x followed by up to half a second of silence
// (where the filter's ringing dies instead of wrapping round onto the
// start); the result has the length of x. Nothing when `filter.Kind` is none
// of the seven models (the samples come back as they are).
std::vector<double> FilteredSound(const std::vector<double>& x, double rateHz, const FilterState& filter);
