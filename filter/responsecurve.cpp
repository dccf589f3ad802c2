// SPDX-License-Identifier: GPL-3.0-or-later
#include "filter/responsecurve.h"

#include "numeric/rounding.h"
#include "plot/scale.h" // NearestPowerOfTen

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;
constexpr long double Turn = 2 * Pi;
constexpr long double DegPerRad = 180 / Pi;
constexpr double Infinity = std::numeric_limits<double>::infinity();

constexpr double DynamicRangeDb = 100.0; // the gain axis reaches this far below the top at most
constexpr double MinimumSpanDb = 40.0;
constexpr double DbStep = 10.0;
constexpr double PhaseStepDeg = 45.0;
constexpr double MaxSteps = 16.0;

// Frequencies are held within the decades the axis may reach before their
// decade is looked for, so that the search below is short and exact.
long double HeldFrequency(long double f)
{
    const long double lo = NearestPowerOfTen(LowestDecade - 1);
    const long double hi = NearestPowerOfTen(HighestDecade + 1);
    return f >= lo ? (f <= hi ? f : hi) : lo; // NaN to the bottom
}

// The largest d with 10^d <= f.
int DecadeBelow(long double f)
{
    f = HeldFrequency(f);
    int d = static_cast<int>(std::floor(std::log10(f)));
    while (NearestPowerOfTen(d + 1) <= f)
        ++d;
    while (NearestPowerOfTen(d) > f)
        --d;
    return d;
}

// The smallest d with 10^d >= f.
int DecadeAbove(long double f)
{
    f = HeldFrequency(f);
    int d = static_cast<int>(std::ceil(std::log10(f)));
    while (NearestPowerOfTen(d - 1) >= f)
        --d;
    while (NearestPowerOfTen(d) < f)
        ++d;
    return d;
}

bool HasCutoff(FilterKind kind)
{
    return IsFilterCode(kind) && kind != FilterKind::Amplifier;
}

long double Fundamental(const SharedState& state)
{
    return std::max<std::int32_t>(state.Signal.FundamentalHz, 1);
}

// x moved by whole turns to lie within half a turn of `near`.
long double Toward(long double x, long double near)
{
    return x + Turn * std::rint((near - x) / Turn);
}

double TowardDeg(double x, double near)
{
    return x + 360.0 * std::rint((near - x) / 360.0);
}

// Keeps the part of the segment with lo <= y <= hi; false when none.
bool ClipY(WorldSegment& s, double lo, double hi)
{
    const double dy = s.Y1 - s.Y0;
    double t0 = 0.0, t1 = 1.0;
    if (dy == 0.0)
        return s.Y0 >= lo && s.Y0 <= hi;
    const double ta = (lo - s.Y0) / dy, tb = (hi - s.Y0) / dy;
    t0 = std::max(t0, std::min(ta, tb));
    t1 = std::min(t1, std::max(ta, tb));
    if (!(t0 <= t1))
        return false;
    const double dx = s.X1 - s.X0;
    const WorldSegment c{s.X0 + t0 * dx, s.Y0 + t0 * dy, s.X0 + t1 * dx, s.Y0 + t1 * dy};
    s = c;
    return true;
}

// Graduation steps: `step` doubled while more than MaxSteps would be needed
// for lowest .. highest with a step of margin on each side.
double AxisStep(double step, double lowest, double highest)
{
    while ((highest - lowest) / step > MaxSteps - 2)
        step *= 2;
    return step;
}

ValueAxis GainAxis(const ResponseView& view)
{
    double top = -Infinity, bottom = Infinity, lowestMarker = Infinity;
    for (const ResponseSample& s : view.Curve)
        if (std::isfinite(s.GainDb)) {
            top = std::max(top, s.GainDb);
            bottom = std::min(bottom, s.GainDb);
        }
    for (const ResponseMarker& m : view.Markers)
        if (std::isfinite(m.GainDb)) {
            top = std::max(top, m.GainDb);
            lowestMarker = std::min(lowestMarker, m.GainDb);
        }
    if (!(top > -Infinity)) {
        top = 0.0;
        bottom = -MinimumSpanDb;
    } else {
        bottom = std::max(bottom, top - DynamicRangeDb);
        bottom = std::min({bottom, lowestMarker, top - MinimumSpanDb});
    }
    ValueAxis a;
    a.Step = AxisStep(DbStep, bottom, top);
    double hi = std::ceil((top + a.Step / 2) / a.Step);
    if (std::fmod(hi, 2.0) == 0.0)
        hi += 1;
    a.Max = a.Step * hi;
    a.Min = a.Step * std::floor((bottom - a.Step / 2) / a.Step);
    return a;
}

ValueAxis PhaseAxis(double lowest, double highest)
{
    ValueAxis a;
    if (!(lowest <= highest))
        lowest = highest = 0.0;
    a.Step = AxisStep(PhaseStepDeg, lowest, highest);
    // A phase that only differs from a graduation by rounding counts as on it.
    constexpr double Slack = 1e-9;
    const double lo = std::floor(lowest / a.Step + Slack) - 1;
    double hi = std::ceil(highest / a.Step - Slack) + 1;
    if (std::fmod(hi, 2.0) == 0.0)
        hi += 1;
    a.Min = lo * a.Step;
    a.Max = hi * a.Step;
    return a;
}

} // namespace

FrequencySpan ResponseSpan(const SharedState& state)
{
    const long double f0 = Fundamental(state);
    long double low = f0, high = 12 * f0;
    if (HasCutoff(state.Filter.Kind)) {
        const long double fc = static_cast<double>(FilterCutoffHz(state.Filter));
        low = std::min(low, fc);
        high = std::max(high, fc);
    }
    FrequencySpan span;
    span.FirstDecade = std::clamp(DecadeBelow(low) - 1, LowestDecade, HighestDecade - 2);
    span.LastDecade = std::clamp(DecadeAbove(high) + 1, span.FirstDecade + 2, HighestDecade);
    return span;
}

double GainToDb(double gain)
{
    return gain == 0.0 ? -Infinity : 20.0 * std::log10(std::fabs(gain));
}

BodeAsymptotes AsymptotesOf(const FilterState& filter, FilterKind kind)
{
    BodeAsymptotes a;
    double g = std::fabs(SaturateToDouble(filter.StaticGain));
    switch (kind) {
    case FilterKind::LowPass1: a.HighSlope = -20; a.HighDeg = -90; break;
    case FilterKind::HighPass1: a.LowSlope = 20; a.LowDeg = 90; break;
    case FilterKind::LowPass2: a.HighSlope = -40; a.HighDeg = -180; break;
    case FilterKind::HighPass2: a.LowSlope = 40; a.LowDeg = 180; break;
    case FilterKind::BandPass:
        a.LowSlope = 20;
        a.HighSlope = -20;
        a.LowDeg = 90;
        a.HighDeg = -90;
        g = static_cast<double>(2 * FilterDamping(filter) * g);
        break;
    case FilterKind::Amplifier:
    case FilterKind::BandStop:
    case FilterKind::None:
        break;
    }
    a.CornerDb = GainToDb(g);
    if (filter.StaticGain < 0) {
        a.LowDeg += 180;
        a.HighDeg += 180;
    }
    return a;
}

void ComputeResponseView(const SharedState& state, int samples, ResponseView& view)
{
    const FilterState& filter = state.Filter;
    const HarmonicTable& table = state.Signal.Harmonics;
    view.Kind = filter.Kind;
    view.Span = ResponseSpan(state);
    view.HasCutoff = HasCutoff(filter.Kind);
    view.CutoffHz = static_cast<double>(FilterCutoffHz(filter));
    const double u0 = view.Span.FirstDecade, u1 = view.Span.LastDecade;
    const double fLow = NearestPowerOfTen(view.Span.FirstDecade);
    const double fHigh = NearestPowerOfTen(view.Span.LastDecade);

    // The frequencies that must be vertices of the curve, in increasing order.
    std::array<double, RowCount + 1> exact{};
    int exactCount = 0;
    const std::int64_t f0 = state.Signal.FundamentalHz;
    for (int k = 1; k < RowCount; ++k) {
        const double f = static_cast<double>(k * f0);
        if (table.AmplitudePercent[k] != 0.0 && f > 0 && f >= fLow && f <= fHigh)
            exact[exactCount++] = f;
    }
    if (view.HasCutoff && view.CutoffHz >= fLow && view.CutoffHz <= fHigh)
        exact[exactCount++] = view.CutoffHz;
    std::sort(exact.begin(), exact.begin() + exactCount);

    // The curve: even steps of log10 f, merged with the exact frequencies.
    const int n = std::max(samples, 2);
    view.Curve.clear();
    view.Curve.reserve(static_cast<std::size_t>(n + exactCount));
    const long double ratio = std::pow(10.0L, static_cast<long double>(u1 - u0) / (n - 1));
    long double f = fLow;
    int next = 0;
    auto add = [&](double hz, double u) {
        if (!view.Curve.empty() && view.Curve.back().Hz >= hz)
            return;
        ResponseSample s;
        s.Hz = hz;
        s.Log10Hz = u;
        const FilterPoint p = FilterResponseAt(filter, filter.Kind, hz);
        s.Gain = p.Gain;
        s.PhaseRad = p.PhaseRad;
        s.GainDb = GainToDb(p.Gain);
        view.Curve.push_back(s);
    };
    for (int i = 0; i < n; ++i, f *= ratio) {
        const double hz = i == n - 1 ? fHigh : (i == 0 ? fLow : static_cast<double>(f));
        while (next < exactCount && exact[next] <= hz) {
            add(exact[next], std::log10(exact[next]));
            ++next;
        }
        add(hz, u0 + (u1 - u0) * i / (n - 1));
    }

    // The drawn phase: continuous, starting within (-180, 180] degrees.
    const long double inverting = filter.StaticGain < 0 ? Pi : 0.0L;
    long double previous = 0.0L;
    for (std::size_t i = 0; i < view.Curve.size(); ++i) {
        long double p = view.Curve[i].PhaseRad + inverting;
        if (i == 0)
            p -= Turn * std::ceil((p - Pi) / Turn);
        else
            p = Toward(p, previous);
        previous = p;
        view.Curve[i].PhaseDeg = static_cast<double>(p * DegPerRad);
    }

    view.Markers.clear();
    for (int k = 1; k < RowCount; ++k) {
        const double hz = static_cast<double>(k * f0);
        if (table.AmplitudePercent[k] == 0.0 || !(hz > 0) || hz < fLow || hz > fHigh)
            continue;
        const auto vertex = std::lower_bound(view.Curve.begin(), view.Curve.end(), hz,
                                             [](const ResponseSample& s, double v) { return s.Hz < v; });
        if (vertex == view.Curve.end())
            continue;
        ResponseMarker m;
        m.K = k;
        m.Hz = hz;
        m.Log10Hz = vertex->Log10Hz;
        m.Gain = table.FilterGain[k];
        m.PhaseRad = table.FilterPhaseRad[k];
        m.GainDb = GainToDb(m.Gain);
        const long double onCurve = static_cast<long double>(vertex->PhaseDeg) / DegPerRad;
        m.PhaseDeg = static_cast<double>(Toward(m.PhaseRad + inverting, onCurve) * DegPerRad);
        if (std::isfinite(m.PhaseDeg))
            view.Markers.push_back(m);
    }

    // Asymptotes, broken at fc; the phase ones onto the curve's ends.
    const BodeAsymptotes a = AsymptotesOf(filter, filter.Kind);
    const double xc = view.HasCutoff ? std::clamp(std::log10(view.CutoffHz), u0, u1) : u1;
    const double lowDeg = TowardDeg(a.LowDeg, view.Curve.front().PhaseDeg);
    const double highDeg = TowardDeg(a.HighDeg, view.Curve.back().PhaseDeg);
    view.GainAsymptotes.clear();
    view.PhaseAsymptotes.clear();
    if (std::isfinite(a.CornerDb)) {
        const double atCutoff = view.HasCutoff ? std::log10(view.CutoffHz) : xc;
        if (xc > u0)
            view.GainAsymptotes.push_back(
                {u0, a.CornerDb + a.LowSlope * (u0 - atCutoff), xc, a.CornerDb + a.LowSlope * (xc - atCutoff)});
        if (xc < u1)
            view.GainAsymptotes.push_back(
                {xc, a.CornerDb + a.HighSlope * (xc - atCutoff), u1, a.CornerDb + a.HighSlope * (u1 - atCutoff)});
    }
    if (xc > u0)
        view.PhaseAsymptotes.push_back({u0, lowDeg, xc, lowDeg});
    if (view.HasCutoff && lowDeg != highDeg)
        view.PhaseAsymptotes.push_back({xc, lowDeg, xc, highDeg});
    if (xc < u1)
        view.PhaseAsymptotes.push_back({xc, highDeg, u1, highDeg});

    // Value axes, then everything below the gain axis raised to its bottom.
    view.Db = GainAxis(view);
    double lowest = Infinity, highest = -Infinity;
    auto take = [&](double deg) {
        lowest = std::min(lowest, deg);
        highest = std::max(highest, deg);
    };
    for (const ResponseSample& s : view.Curve)
        take(s.PhaseDeg);
    for (const ResponseMarker& m : view.Markers)
        take(m.PhaseDeg);
    take(lowDeg);
    take(highDeg);
    view.Deg = PhaseAxis(lowest, highest);

    const double floor = view.Db.Min;
    for (ResponseSample& s : view.Curve)
        if (!std::isfinite(s.GainDb))
            s.GainDb = floor;
    for (ResponseMarker& m : view.Markers)
        if (!(m.GainDb >= floor))
            m.GainDb = floor;
    std::erase_if(view.GainAsymptotes, [&](WorldSegment& s) { return !ClipY(s, view.Db.Min, view.Db.Max); });
}
