// SPDX-License-Identifier: GPL-3.0-or-later
#include "signal/presets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

namespace {

struct SquareCase {
    double duty;
    int mean;
    std::vector<int> amplitudes;
    std::vector<int> plus90; // harmonics whose switch is at +90 degrees among the non-zero ones
};

TEST(Presets, SquareFollowsTheDutyCycle)
{
    const SquareCase cases[] = {
        {0.5, 50, {64, 0, 21, 0, 13, 0, 9, 0, 7, 0, 6, 0}, {1, 5, 9}},
        {0.25, 25, {45, 32, 15, 0, 9, 11, 6, 0, 5, 6, 4, 0}, {1, 2, 3, 9, 10, 11}},
        {0.0, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "duty " << c.duty);
        SignalState s;
        s.Preset = PresetKind::Square;
        s.DutyCycle = c.duty;
        PresetPositions p;
        ASSERT_TRUE(PresetPositionsFor(s, p));
        EXPECT_FALSE(p.ResetsMean);
        EXPECT_EQ(p.MeanPosition, c.mean);
        for (int k = 1; k <= 12; ++k) {
            EXPECT_EQ(p.Amplitude[k], c.amplitudes[k - 1]) << "k " << k;
            if (c.amplitudes[k - 1] != 0) {
                const bool plus = std::find(c.plus90.begin(), c.plus90.end(), k) != c.plus90.end();
                EXPECT_EQ(p.Phase[k], plus ? SwitchPlus90 : SwitchMinus90) << "k " << k;
            }
        }
        if (c.duty == 0.0) {
            for (int k = 1; k <= 12; ++k)
                EXPECT_EQ(p.Phase[k], SwitchMinus90);
        }
    }
}

TEST(Presets, FixedTables)
{
    const struct {
        PresetKind kind;
        int mean;
        std::vector<int> amplitude;
        std::vector<int> degrees;
    } cases[] = {
        {PresetKind::Free, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {PresetKind::Triangle, 0, {100, 0, 11, 0, 4, 0, 2, 0, 1, 0, 1, 0}, {0, 0, 180, 0, 0, 0, 180, 0, 0, 0, 180, 0}},
        {PresetKind::HalfWave, 64, {100, 42, 0, 8, 0, 4, 0, 2, 0, 1, 0, 1}, {90, 90, 0, -90, 0, 90, 0, -90, 0, 90, 0, -90}},
        {PresetKind::FullWave, 150, {0, 100, 0, 20, 0, 9, 0, 5, 0, 3, 0, 2}, {0, 90, 0, -90, 0, 90, 0, -90, 0, 90, 0, -90}},
        {PresetKind::ThreePulse, 400, {0, 0, 100, 0, 0, 23, 0, 0, 10, 0, 0, 6}, {0, 0, 90, 0, 0, -90, 0, 0, 90, 0, 0, -90}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<char>(c.kind));
        SignalState s;
        s.Preset = c.kind;
        s.MeanValue = 3.0; // free synthesis and triangle put it back to 0
        PresetPositions p;
        ASSERT_TRUE(PresetPositionsFor(s, p));
        EXPECT_EQ(p.ResetsMean, c.kind == PresetKind::Free || c.kind == PresetKind::Triangle);
        EXPECT_EQ(p.MeanPosition, c.mean);
        for (int k = 1; k <= 12; ++k) {
            EXPECT_EQ(p.Amplitude[k], c.amplitude[k - 1]) << "k " << k;
            EXPECT_EQ(SwitchDegrees(p.Phase[k]), c.degrees[k - 1]) << "k " << k;
        }
    }
    SignalState none;
    none.Preset = PresetKind::None;
    PresetPositions p;
    EXPECT_FALSE(PresetPositionsFor(none, p));
}

// The four fixed waveforms against their Fourier series, found here by
// integrating one period of each shape: every amplitude is its harmonic in
// per cent of the largest one, rounded; every phase is the sign of that
// harmonic in the sine basis (0 or 180 degrees for a sine term, +90 or -90
// for a cosine term); the mean is in the same per cent.
TEST(Presets, FixedTablesFollowTheirSeries)
{
    using std::numbers::pi;
    const struct {
        PresetKind kind;
        std::function<double(double)> shape; // one period over theta in [0, 2 pi)
    } cases[] = {
        {PresetKind::Triangle, [](double t) { return std::asin(std::sin(t)); }},
        {PresetKind::HalfWave, [](double t) { return std::max(std::cos(t), 0.0); }},
        {PresetKind::FullWave, [](double t) { return std::fabs(std::cos(t)); }},
        {PresetKind::ThreePulse,
         [](double t) { return std::max({std::cos(t), std::cos(t - 2 * pi / 3), std::cos(t + 2 * pi / 3)}); }},
    };
    constexpr int N = 1 << 14;
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<char>(c.kind));
        double mean = 0;
        std::vector<double> a(13), b(13), amplitude(13);
        for (int i = 0; i < N; ++i) {
            const double t = 2 * pi * i / N;
            const double v = c.shape(t);
            mean += v / N;
            for (int k = 1; k <= 12; ++k) {
                a[k] += 2 * v * std::cos(k * t) / N;
                b[k] += 2 * v * std::sin(k * t) / N;
            }
        }
        for (int k = 1; k <= 12; ++k)
            amplitude[k] = std::hypot(a[k], b[k]);
        const double largest = *std::max_element(amplitude.begin(), amplitude.end());

        SignalState s;
        s.Preset = c.kind;
        PresetPositions p;
        ASSERT_TRUE(PresetPositionsFor(s, p));
        EXPECT_EQ(p.MeanPosition, std::lround(100 * mean / largest));
        for (int k = 1; k <= 12; ++k) {
            const long percent = std::lround(100 * amplitude[k] / largest);
            EXPECT_EQ(p.Amplitude[k], percent) << "k " << k;
            if (percent == 0)
                continue;
            // A sin(k w t + phi) with A cos = b and A sin = a.
            const int degrees = static_cast<int>(std::lround(std::atan2(a[k], b[k]) * 180 / pi));
            EXPECT_EQ(SwitchDegrees(p.Phase[k]), degrees == -180 ? 180 : degrees) << "k " << k;
        }
    }
}

} // namespace
