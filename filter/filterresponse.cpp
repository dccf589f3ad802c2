// SPDX-License-Identifier: GPL-3.0-or-later
#include "filter/filterresponse.h"

#include "numeric/rounding.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;
constexpr long double MinCutoffHz = 0.001L;
constexpr long double MinDamping = 0.0001L;
constexpr long double MaxDamping = 1e6L;

long double SaneCutoff(double fc)
{
    return fc >= MinCutoffHz ? static_cast<long double>(fc) : MinCutoffHz; // NaN too
}

long double SaneDamping(double m)
{
    if (!(m >= MinDamping))
        return MinDamping;
    return m > MaxDamping ? MaxDamping : static_cast<long double>(m);
}

} // namespace

long double FilterCutoffHz(const FilterState& filter)
{
    return SaneCutoff(filter.CutoffHz);
}

long double FilterDamping(const FilterState& filter)
{
    return SaneDamping(filter.Damping);
}

FilterPoint FilterResponse(const SharedState& state, FilterKind kind, int k)
{
    const std::int64_t kf0 = static_cast<std::int64_t>(k) * state.Signal.FundamentalHz;
    return FilterResponseAt(state.Filter, kind, static_cast<long double>(kf0));
}

FilterPoint FilterResponseAt(const FilterState& filter, FilterKind kind, long double f)
{
    const long double g0 = SaturateToDouble(filter.StaticGain);
    const long double fc = FilterCutoffHz(filter);
    const long double m = FilterDamping(filter);
    const long double x = f / fc;

    long double gain = 0.0L;
    long double phase = 0.0L;
    switch (kind) {
    case FilterKind::Amplifier:
        gain = g0;
        break;
    case FilterKind::LowPass1:
        gain = g0 / std::sqrt(1.0L + x * x);
        phase = -std::atan(x);
        break;
    case FilterKind::HighPass1:
        gain = g0 * x / std::sqrt(1.0L + x * x);
        phase = Pi / 2 - std::atan(x);
        break;
    case FilterKind::LowPass2:
    case FilterKind::HighPass2:
    case FilterKind::BandPass:
    case FilterKind::BandStop: {
        const long double a = 1.0L - x * x;
        const long double b = 2.0L * m * f / fc;
        const long double d = std::sqrt(a * a + b * b);
        long double theta;
        if (a != 0.0L)
            theta = std::atan(b / a);
        else
            theta = b > 0.0L ? Pi / 2 : -Pi / 2;
        const long double psi = a < 0.0L ? theta + Pi : theta;
        if (kind == FilterKind::LowPass2) {
            gain = g0 / d;
            phase = -psi;
        } else if (kind == FilterKind::HighPass2) {
            gain = g0 * (x * x / d);
            phase = Pi - psi;
        } else if (kind == FilterKind::BandPass) {
            gain = g0 * (b / d);
            phase = Pi / 2 - psi;
        } else {
            gain = g0 * (std::fabs(a) / d);
            phase = -theta;
        }
        break;
    }
    case FilterKind::None:
        break;
    }
    return {SaturateToDouble(gain), static_cast<double>(phase)};
}

void ApplyFilter(SharedState& state)
{
    HarmonicTable& h = state.Signal.Harmonics;
    const FilterKind kind = state.Filter.Kind;
    if (IsFilterCode(kind)) {
        for (int k = 0; k < RowCount; ++k) {
            const FilterPoint p = FilterResponse(state, kind, k);
            h.FilterGain[k] = p.Gain;
            h.FilterPhaseRad[k] = p.PhaseRad;
        }
    }
    h.OutputAmplitudePercent[0] = SaturateToDouble(
        static_cast<long double>(state.Signal.MeanPercent) * h.FilterGain[0]);
    h.OutputPhaseRad[0] = 0.0;
    for (int k = 1; k < RowCount; ++k) {
        h.OutputAmplitudePercent[k] =
            SaturateToDouble(static_cast<long double>(h.AmplitudePercent[k]) * h.FilterGain[k]);
        h.OutputPhaseRad[k] =
            SaturateToDouble(static_cast<long double>(h.PhaseRad[k]) + h.FilterPhaseRad[k]);
    }
}
