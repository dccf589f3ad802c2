// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The measurements a teacher asks for at the board, of the input and of
// the output signal, computed from their harmonic content:
//   "Valeur moyenne"       the mean m;
//   "Valeur efficace"      the RMS value, mean included: sqrt(m^2 + sum a_k^2 / 2);
//   "Efficace alternatif"  the RMS value of the alternating part: sqrt(sum a_k^2 / 2);
//   "Taux de distorsion"   the total harmonic distortion in per cent:
//                          100 sqrt(sum_{k>=2} a_k^2) / |a_1|;
//   "Facteur de crête"     the crest factor: the peak of |s - m| over one
//                          period divided by the alternating RMS value.
// a_k is the peak amplitude of harmonic k in signal units.

#include "signal/sharedstate.h"

#include <array>
#include <optional>
#include <string>

// A periodic signal m + sum_{k=1..12} a_k sin(k theta + phi_k), theta = 2 pi f0 t.
struct HarmonicContent {
    double Mean = 0.0;
    std::array<double, RowCount> Amplitude{}; // a_k, signal units; index 0 unused
    std::array<double, RowCount> PhaseRad{};  // phi_k
};

struct SignalMeasures {
    double Mean = 0.0;
    double Rms = 0.0;
    double AcRms = 0.0;
    std::optional<double> DistortionPercent; // nothing when a_1 = 0
    std::optional<double> CrestFactor;       // nothing when the alternating RMS value is 0
};

// The input: m = MeanValue, a_k = AmplitudePercent[k] / 100 * FullScaleValue,
// phi_k = PhaseRad[k].
HarmonicContent InputContent(const SharedState& state);

// The output as the time graph shows it, OutputScaleFactor S included:
// m = S * OutputAmplitudePercent[0] / 100 * FullScaleValue,
// a_k = S * OutputAmplitudePercent[k] / 100 * FullScaleValue (negative
// under a negative static gain), phi_k = OutputPhaseRad[k]. Valid once
// ApplyFilter has run for the state.
HarmonicContent OutputContent(const SharedState& state);

// The peak of |sum_k a_k sin(k theta + phi_k)| over one period: the largest
// of 1024 evenly spaced samples, each local maximum near it then refined by
// Newton's method on the derivative, so the peak is exact to rounding
// wherever it falls between the samples.
double PeakDeviation(const HarmonicContent& content);

// The lowest and the highest value of the signal over one period, found as
// PeakDeviation finds its peak.
struct SignalRange {
    double Min = 0.0;
    double Max = 0.0;
};
SignalRange Extremes(const HarmonicContent& content);

// The five measurements, exact from the amplitudes for the mean, the RMS
// values and the distortion. Sums run in extended precision; results beyond
// the range of a double saturate to the largest double, a NaN amplitude
// counts as 0.
SignalMeasures Measure(const HarmonicContent& content);

// The text of a measurement: FormatNumber of the value, or "—" when there
// is none.
std::string MeasureText(const std::optional<double>& value);
