// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The measuring cursors of the filter's response: what the filter does at a
// frequency, computed from the filter's formulas, and the frequencies a
// cursor snaps to: the cut-off, the -3 dB points and the resonance peak.

#include "filter/responsecurve.h"
#include "signal/sharedstate.h"

#include <vector>

struct ResponseReading {
    double Hz = 0.0;
    double GainDb = 0.0;   // 20 log10 |H|, minus infinity for a zero gain
    double PhaseDeg = 0.0; // turned by whole turns onto the drawn curve
    int NearestK = 1;      // the harmonic nearest to Hz, 1 .. 12
    double NearestHz = 0.0;
    double NearestGainDb = 0.0;
    double NearestPhaseDeg = 0.0;
};

// The response of the state's filter at `hz` (FilterResponseAt), the phase
// as `view` draws it (half a turn added for an inverting gain, then turned
// by whole turns to lie within half a turn of the curve's nearest sample),
// and the same for the harmonic k f0 nearest to it.
ResponseReading ReadResponse(const SharedState& state, const ResponseView& view, double hz);

enum class ResponseFeatureKind { Cutoff, MinusThreeDb, Peak };

struct ResponseFeature {
    ResponseFeatureKind Kind = ResponseFeatureKind::Cutoff;
    double Log10Hz = 0.0;
};

// The snapping places on the span of `view`, increasing: the cut-off or
// centre frequency (not for the amplifier); every frequency where |H|
// crosses |G0| / sqrt 2, found on `samples` steps in log10 f and refined by
// bisection; the resonance peak of the second-order low-pass and high-pass
// (damping below 1 / sqrt 2) and of the band-pass, where the formulas put
// it, when it lies inside the span. A zero static gain gives neither -3 dB
// points nor a peak.
std::vector<ResponseFeature> ResponseFeatures(const SharedState& state, const ResponseView& view,
                                              int samples = 4096);
