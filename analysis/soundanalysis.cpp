// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/soundanalysis.h"

#include "analysis/pitch.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <span>
#include <vector>

namespace {

constexpr double Pi = std::numbers::pi;

SoundAnalysis Refused(std::string message)
{
    SoundAnalysis a;
    a.Error = std::move(message);
    return a;
}

struct Stretch {
    std::size_t Start = 0;
    std::size_t Length = 0;
    bool Found = false;
};

// Marks the samples that belong to runs of at least `minRun` equal values at
// 0.99 of full scale or beyond: digital clipping.
std::vector<char> ClippedSamples(const std::vector<double>& x, std::size_t minRun)
{
    std::vector<char> clipped(x.size(), 0);
    std::size_t i = 0;
    while (i < x.size()) {
        std::size_t j = i + 1;
        if (std::abs(x[i]) >= 0.99)
            while (j < x.size() && x[j] == x[i])
                ++j;
        if (j - i >= minRun)
            std::fill(clipped.begin() + static_cast<std::ptrdiff_t>(i), clipped.begin() + static_cast<std::ptrdiff_t>(j), 1);
        i = j;
    }
    return clipped;
}

// The steadiest stretch of up to one second: see AnalyseSound.
Stretch SteadiestStretch(const MonoSound& sound, bool& allClipped)
{
    const std::vector<double>& x = sound.Samples;
    const auto block = static_cast<std::size_t>(std::max(1.0, std::round(0.01 * sound.SampleRateHz)));
    const std::size_t blocks = x.size() / block;
    const std::size_t minRun = std::max<std::size_t>(3, static_cast<std::size_t>(0.001 * sound.SampleRateHz));
    const std::vector<char> clippedSample = ClippedSamples(x, minRun);
    std::vector<double> rms(blocks);
    std::vector<char> clipped(blocks, 0);
    double loudest = 0;
    for (std::size_t b = 0; b < blocks; ++b) {
        double sum = 0, mean = 0;
        for (std::size_t i = b * block; i < (b + 1) * block; ++i) {
            mean += x[i];
            clipped[b] |= clippedSample[i];
        }
        mean /= static_cast<double>(block);
        for (std::size_t i = b * block; i < (b + 1) * block; ++i)
            sum += (x[i] - mean) * (x[i] - mean);
        rms[b] = std::sqrt(sum / static_cast<double>(block));
        loudest = std::max(loudest, rms[b]);
    }
    const std::size_t span = std::min(blocks, static_cast<std::size_t>(100)); // one second
    Stretch best;
    allClipped = true;
    double bestScore = 0;
    // Sliding sums over `span` blocks: level, level squared, clipped blocks.
    double s1 = 0, s2 = 0;
    std::size_t nClipped = 0;
    for (std::size_t b = 0; b < blocks; ++b) {
        s1 += rms[b];
        s2 += rms[b] * rms[b];
        nClipped += clipped[b];
        if (b >= span) {
            s1 -= rms[b - span];
            s2 -= rms[b - span] * rms[b - span];
            nClipped -= clipped[b - span];
        }
        if (b + 1 < span)
            continue;
        if (nClipped > 0)
            continue;
        allClipped = false;
        const double n = static_cast<double>(span);
        const double mean = s1 / n;
        if (mean < 0.25 * loudest)
            continue;
        const double score = std::sqrt(std::max(0.0, s2 / n - mean * mean)) / mean;
        if (!best.Found || score < bestScore) {
            best = {(b + 1 - span) * block, span * block, true};
            bestScore = score;
        }
    }
    return best;
}

} // namespace

SoundAnalysis AnalyseSound(const MonoSound& sound)
{
    const std::string problem = CheckSound(sound);
    if (!problem.empty())
        return Refused(problem);
    const double rate = sound.SampleRateHz;

    double peak = 0;
    double sum = 0, sum2 = 0;
    for (double v : sound.Samples) {
        peak = std::max(peak, std::abs(v));
        sum += v;
        sum2 += v * v;
    }
    const double n = static_cast<double>(sound.Samples.size());
    const double acRms = std::sqrt(std::max(0.0, sum2 / n - (sum / n) * (sum / n)));
    if (acRms < SilenceRms)
        return Refused("Ce son est un silence (son niveau est trop faible) : il n'y a rien à analyser.");

    bool allClipped = false;
    const Stretch stretch = SteadiestStretch(sound, allClipped);
    if (allClipped)
        return Refused("Ce son est écrêté (saturé) d'un bout à l'autre : ses harmoniques seraient faussées. "
                       "Enregistrer plus doucement.");
    if (!stretch.Found)
        return Refused("Ce son n'a pas de partie stable assez longue pour être analysée.");
    const std::span<const double> x(sound.Samples.data() + stretch.Start, stretch.Length);

    const PitchEstimate pitch = EstimatePitch(x, rate);
    if (!(pitch.F0Hz > 0) || pitch.Aperiodicity > MaxAperiodicity)
        return Refused("Ce son n'est pas périodique (un bruit ?) : aucune fréquence fondamentale "
                       "entre 20 Hz et 5 kHz n'y a été trouvée.");
    double f0 = RefineFundamental(x, rate, pitch.F0Hz);
    f0 = std::clamp(f0, LowestAnalysedF0Hz, HighestAnalysedF0Hz);

    SoundAnalysis a;
    a.SampleRateHz = rate;
    a.F0Hz = f0;
    const double period = rate / f0;
    const double periods = std::floor(static_cast<double>(x.size()) / period);
    if (periods < 2)
        return Refused("Ce son est trop court pour cette fréquence fondamentale : il faut au moins deux périodes.");
    const auto length = std::min(x.size(), static_cast<std::size_t>(std::lround(periods * period)));
    a.Start = stretch.Start;
    a.Length = length;

    // Projections on 1, cos and sin of k f0 t; t = 0 at the stretch's start.
    std::array<std::complex<double>, AnalysedHarmonics + 1> c{};
    double mean = 0, energy = 0;
    const double step = 2 * Pi * f0 / rate;
    std::complex<double> z1 = 1.0;
    const std::complex<double> turn = std::polar(1.0, step);
    int top = 0;
    while (top < AnalysedHarmonics && (top + 1) * f0 < 0.5 * rate)
        ++top;
    for (std::size_t i = 0; i < length; ++i) {
        const double v = x[i];
        mean += v;
        energy += v * v;
        std::complex<double> zk = z1;
        for (int k = 1; k <= top; ++k) {
            c[k] += v * zk; // cos + j sin
            zk *= z1;
        }
        z1 *= turn;
        if ((i & 1023) == 1023)
            z1 = std::polar(1.0, step * static_cast<double>(i + 1));
    }
    const double len = static_cast<double>(length);
    a.Mean = mean / len;
    energy /= len;
    double explained = a.Mean * a.Mean;
    double raw1 = 0;
    for (int k = 1; k <= top; ++k) {
        // v ~ a_k cos + b_k sin with a_k = 2 Re c / L, b_k = 2 Im c / L;
        // A sin(theta + phi) = A cos(phi) sin + A sin(phi) cos.
        const double ak = 2 * c[k].real() / len;
        const double bk = 2 * c[k].imag() / len;
        a.Amplitude[k] = std::hypot(ak, bk);
        const double phi = std::atan2(ak, bk);
        if (k == 1)
            raw1 = phi;
        a.PhaseDeg[k] = phi;
        explained += a.Amplitude[k] * a.Amplitude[k] / 2;
    }
    // Time origin where the fundamental's phase is 0: phi_k - k phi_1.
    for (int k = 1; k <= AnalysedHarmonics; ++k) {
        if (a.Amplitude[k] == 0) {
            a.PhaseDeg[k] = 0;
            continue;
        }
        double deg = std::remainder(a.PhaseDeg[k] - k * raw1, 2 * Pi) * 180 / Pi;
        // -180 is shown as 180: the range is (-180, 180].
        if (deg <= -180 + 1e-6)
            deg += 360;
        a.PhaseDeg[k] = deg;
    }
    const double originPeriods = -raw1 / (2 * Pi);
    a.OriginSample = static_cast<double>(stretch.Start) + (originPeriods - std::floor(originPeriods)) * period;

    a.ResidualPercent = energy > 0 ? 100 * std::sqrt(std::max(0.0, energy - explained) / energy) : 0.0;
    a.Confidence = std::clamp((1 - pitch.Aperiodicity) * (1 - a.ResidualPercent / 100), 0.0, 1.0);
    if (a.ResidualPercent > MaxResidualPercent)
        return Refused("Ce son n'est pas périodique : la moyenne et les douze harmoniques n'en expliquent pas "
                       "assez (plusieurs notes à la fois, un bruit ?).");
    a.Ok = true;
    return a;
}

double ModelValue(const SoundAnalysis& a, double t)
{
    double v = a.Mean;
    for (int k = 1; k <= AnalysedHarmonics; ++k)
        if (a.Amplitude[k] != 0)
            v += a.Amplitude[k] * std::sin(2 * Pi * k * a.F0Hz * t + a.PhaseDeg[k] * Pi / 180);
    return v;
}
