// SPDX-License-Identifier: GPL-3.0-or-later
#include "filter/responsecursor.h"

#include "filter/filterresponse.h"
#include "numeric/numbers.h"
#include "numeric/rounding.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double DegreesPerRadian = 180.0 / std::numbers::pi;

// The phase in degrees as the curve draws it near log10 f = x.
double DrawnPhase(const ResponseView& view, double phaseRad, double gainSign, double x)
{
    double deg = phaseRad * DegreesPerRadian + (gainSign < 0 ? 180.0 : 0.0);
    if (view.Curve.empty())
        return deg;
    auto it = std::lower_bound(view.Curve.begin(), view.Curve.end(), x,
                               [](const ResponseSample& s, double v) { return s.Log10Hz < v; });
    if (it == view.Curve.end())
        --it;
    else if (it != view.Curve.begin() && x - std::prev(it)->Log10Hz < it->Log10Hz - x)
        --it;
    return deg + 360.0 * static_cast<double>(RoundHalfEven((it->PhaseDeg - deg) / 360.0L));
}

double Magnitude(const SharedState& state, double log10Hz)
{
    return std::abs(FilterResponseAt(state.Filter, state.Filter.Kind, PowerOfTen(log10Hz)).Gain);
}

} // namespace

ResponseReading ReadResponse(const SharedState& state, const ResponseView& view, double hz)
{
    ResponseReading r;
    const double g0 = state.Filter.StaticGain;
    r.Hz = hz;
    const FilterPoint p = FilterResponseAt(state.Filter, state.Filter.Kind, hz);
    r.GainDb = GainToDb(p.Gain);
    r.PhaseDeg = DrawnPhase(view, p.PhaseRad, g0, std::log10(hz));
    const double f0 = std::max<std::int32_t>(state.Signal.FundamentalHz, 1);
    r.NearestK = std::clamp(Round(hz / static_cast<long double>(f0)), 1, HarmonicCount);
    r.NearestHz = r.NearestK * f0;
    const FilterPoint h = FilterResponseAt(state.Filter, state.Filter.Kind, r.NearestHz);
    r.NearestGainDb = GainToDb(h.Gain);
    r.NearestPhaseDeg = DrawnPhase(view, h.PhaseRad, g0, std::log10(r.NearestHz));
    return r;
}

std::vector<ResponseFeature> ResponseFeatures(const SharedState& state, const ResponseView& view, int samples)
{
    std::vector<ResponseFeature> features;
    if (view.HasCutoff)
        features.push_back({ResponseFeatureKind::Cutoff, std::log10(view.CutoffHz)});
    const double g0 = std::abs(state.Filter.StaticGain);
    if (g0 > 0 && std::isfinite(g0) && samples >= 2 && view.Kind != FilterKind::Amplifier) {
        const double a = view.Span.FirstDecade, b = view.Span.LastDecade;
        const double level = g0 / std::sqrt(2.0);
        std::vector<double> x(static_cast<std::size_t>(samples) + 1), m(x.size());
        for (int i = 0; i <= samples; ++i) {
            x[i] = a + (b - a) * i / samples;
            m[i] = Magnitude(state, x[i]);
        }
        for (int i = 1; i <= samples; ++i) {
            if ((m[i - 1] < level) == (m[i] < level))
                continue;
            double lo = x[i - 1], hi = x[i];
            const bool risingBelow = m[i - 1] < level;
            for (int n = 0; n < 200; ++n) {
                const double mid = lo + (hi - lo) / 2;
                if (mid <= lo || mid >= hi)
                    break;
                if ((Magnitude(state, mid) < level) == risingBelow)
                    lo = mid;
                else
                    hi = mid;
            }
            features.push_back({ResponseFeatureKind::MinusThreeDb, lo + (hi - lo) / 2});
        }
    }
    // The resonance, where the second-order models have one: the maximum
    // of |H| at x = sqrt(1 - 2 m^2) for the low-pass, its inverse for the
    // high-pass (both while m < 1 / sqrt 2), x = 1 for the band-pass.
    if (g0 > 0 && std::isfinite(g0)) {
        const long double fc = FilterCutoffHz(state.Filter), m = FilterDamping(state.Filter);
        long double x = 0.0L;
        if (view.Kind == FilterKind::BandPass)
            x = 1.0L;
        else if ((view.Kind == FilterKind::LowPass2 || view.Kind == FilterKind::HighPass2) && 2 * m * m < 1.0L)
            x = view.Kind == FilterKind::LowPass2 ? std::sqrt(1 - 2 * m * m) : 1 / std::sqrt(1 - 2 * m * m);
        const double at = static_cast<double>(std::log10(x * fc));
        if (x > 0 && at > view.Span.FirstDecade && at < view.Span.LastDecade)
            features.push_back({ResponseFeatureKind::Peak, at});
    }
    std::sort(features.begin(), features.end(),
              [](const ResponseFeature& p, const ResponseFeature& q) { return p.Log10Hz < q.Log10Hz; });
    return features;
}
