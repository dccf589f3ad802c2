// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/soundrender.h"

#include "numeric/numbers.h"
#include "numeric/rounding.h"
#include "plot/sampling.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

// The top of the value axis that the samples are scaled to.
long double ScaleTop(const TimeGraphView& view)
{
    const long double top = view.ValueMax;
    if (top != 0.0L && !std::isnan(top))
        return top;
    const long double ends = std::max(std::fabs(static_cast<long double>(view.ValueMin)), std::fabs(top));
    return ends != 0.0L && !std::isnan(ends) ? ends : 1.0L;
}

// The sample formula on one value of the signal, held to 0 .. 255:
// Round((v - MeanValue) * scale + 127).
std::uint8_t SampleOf(long double x)
{
    if (std::isnan(x))
        return 127;
    return static_cast<std::uint8_t>(std::clamp(RoundHalfEven(x), 0.0L, 255.0L));
}

// Instant i of a sound of n samples lasting d seconds: (i / n) * d.
inline double SampleInstant(std::int32_t i, std::int32_t n, double d)
{
    return static_cast<double>(i) / n * d;
}

// The signal as the renderer runs it: the same series as the evaluators,
//   v(t) - MeanValue = offset + sum_k (a_k sin(k w t) + b_k cos(k w t)),
// a_k = c_k cos(phi_k), b_k = c_k sin(phi_k), with every weight already
// multiplied by the sample scale 127 / ValueMax / 1.5, so that values are
// in sample steps. It is summed for four instants at once in double
// precision. Against the evaluators its error stays below about 1e-11 of
// the sum of the weights' sizes (1e-13 sample steps for a full-scale
// signal), far inside `tolerance`, 1e-9 of that sum: a sample whose value
// lies farther than `tolerance` from a rounding boundary rounds as the
// evaluators' value does, and the rare one that lies closer is taken from
// the evaluators themselves. So every sample is exactly the evaluators'.
struct ScaledSeries {
    double offset = 0.0;
    int last = 0; // highest k with a non-zero weight
    std::array<double, RowCount> a{};
    std::array<double, RowCount> b{};
    double f0 = 1.0;
    double tolerance = 0.0;
};

// Every weight stays below this size, so that no sum of twelve terms
// overflows; a sample that large is clamped to 0 or 255 all the same.
constexpr long double WeightLimit = 1e300L;

long double Limited(long double x)
{
    return std::clamp(x, -WeightLimit, WeightLimit);
}

ScaledSeries Scaled(const SharedState& state, SoundSource source, long double scale)
{
    const HarmonicTable& h = state.Signal.Harmonics;
    const bool output = source == SoundSource::Output;
    const long double fullScale = state.Signal.FullScaleValue;
    const long double gain = output ? state.Display.OutputScaleFactor : 1;
    const auto& amplitude = output ? h.OutputAmplitudePercent : h.AmplitudePercent;
    const auto& phase = output ? h.OutputPhaseRad : h.PhaseRad;

    ScaledSeries s;
    s.f0 = std::max<std::int32_t>(state.Signal.FundamentalHz, 1);
    const long double mean =
        output ? SaturateToDouble(gain * (h.OutputAmplitudePercent[0] / 100.0L * fullScale))
               : SaturateToDouble(state.Signal.MeanValue);
    s.offset = static_cast<double>(Limited((mean - state.Signal.MeanValue) * scale));
    long double size = std::fabs(static_cast<long double>(s.offset));
    for (int k = 1; k < RowCount; ++k) {
        const long double c = amplitude[k] / 100.0L * fullScale * gain;
        if (c == 0.0L || std::isnan(c))
            continue;
        s.a[k] = static_cast<double>(Limited(c * scale * std::cos(static_cast<long double>(phase[k]))));
        s.b[k] = static_cast<double>(Limited(c * scale * std::sin(static_cast<long double>(phase[k]))));
        size += std::fabs(static_cast<long double>(s.a[k])) + std::fabs(static_cast<long double>(s.b[k]));
        s.last = k;
    }
    s.tolerance = static_cast<double>(1e-9L * (1.0L + size));
    return s;
}

// Four doubles handled as one (GCC/Clang vector extension): four samples
// are computed side by side.
using V4 = double __attribute__((vector_size(32)));
using I4 = std::int64_t __attribute__((vector_size(32))); // lane masks, whole numbers
constexpr int Lanes = 4;

// Up to this fundamental the split of f0 t below is exact and the
// evaluators' own product f0 t nearly so; the program takes f0 < 10^6.
constexpr double MaxFastFundamental = 1048576.0; // 2^20

// Vectors go between routines by reference only: passed by value they
// would change the calling convention between the wide and the plain build.

// Adding and taking away 1.5 * 2^52 rounds each lane to an integer (ties to
// even), for |x| < 2^51.
constexpr double RoundingShift = 6755399441055744.0;

// sin(2 pi u) and cos(2 pi u), u in turns, |u| < 2^51, to about 1e-15:
// the whole turns go, a quarter of the angle (within +-pi/4) goes through
// Taylor polynomials, and two angle doublings give the angle back.
inline void SinCosTurns(const V4& turns, V4& s, V4& c)
{
    const V4 u = turns - ((turns + RoundingShift) - RoundingShift);
    const V4 x = u * (std::numbers::pi / 2);
    const V4 x2 = x * x;
    V4 sq = (V4{} + (1.0 / 1307674368000.0));
    sq = sq * x2 - 1.0 / 6227020800.0;
    sq = sq * x2 + 1.0 / 39916800.0;
    sq = sq * x2 - 1.0 / 362880.0;
    sq = sq * x2 + 1.0 / 5040.0;
    sq = sq * x2 - 1.0 / 120.0;
    sq = sq * x2 + 1.0 / 6.0;
    V4 cq = (V4{} + (1.0 / 20922789888000.0));
    cq = cq * x2 - 1.0 / 87178291200.0;
    cq = cq * x2 + 1.0 / 479001600.0;
    cq = cq * x2 - 1.0 / 3628800.0;
    cq = cq * x2 + 1.0 / 40320.0;
    cq = cq * x2 - 1.0 / 720.0;
    cq = cq * x2 + 1.0 / 24.0;
    cq = cq * x2 - 0.5;
    V4 sn = x - x * x2 * sq;   // the odd series has alternating signs: x - x^3/3! + ...
    V4 cs = 1.0 + x2 * cq;
    for (int twice = 0; twice < 2; ++twice) {
        const V4 s2 = 2.0 * sn * cs;
        cs = (cs - sn) * (cs + sn);
        sn = s2;
    }
    s = sn;
    c = cs;
}

// The sample of instant i taken from the evaluators themselves.
struct ExactSample {
    const HarmonicSeries& signal;
    std::int32_t n;
    double d;
    long double mean, scale;

    std::uint8_t operator()(std::int32_t i) const;
};

std::uint8_t ExactSample::operator()(std::int32_t i) const
{
    return SampleOf((signal(SampleInstant(i, n, d)) - mean) * scale + 127.0L);
}

// Where the processor has them, the wide vector units take the sum.
#if defined(__x86_64__) && defined(__has_attribute)
#if __has_attribute(target_clones)
#define SOUND_VECTOR_CLONES __attribute__((target_clones("arch=x86-64-v3", "default")))
#endif
#endif
#ifndef SOUND_VECTOR_CLONES
#define SOUND_VECTOR_CLONES
#endif

// The n samples of a sound lasting d seconds, four at a time.
SOUND_VECTOR_CLONES
void RenderRun(const ScaledSeries& s, std::int32_t n, double d, std::uint8_t* out, const ExactSample& exact)
{
    const double nd = n;
    V4 index = V4{0.0, 1.0, 2.0, 3.0};
    for (std::int32_t g = 0; g < n; g += Lanes, index += static_cast<double>(Lanes)) {
        // t = (i / N) * d as the evaluators get it, then f0 t split exactly
        // (f0 <= 2^20): t = th + tl with th of 26 bits, so f0 th and f0 tl
        // are exact doubles.
        const V4 t = index / nd * d;
        const V4 big = t * 134217729.0; // 2^27 + 1
        const V4 th = big - (big - t);
        const V4 tl = t - th;
        const V4 p1 = s.f0 * th;
        const V4 turns = (p1 - ((p1 + RoundingShift) - RoundingShift)) + s.f0 * tl;
        V4 s1, c1;
        SinCosTurns(turns, s1, c1);

        // sin(k w t), cos(k w t) by x_{k+1} = 2 cos(w t) x_k - x_{k-1}.
        const V4 twoCos = 2.0 * c1;
        V4 acc = (V4{} + (s.offset));
        V4 sk = s1, ck = c1, sPrev = (V4{} + (0.0)), cPrev = (V4{} + (1.0));
        for (int k = 1;; ++k) {
            acc += sk * s.a[k] + ck * s.b[k];
            if (k >= s.last)
                break;
            const V4 sNext = twoCos * sk - sPrev;
            const V4 cNext = twoCos * ck - cPrev;
            sPrev = sk;
            cPrev = ck;
            sk = sNext;
            ck = cNext;
        }
        // The samples: held to -1 .. 256 (a NaN would go to -1), rounded,
        // held to 0 .. 255.
        const V4 x = acc + 127.0;
        const V4 held = x >= (V4{} + (-1.0)) ? (x <= (V4{} + (256.0)) ? x : (V4{} + (256.0))) : (V4{} + (-1.0));
        const V4 nearest = (held + RoundingShift) - RoundingShift;
        const V4 off = held - nearest;
        const V4 toHalf = 0.5 - (off < (V4{} + (0.0)) ? -off : off);
        const I4 bytes = __builtin_convertvector(
            nearest < (V4{} + (0.0)) ? (V4{} + (0.0)) : (nearest > (V4{} + (255.0)) ? (V4{} + (255.0)) : nearest), I4);
        // Only a value close to one of the boundaries 0.5 .. 254.5 can round
        // differently from the evaluators' own value.
        const I4 close = (toHalf <= (V4{} + (s.tolerance))) & (held > (V4{} + (0.0))) & (held < (V4{} + (255.0)));

        const int lanes = std::min(Lanes, n - g);
        std::uint8_t* o = out + g;
        if (lanes == Lanes && !(close[0] | close[1] | close[2] | close[3])) {
            o[0] = static_cast<std::uint8_t>(bytes[0]);
            o[1] = static_cast<std::uint8_t>(bytes[1]);
            o[2] = static_cast<std::uint8_t>(bytes[2]);
            o[3] = static_cast<std::uint8_t>(bytes[3]);
            continue;
        }
        for (int l = 0; l < lanes; ++l)
            o[l] = close[l] ? exact(g + l) : static_cast<std::uint8_t>(bytes[l]);
    }
}

} // namespace

double ClampSoundDuration(double seconds)
{
    if (std::isnan(seconds) || seconds <= 0.0)
        return 0.0;
    return std::min(seconds, MaxSoundSeconds);
}

std::int32_t SoundSampleCount(double seconds)
{
    return Round(static_cast<long double>(SoundRateHz) * ClampSoundDuration(seconds));
}

std::optional<double> DurationFromText(std::string_view text)
{
    double x = 0.0;
    if (!TryParseTypedNumber(text, x))
        return std::nullopt;
    const double d = std::fabs(x);
    return d > MaxSoundSeconds ? MaxSoundSeconds : d;
}

bool MayBeInaudible(const SharedState& state)
{
    return static_cast<std::int64_t>(12) * state.Signal.FundamentalHz > AudibleLimitHz;
}

std::vector<std::uint8_t> RenderSound(const SharedState& state, double seconds, SoundSource source)
{
    const double d = ClampSoundDuration(seconds);
    const std::int32_t n = SoundSampleCount(d);
    std::vector<std::uint8_t> samples(static_cast<std::size_t>(n));
    if (n == 0)
        return samples;

    const long double mean = state.Signal.MeanValue;
    const long double scale = 127.0L / ScaleTop(state.View) / 1.5L;
    const HarmonicSeries signal =
        source == SoundSource::Input ? HarmonicSeries::Input(state) : HarmonicSeries::Output(state);
    const ExactSample exact{signal, n, d, mean, scale};

    const ScaledSeries s = Scaled(state, source, scale);
    std::uint8_t* out = samples.data();
    if (s.f0 > MaxFastFundamental || !(s.tolerance < 0.5)) {
        // Beyond what the fast sum resolves: the evaluators sample by sample.
        for (std::int32_t i = 0; i < n; ++i)
            out[i] = exact(i);
        return samples;
    }
    RenderRun(s, n, d, out, exact);
    return samples;
}

void PlaySound(SoundPort& port, const std::vector<std::uint8_t>& samples)
{
    port.SOUNDSETRATE(SoundRateHz);
    port.SOUNDSETBYTES(1);
    port.SOUNDOUT(samples.empty() ? nullptr : samples.data(), static_cast<std::int32_t>(samples.size()));
}
