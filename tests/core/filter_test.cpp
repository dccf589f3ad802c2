// SPDX-License-Identifier: GPL-3.0-or-later
#include "filter/filterresponse.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <complex>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double Tolerance = 1e-12;

const FilterKind AllKinds[] = {FilterKind::Amplifier, FilterKind::LowPass1, FilterKind::HighPass1,
                               FilterKind::LowPass2,  FilterKind::HighPass2, FilterKind::BandPass,
                               FilterKind::BandStop};

SharedState StateWith(int f0, double fc, double m, double g0)
{
    SharedState s;
    s.Signal.FundamentalHz = f0;
    s.Filter.CutoffHz = fc;
    s.Filter.Damping = m;
    s.Filter.StaticGain = g0;
    return s;
}

// H(f) / G0 from the transfer functions, with a complex library.
std::complex<double> Reference(FilterKind kind, double x, double m)
{
    const std::complex<double> j(0, 1);
    const std::complex<double> den2 = 1 - x * x + j * 2.0 * m * x;
    switch (kind) {
    case FilterKind::Amplifier: return 1;
    case FilterKind::LowPass1: return 1.0 / (1.0 + j * x);
    case FilterKind::HighPass1: return j * x / (1.0 + j * x);
    case FilterKind::LowPass2: return 1.0 / den2;
    case FilterKind::HighPass2: return -x * x / den2;
    case FilterKind::BandPass: return j * 2.0 * m * x / den2;
    case FilterKind::BandStop: return (1 - x * x) / den2;
    case FilterKind::None: break;
    }
    return 0;
}

// The phase range each model's closed formula keeps to.
void ExpectPhaseInRange(FilterKind kind, double phase)
{
    switch (kind) {
    case FilterKind::Amplifier: EXPECT_EQ(phase, 0.0); break;
    case FilterKind::LowPass1: EXPECT_TRUE(phase <= 0 && phase > -Pi / 2) << phase; break;
    case FilterKind::HighPass1: EXPECT_TRUE(phase > 0 && phase <= Pi / 2) << phase; break;
    case FilterKind::LowPass2: EXPECT_TRUE(phase <= 0 && phase > -Pi) << phase; break;
    case FilterKind::HighPass2: EXPECT_TRUE(phase > 0 && phase <= Pi) << phase; break;
    case FilterKind::BandPass: EXPECT_TRUE(phase > -Pi / 2 && phase <= Pi / 2) << phase; break;
    case FilterKind::BandStop: EXPECT_TRUE(phase >= -Pi / 2 && phase <= Pi / 2) << phase; break;
    case FilterKind::None: break;
    }
}

TEST(FilterResponse, AgreesWithTheTransferFunctions)
{
    const double cutoffs[] = {0.001, 0.5, 37, 100, 150, 999999};
    const double dampings[] = {0.0001, 0.1, 0.705, 5};
    for (FilterKind kind : AllKinds)
        for (double fc : cutoffs)
            for (double m : dampings)
                for (int k = 1; k <= 12; ++k) {
                    const SharedState s = StateWith(100, fc, m, 1.0);
                    const FilterPoint p = FilterResponse(s, kind, k);
                    const std::complex<double> h = Reference(kind, k * 100 / fc, m);
                    SCOPED_TRACE(::testing::Message() << "kind " << static_cast<char>(kind) << " fc "
                                                      << fc << " m " << m << " k " << k);
                    EXPECT_NEAR(p.Gain, std::abs(h), 1e-9 * std::max(1.0, std::abs(h)));
                    if (std::abs(h) > 1e-9) {
                        // Same angle, whatever branch the closed formula chose.
                        EXPECT_NEAR(std::cos(p.PhaseRad), std::cos(std::arg(h)), 1e-9);
                        EXPECT_NEAR(std::sin(p.PhaseRad), std::sin(std::arg(h)), 1e-9);
                    }
                    ExpectPhaseInRange(kind, p.PhaseRad);
                }
}

struct PointCase {
    const char* name;
    FilterKind kind;
    int f0;
    double fc;
    double m;
    int k;
    double gain;
    double phase;
};

TEST(FilterResponse, ValuesAtResonanceAtZeroAndFarAbove)
{
    const double m = 0.705;
    const PointCase cases[] = {
        {"low-pass 2 at resonance", FilterKind::LowPass2, 100, 100, m, 1, 1 / (2 * m), -Pi / 2},
        {"high-pass 2 at resonance", FilterKind::HighPass2, 100, 100, m, 1, 1 / (2 * m), Pi / 2},
        {"band-pass at resonance", FilterKind::BandPass, 100, 300, m, 3, 1, 0},
        {"band-stop at resonance", FilterKind::BandStop, 100, 100, m, 1, 0, -Pi / 2},
        {"high-pass 1 at cut-off", FilterKind::HighPass1, 100, 100, m, 1, 1 / std::sqrt(2.0), Pi / 4},
        {"low-pass 1 at cut-off", FilterKind::LowPass1, 100, 100, m, 1, 1 / std::sqrt(2.0), -Pi / 4},
        {"low-pass 2 far above", FilterKind::LowPass2, 100, 10, 0.707, 1, 1 / std::sqrt(99.0 * 99 + 14.14 * 14.14),
         -(std::atan(14.14 / -99.0) + Pi)},
        {"band-stop below zero", FilterKind::BandStop, 100, 10, 0.707, 1, 99 / std::sqrt(99.0 * 99 + 14.14 * 14.14),
         -std::atan(14.14 / -99.0)},
        {"amplifier mean", FilterKind::Amplifier, 100, 1, m, 0, 1, 0},
        {"low-pass 1 mean", FilterKind::LowPass1, 100, 1, m, 0, 1, 0},
        {"high-pass 1 mean", FilterKind::HighPass1, 100, 1, m, 0, 0, Pi / 2},
        {"low-pass 2 mean", FilterKind::LowPass2, 100, 1, m, 0, 1, 0},
        {"high-pass 2 mean", FilterKind::HighPass2, 100, 1, m, 0, 0, Pi},
        {"band-pass mean", FilterKind::BandPass, 100, 1, m, 0, 0, Pi / 2},
        {"band-stop mean", FilterKind::BandStop, 100, 1, m, 0, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const FilterPoint p = FilterResponse(StateWith(c.f0, c.fc, c.m, 1.0), c.kind, c.k);
        EXPECT_NEAR(p.Gain, c.gain, Tolerance);
        EXPECT_NEAR(p.PhaseRad, c.phase, Tolerance);
    }
    // Far above the cut-off the low-pass phase is close to -pi, not to 0.
    EXPECT_LT(FilterResponse(StateWith(100, 10, 0.707, 1), FilterKind::LowPass2, 1).PhaseRad, -2.9);
    // The band-stop phase above its centre is a positive angle below pi/2.
    const double stop = FilterResponse(StateWith(100, 10, 0.707, 1), FilterKind::BandStop, 1).PhaseRad;
    EXPECT_GT(stop, 0.0);
    EXPECT_LT(stop, Pi / 2);
}

TEST(FilterResponse, NegativeStaticGainNegatesGainsOnly)
{
    for (FilterKind kind : AllKinds)
        for (int k = 0; k <= 12; ++k) {
            const FilterPoint pos = FilterResponse(StateWith(100, 250, 0.3, 2.5), kind, k);
            const FilterPoint neg = FilterResponse(StateWith(100, 250, 0.3, -2.5), kind, k);
            EXPECT_EQ(neg.Gain, -pos.Gain);
            EXPECT_EQ(neg.PhaseRad, pos.PhaseRad);
        }
}

TEST(FilterResponse, HostileStatesGiveFiniteValues)
{
    // Damping 0 at resonance, a cut-off of 0 or NaN, a gain of 1e300 far
    // above a cut-off of 1 mHz, the largest double as gain.
    const SharedState states[] = {
        StateWith(100, 100, 0.0, 1.0),     StateWith(100, 0.0, 0.705, 1.0),
        StateWith(100, NAN, NAN, 1.0),     StateWith(999999, 0.001, 0.0001, 1e300),
        StateWith(1, 999999, 5, DBL_MAX),  StateWith(999999, 0.001, 5, -DBL_MAX),
    };
    for (const SharedState& s : states)
        for (FilterKind kind : AllKinds)
            for (int k = 0; k <= 12; ++k) {
                const FilterPoint p = FilterResponse(s, kind, k);
                EXPECT_TRUE(std::isfinite(p.Gain)) << static_cast<char>(kind) << " k " << k;
                EXPECT_TRUE(std::isfinite(p.PhaseRad)) << static_cast<char>(kind) << " k " << k;
            }
}

class ApplyFilterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        s.Signal.MeanPercent = 40;
        for (int k = 1; k <= 12; ++k) {
            s.Signal.Harmonics.AmplitudePercent[k] = 5.0 * k;
            s.Signal.Harmonics.PhaseRad[k] = (k % 4 - 1) * Pi / 2;
        }
    }
    SharedState s;
};

TEST_F(ApplyFilterTest, AmplifierScalesEveryRowAndKeepsPhases)
{
    s.Filter.Kind = FilterKind::Amplifier;
    s.Filter.StaticGain = 2.0;
    ApplyFilter(s);
    const HarmonicTable& h = s.Signal.Harmonics;
    EXPECT_EQ(h.OutputAmplitudePercent[0], 80.0);
    EXPECT_EQ(h.OutputPhaseRad[0], 0.0);
    for (int k = 1; k <= 12; ++k) {
        EXPECT_EQ(h.OutputAmplitudePercent[k], 2 * h.AmplitudePercent[k]);
        EXPECT_EQ(h.OutputPhaseRad[k], h.PhaseRad[k]);
    }
}

TEST_F(ApplyFilterTest, OutputColumnsFollowTheGainAndPhase)
{
    s.Filter.Kind = FilterKind::BandPass;
    s.Filter.CutoffHz = 300;
    s.Filter.Damping = 0.2;
    const HarmonicTable before = s.Signal.Harmonics;
    ApplyFilter(s);
    const HarmonicTable& h = s.Signal.Harmonics;
    EXPECT_EQ(h.OutputAmplitudePercent[0], 0.0); // no mean through a band-pass
    for (int k = 1; k <= 12; ++k) {
        const FilterPoint p = FilterResponse(s, FilterKind::BandPass, k);
        EXPECT_EQ(h.FilterGain[k], p.Gain);
        EXPECT_EQ(h.OutputAmplitudePercent[k], h.AmplitudePercent[k] * p.Gain);
        EXPECT_EQ(h.OutputPhaseRad[k], h.PhaseRad[k] + p.PhaseRad);
    }
    // The input columns are untouched.
    EXPECT_EQ(h.AmplitudePercent, before.AmplitudePercent);
    EXPECT_EQ(h.PhaseRad, before.PhaseRad);
    EXPECT_EQ(s.Signal.MeanPercent, 40);
}

TEST_F(ApplyFilterTest, NoModelLeavesTheFilterColumnsAsTheyWere)
{
    s.Signal.Harmonics.FilterGain.fill(0.5);
    s.Signal.Harmonics.FilterPhaseRad.fill(0.25);
    ApplyFilter(s); // Kind is still none of the models
    const HarmonicTable& h = s.Signal.Harmonics;
    for (int k = 0; k <= 12; ++k) {
        EXPECT_EQ(h.FilterGain[k], 0.5);
        EXPECT_EQ(h.FilterPhaseRad[k], 0.25);
    }
    EXPECT_EQ(h.OutputAmplitudePercent[0], 20.0);
    EXPECT_EQ(h.OutputAmplitudePercent[12], 30.0);
}

TEST_F(ApplyFilterTest, HugeGainsSaturateInsteadOfOverflowing)
{
    s.Filter.Kind = FilterKind::HighPass2;
    s.Filter.CutoffHz = 0.001;
    s.Filter.StaticGain = DBL_MAX;
    s.Signal.FundamentalHz = 999999;
    ApplyFilter(s);
    for (int k = 1; k <= 12; ++k) {
        EXPECT_TRUE(std::isfinite(s.Signal.Harmonics.OutputAmplitudePercent[k]));
        EXPECT_EQ(s.Signal.Harmonics.OutputAmplitudePercent[k], DBL_MAX);
    }
}

TEST_F(ApplyFilterTest, OutputPhasesStayFiniteWhateverTheColumnsHold)
{
    // Kind is none of the models, so the filter columns keep what they hold.
    HarmonicTable& h = s.Signal.Harmonics;
    h.PhaseRad[1] = DBL_MAX;
    h.FilterPhaseRad[1] = DBL_MAX;
    h.PhaseRad[2] = -DBL_MAX;
    h.FilterPhaseRad[2] = -DBL_MAX;
    h.PhaseRad[3] = NAN;
    h.FilterPhaseRad[4] = INFINITY;
    ApplyFilter(s);
    EXPECT_EQ(h.OutputPhaseRad[1], DBL_MAX);
    EXPECT_EQ(h.OutputPhaseRad[2], -DBL_MAX);
    EXPECT_EQ(h.OutputPhaseRad[3], 0.0);
    EXPECT_EQ(h.OutputPhaseRad[4], DBL_MAX);
    EXPECT_EQ(h.OutputPhaseRad[5], h.PhaseRad[5] + h.FilterPhaseRad[5]);
}

} // namespace
