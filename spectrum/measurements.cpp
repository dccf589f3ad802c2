// SPDX-License-Identifier: GPL-3.0-or-later
#include "spectrum/measurements.h"

#include "numeric/numbers.h"
#include "numeric/rounding.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;
constexpr int PeakSamples = 1024;
// A sampled local maximum this close to the largest sample may hide the
// true peak between its neighbours (sampling loses at most about 0.4 %
// with twelve harmonics); it is refined.
constexpr long double Candidate = 0.98L;
constexpr int NewtonSteps = 12;

// What a search for a peak looks for in g: the largest |g|, the highest g
// or the lowest g (the highest -g).
enum class Fold { Magnitude, Highest, Lowest };

template <typename T>
T Folded(T v, Fold f)
{
    switch (f) {
    case Fold::Magnitude: return v < 0 ? -v : v;
    case Fold::Highest: return v;
    case Fold::Lowest: return -v;
    }
    return v;
}

long double Sane(double x)
{
    return SaturateToDouble(x); // NaN reads as 0
}

// g(theta) = sum_k a_k sin(k theta + phi_k) = sum_k (S_k sin k theta + C_k cos k theta).
class Deviation {
public:
    explicit Deviation(const HarmonicContent& content)
    {
        long double largest = 0.0L;
        for (int k = 1; k < RowCount; ++k) {
            const long double a = Sane(content.Amplitude[k]);
            if (a == 0.0L)
                continue;
            const long double phi = Sane(content.PhaseRad[k]);
            m_sin[k] = a * std::cos(phi);
            m_cos[k] = a * std::sin(phi);
            m_last = k;
            largest = std::max(largest, std::fabs(a));
        }
        // The samples' coefficients are scaled to at most 1, so that even
        // the largest amplitudes sum without overflow in double precision.
        for (int k = 1; k <= m_last; ++k) {
            m_sinD[k] = static_cast<double>(m_sin[k] / largest);
            m_cosD[k] = static_cast<double>(m_cos[k] / largest);
        }
    }

    bool Empty() const { return m_last == 0; }

    // g and its first two derivatives at theta. sin k theta and cos k theta
    // follow from those of theta by rotation.
    void At(long double theta, long double& g, long double& d1, long double& d2) const
    {
        const long double s1 = std::sin(theta), c1 = std::cos(theta);
        long double sk = 0.0L, ck = 1.0L;
        g = d1 = d2 = 0.0L;
        for (int k = 1; k <= m_last; ++k) {
            const long double s = sk * c1 + ck * s1;
            ck = ck * c1 - sk * s1;
            sk = s;
            const long double v = m_sin[k] * sk + m_cos[k] * ck;
            g += v;
            d1 += k * (m_sin[k] * ck - m_cos[k] * sk);
            d2 -= static_cast<long double>(k * k) * v;
        }
    }

    // |g| (or g folded otherwise) at the PeakSamples points 2 pi i / PeakSamples, in double
    // precision and divided by the largest amplitude: they only pick the
    // maxima that Refine then pins down.
    // sin k theta_i is the table's entry k i (mod PeakSamples), so no sine
    // is evaluated here.
    std::array<double, PeakSamples> Samples(Fold fold) const
    {
        static const std::array<double, PeakSamples> table = [] {
            std::array<double, PeakSamples> t{};
            for (int i = 0; i < PeakSamples; ++i)
                t[i] = static_cast<double>(std::sin(2 * Pi * i / PeakSamples));
            return t;
        }();
        constexpr int quarter = PeakSamples / 4; // cos x = sin(x + pi / 2)
        std::array<double, PeakSamples> out{};
        for (int i = 0; i < PeakSamples; ++i) {
            double v = 0.0;
            for (int k = 1; k <= m_last; ++k) {
                const int j = (k * i) % PeakSamples;
                v += m_sinD[k] * table[j] + m_cosD[k] * table[(j + quarter) % PeakSamples];
            }
            out[i] = Folded(v, fold);
        }
        return out;
    }

    // The local maximum of |g| (g folded) near theta, by Newton's method on
    // g' = 0, kept within `reach` of theta; the largest value met on the way.
    long double Refine(long double theta, long double reach, Fold fold) const
    {
        const long double start = theta;
        long double best = 0.0L;
        for (int i = 0; i < NewtonSteps; ++i) {
            long double g, d1, d2;
            At(theta, g, d1, d2);
            best = std::max(best, Folded(g, fold));
            // A maximum of the folded g needs its second derivative below 0.
            const long double bend = fold == Fold::Magnitude ? (g < 0 ? -d2 : d2) : Folded(d2, fold);
            if (!(bend < 0.0L))
                break;
            const long double step = -d1 / d2;
            const long double next = std::clamp(theta + step, start - reach, start + reach);
            if (next == theta)
                break;
            theta = next;
        }
        return best;
    }

private:
    int m_last = 0;
    std::array<long double, RowCount> m_sin{};
    std::array<long double, RowCount> m_cos{};
    std::array<double, RowCount> m_sinD{};
    std::array<double, RowCount> m_cosD{};
};

} // namespace

HarmonicContent InputContent(const SharedState& state)
{
    HarmonicContent c;
    const HarmonicTable& h = state.Signal.Harmonics;
    const long double f = state.Signal.FullScaleValue;
    c.Mean = SaturateToDouble(state.Signal.MeanValue);
    for (int k = 1; k < RowCount; ++k) {
        c.Amplitude[k] = SaturateToDouble(h.AmplitudePercent[k] / 100.0L * f);
        c.PhaseRad[k] = h.PhaseRad[k];
    }
    return c;
}

HarmonicContent OutputContent(const SharedState& state)
{
    HarmonicContent c;
    const HarmonicTable& h = state.Signal.Harmonics;
    const long double f = state.Signal.FullScaleValue;
    const long double scale = state.Display.OutputScaleFactor;
    c.Mean = SaturateToDouble(scale * (h.OutputAmplitudePercent[0] / 100.0L * f));
    for (int k = 1; k < RowCount; ++k) {
        c.Amplitude[k] = SaturateToDouble(scale * (h.OutputAmplitudePercent[k] / 100.0L * f));
        c.PhaseRad[k] = h.OutputPhaseRad[k];
    }
    return c;
}

namespace {

// The largest value of g folded over one period (0 for no harmonic).
long double PeakOf(const Deviation& g, Fold fold)
{
    if (g.Empty())
        return 0.0L;
    const long double step = 2 * Pi / PeakSamples;
    const std::array<double, PeakSamples> samples = g.Samples(fold);
    const double largest = *std::max_element(samples.begin(), samples.end());
    // The largest sample is a local maximum itself, so the peak always comes
    // from a refinement in extended precision, never from a sample.
    long double peak = 0.0L;
    for (int i = 0; i < PeakSamples; ++i) {
        const double v = samples[i];
        const double before = samples[(i + PeakSamples - 1) % PeakSamples];
        const double after = samples[(i + 1) % PeakSamples];
        if (v >= Candidate * largest && v >= before && v >= after)
            peak = std::max(peak, g.Refine(i * step, step, fold));
    }
    return peak;
}

} // namespace

double PeakDeviation(const HarmonicContent& content)
{
    return SaturateToDouble(PeakOf(Deviation(content), Fold::Magnitude));
}

SignalRange Extremes(const HarmonicContent& content)
{
    const Deviation g(content);
    const long double mean = Sane(content.Mean);
    return {SaturateToDouble(mean - PeakOf(g, Fold::Lowest)), SaturateToDouble(mean + PeakOf(g, Fold::Highest))};
}

SignalMeasures Measure(const HarmonicContent& content)
{
    SignalMeasures m;
    const long double mean = Sane(content.Mean);
    long double all = 0.0L, upper = 0.0L;
    for (int k = 1; k < RowCount; ++k) {
        const long double a = Sane(content.Amplitude[k]);
        all += a * a;
        if (k >= 2)
            upper += a * a;
    }
    const long double ac = std::sqrt(all / 2);
    m.Mean = SaturateToDouble(mean);
    m.AcRms = SaturateToDouble(ac);
    m.Rms = SaturateToDouble(std::sqrt(mean * mean + all / 2));
    const long double first = std::fabs(Sane(content.Amplitude[1]));
    if (first > 0.0L)
        m.DistortionPercent = SaturateToDouble(100 * std::sqrt(upper) / first);
    if (ac > 0.0L)
        m.CrestFactor = SaturateToDouble(PeakDeviation(content) / ac);
    return m;
}

std::string MeasureText(const std::optional<double>& value)
{
    return value ? FormatNumber(*value) : std::string("\u2014");
}
