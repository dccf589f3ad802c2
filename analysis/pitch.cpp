// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/pitch.h"

#include "analysis/fftsize.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace {

constexpr double Threshold = 0.15;

// r[tau] = sum_{j < w} a_j b_{j+tau} for tau = 0..maxLag, by FFT.
std::vector<double> Correlation(std::span<const double> a, std::span<const double> b, std::size_t maxLag)
{
    const std::size_t n = FastFftSize(b.size() + a.size());
    const std::size_t bins = n / 2 + 1;
    double* in = fftw_alloc_real(n);
    fftw_complex* fa = fftw_alloc_complex(bins);
    fftw_complex* fb = fftw_alloc_complex(bins);
    fftw_plan forwardA = fftw_plan_dft_r2c_1d(static_cast<int>(n), in, fa, FFTW_ESTIMATE);
    fftw_plan forwardB = fftw_plan_dft_r2c_1d(static_cast<int>(n), in, fb, FFTW_ESTIMATE);
    fftw_plan backward = fftw_plan_dft_c2r_1d(static_cast<int>(n), fa, in, FFTW_ESTIMATE);

    std::fill(in, in + n, 0.0);
    std::copy(a.begin(), a.end(), in);
    fftw_execute(forwardA);
    std::fill(in, in + n, 0.0);
    std::copy(b.begin(), b.end(), in);
    fftw_execute(forwardB);
    for (std::size_t i = 0; i < bins; ++i) {
        // conj(A) B
        const double re = fa[i][0] * fb[i][0] + fa[i][1] * fb[i][1];
        const double im = fa[i][0] * fb[i][1] - fa[i][1] * fb[i][0];
        fa[i][0] = re;
        fa[i][1] = im;
    }
    fftw_execute(backward);
    std::vector<double> r(maxLag + 1);
    for (std::size_t t = 0; t <= maxLag; ++t)
        r[t] = in[t] / static_cast<double>(n);

    fftw_destroy_plan(forwardA);
    fftw_destroy_plan(forwardB);
    fftw_destroy_plan(backward);
    fftw_free(in);
    fftw_free(fa);
    fftw_free(fb);
    return r;
}

// Complex amplitude of the component at `hz` over x[begin, begin + n),
// under a Hann window.
std::complex<double> Component(std::span<const double> x, std::size_t begin, std::size_t n, double hz, double rateHz)
{
    const double step = 2 * std::numbers::pi * hz / rateHz;
    const double hann = 2 * std::numbers::pi / static_cast<double>(n);
    const std::complex<double> turn = std::polar(1.0, -step);
    const std::complex<double> hannTurn = std::polar(1.0, hann);
    std::complex<double> z = std::polar(1.0, -step * static_cast<double>(begin));
    std::complex<double> h = std::polar(1.0, 0.5 * hann);
    std::complex<double> sum = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        sum += (0.5 - 0.5 * h.real()) * x[begin + i] * z;
        z *= turn;
        h *= hannTurn;
        if ((i & 255) == 255) {
            z = std::polar(1.0, -step * static_cast<double>(begin + i + 1));
            h = std::polar(1.0, hann * (static_cast<double>(i + 1) + 0.5));
        }
    }
    return sum;
}

double Refine(std::span<const double> x, double rateHz, double f0Hz, double periodsPerBlock)
{
    const double period = rateHz / f0Hz;
    const auto block = static_cast<std::size_t>(std::lround(periodsPerBlock * period));
    if (block < 8 || x.size() / block < 3)
        return f0Hz;
    const std::size_t blocks = x.size() / block;
    // The strongest harmonic below the Nyquist frequency, over the first block.
    int strongest = 1;
    double best = -1;
    for (int k = 1; k <= 12 && k * f0Hz < 0.45 * rateHz; ++k) {
        const double m = std::abs(Component(x, 0, block, k * f0Hz, rateHz));
        if (m > best) {
            best = m;
            strongest = k;
        }
    }
    const double hz = strongest * f0Hz;
    // Phase of the component at each block's start-time reference, unwrapped
    // from block to block; least-squares slope against time.
    std::vector<double> phase(blocks), time(blocks);
    double previous = 0.0;
    for (std::size_t b = 0; b < blocks; ++b) {
        const double raw = std::arg(Component(x, b * block, block, hz, rateHz));
        phase[b] = b == 0 ? raw : phase[b - 1] + std::remainder(raw - previous, 2 * std::numbers::pi);
        previous = raw;
        time[b] = (static_cast<double>(b * block) + 0.5 * static_cast<double>(block)) / rateHz;
    }
    double mt = 0, mp = 0;
    for (std::size_t b = 0; b < blocks; ++b) {
        mt += time[b];
        mp += phase[b];
    }
    mt /= static_cast<double>(blocks);
    mp /= static_cast<double>(blocks);
    double num = 0, den = 0;
    for (std::size_t b = 0; b < blocks; ++b) {
        num += (time[b] - mt) * (phase[b] - mp);
        den += (time[b] - mt) * (time[b] - mt);
    }
    if (den <= 0)
        return f0Hz;
    const double corrected = f0Hz + num / den / (2 * std::numbers::pi * strongest);
    // A correction of more than a few per cent is a failed unwrapping.
    if (!std::isfinite(corrected) || std::abs(corrected - f0Hz) > 0.02 * f0Hz)
        return f0Hz;
    return corrected;
}

} // namespace

PitchEstimate EstimatePitch(std::span<const double> x, double rateHz)
{
    PitchEstimate e;
    const auto minLag = static_cast<std::size_t>(std::max(2.0, std::floor(rateHz / HighestAnalysedF0Hz)));
    auto maxLag = static_cast<std::size_t>(std::ceil(rateHz / LowestAnalysedF0Hz));
    // The integration window: as long as the sound allows beside the
    // longest lag, at most 0.25 s.
    if (x.size() < 2 * minLag + 4)
        return e;
    maxLag = std::min(maxLag, x.size() / 2);
    const std::size_t w = std::min(x.size() - maxLag, static_cast<std::size_t>(0.25 * rateHz));
    const std::span<const double> head = x.subspan(0, w);
    const std::span<const double> whole = x.subspan(0, w + maxLag);
    const std::vector<double> r = Correlation(head, whole, maxLag);

    // Energies of the windows x[tau, tau + w).
    std::vector<double> energy(maxLag + 1);
    double e0 = 0;
    for (std::size_t j = 0; j < w; ++j)
        e0 += x[j] * x[j];
    energy[0] = e0;
    for (std::size_t t = 1; t <= maxLag; ++t)
        energy[t] = energy[t - 1] - x[t - 1] * x[t - 1] + x[t + w - 1] * x[t + w - 1];

    std::vector<double> dn(maxLag + 1, 1.0);
    double running = 0;
    for (std::size_t t = 1; t <= maxLag; ++t) {
        const double d = std::max(0.0, energy[0] + energy[t] - 2 * r[t]);
        running += d;
        dn[t] = running > 0 ? d * static_cast<double>(t) / running : 1.0;
    }
    std::size_t lag = 0;
    for (std::size_t t = minLag; t + 1 <= maxLag; ++t) {
        if (dn[t] < Threshold) {
            while (t + 1 < maxLag && dn[t + 1] < dn[t])
                ++t;
            lag = t;
            break;
        }
    }
    if (lag == 0) {
        lag = minLag;
        for (std::size_t t = minLag; t < maxLag; ++t)
            if (dn[t] < dn[lag])
                lag = t;
    }
    double shift = 0;
    if (lag > minLag && lag + 1 <= maxLag) {
        const double a = dn[lag - 1], b = dn[lag], c = dn[lag + 1];
        const double den = a - 2 * b + c;
        if (den > 0)
            shift = std::clamp(0.5 * (a - c) / den, -0.5, 0.5);
    }
    e.F0Hz = rateHz / (static_cast<double>(lag) + shift);
    e.Aperiodicity = std::clamp(dn[lag], 0.0, 1.0);
    return e;
}

double RefineFundamental(std::span<const double> x, double rateHz, double f0Hz)
{
    if (!(f0Hz > 0))
        return f0Hz;
    double f = Refine(x, rateHz, f0Hz, 4);
    f = Refine(x, rateHz, f, 16);
    return Refine(x, rateHz, f, 64);
}
