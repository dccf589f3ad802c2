// SPDX-License-Identifier: GPL-3.0-or-later
#include "filter/filterresponse.h"
#include "filter/responsecursor.h"
#include "plot/cursorcore.h"
#include "plot/sampling.h"
#include "plot/scale.h"
#include "signal/presets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

// A fundamental of 100 Hz, harmonics 1 .. 5 with mixed phases, a mean,
// through a second-order low-pass; harmonics 1 and 3 shown, the output
// superposed, one period on the time axis.
SharedState RichState(bool ideal)
{
    SharedState s;
    s.Signal.FundamentalHz = 100;
    s.Signal.FullScaleValue = 2.0;
    s.Signal.MeanValue = 0.3;
    s.Signal.Preset = PresetKind::Square;
    for (int k = 1; k <= 5; ++k) {
        s.Signal.Harmonics.AmplitudePercent[k] = 60.0 / k;
        s.Signal.Harmonics.PhaseRad[k] = (k % 3) * std::numbers::pi / 2;
    }
    s.Signal.Harmonics.Shown[1] = true;
    s.Signal.Harmonics.Shown[3] = true;
    s.Filter.Kind = FilterKind::LowPass2;
    s.Filter.CutoffHz = 250;
    s.Filter.Damping = 0.4;
    s.Display.SuperposeOutput = true;
    s.Display.ShowIdealSignal = ideal;
    s.Display.OutputScaleFactor = 10;
    s.View.PeriodsShown = 1.0;
    ApplyFilter(s);
    ResetTimeRange(s);
    return s;
}

PlotFrame FrameOf(const TimeGraphView& v, int w, int h)
{
    PlotFrame f;
    f.xMin = v.TimeStart;
    f.xMax = v.TimeEnd;
    f.yMin = v.ValueMin;
    f.yMax = v.ValueMax;
    f.W = w;
    f.H = h;
    return f;
}

} // namespace

TEST(CursorMapping, ColumnsAndTimesMapBothWays)
{
    struct Case {
        int left, right;
        double vMin, vMax;
    };
    const Case cases[] = {{15, 478, 0.0, 0.011}, {15, 1585, 0.0, 3e-7}, {20, 21, -5.0, 5.0},
                          {15, 478, 1e6, 1e6 + 0.5}, {0, 4096, -3.0, 7.0}};
    for (const Case& c : cases) {
        EXPECT_EQ(ColumnToValue(c.left, c.right, c.left, c.vMin, c.vMax), c.vMin);
        EXPECT_EQ(ColumnToValue(c.left, c.right, c.right, c.vMin, c.vMax), c.vMax);
        for (int x = c.left; x <= c.right; ++x)
            ASSERT_EQ(ValueToColumn(c.left, c.right, ColumnToValue(c.left, c.right, x, c.vMin, c.vMax), c.vMin, c.vMax), x)
                << c.left << ".." << c.right << " column " << x;
    }
    EXPECT_EQ(ColumnToValue(7, 7, 7, 1.0, 2.0), 1.0); // an empty span
}

TEST(TimeCursors, ReadingsAreTheEvaluatorsAtTheCursorsInstant)
{
    for (const bool ideal : {false, true}) {
        const SharedState s = RichState(ideal);
        const PlotFrame f = FrameOf(s.View, 493, 209);
        const std::vector<CurveId> expected = ideal
            ? std::vector<CurveId>{{CurveKind::Ideal, 0}, {CurveKind::Harmonic, 1}, {CurveKind::Harmonic, 3},
                                   {CurveKind::Input, 0}, {CurveKind::Output, 0}}
            : std::vector<CurveId>{{CurveKind::Harmonic, 1}, {CurveKind::Harmonic, 3}, {CurveKind::Input, 0},
                                   {CurveKind::Output, 0}};
        ASSERT_EQ(ShownCurves(s), expected);
        for (const int x : {f.Left(), f.Left() + 1, 100, 246, 333, f.Right() - 1, f.Right()}) {
            const double t1 = ColumnToValue(f.Left(), f.Right(), x, s.View.TimeStart, s.View.TimeEnd);
            const double t2 = ColumnToValue(f.Left(), f.Right(), f.Right() - (x - f.Left()), s.View.TimeStart,
                                            s.View.TimeEnd);
            const TimeReading r = ReadTimeCursors(s, t1, t2);
            ASSERT_EQ(r.Curves.size(), expected.size());
            EXPECT_EQ(r.T1, t1);
            EXPECT_EQ(r.DeltaT, t2 - t1);
            for (const CurveReading& c : r.Curves) {
                double v1 = 0, v2 = 0;
                switch (c.Curve.Kind) {
                case CurveKind::Ideal: v1 = EvaluateIdealSignal(s, t1); v2 = EvaluateIdealSignal(s, t2); break;
                case CurveKind::Harmonic: v1 = EvaluateHarmonic(s, c.Curve.K, t1); v2 = EvaluateHarmonic(s, c.Curve.K, t2); break;
                case CurveKind::Input: v1 = EvaluateInput(s, t1); v2 = EvaluateInput(s, t2); break;
                case CurveKind::Output: v1 = EvaluateOutput(s, t1); v2 = EvaluateOutput(s, t2); break;
                }
                EXPECT_EQ(c.At1, v1) << CurveName(c.Curve) << " at column " << x;
                EXPECT_EQ(c.At2, v2);
                EXPECT_EQ(c.Difference, v2 - v1);
            }
        }
    }
    // The input alone is read when nothing else is drawn; one cursor gives
    // no interval.
    SharedState plain;
    plain.Display.SuperposeOutput = false;
    const TimeReading alone = ReadTimeCursors(plain, 0.001, std::nullopt);
    ASSERT_EQ(alone.Curves.size(), 1u);
    EXPECT_EQ(alone.Curves[0].Curve.Kind, CurveKind::Input);
    EXPECT_FALSE(alone.T2);
    EXPECT_FALSE(alone.InverseDeltaT);
}

TEST(TimeCursors, OnePeriodApartGivesTheFundamental)
{
    for (const int f0 : {1, 50, 100, 440, 7000}) {
        for (const double periods : {1.0, 2.5, 9.0}) {
            SharedState s = RichState(false);
            s.Signal.FundamentalHz = f0;
            s.View.PeriodsShown = periods;
            ResetTimeRange(s);
            for (const int w : {493, 1570}) {
                const PlotFrame f = FrameOf(s.View, w, 209);
                const double step = (s.View.TimeEnd - s.View.TimeStart) / (f.Right() - f.Left());
                const int apart = static_cast<int>(std::lround(1.0 / f0 / step));
                if (f.Left() + apart > f.Right())
                    continue;
                const double t1 = ColumnToValue(f.Left(), f.Right(), f.Left(), s.View.TimeStart, s.View.TimeEnd);
                const double t2 =
                    ColumnToValue(f.Left(), f.Right(), f.Left() + apart, s.View.TimeStart, s.View.TimeEnd);
                const TimeReading r = ReadTimeCursors(s, t1, t2);
                EXPECT_LE(std::abs(r.DeltaT - 1.0 / f0), step / 2 * (1 + 1e-12)) << f0 << " Hz, w " << w;
                ASSERT_TRUE(r.InverseDeltaT);
                EXPECT_NEAR(*r.InverseDeltaT, f0, f0 * f0 * step);
            }
        }
    }
}

TEST(TimeCursors, SnapToExtremaAndZeroCrossings)
{
    SharedState s;
    s.Signal.FundamentalHz = 100;
    s.Signal.FullScaleValue = 1.0;
    s.Signal.Harmonics.AmplitudePercent[1] = 100;
    s.Signal.MeanValue = 0.5; // the input is 0.5 + sin: zero crossings at 7/12 and 11/12 of the period
    const std::vector<double> in = CurveFeatures(s, {CurveKind::Input, 0}, 0.0, 0.011);
    const double expectedIn[] = {0.0025, 0.01 * 7 / 12, 0.0075, 0.01 * 11 / 12};
    ASSERT_EQ(in.size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(in[i], expectedIn[i], i % 2 ? 1e-14 : 1e-10);
    // The harmonic alone: zeros at 0, 5 and 10 ms, extrema at 2.5 and 7.5 ms.
    s.Signal.Harmonics.Shown[1] = true;
    const std::vector<double> h = CurveFeatures(s, {CurveKind::Harmonic, 1}, 0.0, 0.011);
    ASSERT_EQ(h.size(), 5u);
    EXPECT_NEAR(*NearestFeature(h, 0.0026), 0.0025, 1e-10);
    EXPECT_NEAR(*NearestFeature(h, 0.0049), 0.005, 1e-14);
    // An extremum is located from values alone, to about the square root
    // of the precision: far below a pixel.
    EXPECT_NEAR(*NextFeature(h, 0.005, +1, 1e-9), 0.0075, 1e-10);
    EXPECT_NEAR(*NextFeature(h, 0.005, -1, 1e-9), 0.0025, 1e-10);
    EXPECT_FALSE(NextFeature(h, h.back(), +1, 1e-9));
    EXPECT_FALSE(NearestFeature({}, 0.0));
    // The ideal square: flat levels give no extremum; its jumps through 0 are found.
    s.Signal.Preset = PresetKind::Square;
    s.Signal.MeanValue = 0.0;
    s.Signal.DutyCycle = 0.5;
    const std::vector<double> sq = CurveFeatures(s, {CurveKind::Ideal, 0}, 0.0, 0.011);
    ASSERT_EQ(sq.size(), 2u);
    EXPECT_NEAR(sq[0], 0.0025, 1e-12);
    EXPECT_NEAR(sq[1], 0.0075, 1e-12);
}

TEST(TimeCursors, ReadoutNumbers)
{
    EXPECT_EQ(ReadoutNumber(-3.0102999566), "-3.01");
    EXPECT_EQ(ReadoutNumber(-45.00000000000001), "-45");
    EXPECT_EQ(ReadoutNumber(0.0051234), "5.12E-3");
    EXPECT_EQ(ReadoutNumber(1.23456), "1.235");
    EXPECT_EQ(ReadoutNumber(0.0), "0");
    EXPECT_EQ(ReadoutNumber(-9.6e-16, 1e-9), "0");
    EXPECT_EQ(ReadoutNumber(2e-9, 1e-9), "2E-9");
}

namespace {

SharedState FilterState1(FilterKind kind, double fc, double m, double g0)
{
    SharedState s;
    s.Signal.FundamentalHz = 100;
    s.Signal.Harmonics.AmplitudePercent[1] = 100;
    s.Filter.Kind = kind;
    s.Filter.CutoffHz = fc;
    s.Filter.Damping = m;
    s.Filter.StaticGain = g0;
    ApplyFilter(s);
    return s;
}

} // namespace

TEST(ResponseCursors, FirstOrderLowPassAtTheCutoff)
{
    for (const double fc : {1000.0, 37.5, 0.25}) {
        const SharedState s = FilterState1(FilterKind::LowPass1, fc, 0.707, 1.0);
        ResponseView view;
        ComputeResponseView(s, 240, view);
        const ResponseReading r = ReadResponse(s, view, fc);
        EXPECT_EQ(ReadoutNumber(r.GainDb), "-3.01");
        EXPECT_EQ(ReadoutNumber(r.PhaseDeg), "-45");
        const std::vector<ResponseFeature> features = ResponseFeatures(s, view);
        ASSERT_EQ(features.size(), 2u);
        for (const ResponseFeature& f : features)
            EXPECT_NEAR(f.Log10Hz, std::log10(fc), 1e-10);
    }
    // An inverting gain reads half a turn more, as drawn.
    const SharedState inv = FilterState1(FilterKind::LowPass1, 1000, 0.707, -2.0);
    ResponseView view;
    ComputeResponseView(inv, 240, view);
    const ResponseReading r = ReadResponse(inv, view, 1000);
    EXPECT_NEAR(r.GainDb, 20 * std::log10(2.0 / std::sqrt(2.0)), 1e-12);
    EXPECT_NEAR(std::remainder(r.PhaseDeg - 135.0, 360.0), 0.0, 1e-9);
    // The nearest harmonic: 1000 Hz is the 10th of 100 Hz; 5 kHz is beyond the 12th.
    EXPECT_EQ(r.NearestK, 10);
    EXPECT_EQ(r.NearestHz, 1000.0);
    EXPECT_EQ(ReadResponse(inv, view, 5000).NearestK, 12);
    EXPECT_EQ(ReadResponse(inv, view, 3).NearestK, 1);
}

TEST(ResponseCursors, SnappingPlaces)
{
    // Band-pass: the -3 dB points at fc (sqrt(1 + m^2) -+ m), the peak at fc.
    {
        const double fc = 500, m = 0.5;
        const SharedState s = FilterState1(FilterKind::BandPass, fc, m, 1.0);
        ResponseView view;
        ComputeResponseView(s, 240, view);
        const std::vector<ResponseFeature> f = ResponseFeatures(s, view);
        ASSERT_EQ(f.size(), 4u);
        EXPECT_EQ(f[0].Kind, ResponseFeatureKind::MinusThreeDb);
        EXPECT_NEAR(f[0].Log10Hz, std::log10(fc * (std::sqrt(1 + m * m) - m)), 1e-10);
        EXPECT_NEAR(f[1].Log10Hz, std::log10(fc), 1e-6);
        EXPECT_NEAR(f[2].Log10Hz, std::log10(fc), 1e-6);
        EXPECT_EQ(f[3].Kind, ResponseFeatureKind::MinusThreeDb);
        EXPECT_NEAR(f[3].Log10Hz, std::log10(fc * (std::sqrt(1 + m * m) + m)), 1e-10);
    }
    // Second-order low-pass, light damping: the resonance at fc sqrt(1 - 2 m^2).
    {
        const double fc = 2000, m = 0.2;
        const SharedState s = FilterState1(FilterKind::LowPass2, fc, m, 3.0);
        ResponseView view;
        ComputeResponseView(s, 240, view);
        const std::vector<ResponseFeature> f = ResponseFeatures(s, view);
        int peaks = 0;
        for (const ResponseFeature& x : f)
            if (x.Kind == ResponseFeatureKind::Peak) {
                ++peaks;
                EXPECT_NEAR(x.Log10Hz, std::log10(fc * std::sqrt(1 - 2 * m * m)), 1e-6);
            }
        EXPECT_EQ(peaks, 1);
    }
    // The amplifier has nothing to snap to; a zero gain has only its cut-off.
    {
        const SharedState amp = FilterState1(FilterKind::Amplifier, 100, 0.7, 1.0);
        ResponseView view;
        ComputeResponseView(amp, 240, view);
        EXPECT_TRUE(ResponseFeatures(amp, view).empty());
        const SharedState zero = FilterState1(FilterKind::LowPass1, 100, 0.7, 0.0);
        ComputeResponseView(zero, 240, view);
        ASSERT_EQ(ResponseFeatures(zero, view).size(), 1u);
    }
}
