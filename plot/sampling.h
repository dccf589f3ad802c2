// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The signals as functions of time, the sampling of the time graph's
// curves and the time graph's frame.

#include "plot/scale.h"
#include "signal/sharedstate.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// sin(k w t) and cos(k w t) for k = 1 .. Count at one instant t: what every
// series of one fundamental needs there.
struct HarmonicAngles {
    int Count = 0;
    std::array<long double, RowCount> Sin{};
    std::array<long double, RowCount> Cos{};
};

// A sum mean + sum_k c_k sin(k w t + phi_k), k = 1..12, w = 2 pi f0, built
// once from the state and then evaluated at many instants. Each evaluation
// costs one sine/cosine pair of w t, taken in extended precision after the
// whole periods of f0 t are removed; sin(k w t) and cos(k w t) follow by the
// Chebyshev recurrence in extended precision, and each phase enters through
// its precomputed sine and cosine. The running sum starts at the
// mean and is rounded to a double after each term, saturating at the largest
// double; harmonics of amplitude 0 add nothing.
class HarmonicSeries {
public:
    // The value at t, the recurrence kept in registers.
    double operator()(double t) const;

    // For several series at one instant: the angles of instant t for
    // k = 1 .. count (at most HarmonicCount), as operator() takes them.
    void AnglesAt(double t, int count, HarmonicAngles& out) const;
    // The value at the instant whose angles are given, to the last bit what
    // operator() gives there; the angles must reach HighestHarmonic().
    double Sum(const HarmonicAngles& angles) const;
    int HighestHarmonic() const { return m_last; }
    bool SameFundamental(const HarmonicSeries& other) const { return m_f0 == other.m_f0; }

    static HarmonicSeries Input(const SharedState& state);
    static HarmonicSeries Output(const SharedState& state);
    // Harmonic k of the input alone, without the mean.
    static HarmonicSeries Harmonic(const SharedState& state, int k);

private:
    HarmonicSeries() = default;
    void SetTerm(int k, long double amplitude, double phase);

    long double m_f0 = 1.0L;
    double m_mean = 0.0;
    int m_last = 0; // highest k with a non-zero amplitude
    // c_k cos(phi_k) and c_k sin(phi_k): the weights of sin(k w t) and cos(k w t).
    std::array<long double, RowCount> m_sinWeight{};
    std::array<long double, RowCount> m_cosWeight{};
};

// s(t) = MeanValue + sum_k (AmplitudePercent[k] / 100 * FullScaleValue)
//        * sin(2 pi k f0 t + PhaseRad[k]).
double EvaluateInput(const SharedState& state, double t);

// y(t) = G (OutputAmplitudePercent[0] / 100 * FullScaleValue)
//        + sum_k G (OutputAmplitudePercent[k] / 100 * FullScaleValue)
//        * sin(2 pi k f0 t + OutputPhaseRad[k]),  G = OutputScaleFactor.
// Valid once ApplyFilter has run for the current state.
double EvaluateOutput(const SharedState& state, double t);

// Harmonic k alone, without the mean:
// sin(2 pi k f0 t + PhaseRad[k]) * (FullScaleValue * AmplitudePercent[k] / 100).
double EvaluateHarmonic(const SharedState& state, int k, double t);

// The exact waveform of the current preset, with R = FullScaleValue,
// M = MeanValue, theta = 2 pi f0 t, p = Frac(f0 t), D = DutyCycle:
//   square    M + (1 - D) R while high (p < D/2 or p > 1 - D/2), M - D R
//             otherwise: a pulse of height R about the mean M, whose series
//             is the square preset's;
//   triangle  A = pi^2 R / 8, rising through M at p = 0, M + A at p = 0.25,
//             M - A at p = 0.75;
//   half-wave 2 R cos(theta) where cos(theta) >= 0, else 0;
//   full-wave (3 pi R / 4) |cos(theta)|;
//   3-pulse   (8 pi R / (3 sqrt 3)) max(cos theta, cos(theta - 2pi/3), cos(theta - 4pi/3));
//   free synthesis (or no preset) 0.
double EvaluateIdealSignal(const SharedState& state, double t);

// Instant k of a curve of N = PointCount segments:
// t_0 = TimeStart, t_k = k / N * (TimeEnd - TimeStart) + TimeStart.
double SampleTime(const TimeGraphView& view, int k);

struct PixelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// The polyline of one curve: PointCount + 1 points (t_0 .. t_N), each mapped
// with the frame's ValueToColumn and ValueToRow. The first point is the move;
// with PointCount <= 0 it is the only one and nothing is drawn.
template <typename Signal>
void SampleCurve(const TimeGraphView& view, const PlotFrame& frame, const Signal& signal,
                 std::vector<PixelPoint>& points)
{
    const int n = view.PointCount > 0 ? view.PointCount : 0;
    points.resize(static_cast<std::size_t>(n) + 1);
    for (int k = 0; k <= n; ++k) {
        const double t = SampleTime(view, k);
        points[static_cast<std::size_t>(k)] = {frame.Column(t), frame.Row(signal(t))};
    }
}

// The curves of several series of one fundamental over the same instants,
// points[i] for series[i], each exactly as SampleCurve gives it: the
// angles of each instant are taken once for all the series, and so is its
// column. Series of differing fundamentals are sampled one by one.
void SampleSeriesCurves(const TimeGraphView& view, const PlotFrame& frame, std::span<const HarmonicSeries> series,
                        std::vector<std::vector<PixelPoint>>& points);

// Number of curve segments for a time-graph window `windowWidth` pixels wide:
// Round((windowWidth - 20) / 2), ties to even (523 pixels give 252).
std::int32_t PointCountForWidth(std::int32_t windowWidth);

// The time graph's picture in a time-graph window of the given outer size:
// (width - 30) x (height - 110), drawn only when both exceed 50.
struct GraphSize {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    bool Drawable() const { return Width > 50 && Height > 50; }
};
GraphSize TimeGraphSize(std::int32_t windowWidth, std::int32_t windowHeight);

// Resets the time axis to PeriodsShown periods: TimeStart = 0,
// TimeEnd = PeriodsShown / f0, then NiceRange in the view's range mode
// (one period at 100 Hz gives 0 .. 0.011 s with a step of 0.001 s).
void ResetTimeRange(SharedState& state);

// The time zoom: TimeStart = 0, TimeEnd = TimeEnd * factor, then NiceRange,
// which raises TimeEnd again to the next multiple of the new step.
void ZoomTimeRange(TimeGraphView& view, double factor);

// Sizes the value axis: the extremes of the input (and of the ideal
// waveform when ShowIdealSignal, of the output when SuperposeOutput) over
// 101 instants spanning one fundamental period from TimeStart, widened to
// +-a for every shown harmonic of amplitude a; 0 .. 0 becomes -1 .. 1; then
// NiceRange with fromZero = Plot.AxesAtOrigin gives ValueMin, ValueMax and
// ValueStep.
void ComputeTimeGraphExtents(SharedState& state);
