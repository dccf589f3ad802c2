// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/sampling.h"

#include "numeric/rounding.h"
#include "plot/sincos.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

// The fundamental as the evaluators use it; a state without a valid
// fundamental (below 1 Hz) is read as 1 Hz rather than dividing by zero.
long double Fundamental(const SharedState& state)
{
    return static_cast<long double>(std::max<std::int32_t>(state.Signal.FundamentalHz, 1));
}

long double Frac(long double x)
{
    return x - std::trunc(x);
}

// sin and cos of 2 pi * turns. The whole turns are taken off first
// (exactly), so the angle lies within [-pi, pi].
void SinCosTurns(long double turns, long double& s, long double& c)
{
    SinCos(2 * Pi * (turns - RoundHalfEven(turns)), s, c);
}

} // namespace

void HarmonicSeries::SetTerm(int k, long double amplitude, double phase)
{
    if (amplitude != 0.0L) {
        long double s, c;
        SinCos(phase, s, c);
        m_sinWeight[k] = amplitude * c;
        m_cosWeight[k] = amplitude * s;
        m_last = k;
    }
}

HarmonicSeries HarmonicSeries::Input(const SharedState& state)
{
    HarmonicSeries s;
    const HarmonicTable& h = state.Signal.Harmonics;
    const long double f = state.Signal.FullScaleValue;
    s.m_f0 = Fundamental(state);
    s.m_mean = SaturateToDouble(state.Signal.MeanValue);
    for (int k = 1; k < RowCount; ++k)
        s.SetTerm(k, h.AmplitudePercent[k] / 100.0L * f, h.PhaseRad[k]);
    return s;
}

HarmonicSeries HarmonicSeries::Output(const SharedState& state)
{
    HarmonicSeries s;
    const HarmonicTable& h = state.Signal.Harmonics;
    const long double f = state.Signal.FullScaleValue;
    const long double g = state.Display.OutputScaleFactor;
    s.m_f0 = Fundamental(state);
    s.m_mean = SaturateToDouble(g * (h.OutputAmplitudePercent[0] / 100.0L * f));
    for (int k = 1; k < RowCount; ++k)
        s.SetTerm(k, h.OutputAmplitudePercent[k] / 100.0L * f * g, h.OutputPhaseRad[k]);
    return s;
}

void HarmonicSeries::AnglesAt(double t, int count, HarmonicAngles& out) const
{
    count = std::clamp(count, 0, HarmonicCount);
    out.Count = count;
    if (count == 0)
        return;
    long double s1, c1;
    SinCosTurns(m_f0 * t, s1, c1);
    const long double twoCos = 2 * c1;
    long double sPrev = 0.0L, cPrev = 1.0L;
    long double sk = s1, ck = c1;
    for (int k = 1;; ++k) {
        out.Sin[k] = sk;
        out.Cos[k] = ck;
        if (k == count)
            break;
        const long double sNext = twoCos * sk - sPrev;
        const long double cNext = twoCos * ck - cPrev;
        sPrev = sk;
        cPrev = ck;
        sk = sNext;
        ck = cNext;
    }
}

double HarmonicSeries::Sum(const HarmonicAngles& angles) const
{
    double sum = m_mean;
    const int last = std::min(m_last, angles.Count);
    for (int k = 1; k <= last; ++k)
        if (m_sinWeight[k] != 0.0L || m_cosWeight[k] != 0.0L)
            sum = SaturateToDouble(sum + (angles.Sin[k] * m_sinWeight[k] + angles.Cos[k] * m_cosWeight[k]));
    return sum;
}

void SampleSeriesCurves(const TimeGraphView& view, const PlotFrame& frame, std::span<const HarmonicSeries> series,
                        std::vector<std::vector<PixelPoint>>& points)
{
    points.resize(series.size());
    if (series.empty())
        return;
    const bool shared = std::all_of(series.begin(), series.end(),
                                    [&](const HarmonicSeries& s) { return s.SameFundamental(series.front()); });
    if (!shared) {
        for (std::size_t i = 0; i < series.size(); ++i)
            SampleCurve(view, frame, series[i], points[i]);
        return;
    }
    int count = 0;
    for (const HarmonicSeries& s : series)
        count = std::max(count, s.HighestHarmonic());
    const int n = view.PointCount > 0 ? view.PointCount : 0;
    for (std::vector<PixelPoint>& p : points)
        p.resize(static_cast<std::size_t>(n) + 1);
    HarmonicAngles angles;
    for (int k = 0; k <= n; ++k) {
        const double t = SampleTime(view, k);
        const std::int32_t column = frame.Column(t);
        series.front().AnglesAt(t, count, angles);
        for (std::size_t i = 0; i < series.size(); ++i)
            points[i][static_cast<std::size_t>(k)] = {column, frame.Row(series[i].Sum(angles))};
    }
}

double HarmonicSeries::operator()(double t) const
{
    double sum = m_mean;
    if (m_last == 0)
        return sum;
    // sin(k w t) and cos(k w t) by the Chebyshev recurrence
    // x_{k+1} = 2 cos(w t) x_k - x_{k-1}, kept in registers.
    long double s1, c1;
    SinCosTurns(m_f0 * t, s1, c1);
    const long double twoCos = 2 * c1;
    long double sPrev = 0.0L, cPrev = 1.0L;
    long double sk = s1, ck = c1;
    for (int k = 1;; ++k) {
        if (m_sinWeight[k] != 0.0L || m_cosWeight[k] != 0.0L) {
            // c_k sin(k w t + phi) = sin(k w t) c_k cos(phi) + cos(k w t) c_k sin(phi)
            sum = SaturateToDouble(sum + (sk * m_sinWeight[k] + ck * m_cosWeight[k]));
        }
        if (k == m_last)
            break;
        const long double sNext = twoCos * sk - sPrev;
        const long double cNext = twoCos * ck - cPrev;
        sPrev = sk;
        cPrev = ck;
        sk = sNext;
        ck = cNext;
    }
    return sum;
}

double EvaluateInput(const SharedState& state, double t)
{
    return HarmonicSeries::Input(state)(t);
}

double EvaluateOutput(const SharedState& state, double t)
{
    return HarmonicSeries::Output(state)(t);
}

HarmonicSeries HarmonicSeries::Harmonic(const SharedState& state, int k)
{
    HarmonicSeries s;
    s.m_f0 = Fundamental(state);
    if (k >= 1 && k <= HarmonicCount) {
        const HarmonicTable& h = state.Signal.Harmonics;
        s.SetTerm(k, static_cast<long double>(state.Signal.FullScaleValue) * h.AmplitudePercent[k] / 100.0L,
                  h.PhaseRad[k]);
    }
    return s;
}

double EvaluateHarmonic(const SharedState& state, int k, double t)
{
    return HarmonicSeries::Harmonic(state, k)(t);
}

double EvaluateIdealSignal(const SharedState& state, double t)
{
    const long double r = state.Signal.FullScaleValue;
    const long double m = state.Signal.MeanValue;
    const long double f0 = Fundamental(state);
    const long double p = Frac(f0 * t);
    long double v = 0.0L;
    switch (state.Signal.Preset) {
    case PresetKind::Square: {
        const long double d = state.Signal.DutyCycle;
        const bool high = p < d / 2 || p > 1 - d / 2;
        v = high ? m + (1 - d) * r : m - d * r;
        break;
    }
    case PresetKind::Triangle: {
        const long double a = Pi * Pi * r / 8;
        if (p < 0.25L)
            v = m + 4 * a * p;
        else if (p < 0.75L)
            v = m + a - 4 * a * (p - 0.25L);
        else
            v = m - a + 4 * a * (p - 0.75L);
        break;
    }
    case PresetKind::HalfWave: {
        long double s, c;
        SinCosTurns(f0 * t, s, c);
        v = c >= 0 ? 2 * r * c : 0.0L;
        break;
    }
    case PresetKind::FullWave: {
        long double s, c;
        SinCosTurns(f0 * t, s, c);
        v = 3 * Pi * r / 4 * std::fabs(c);
        break;
    }
    case PresetKind::ThreePulse: {
        // cos(theta - 2pi/3) and cos(theta - 4pi/3) by angle subtraction.
        long double s, c;
        SinCosTurns(f0 * t, s, c);
        const long double half = 0.5L;
        const long double root = std::sqrt(3.0L) / 2;
        const long double a = 8 * Pi * r / (3 * std::sqrt(3.0L));
        v = a * std::max({c, -half * c + root * s, -half * c - root * s});
        break;
    }
    case PresetKind::Free:
    case PresetKind::None:
        break;
    }
    return SaturateToDouble(v);
}

double SampleTime(const TimeGraphView& view, int k)
{
    if (k == 0 || view.PointCount <= 0)
        return view.TimeStart;
    const long double start = view.TimeStart;
    return static_cast<double>(static_cast<long double>(k) / view.PointCount * (view.TimeEnd - start) + start);
}

std::int32_t PointCountForWidth(std::int32_t windowWidth)
{
    return Round((static_cast<long double>(windowWidth) - 20) / 2);
}

GraphSize TimeGraphSize(std::int32_t windowWidth, std::int32_t windowHeight)
{
    return {windowWidth - 30, windowHeight - 110};
}

void ResetTimeRange(SharedState& state)
{
    TimeGraphView& v = state.View;
    v.TimeStart = 0.0;
    v.TimeEnd = static_cast<double>(v.PeriodsShown / Fundamental(state));
    NiceRange(v.TimeStep, v.TimeStart, v.TimeEnd, v.RangeFromZero);
}

void ZoomTimeRange(TimeGraphView& view, double factor)
{
    view.TimeStart = 0.0;
    view.TimeEnd = view.TimeEnd * factor;
    NiceRange(view.TimeStep, view.TimeStart, view.TimeEnd, view.RangeFromZero);
}

void ComputeTimeGraphExtents(SharedState& state)
{
    TimeGraphView& view = state.View;
    const DisplaySettings& d = state.Display;
    const HarmonicSeries input = HarmonicSeries::Input(state);
    const HarmonicSeries output = HarmonicSeries::Output(state);
    const long double f0 = Fundamental(state);

    double lo = input(view.TimeStart);
    double hi = lo;
    auto take = [&](double v) {
        if (v > hi)
            hi = v;
        if (v < lo)
            lo = v;
    };
    for (int k = 0; k <= 100; ++k) {
        const double t = static_cast<double>(k / f0 / 100 + view.TimeStart);
        take(input(t));
        if (d.ShowIdealSignal)
            take(EvaluateIdealSignal(state, t));
        if (d.SuperposeOutput)
            take(output(t));
    }
    const HarmonicTable& h = state.Signal.Harmonics;
    for (int k = 1; k < RowCount; ++k) {
        if (!h.Shown[k])
            continue;
        const double a = SaturateToDouble(h.AmplitudePercent[k] / 100.0L * state.Signal.FullScaleValue);
        if (-a < lo)
            lo = -a;
        if (a > hi)
            hi = a;
    }
    if (lo == 0.0 && hi == 0.0) {
        lo = -1.0;
        hi = 1.0;
    }
    view.ValueMin = lo;
    view.ValueMax = hi;
    NiceRange(view.ValueStep, view.ValueMin, view.ValueMax, d.Plot.AxesAtOrigin);
}
