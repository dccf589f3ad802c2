// SPDX-License-Identifier: GPL-3.0-or-later
#include "filter/filterresponse.h"
#include "spectrum/spectrumbars.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace {

constexpr double Tolerance = 1e-12;

SharedState WithInput(std::initializer_list<double> amplitudes, int meanPercent = 0)
{
    SharedState s;
    s.Filter.Kind = FilterKind::Amplifier;
    s.Signal.MeanPercent = meanPercent;
    s.Signal.MeanValue = meanPercent / 100.0;
    int k = 1;
    for (double a : amplitudes)
        s.Signal.Harmonics.AmplitudePercent[k++] = a;
    s.Display.ShowInputSpectrum = true;
    ApplyFilter(s);
    return s;
}

struct ScaleCase {
    const char* name;
    double largest;
    double step, ymin, ymax;
};

TEST(SpectrumScale, TopStrictlyAboveTheLargestValue)
{
    const ScaleCase cases[] = {
        {"nothing: the maximum becomes 1", 0, 0.1, -0.1, 1.1},
        {"exactly 100", 100, 10, -10, 110},
        {"fundamental of a square", 64, 10, -10, 70},
        {"31.6", 31.6, 1, -1, 32},
        {"31.7", 31.7, 10, -10, 40},
        // Thirty accumulated steps of 0.01 already end just above 0.3.
        {"0.3", 0.3, 0.01, -0.01, 0.3000000000000001},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SharedState s = WithInput({c.largest});
        const SpectrumLayout l = ComputeSpectrumLayout(s);
        EXPECT_TRUE(l.Drawn);
        EXPECT_EQ(l.Step, c.step);
        EXPECT_NEAR(l.YMin, c.ymin, Tolerance);
        EXPECT_NEAR(l.YMax, c.ymax, Tolerance);
        EXPECT_EQ(s.Spectra.SpectrumMax, l.YMax); // stored back in per cent
    }
}

TEST(SpectrumBars, PercentModeKeepsTheSignOfTheMeanInItsLabel)
{
    SharedState s = WithInput({64, 0, 21}, -50);
    const SpectrumLayout l = ComputeSpectrumLayout(s);
    EXPECT_EQ(l.BarIn[0], 50.0);
    EXPECT_EQ(l.LabelIn[0], -50.0);
    EXPECT_EQ(l.BarIn[1], 64.0);
    EXPECT_EQ(l.BarIn[3], 21.0);
    EXPECT_EQ(l.BarIn[2], 0.0);
    EXPECT_EQ(l.YMax, 70.0);
}

TEST(SpectrumBars, OutputFactorScalesTheBarsOnly)
{
    SharedState s = WithInput({80, 40}, 20);
    s.Filter.StaticGain = 0.5;
    ApplyFilter(s);
    s.Display.ShowInputSpectrum = false;
    s.Display.ShowOutputSpectrum = true;
    s.Display.OutputScaleFactor = 10;
    const SpectrumLayout l = ComputeSpectrumLayout(s);
    EXPECT_EQ(s.Spectra.SpectrumMax, 50.0); // from 40 %: step 10, top 50
    EXPECT_EQ(l.LabelOut[1], 40.0);
    EXPECT_EQ(l.BarOut[1], 400.0);
    EXPECT_EQ(l.LabelOut[0], 10.0);
    EXPECT_EQ(l.BarOut[0], 100.0);
}

TEST(SpectrumBars, PeakAndRmsModesInSignalUnits)
{
    SharedState s = WithInput({100, 50}, 30);
    s.Signal.FullScaleValue = 2.0;
    s.Signal.MeanValue = 0.6;
    s.Display.ShowOutputSpectrum = true;
    s.Display.SpectrumMode = SpectrumMode::Amplitude;
    const SpectrumLayout a = ComputeSpectrumLayout(s);
    EXPECT_EQ(s.Spectra.SpectrumMax, 100.0); // kept in per cent, not rounded
    EXPECT_EQ(a.Step, 0.1);
    EXPECT_GT(a.YMax, 2.0); // twenty accumulated steps of 0.1 end just above 2
    EXPECT_NEAR(a.YMax, 2.0, Tolerance);
    EXPECT_EQ(a.BarIn[0], 0.6);
    EXPECT_EQ(a.BarIn[1], 2.0);
    EXPECT_EQ(a.BarOut[2], 1.0);
    EXPECT_EQ(a.LabelOut[0], 0.6);

    s.Display.SpectrumMode = SpectrumMode::Rms;
    const SpectrumLayout r = ComputeSpectrumLayout(s);
    EXPECT_EQ(r.Step, a.Step);
    EXPECT_EQ(r.YMax, a.YMax);
    EXPECT_EQ(r.BarIn[0], a.BarIn[0]); // means are not divided by sqrt 2
    EXPECT_EQ(r.BarOut[0], a.BarOut[0]);
    for (int k = 1; k <= 2; ++k) {
        EXPECT_NEAR(r.BarIn[k], a.BarIn[k] / std::sqrt(2.0), Tolerance);
        EXPECT_NEAR(r.LabelOut[k], a.LabelOut[k] / std::sqrt(2.0), Tolerance);
    }
}

TEST(SpectrumBars, NeitherSeriesKeepsTheStoredMaximum)
{
    SharedState s = WithInput({30});
    s.Display.ShowInputSpectrum = false;
    s.Spectra.SpectrumMax = 64;
    SpectrumLayout l = ComputeSpectrumLayout(s);
    EXPECT_EQ(l.YMax, 70.0);
    // An unknown mode draws nothing more, but the maximum is still taken.
    s.Display.ShowInputSpectrum = true;
    s.Display.SpectrumMode = static_cast<SpectrumMode>('X');
    l = ComputeSpectrumLayout(s);
    EXPECT_FALSE(l.Drawn);
    EXPECT_EQ(s.Spectra.SpectrumMax, 30.0);
}

TEST(SpectrumScale, StoredMaximumIsAlwaysAPositiveFiniteNumber)
{
    struct Case {
        const char* name;
        double stored, after;
    };
    const Case cases[] = {
        {"negative", -999970, 1.1},
        {"NaN", NAN, 1.1},
        {"infinite", INFINITY, 1.1e300},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SharedState s = WithInput({30});
        s.Display.ShowInputSpectrum = false; // neither series: the stored maximum is kept
        s.Spectra.SpectrumMax = c.stored;
        const SpectrumLayout l = ComputeSpectrumLayout(s);
        EXPECT_TRUE(std::isfinite(s.Spectra.SpectrumMax));
        EXPECT_DOUBLE_EQ(s.Spectra.SpectrumMax, c.after);
        EXPECT_LT(l.YMin, 0.0);
        EXPECT_GT(l.YMax, 0.0);
    }
}

TEST(SpectrumBars, BarsStandOnTheZeroLineWhateverTheSigns)
{
    SharedState s = WithInput({100, -8526.88});
    s.Signal.MeanValue = NAN;
    s.Display.ShowOutputSpectrum = true;
    s.Display.OutputScaleFactor = -1000;
    for (SpectrumMode m : {SpectrumMode::Percent, SpectrumMode::Amplitude, SpectrumMode::Rms})
        for (double fullScale : {1.0, -2.0}) {
            SCOPED_TRACE(::testing::Message() << static_cast<char>(m) << " full scale " << fullScale);
            s.Display.SpectrumMode = m;
            s.Signal.FullScaleValue = fullScale;
            const SpectrumLayout l = ComputeSpectrumLayout(s);
            for (int k = 0; k <= 12; ++k) {
                EXPECT_GE(l.BarIn[k], 0.0) << "rank " << k;
                EXPECT_GE(l.BarOut[k], 0.0) << "rank " << k;
                EXPECT_EQ(l.BarIn[k], std::fabs(l.LabelIn[k])) << "rank " << k;
            }
            EXPECT_GE(l.YMax, 8526.88 * std::fabs(m == SpectrumMode::Percent ? 1.0 : fullScale / 100));
        }
}

TEST(SpectrumBars, HugeValuesStayFinite)
{
    SharedState s = WithInput({100, 100}, 400);
    s.Signal.FullScaleValue = DBL_MAX;
    s.Signal.MeanValue = DBL_MAX;
    s.Filter.StaticGain = DBL_MAX;
    ApplyFilter(s);
    s.Display.ShowOutputSpectrum = true;
    s.Display.OutputScaleFactor = 10000;
    for (SpectrumMode m : {SpectrumMode::Percent, SpectrumMode::Amplitude, SpectrumMode::Rms}) {
        s.Display.SpectrumMode = m;
        const SpectrumLayout l = ComputeSpectrumLayout(s);
        EXPECT_TRUE(std::isfinite(l.YMax) && std::isfinite(l.Step) && l.Step > 0);
        for (int k = 0; k <= 12; ++k)
            EXPECT_TRUE(std::isfinite(l.BarOut[k]) && std::isfinite(l.BarIn[k]));
    }
}

} // namespace
