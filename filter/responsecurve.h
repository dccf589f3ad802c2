// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The filter's frequency response as the response window shows it: the
// gain in dB and the phase in degrees of the selected model over a
// logarithmic frequency axis, the signal's harmonics marked on both curves,
// the straight-line Bode asymptotes, and the ranges of the value axes.
// Everything here is in world units (log10 of the frequency in Hz, dB,
// degrees); mapping to pixels is the drawing's business.

#include "filter/filterresponse.h"
#include "signal/sharedstate.h"

#include <vector>

// The frequency axis: 10^FirstDecade .. 10^LastDecade Hz.
struct FrequencySpan {
    int FirstDecade = 0;
    int LastDecade = 1;
};

// Decades the axis may reach, far beyond what the controls allow (cut-off
// 0.001 .. 999999 Hz, whole-hertz fundamental): a hand-made state with a
// wilder frequency is shown on an axis clamped to them.
inline constexpr int LowestDecade = -6;
inline constexpr int HighestDecade = 12;

// The whole decades holding the cut-off or centre frequency (not for the
// amplifier, which has none), f0 and 12 f0, widened by one decade on each
// side:
//   FirstDecade = floor(log10(min(fc, f0))) - 1
//   LastDecade  = ceil(log10(max(fc, 12 f0))) + 1
// A frequency that is an exact power of ten bounds its decade (f0 = 100 Hz
// and 12 f0 = 1000 Hz give 10 .. 10^4 Hz). The cut-off is read as the
// filter formulas read it (below 0.001 Hz or NaN as 0.001 Hz), a fundamental
// below 1 Hz as 1 Hz; the result lies within LowestDecade .. HighestDecade
// and always spans at least two decades.
FrequencySpan ResponseSpan(const SharedState& state);

// 20 log10 |gain|; minus infinity for a gain of 0.
double GainToDb(double gain);

// One point of the response curve.
struct ResponseSample {
    double Hz = 0.0;
    double Log10Hz = 0.0;
    double Gain = 0.0;     // FilterResponseAt: G0 times a magnitude, signed like G0
    double PhaseRad = 0.0; // FilterResponseAt's phase, in the model's own range
    double GainDb = 0.0;   // 20 log10 |Gain|; the bottom of the gain axis for a zero gain
    double PhaseDeg = 0.0; // the phase as drawn: continuous along the curve, see ComputeResponseView
};

// A harmonic k (1..12) whose input amplitude is not 0, on both curves.
struct ResponseMarker {
    int K = 0;
    double Hz = 0.0;       // k f0
    double Log10Hz = 0.0;
    double Gain = 0.0;     // FilterGain[k] of the harmonic table, as ApplyFilter left it
    double PhaseRad = 0.0; // FilterPhaseRad[k]
    double GainDb = 0.0;   // 20 log10 |Gain|, never below the gain axis
    double PhaseDeg = 0.0; // the drawn phase of the curve's vertex at k f0
};

// A straight line in world units: x = log10 of the frequency in Hz, y in
// dB or degrees.
struct WorldSegment {
    double X0 = 0.0, Y0 = 0.0, X1 = 0.0, Y1 = 0.0;
};

// A value axis: Min .. Max with graduation Step.
struct ValueAxis {
    double Min = 0.0, Max = 1.0, Step = 0.1;
};

// The straight-line Bode asymptotes of a model, with G0 = StaticGain,
// fc = CutoffHz and m = Damping. Below fc the gain asymptote has the slope
// LowSlope (dB per decade) and above it HighSlope; both pass through
// CornerDb at fc. The phase asymptotes are the limits of the phase at
// f -> 0 (LowDeg) and f -> infinity (HighDeg), in the closed formulas'
// ranges, half a turn added when G0 < 0:
//   amplifier   0 /   0 dB/dec, 20 log|G0|,      0 /    0 degrees
//   low-pass 1  0 / -20,        20 log|G0|,      0 /  -90
//   high-pass 1 +20 /  0,       20 log|G0|,     90 /    0
//   low-pass 2  0 / -40,        20 log|G0|,      0 / -180
//   high-pass 2 +40 /  0,       20 log|G0|,    180 /    0
//   band-pass   +20 / -20,      20 log|2 m G0|, 90 /  -90
//   band-stop   0 /   0,        20 log|G0|,      0 /    0
// CornerDb is minus infinity when G0 = 0 (no gain asymptote is drawn then).
struct BodeAsymptotes {
    double LowSlope = 0.0, HighSlope = 0.0, CornerDb = 0.0;
    double LowDeg = 0.0, HighDeg = 0.0;
};
BodeAsymptotes AsymptotesOf(const FilterState& filter, FilterKind kind);

// Everything the response picture shows, for the state's filter model.
struct ResponseView {
    FilterKind Kind = FilterKind::None;
    FrequencySpan Span;
    bool HasCutoff = false; // the "fc" line: every model but the amplifier
    double CutoffHz = 0.0;  // as the formulas read it
    ValueAxis Db;           // gain axis, dB
    ValueAxis Deg;          // phase axis, degrees
    std::vector<ResponseSample> Curve;        // increasing frequency
    std::vector<ResponseMarker> Markers;      // increasing k
    std::vector<WorldSegment> GainAsymptotes;  // clipped to the gain axis
    std::vector<WorldSegment> PhaseAsymptotes;
};

// Fills `view` (its vectors are reused, so a caller that keeps it between
// redraws allocates nothing):
// - the span of ResponseSpan;
// - the curve: `samples` frequencies (at least 2) evenly spaced in log10
//   from the first decade to the last, both included, merged with the
//   cut-off and every marker's k f0, so that the curve passes exactly
//   through the resonance, the notch and the markers; each point evaluated
//   by FilterResponseAt;
// - the drawn phase: the closed formula's phase, plus 180 degrees when
//   G0 < 0 (an inverting gain), turned by a whole number of turns so that
//   the curve starts within (-180, 180] degrees, then unwrapped: each point
//   is moved by whole turns to lie within half a turn of the one before.
//   The phase jump of half a turn through the band-stop's notch is real and
//   stays;
// - the markers: for each k = 1..12 with AmplitudePercent[k] != 0 and
//   k f0 > 0 on the span, the harmonic table's FilterGain[k] and FilterPhaseRad[k]
//   themselves (valid once ApplyFilter has run for the state), the phase
//   turned by whole turns onto the curve's vertex at k f0;
// - the gain axis: graduations of 10 dB (doubled while more than 16 steps
//   would be needed), from the largest finite dB value of curve and markers
//   down to the smallest of the curve, but not more than 100 dB below the
//   largest unless a marker lies lower, and at least 40 dB below it; each
//   end then moved out by at least half a step onto a graduation, the top
//   an odd number of steps so that the labelled graduations fall on
//   multiples of twice the step. With no finite value (G0 = 0) the values
//   are taken as 0 .. -40 dB. A zero gain (minus infinity in dB) is given
//   as the bottom of the axis; a steep tail of the curve may run below it
//   (the drawing cuts it there), a marker never does;
// - the phase axis: graduations of 45 degrees (doubled as for the gain)
//   from one step below the lowest phase of curve,
//   markers and asymptotes to one step above the highest, the top an odd
//   number of steps so that the labelled graduations fall on multiples of
//   twice the step (90 degrees);
// - the asymptotes of AsymptotesOf over the whole span, broken at fc, the
//   phase ones turned by whole turns onto the curve's ends; the gain ones
//   clipped to the gain axis.
void ComputeResponseView(const SharedState& state, int samples, ResponseView& view);
