// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/cursorcore.h"

#include "numeric/numbers.h"
#include "plot/sampling.h"

#include <algorithm>
#include <cmath>

double ColumnToValue(std::int32_t left, std::int32_t right, std::int32_t column, double vMin, double vMax)
{
    if (right == left || column == left)
        return vMin;
    if (column == right)
        return vMax;
    const long double span = static_cast<long double>(vMax) - vMin;
    return static_cast<double>(vMin + span * (static_cast<long double>(column) - left) / (right - left));
}

std::vector<CurveId> ShownCurves(const SharedState& state)
{
    std::vector<CurveId> curves;
    const PresetKind preset = state.Signal.Preset;
    if (state.Display.ShowIdealSignal && IsPresetCode(preset) && preset != PresetKind::Free)
        curves.push_back({CurveKind::Ideal, 0});
    for (int k = 1; k < RowCount; ++k)
        if (state.Signal.Harmonics.Shown[k])
            curves.push_back({CurveKind::Harmonic, k});
    curves.push_back({CurveKind::Input, 0});
    if (state.Display.SuperposeOutput)
        curves.push_back({CurveKind::Output, 0});
    return curves;
}

double CurveValue(const SharedState& state, CurveId curve, double t)
{
    switch (curve.Kind) {
    case CurveKind::Ideal:
        return EvaluateIdealSignal(state, t);
    case CurveKind::Harmonic:
        return EvaluateHarmonic(state, curve.K, t);
    case CurveKind::Input:
        return EvaluateInput(state, t);
    case CurveKind::Output:
        return EvaluateOutput(state, t);
    }
    return 0.0;
}

std::string CurveName(CurveId curve)
{
    switch (curve.Kind) {
    case CurveKind::Ideal:
        return "Signal idéal";
    case CurveKind::Harmonic:
        return "Harmonique " + std::to_string(curve.K);
    case CurveKind::Input:
        return "Entrée";
    case CurveKind::Output:
        return "Sortie";
    }
    return {};
}

TimeReading ReadTimeCursors(const SharedState& state, double t1, std::optional<double> t2)
{
    TimeReading r;
    r.T1 = t1;
    r.T2 = t2;
    if (t2) {
        r.DeltaT = *t2 - t1;
        if (r.DeltaT != 0.0)
            r.InverseDeltaT = static_cast<double>(1.0L / r.DeltaT);
    }
    for (const CurveId c : ShownCurves(state)) {
        CurveReading reading{c, CurveValue(state, c, t1)};
        if (t2) {
            reading.At2 = CurveValue(state, c, *t2);
            reading.Difference = reading.At2 - reading.At1;
        }
        r.Curves.push_back(reading);
    }
    return r;
}

namespace {

// A zero of f between a and b, where f(a) and f(b) differ in sign (or one
// is 0), by bisection down to adjacent doubles.
template <typename F>
double Bisect(const F& f, double a, double b, double fa)
{
    for (int i = 0; i < 200; ++i) {
        const double m = a + (b - a) / 2;
        if (m <= a || m >= b)
            break;
        const double fm = f(m);
        if (fm == 0.0)
            return m;
        if ((fm < 0) == (fa < 0)) {
            a = m;
            fa = fm;
        } else {
            b = m;
        }
    }
    return a + (b - a) / 2;
}

// The maximum of sign * f over a .. b, by golden section.
template <typename F>
double GoldenSection(const F& f, double a, double b, double sign)
{
    const double r = (std::sqrt(5.0) - 1) / 2;
    double c = b - r * (b - a), d = a + r * (b - a);
    double fc = sign * f(c), fd = sign * f(d);
    for (int i = 0; i < 200 && c < d; ++i) {
        if (fc >= fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - r * (b - a);
            fc = sign * f(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + r * (b - a);
            fd = sign * f(d);
        }
        if (!(b - a > std::abs(b) * 1e-15))
            break;
    }
    return a + (b - a) / 2;
}

} // namespace

std::vector<double> CurveFeatures(const SharedState& state, CurveId curve, double tMin, double tMax, int samples)
{
    std::vector<double> features;
    if (!(tMax > tMin) || samples < 2)
        return features;
    const auto f = [&](double t) { return CurveValue(state, curve, t); };
    std::vector<double> t(static_cast<std::size_t>(samples) + 1), v(t.size());
    for (int i = 0; i <= samples; ++i) {
        t[i] = ColumnToValue(0, samples, i, tMin, tMax);
        v[i] = f(t[i]);
    }
    // Zero crossings: a sample at 0, or a change of sign between samples.
    for (int i = 0; i <= samples; ++i) {
        if (v[i] == 0.0) {
            if (i == 0 || v[i - 1] != 0.0)
                features.push_back(t[i]);
        } else if (i > 0 && v[i - 1] != 0.0 && (v[i - 1] < 0) != (v[i] < 0)) {
            features.push_back(Bisect(f, t[i - 1], t[i], v[i - 1]));
        }
    }
    // Extrema: the slope changes sign at a sample, the stretches either
    // side not flat.
    for (int i = 1; i < samples; ++i) {
        const double before = v[i] - v[i - 1], after = v[i + 1] - v[i];
        const bool peak = before > 0 && after < 0;
        const bool trough = before < 0 && after > 0;
        if (peak || trough)
            features.push_back(GoldenSection(f, t[i - 1], t[i + 1], peak ? 1.0 : -1.0));
    }
    std::sort(features.begin(), features.end());
    features.erase(std::unique(features.begin(), features.end()), features.end());
    return features;
}

std::optional<double> NearestFeature(const std::vector<double>& features, double t)
{
    std::optional<double> best;
    for (const double x : features)
        if (!best || std::abs(x - t) < std::abs(*best - t))
            best = x;
    return best;
}

std::optional<double> NextFeature(const std::vector<double>& features, double t, int direction, double gap)
{
    if (direction > 0) {
        for (const double x : features)
            if (x > t + gap)
                return x;
    } else {
        for (auto it = features.rbegin(); it != features.rend(); ++it)
            if (*it < t - gap)
                return *it;
    }
    return std::nullopt;
}

std::string ReadoutNumber(double x, double resolution)
{
    if (std::abs(x) < resolution)
        x = 0.0;
    std::string s = FormatNumber(RoundToDigits(3, x));
    const std::size_t first = s.find_first_not_of(' ');
    return first == std::string::npos ? s : s.substr(first);
}
