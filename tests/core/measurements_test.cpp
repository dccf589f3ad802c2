// SPDX-License-Identifier: GPL-3.0-or-later
#include "filter/filterresponse.h"
#include "signal/presets.h"
#include "spectrum/measurements.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;

SharedState PresetState(PresetKind preset)
{
    SharedState s;
    s.Filter.Kind = FilterKind::Amplifier;
    s.Signal.Preset = preset;
    s.Signal.DutyCycle = 0.5;
    PresetPositions p;
    PresetPositionsFor(s.Signal, p);
    s.Signal.MeanPercent = p.MeanPosition;
    s.Signal.MeanValue = p.MeanPosition / 100.0 * s.Signal.FullScaleValue;
    for (int k = 1; k <= 12; ++k) {
        s.Signal.Harmonics.AmplitudePercent[k] = p.Amplitude[k];
        s.Signal.Harmonics.PhaseRad[k] = SwitchDegrees(p.Phase[k]) * Pi / 180;
    }
    ApplyFilter(s);
    return s;
}

// The peak of |s - mean| by brute force.
double SampledPeak(const HarmonicContent& c, int n)
{
    double peak = 0;
    for (int i = 0; i < n; ++i) {
        const double theta = 2 * Pi * i / n;
        double g = 0;
        for (int k = 1; k <= 12; ++k)
            g += c.Amplitude[k] * std::sin(k * theta + c.PhaseRad[k]);
        peak = std::max(peak, std::fabs(g));
    }
    return peak;
}

TEST(Measurements, SquarePresetAtHalfDutyCycle)
{
    const SharedState s = PresetState(PresetKind::Square);
    const HarmonicTable& h = s.Signal.Harmonics;
    ASSERT_EQ(h.AmplitudePercent[1], 64);
    const SignalMeasures in = Measure(InputContent(s));
    const double upper = std::sqrt(21.0 * 21 + 13 * 13 + 9 * 9 + 7 * 7 + 6 * 6);
    ASSERT_TRUE(in.DistortionPercent);
    EXPECT_DOUBLE_EQ(*in.DistortionPercent, 100 * upper / 64);
    EXPECT_EQ(MeasureText(in.DistortionPercent).substr(0, 4), "43.5");
    const double sum2 = (64.0 * 64 + upper * upper) / 10000;
    EXPECT_DOUBLE_EQ(in.Mean, 0.5);
    EXPECT_DOUBLE_EQ(in.AcRms, std::sqrt(sum2 / 2));
    EXPECT_DOUBLE_EQ(in.Rms, std::sqrt(0.25 + sum2 / 2));
    ASSERT_TRUE(in.CrestFactor);
    const double peak = SampledPeak(InputContent(s), 1 << 20);
    EXPECT_GE(*in.CrestFactor * in.AcRms, peak * (1 - 1e-12));
    EXPECT_NEAR(*in.CrestFactor * in.AcRms, peak, 1e-9);
}

TEST(Measurements, ClosedCases)
{
    struct Row {
        const char* name;
        double mean;
        std::array<double, RowCount> a, phi;
        double rms, ac;
        std::optional<double> thd, crest;
    };
    const double r2 = std::sqrt(2.0);
    const Row rows[] = {
        {"pure sine", 0, {0, 1}, {}, 1 / r2, 1 / r2, 0.0, r2},
        {"sine with a mean", -0.5, {0, 2}, {0, 0.7}, std::sqrt(0.25 + 2), r2, 0.0, r2},
        // cos(t + 0.3) + cos(2 (t + 0.3)): peak 2 between the samples.
        {"two cosines", 0, {0, 1, 1}, {0, Pi / 2 + 0.3, Pi / 2 + 0.6}, 1, 1, 100.0, 2.0},
        {"second harmonic alone", 0, {0, 0, 1}, {}, 1 / r2, 1 / r2, std::nullopt, r2},
        {"mean alone", 0.3, {}, {}, 0.3, 0, std::nullopt, std::nullopt},
        // -3 sin t - sin 3t: peak 2 sqrt 2 at t = pi / 4.
        {"inverted", 0, {0, -3, 0, -1}, {}, std::sqrt(5.0), std::sqrt(5.0), 100.0 / 3, 2 * r2 / std::sqrt(5.0)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        HarmonicContent c;
        c.Mean = r.mean;
        c.Amplitude = r.a;
        c.PhaseRad = r.phi;
        const SignalMeasures m = Measure(c);
        EXPECT_DOUBLE_EQ(m.Mean, r.mean);
        EXPECT_DOUBLE_EQ(m.Rms, r.rms);
        EXPECT_DOUBLE_EQ(m.AcRms, r.ac);
        EXPECT_EQ(m.DistortionPercent.has_value(), r.thd.has_value());
        if (r.thd && m.DistortionPercent) {
            EXPECT_NEAR(*m.DistortionPercent, *r.thd, 1e-12);
        }
        EXPECT_EQ(m.CrestFactor.has_value(), r.crest.has_value());
        if (r.crest && m.CrestFactor) {
            EXPECT_NEAR(*m.CrestFactor, *r.crest, 1e-12);
        }
    }
    EXPECT_EQ(MeasureText(std::nullopt), "\u2014");
    EXPECT_EQ(MeasureText(43.5), "43.5");
}

// The output as the time graph shows it: through the filter, times the
// output scale factor.
// The lowest and highest values over a period, exact where they fall
// between the samples and on either side of the mean.
TEST(Measurements, Extremes)
{
    struct Row {
        const char* name;
        double mean;
        std::array<double, RowCount> a, phi;
        double min, max;
    };
    const double r2 = std::sqrt(2.0);
    const Row rows[] = {
        {"pure sine", 0, {0, 1}, {}, -1, 1},
        {"sine with a mean", -0.5, {0, 2}, {0, 0.7}, -2.5, 1.5},
        {"mean alone", 0.3, {}, {}, 0.3, 0.3},
        // cos t + cos 2t: 2 at t = 0, -9/8 where cos t = -1/4.
        {"lopsided", 0, {0, 1, 1}, {0, Pi / 2, Pi / 2}, -1.125, 2},
        // the same shifted by 0.3 rad, so that neither extreme is a sample.
        {"lopsided between samples", 1, {0, 1, 1}, {0, Pi / 2 + 0.3, Pi / 2 + 0.6}, -0.125, 3},
        {"inverted", 0, {0, -3, 0, -1}, {}, -2 * r2, 2 * r2},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        HarmonicContent c;
        c.Mean = r.mean;
        c.Amplitude = r.a;
        c.PhaseRad = r.phi;
        const SignalRange range = Extremes(c);
        EXPECT_NEAR(range.Min, r.min, 1e-12);
        EXPECT_NEAR(range.Max, r.max, 1e-12);
    }
}

TEST(Measurements, OutputThroughTheFilterAndTheScaleFactor)
{
    SharedState s = PresetState(PresetKind::Square);
    s.Filter.StaticGain = -2;
    s.Display.OutputScaleFactor = 10;
    ApplyFilter(s);
    const SignalMeasures in = Measure(InputContent(s));
    const SignalMeasures out = Measure(OutputContent(s));
    EXPECT_DOUBLE_EQ(out.Mean, -20 * in.Mean);
    EXPECT_DOUBLE_EQ(out.Rms, 20 * in.Rms);
    EXPECT_DOUBLE_EQ(out.AcRms, 20 * in.AcRms);
    EXPECT_DOUBLE_EQ(*out.DistortionPercent, *in.DistortionPercent);
    EXPECT_NEAR(*out.CrestFactor, *in.CrestFactor, 1e-12);

    // A low-pass at 300 Hz keeps the fundamental and weakens the rest.
    s.Filter.Kind = FilterKind::LowPass2;
    s.Filter.CutoffHz = 300;
    s.Filter.Damping = 0.705;
    s.Filter.StaticGain = 1;
    s.Display.OutputScaleFactor = 1;
    ApplyFilter(s);
    const HarmonicTable& h = s.Signal.Harmonics;
    const SignalMeasures lp = Measure(OutputContent(s));
    double upper = 0;
    for (int k = 2; k <= 12; ++k)
        upper += h.OutputAmplitudePercent[k] * h.OutputAmplitudePercent[k];
    EXPECT_DOUBLE_EQ(*lp.DistortionPercent, 100 * std::sqrt(upper) / h.OutputAmplitudePercent[1]);
    EXPECT_LT(*lp.DistortionPercent, *in.DistortionPercent / 1.5);
    EXPECT_DOUBLE_EQ(lp.Mean, 0.5);
}

// The crest factor has no unit: the same waveform at any size, up to the
// amplitudes near the largest a double holds, gives the same value.
TEST(Measurements, CrestFactorAtAnyScale)
{
    const HarmonicContent square = InputContent(PresetState(PresetKind::Square));
    const double crest = *Measure(square).CrestFactor;
    for (double scale : {1e-300, 1e300, DBL_MAX / 2}) {
        SCOPED_TRACE(scale);
        HarmonicContent c = square;
        for (double& a : c.Amplitude)
            a *= scale;
        const SignalMeasures m = Measure(c);
        ASSERT_TRUE(m.CrestFactor);
        EXPECT_NEAR(*m.CrestFactor, crest, 1e-12);
    }
}

// At the ends of the full-scale and static-gain ranges, through the sharpest
// resonance on harmonic 3 and the largest output factor, the output's
// distortion and crest factor are those at scale 1 and its RMS values scale
// with full scale times gain.
TEST(Measurements, SameAtEveryAllowedScale)
{
    auto output = [](double fullScale, double gain) {
        SharedState s = PresetState(PresetKind::Square);
        s.Signal.FullScaleValue = fullScale;
        s.Signal.MeanValue = s.Signal.MeanPercent / 100.0 * fullScale;
        s.Filter.Kind = FilterKind::LowPass2;
        s.Filter.CutoffHz = 300;
        s.Filter.Damping = 0.0001;
        s.Filter.StaticGain = gain;
        s.Display.OutputScaleFactor = 10000;
        ApplyFilter(s);
        return Measure(OutputContent(s));
    };
    const SignalMeasures unit = output(1, 1);
    ASSERT_TRUE(unit.DistortionPercent && unit.CrestFactor);
    const struct {
        double fullScale, gain;
    } cases[] = {
        {1e100, 1e100}, {1e100, -1e100}, {1e-100, 1e-100}, {1e-100, -1e-100}, {1e100, 1e-100}, {1e-100, 1e100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.fullScale << " x " << c.gain);
        const SignalMeasures m = output(c.fullScale, c.gain);
        ASSERT_TRUE(m.DistortionPercent && m.CrestFactor);
        EXPECT_NEAR(*m.DistortionPercent / *unit.DistortionPercent, 1, 1e-12);
        EXPECT_NEAR(*m.CrestFactor / *unit.CrestFactor, 1, 1e-12);
        const double product = c.fullScale * std::fabs(c.gain);
        EXPECT_NEAR(m.Rms / product / unit.Rms, 1, 1e-12);
        EXPECT_NEAR(m.AcRms / product / unit.AcRms, 1, 1e-12);
        EXPECT_EQ(MeasureText(m.DistortionPercent), MeasureText(unit.DistortionPercent));
    }
}

TEST(Measurements, HostileValuesStayFinite)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    SharedState s = PresetState(PresetKind::Square);
    s.Signal.FullScaleValue = DBL_MAX;
    s.Signal.MeanValue = DBL_MAX;
    s.Filter.StaticGain = DBL_MAX;
    s.Display.OutputScaleFactor = 10000;
    ApplyFilter(s);
    HarmonicContent junk;
    junk.Mean = nan;
    junk.Amplitude.fill(nan);
    junk.Amplitude[5] = DBL_MAX;
    junk.PhaseRad.fill(std::numeric_limits<double>::infinity());
    for (const HarmonicContent& c : {InputContent(s), OutputContent(s), junk}) {
        const SignalMeasures m = Measure(c);
        for (double v : {m.Mean, m.Rms, m.AcRms})
            EXPECT_TRUE(std::isfinite(v)) << v;
        for (const auto& v : {m.DistortionPercent, m.CrestFactor})
            EXPECT_TRUE(!v || std::isfinite(*v));
        EXPECT_FALSE(MeasureText(m.CrestFactor).empty());
    }
}

} // namespace
