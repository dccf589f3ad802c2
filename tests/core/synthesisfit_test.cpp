// SPDX-License-Identifier: GPL-3.0-or-later
// From an analysis to the synthesis' controls; the recording through the
// filter; the analysis as a French table.

#include "analysis/analysiscsv.h"
#include "analysis/filteredsound.h"
#include "analysis/synthesisfit.h"
#include "filter/filterresponse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;

TEST(SynthesisFit, NearestSwitchPosition)
{
    const std::pair<double, int> cases[] = {{0, 1},    {44, 1},   {46, 2},   {90, 2},   {134, 2},  {136, 3},
                                            {180, 3},  {-179, 3}, {-136, 3}, {-134, 0}, {-90, 0},  {-46, 0},
                                            {-44, 1},  {179.9, 3}};
    for (const auto& [degrees, position] : cases)
        EXPECT_EQ(NearestSwitchPosition(degrees), position) << degrees;
    EXPECT_EQ(SwitchPositionDegrees(0), -90);
    EXPECT_EQ(SwitchPositionDegrees(3), 180);
}

SoundAnalysis Measured()
{
    SoundAnalysis a;
    a.Ok = true;
    a.F0Hz = 261.63;
    a.Mean = -0.0213;
    a.Amplitude = {0, 0.3127, 0.1, 0.0449, 0, 0, 0, 0, 0, 0, 0, 0, 0.0031};
    a.PhaseDeg = {0, 0, 87.0, -100.0, 0, 0, 0, 0, 0, 0, 0, 0, 150.0};
    return a;
}

TEST(SynthesisFit, ControlsFromAnalysis)
{
    const SynthesisSettings s = ToSynthesis(Measured());
    EXPECT_EQ(s.FundamentalHz, 262);
    EXPECT_DOUBLE_EQ(s.FullScaleValue, 0.313);
    EXPECT_EQ(s.MeanPercent, -7); // -0.0213 / 0.313 = -6.8 %
    EXPECT_EQ(s.AmplitudePercent[1], 100);
    EXPECT_EQ(s.AmplitudePercent[2], 32);
    EXPECT_EQ(s.AmplitudePercent[3], 14);
    EXPECT_EQ(s.AmplitudePercent[12], 1);
    EXPECT_EQ(s.SwitchPosition[1], 1);
    EXPECT_EQ(s.SwitchPosition[2], 2);
    EXPECT_EQ(s.SwitchPosition[3], 0);
    EXPECT_EQ(s.SwitchPosition[12], 3);
    // Only the phases' rounding and the per cents differ: a few per cent.
    EXPECT_GT(s.RmsDifferencePercent, 1.0);
    EXPECT_LT(s.RmsDifferencePercent, 10.0);
}

TEST(SynthesisFit, BoundsOfTheControls)
{
    SoundAnalysis a = Measured();
    a.Mean = 2.0; // 639 % of the full scale
    a.F0Hz = 0.4;
    SynthesisSettings s = ToSynthesis(a, 400);
    EXPECT_EQ(s.MeanPercent, 400);
    EXPECT_EQ(s.FundamentalHz, 1);
    a.Mean = -2.0;
    EXPECT_EQ(ToSynthesis(a, 200).MeanPercent, -200);
    // A sound that the synthesis takes exactly: no difference.
    SoundAnalysis exact;
    exact.Ok = true;
    exact.F0Hz = 100;
    exact.Mean = 0.25;
    exact.Amplitude[1] = 0.5;
    exact.Amplitude[3] = 0.25;
    exact.PhaseDeg[3] = 180;
    s = ToSynthesis(exact);
    EXPECT_EQ(s.MeanPercent, 50);
    EXPECT_EQ(s.AmplitudePercent[3], 50);
    EXPECT_NEAR(s.RmsDifferencePercent, 0.0, 1e-9);
}

TEST(SynthesisFit, ResynthesisFollowsTheModel)
{
    const SoundAnalysis a = Measured();
    const std::vector<double> y = Resynthesis(a, 48000, 5000);
    for (std::size_t i : {0u, 17u, 1023u, 1024u, 4999u})
        EXPECT_NEAR(y[i], ModelValue(a, i / 48000.0), 1e-9) << i;
}

// A sine at a harmonic's frequency comes out of the filtered version scaled
// and shifted by the filter's complex gain at that frequency.
TEST(FilteredSound, EachFrequencyTakesTheFiltersGain)
{
    FilterState f;
    f.CutoffHz = 500;
    f.Damping = 0.2;
    f.StaticGain = 2;
    const double rate = 48000;
    for (FilterKind kind : {FilterKind::Amplifier, FilterKind::LowPass1, FilterKind::HighPass1, FilterKind::LowPass2,
                            FilterKind::HighPass2, FilterKind::BandPass, FilterKind::BandStop}) {
        f.Kind = kind;
        for (double hz : {125.0, 500.0, 1750.0}) {
            std::vector<double> x(48000);
            for (std::size_t i = 0; i < x.size(); ++i)
                x[i] = 0.3 * std::sin(2 * Pi * hz * i / rate);
            const std::vector<double> y = FilteredSound(x, rate, f);
            ASSERT_EQ(y.size(), x.size());
            const FilterPoint h = FilterResponseAt(f, kind, hz);
            // Away from both ends (start-up and the cut at the end).
            for (std::size_t i = 20000; i < 20100; ++i)
                EXPECT_NEAR(y[i], 0.3 * h.Gain * std::sin(2 * Pi * hz * i / rate + h.PhaseRad), 0.003 * std::max(1.0, std::abs(h.Gain)))
                    << static_cast<char>(kind) << " " << hz << " Hz at " << i;
        }
    }
    // A sharp resonance: the gain is read at each frequency, not smoothed over.
    f.Kind = FilterKind::BandPass;
    f.Damping = 0.002;
    for (double hz : {500.0, 501.0, 503.0}) {
        std::vector<double> x(96000);
        for (std::size_t i = 0; i < x.size(); ++i)
            x[i] = 0.3 * std::sin(2 * Pi * hz * i / rate);
        const std::vector<double> y = FilteredSound(x, rate, f);
        const FilterPoint h = FilterResponseAt(f, f.Kind, hz);
        for (std::size_t i = 90000; i < 90050; ++i)
            EXPECT_NEAR(y[i], 0.3 * h.Gain * std::sin(2 * Pi * hz * i / rate + h.PhaseRad), 0.01) << hz << " Hz";
    }
    f.Kind = FilterKind::None;
    const std::vector<double> x{0.1, 0.2, 0.3};
    EXPECT_EQ(FilteredSound(x, rate, f), x);
}

TEST(AnalysisCsv, FrenchTable)
{
    SoundAnalysis a = Measured();
    a.ResidualPercent = 1.5;
    a.Confidence = 0.97;
    const std::string csv = AnalysisCsv(a);
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBF" "f0 (Hz);261,63\r\nmoyenne;-0,0213\r\nrésidu (%);1,5\r\nconfiance;0,97\r\n"
                        "rang;fréquence (Hz);amplitude;phase (°)\r\n1;261,63;0,3127;0\r\n2;523,26;0,1;87\r\n",
                        0),
              0u)
        << csv;
    EXPECT_NE(csv.find("\r\n12;3139,56;0,0031;150\r\n"), std::string::npos) << csv;
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 17);
}

} // namespace
