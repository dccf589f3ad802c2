// SPDX-License-Identifier: GPL-3.0-or-later
#include "filter/filterresponse.h"
#include "plot/sampling.h"
#include "plot/sincos.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cstdint>
#include <cmath>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;
constexpr long double PiL = std::numbers::pi_v<long double>;

// Phase of switch position 0..3: -90, 0, +90, 180 degrees.
double SwitchPhase(int position)
{
    const int degrees[] = {-90, 0, 90, 180};
    return degrees[position] * Pi / 180;
}

// All twelve harmonics present, a mean, mixed phases, through a band-pass.
SharedState BusyState()
{
    SharedState s;
    s.Signal.FundamentalHz = 100;
    s.Signal.FullScaleValue = 1.0;
    s.Signal.MeanPercent = 25;
    s.Signal.MeanValue = 0.25;
    for (int k = 1; k <= 12; ++k) {
        s.Signal.Harmonics.AmplitudePercent[k] = 100.0 / k + 3;
        s.Signal.Harmonics.PhaseRad[k] = SwitchPhase(k % 4);
    }
    s.Filter.Kind = FilterKind::BandPass;
    s.Filter.CutoffHz = 350;
    s.Filter.Damping = 0.3;
    ApplyFilter(s);
    return s;
}

// The series term by term, one extended-precision sine per harmonic.
double DirectSum(double mean, const std::array<double, RowCount>& amplitude,
                 const std::array<double, RowCount>& phase, long double scale, const SharedState& s, double t)
{
    double sum = mean;
    for (int k = 1; k <= 12; ++k) {
        const long double term = std::sin(static_cast<long double>(k) * 2 * PiL * s.Signal.FundamentalHz * t + phase[k])
                                 * (amplitude[k] / 100.0L * s.Signal.FullScaleValue * scale);
        sum = static_cast<double>(sum + term);
    }
    return sum;
}

TEST(Evaluators, HardwareAndLibrarySinesAgree)
{
    // The x87 path and the portable one that other processors take, over
    // the angles the evaluators pass and beyond the instruction's reach.
    for (int i = -1000; i <= 1000; ++i) {
        const long double x = i * PiL / 200;
        long double s, c, ps, pc;
        SinCos(x, s, c);
        SinCosPortable(x, ps, pc);
        EXPECT_NEAR(static_cast<double>(s - ps), 0.0, 1e-18) << "x = " << static_cast<double>(x);
        EXPECT_NEAR(static_cast<double>(c - pc), 0.0, 1e-18) << "x = " << static_cast<double>(x);
    }
}

TEST(Evaluators, SineBasisAndPhases)
{
    SharedState s;
    EXPECT_EQ(EvaluateInput(s, 0.0), 0.0);
    EXPECT_EQ(EvaluateInput(s, 0.0037), 0.0);

    s.Signal.Harmonics.AmplitudePercent[1] = 100;
    EXPECT_EQ(EvaluateInput(s, 0.0), 0.0);
    EXPECT_NEAR(EvaluateInput(s, 0.0025), 1.0, 1e-15);
    EXPECT_NEAR(EvaluateInput(s, 0.0075), -1.0, 1e-15);
    s.Signal.Harmonics.PhaseRad[1] = SwitchPhase(2);
    EXPECT_NEAR(EvaluateInput(s, 0.0), 1.0, 1e-15);
    s.Signal.Harmonics.PhaseRad[1] = SwitchPhase(3);
    EXPECT_NEAR(EvaluateInput(s, 0.0025), -1.0, 1e-15);
}

TEST(Evaluators, FastSeriesAgreesWithTheDirectSum)
{
    const SharedState s = BusyState();
    const HarmonicTable& h = s.Signal.Harmonics;
    const HarmonicSeries input = HarmonicSeries::Input(s);
    const HarmonicSeries output = HarmonicSeries::Output(s);
    double scale = 0;
    for (int k = 1; k <= 12; ++k)
        scale += h.AmplitudePercent[k] / 100;
    // Graph instants over a few periods, and sound instants up to 10 s.
    for (int i = 0; i <= 5000; ++i) {
        const double t = i < 4000 ? i * 0.05 / 4000 : (i - 4000) * 0.01;
        const double ulp = std::nextafter(scale, 2 * scale) - scale;
        const double tolerance = (t <= 0.05 ? 4 : 64) * ulp;
        const double directIn = DirectSum(s.Signal.MeanValue, h.AmplitudePercent, h.PhaseRad, 1, s, t);
        EXPECT_NEAR(input(t), directIn, tolerance) << "t = " << t;
        const double directOut = DirectSum(h.OutputAmplitudePercent[0] / 100.0, h.OutputAmplitudePercent,
                                           h.OutputPhaseRad, 1, s, t);
        EXPECT_NEAR(output(t), directOut, tolerance) << "t = " << t;
    }
}

TEST(Evaluators, OutputScaleFactorMultipliesTheWholeOutputOnly)
{
    SharedState s = BusyState();
    s.Filter.Kind = FilterKind::Amplifier;
    ApplyFilter(s);
    const double t = 0.00123;
    const double y1 = EvaluateOutput(s, t);
    const double s1 = EvaluateInput(s, t);
    EXPECT_NEAR(y1, s1, 1e-15); // unit amplifier: output = input, mean included
    s.Display.OutputScaleFactor = 2;
    EXPECT_NEAR(EvaluateOutput(s, t), 2 * y1, 1e-14);
    EXPECT_EQ(EvaluateInput(s, t), s1);
    EXPECT_NEAR(EvaluateOutput(s, 0.0), 2 * EvaluateInput(s, 0.0), 1e-14);
}

TEST(Evaluators, HighPassModelsRemoveTheMean)
{
    for (FilterKind kind : {FilterKind::HighPass1, FilterKind::HighPass2, FilterKind::BandPass}) {
        SharedState s;
        s.Signal.MeanPercent = 150;
        s.Signal.MeanValue = 1.5;
        s.Filter.Kind = kind;
        ApplyFilter(s);
        EXPECT_EQ(EvaluateOutput(s, 0.003), 0.0) << static_cast<char>(kind);
    }
}

TEST(Evaluators, HarmonicAloneHasNoMean)
{
    SharedState s = BusyState();
    EXPECT_NEAR(EvaluateHarmonic(s, 1, 0.0), 0.0, 1e-15);   // 0 degrees: a sine
    EXPECT_NEAR(EvaluateHarmonic(s, 2, 0.0), 53.0 / 100, 1e-15); // +90 degrees: a cosine
    EXPECT_EQ(EvaluateHarmonic(s, 0, 0.001), 0.0);
    EXPECT_EQ(EvaluateHarmonic(s, 13, 0.001), 0.0);
}

struct IdealCase {
    const char* name;
    PresetKind preset;
    double duty, mean;
    double p; // fraction of the period
    double value;
};

TEST(IdealSignal, Waveforms)
{
    const double tri = Pi * Pi / 8;
    const IdealCase cases[] = {
        {"square 50 % high at start", PresetKind::Square, 0.5, 0.5, 0.1, 1.0},
        {"square 50 % low in the middle", PresetKind::Square, 0.5, 0.5, 0.5, 0.0},
        {"square 50 % high at the end", PresetKind::Square, 0.5, 0.5, 0.9, 1.0},
        {"square 25 % high", PresetKind::Square, 0.25, 0.25, 0.1, 1.0},
        {"square 25 % low", PresetKind::Square, 0.25, 0.25, 0.2, 0.0},
        {"square 0 % is flat", PresetKind::Square, 0.0, 0.0, 0.0, 0.0},
        {"square about a mean of 0", PresetKind::Square, 0.5, 0.0, 0.3, -0.5},
        {"triangle start", PresetKind::Triangle, 0, 0, 0.0, 0.0},
        {"triangle peak", PresetKind::Triangle, 0, 0, 0.25, tri},
        {"triangle trough", PresetKind::Triangle, 0, 0, 0.75, -tri},
        {"half-wave peak", PresetKind::HalfWave, 0, 0.64, 0.0, 2.0},
        {"half-wave off", PresetKind::HalfWave, 0, 0.64, 0.5, 0.0},
        {"full-wave trough", PresetKind::FullWave, 0, 1.5, 0.5, 3 * Pi / 4},
        {"three-pulse peak", PresetKind::ThreePulse, 0, 4, 0.0, 8 * Pi / (3 * std::sqrt(3.0))},
        {"free synthesis", PresetKind::Free, 0.5, 0.3, 0.1, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SharedState s;
        s.Signal.Preset = c.preset;
        s.Signal.DutyCycle = c.duty;
        s.Signal.MeanValue = c.mean;
        EXPECT_NEAR(EvaluateIdealSignal(s, c.p / 100), c.value, 1e-12);
    }
}

// Fourier coefficient of order k (amplitude, and mean for k = 0) of the
// ideal waveform, by a fine Riemann sum over one period.
double Coefficient(const SharedState& s, int k)
{
    const int n = 20000;
    double c = 0, d = 0;
    for (int i = 0; i < n; ++i) {
        const double t = (i + 0.5) / n / s.Signal.FundamentalHz;
        const double v = EvaluateIdealSignal(s, t);
        c += v * std::cos(2 * Pi * k * (i + 0.5) / n);
        d += v * std::sin(2 * Pi * k * (i + 0.5) / n);
    }
    return k == 0 ? c / n : 2 * std::hypot(c, d) / n;
}

TEST(IdealSignal, MatchesTheSeriesOfItsPreset)
{
    const struct {
        PresetKind preset;
        double duty, meanPercent;
        int order;
        double amplitudePercent;
    } cases[] = {
        {PresetKind::Square, 0.5, 50, 1, 64},    {PresetKind::Square, 0.25, 25, 1, 45},
        {PresetKind::Square, 0.25, 25, 2, 32},   {PresetKind::Triangle, 0, 0, 1, 100},
        {PresetKind::HalfWave, 0, 64, 1, 100},   {PresetKind::FullWave, 0, 150, 2, 100},
        {PresetKind::ThreePulse, 0, 400, 3, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << static_cast<char>(c.preset) << " duty " << c.duty);
        SharedState s;
        s.Signal.Preset = c.preset;
        s.Signal.DutyCycle = c.duty;
        s.Signal.MeanValue = c.meanPercent / 100;
        EXPECT_NEAR(100 * Coefficient(s, c.order), c.amplitudePercent, 1.0);
        if (c.preset == PresetKind::Square) {
            EXPECT_NEAR(100 * Coefficient(s, 0), c.meanPercent, 0.1);
        }
    }
}

TEST(TimeRange, StartUpAxisAndZoom)
{
    SharedState s;
    ResetTimeRange(s);
    EXPECT_EQ(s.View.TimeStart, 0.0);
    EXPECT_EQ(s.View.TimeStep, 0.001);
    EXPECT_NEAR(s.View.TimeEnd, 0.011, 1e-15);

    ZoomTimeRange(s.View, 2);
    EXPECT_NEAR(s.View.TimeEnd, 0.023, 1e-15);
    ResetTimeRange(s);
    ZoomTimeRange(s.View, 0.5);
    EXPECT_NEAR(s.View.TimeEnd, 0.006, 1e-15);

    for (int i = 0; i < 2000; ++i) {
        ZoomTimeRange(s.View, 0.5);
        ASSERT_GT(s.View.TimeEnd, 0.0);
        ASSERT_GT(s.View.TimeStep, 0.0);
    }
    for (int i = 0; i < 4000; ++i) {
        ZoomTimeRange(s.View, 2);
        ASSERT_TRUE(std::isfinite(s.View.TimeEnd));
    }

    s.View.PeriodsShown = 2.5;
    s.Signal.FundamentalHz = 440;
    ResetTimeRange(s);
    EXPECT_EQ(s.View.TimeStart, 0.0);
    EXPECT_GT(s.View.TimeEnd, 2.5 / 440);
    EXPECT_LE(s.View.TimeEnd, 2.5 / 440 + s.View.TimeStep);
}

TEST(TimeRange, PointCountForWidth)
{
    EXPECT_EQ(PointCountForWidth(523), 252); // 251.5 goes to the even 252
    EXPECT_EQ(PointCountForWidth(521), 250); // 250.5 goes to 250
    EXPECT_EQ(PointCountForWidth(522), 251);
    EXPECT_EQ(PointCountForWidth(20), 0);
    EXPECT_EQ(PointCountForWidth(0), -10);
}

TEST(CurveSampling, PointsFollowTheSamplingRule)
{
    SharedState s;
    ResetTimeRange(s);
    s.View.PointCount = 4;
    s.View.ValueMin = -1.1;
    s.View.ValueMax = 1.1;
    const PlotFrame frame{0, s.View.TimeEnd, -1.1, 1.1, s.View.TimeStep, 0.1, 493, 209};
    std::vector<PixelPoint> points;
    SampleCurve(s.View, frame, [](double t) { return t * 100; }, points);
    ASSERT_EQ(points.size(), 5u);
    for (int k = 0; k <= 4; ++k) {
        const double t = k / 4.0 * s.View.TimeEnd;
        EXPECT_EQ(points[k].x, ValueToColumn(15, 478, t, 0, s.View.TimeEnd));
        EXPECT_EQ(points[k].y, ValueToRow(10, 199, t * 100, -1.1, 1.1));
    }
    EXPECT_EQ(points.front().x, 15);
    EXPECT_EQ(points.back().x, 478);

    s.View.PointCount = 0;
    SampleCurve(s.View, frame, [](double) { return 0.0; }, points);
    EXPECT_EQ(points.size(), 1u);
    s.View.PointCount = -5;
    SampleCurve(s.View, frame, [](double) { return 0.0; }, points);
    EXPECT_EQ(points.size(), 1u);
}

// Series sampled together take the angles of each instant once for all: the
// values and the points are those of each series alone, to the last bit.
struct SharedSamplingCase {
    const char* name;
    double fullScale;    // FullScaleValue of the busy state
    int fundamentals[2]; // of the first and the other series
    int pointCount;
};

class SharedSampling : public ::testing::TestWithParam<SharedSamplingCase> {};

TEST_P(SharedSampling, EverySeriesAsAlone)
{
    const SharedSamplingCase& c = GetParam();
    SharedState a = BusyState();
    a.Signal.FullScaleValue = c.fullScale;
    a.Signal.FundamentalHz = c.fundamentals[0];
    a.Display.OutputScaleFactor = 10;
    ApplyFilter(a);
    ResetTimeRange(a);
    SharedState b = a;
    b.Signal.FundamentalHz = c.fundamentals[1];
    SharedState meanOnly = a;
    for (int k = 1; k <= 12; ++k)
        meanOnly.Signal.Harmonics.AmplitudePercent[k] = 0;
    a.View.PointCount = c.pointCount;
    const std::vector<HarmonicSeries> series{
        HarmonicSeries::Harmonic(a, 1), HarmonicSeries::Harmonic(a, 5), HarmonicSeries::Harmonic(a, 12),
        HarmonicSeries::Input(b),       HarmonicSeries::Input(meanOnly), HarmonicSeries::Input(a),
        HarmonicSeries::Output(a)};
    const PlotFrame frame{a.View.TimeStart, a.View.TimeEnd, -3 * c.fullScale, 3 * c.fullScale,
                          a.View.TimeStep,  c.fullScale,    1890,             970};
    std::vector<std::vector<PixelPoint>> together;
    SampleSeriesCurves(a.View, frame, series, together);
    ASSERT_EQ(together.size(), series.size());
    std::vector<PixelPoint> alone;
    for (std::size_t i = 0; i < series.size(); ++i) {
        SampleCurve(a.View, frame, series[i], alone);
        ASSERT_EQ(together[i].size(), alone.size()) << "series " << i;
        for (std::size_t k = 0; k < alone.size(); ++k) {
            EXPECT_EQ(together[i][k].x, alone[k].x) << "series " << i << ", point " << k;
            EXPECT_EQ(together[i][k].y, alone[k].y) << "series " << i << ", point " << k;
        }
    }
    // The values themselves, at graph and sound instants and before 0.
    HarmonicAngles angles;
    for (double t : {0.0, 1e-4, 0.0037, 0.011, 0.5, 9.99999, -0.002}) {
        series[5].AnglesAt(t, HarmonicCount, angles);
        for (const HarmonicSeries& one : {series[0], series[1], series[2], series[4], series[5], series[6]})
            EXPECT_EQ(std::bit_cast<std::uint64_t>(one.Sum(angles)), std::bit_cast<std::uint64_t>(one(t)))
                << "t = " << t;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Curves, SharedSampling,
    ::testing::Values(SharedSamplingCase{"full_screen", 1.0, {100, 100}, 935},
                      SharedSamplingCase{"one_fundamental_apart", 1.0, {100, 440}, 240},
                      SharedSamplingCase{"sums_saturating", 1e308, {1000, 1000}, 252},
                      SharedSamplingCase{"tiny_values", 1e-300, {1, 1}, 252},
                      SharedSamplingCase{"no_segment", 1.0, {100, 100}, 0},
                      SharedSamplingCase{"negative_count", 1.0, {100, 100}, -10}),
    [](const ::testing::TestParamInfo<SharedSamplingCase>& info) { return std::string(info.param.name); });

TEST(CurveSampling, NoSeriesNoCurve)
{
    SharedState s;
    ResetTimeRange(s);
    s.View.PointCount = 10;
    const PlotFrame frame{0, s.View.TimeEnd, -1.1, 1.1, s.View.TimeStep, 0.1, 493, 209};
    std::vector<std::vector<PixelPoint>> points(3);
    SampleSeriesCurves(s.View, frame, {}, points);
    EXPECT_TRUE(points.empty());
}

TEST(Extents, ZeroSignalGivesMinusOnePointOneToOnePointOne)
{
    SharedState s;
    ResetTimeRange(s);
    ComputeTimeGraphExtents(s);
    EXPECT_EQ(s.View.ValueStep, 0.1);
    EXPECT_NEAR(s.View.ValueMin, -1.1, 1e-12);
    EXPECT_NEAR(s.View.ValueMax, 1.1, 1e-12);
}

TEST(Extents, FollowTheSignalTheShownHarmonicsAndTheOutput)
{
    SharedState s;
    s.Filter.Kind = FilterKind::Amplifier;
    s.Display.SuperposeOutput = false;
    ResetTimeRange(s);

    s.Signal.Harmonics.AmplitudePercent[1] = 100;
    ApplyFilter(s);
    ComputeTimeGraphExtents(s);
    EXPECT_EQ(s.View.ValueStep, 0.1);
    EXPECT_NEAR(s.View.ValueMin, -1.1, 1e-12);
    EXPECT_NEAR(s.View.ValueMax, 1.1, 1e-12);

    // Harmonic 2 alone: the 101 instants miss its peaks, showing it widens
    // the axis to its full amplitude.
    s.Signal.Harmonics.AmplitudePercent[1] = 0;
    s.Signal.Harmonics.AmplitudePercent[2] = 100;
    ComputeTimeGraphExtents(s);
    EXPECT_NEAR(s.View.ValueMax, 1.0, 1e-12);
    s.Signal.Harmonics.Shown[2] = true;
    ComputeTimeGraphExtents(s);
    EXPECT_NEAR(s.View.ValueMax, 1.1, 1e-12);
    EXPECT_NEAR(s.View.ValueMin, -1.1, 1e-12);

    // The output, ten times larger, counts when it is superposed.
    s.Signal.Harmonics.Shown[2] = false;
    s.Display.OutputScaleFactor = 10;
    ApplyFilter(s);
    ComputeTimeGraphExtents(s);
    EXPECT_NEAR(s.View.ValueMax, 1.0, 1e-12);
    s.Display.SuperposeOutput = true;
    ComputeTimeGraphExtents(s);
    EXPECT_EQ(s.View.ValueStep, 1.0);
    EXPECT_NEAR(s.View.ValueMax, 10, 1e-12); // first step above the sampled 9.98
    EXPECT_NEAR(s.View.ValueMin, -10, 1e-12);

    // The ideal waveform counts when it is shown, even above the synthesis.
    s.Display.SuperposeOutput = false;
    s.Signal.Harmonics.AmplitudePercent[2] = 0;
    s.Signal.Preset = PresetKind::ThreePulse;
    s.Display.ShowIdealSignal = true;
    ComputeTimeGraphExtents(s);
    EXPECT_EQ(s.View.ValueStep, 1.0);
    EXPECT_NEAR(s.View.ValueMax, 5, 1e-12); // peak 8 pi / (3 sqrt 3) = 4.84
}

TEST(Extents, AxesOffOriginUseTheMultiplesMode)
{
    SharedState s;
    s.Display.Plot.AxesAtOrigin = false;
    s.Display.SuperposeOutput = false;
    s.Signal.MeanValue = 2.0;
    s.Signal.Harmonics.AmplitudePercent[1] = 50;
    ResetTimeRange(s);
    ComputeTimeGraphExtents(s);
    EXPECT_EQ(s.View.ValueStep, 0.1);
    EXPECT_LT(s.View.ValueMin, 1.5);
    EXPECT_GT(s.View.ValueMin, 1.2);
    EXPECT_NEAR(s.View.ValueMax, 2.6, 1e-12); // raised strictly above the peak 2.5
}

TEST(Extents, HugeValuesNeverGiveNaN)
{
    SharedState s;
    s.Signal.FullScaleValue = DBL_MAX;
    s.Signal.MeanPercent = 400;
    s.Signal.MeanValue = DBL_MAX;
    s.Filter.Kind = FilterKind::HighPass2;
    s.Filter.CutoffHz = 0.001;
    s.Filter.StaticGain = 1e300;
    s.Display.OutputScaleFactor = 10000;
    s.Display.ShowIdealSignal = true;
    s.Signal.Preset = PresetKind::ThreePulse;
    for (int k = 1; k <= 12; ++k) {
        s.Signal.Harmonics.AmplitudePercent[k] = 100;
        s.Signal.Harmonics.Shown[k] = true;
    }
    ApplyFilter(s);
    ResetTimeRange(s);
    ComputeTimeGraphExtents(s);
    for (double v : {s.View.ValueMin, s.View.ValueMax, s.View.ValueStep, EvaluateInput(s, 0.001),
                     EvaluateOutput(s, 0.001), EvaluateIdealSignal(s, 0.001), EvaluateHarmonic(s, 3, 0.001)})
        EXPECT_TRUE(std::isfinite(v)) << v;
    EXPECT_LT(s.View.ValueMin, s.View.ValueMax);
}

} // namespace
