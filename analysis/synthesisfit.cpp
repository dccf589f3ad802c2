// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/synthesisfit.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;

double ToThreeDigits(double v)
{
    if (!(v > 0))
        return 1.0;
    const double scale = std::pow(10.0, 2 - std::floor(std::log10(v)));
    return std::round(v * scale) / scale;
}

} // namespace

int SwitchPositionDegrees(int position)
{
    static constexpr int Degrees[4] = {-90, 0, 90, 180};
    return Degrees[std::clamp(position, 0, 3)];
}

int NearestSwitchPosition(double degrees)
{
    int best = 1;
    double bestDistance = 1e9;
    for (int p = 0; p < 4; ++p) {
        const double d = std::abs(std::remainder(degrees - SwitchPositionDegrees(p), 360.0));
        if (d < bestDistance - 1e-9) {
            bestDistance = d;
            best = p;
        }
    }
    return best;
}

SynthesisSettings ToSynthesis(const SoundAnalysis& a, int meanLimitPercent)
{
    SynthesisSettings s;
    if (!a.Ok)
        return s;
    s.FundamentalHz = static_cast<int>(std::clamp(std::lround(a.F0Hz), 1L, 999999L));
    double largest = 0;
    for (int k = 1; k <= AnalysedHarmonics; ++k)
        largest = std::max(largest, a.Amplitude[k]);
    s.FullScaleValue = ToThreeDigits(largest);
    const double f = s.FullScaleValue;
    s.MeanPercent = static_cast<int>(std::clamp<long>(std::lround(100 * a.Mean / f), -meanLimitPercent, meanLimitPercent));
    for (int k = 1; k <= AnalysedHarmonics; ++k) {
        s.AmplitudePercent[k] = static_cast<int>(std::clamp(std::lround(100 * a.Amplitude[k] / f), 0L, 100L));
        s.SwitchPosition[k] = NearestSwitchPosition(a.PhaseDeg[k]);
    }
    // Over one period, by Parseval: mean difference squared plus half the
    // squared moduli of the harmonics' complex differences.
    const double dm = a.Mean - s.MeanPercent * f / 100;
    double diff = dm * dm;
    double measured = a.Mean * a.Mean;
    for (int k = 1; k <= AnalysedHarmonics; ++k) {
        const std::complex<double> m = std::polar(a.Amplitude[k], a.PhaseDeg[k] * Pi / 180);
        const std::complex<double> q =
            std::polar(s.AmplitudePercent[k] * f / 100, SwitchPositionDegrees(s.SwitchPosition[k]) * Pi / 180);
        diff += std::norm(m - q) / 2;
        measured += a.Amplitude[k] * a.Amplitude[k] / 2;
    }
    s.RmsDifferencePercent = measured > 0 ? 100 * std::sqrt(diff / measured) : 0.0;
    return s;
}

std::vector<double> Resynthesis(const SoundAnalysis& a, double rateHz, std::size_t count)
{
    std::vector<double> out(count, a.Mean);
    if (!(rateHz > 0))
        return out;
    const double step = 2 * Pi * a.F0Hz / rateHz;
    for (int k = 1; k <= AnalysedHarmonics; ++k) {
        if (a.Amplitude[k] == 0 || k * a.F0Hz >= 0.5 * rateHz)
            continue;
        const double phi = a.PhaseDeg[k] * Pi / 180;
        const std::complex<double> turn = std::polar(1.0, k * step);
        std::complex<double> z = std::polar(1.0, phi);
        for (std::size_t i = 0; i < count; ++i) {
            out[i] += a.Amplitude[k] * z.imag();
            z *= turn;
            if ((i & 1023) == 1023)
                z = std::polar(1.0, k * step * static_cast<double>(i + 1) + phi);
        }
    }
    return out;
}
