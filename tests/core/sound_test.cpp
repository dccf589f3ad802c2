// SPDX-License-Identifier: GPL-3.0-or-later
#include "filter/filterresponse.h"
#include "numeric/rounding.h"
#include "plot/sampling.h"
#include "sound/soundrender.h"
#include "tests/common/fakesoundport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;

// One harmonic of `percent` at f0, the filter applied and the value axis
// sized as the program sizes it.
SharedState Tone(int f0, int k, double percent)
{
    SharedState s;
    s.Signal.FundamentalHz = f0;
    s.Signal.Harmonics.AmplitudePercent[k] = percent;
    s.Filter.Kind = FilterKind::Amplifier;
    ApplyFilter(s);
    ComputeTimeGraphExtents(s);
    return s;
}

// All twelve harmonics, a mean and mixed phases through a band-pass.
SharedState Busy(int f0)
{
    SharedState s;
    s.Signal.FundamentalHz = f0;
    s.Signal.MeanPercent = 30;
    s.Signal.MeanValue = 0.3;
    for (int k = 1; k <= 12; ++k) {
        s.Signal.Harmonics.AmplitudePercent[k] = 100 / k + 2;
        s.Signal.Harmonics.PhaseRad[k] = ((k % 4) - 1) * 90 * Pi / 180;
    }
    s.Filter.Kind = FilterKind::BandPass;
    s.Filter.CutoffHz = 3.5 * f0;
    s.Filter.Damping = 0.2;
    ApplyFilter(s);
    ComputeTimeGraphExtents(s);
    return s;
}

// The sample formula applied to the evaluators themselves, one instant at a
// time: Round((v(t_i) - MeanValue) * (127 / ValueMax / 1.5) + 127) held to
// 0 .. 255, t_i = (i / N) * d.
std::vector<std::uint8_t> Reference(const SharedState& s, double d, SoundSource source)
{
    const std::int32_t n = SoundSampleCount(d);
    std::vector<std::uint8_t> out(static_cast<std::size_t>(n));
    const long double scale = 127.0L / s.View.ValueMax / 1.5L;
    for (std::int32_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / n * d;
        const double v = source == SoundSource::Input ? EvaluateInput(s, t) : EvaluateOutput(s, t);
        const long double x = (v - s.Signal.MeanValue) * scale + 127.0L;
        out[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(std::clamp(RoundHalfEven(x), 0.0L, 255.0L));
    }
    return out;
}

TEST(SoundRender, SampleCountIs44000PerSecond)
{
    const struct {
        double seconds;
        std::int32_t n;
    } cases[] = {
        {1.0, 44000},           {10.0, 440000},         {0.0, 0},          {2.0, 88000},
        {0.5, 22000},           {1.5 / 44000, 2},       {0.5 / 44000, 0},  {2.5 / 44000, 2},
        {25.0, 440000},         {-3.0, 0},              {NAN, 0},          {INFINITY, 440000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "d = " << c.seconds);
        EXPECT_EQ(SoundSampleCount(c.seconds), c.n);
        EXPECT_EQ(RenderSound(Busy(100), c.seconds, SoundSource::Input).size(), static_cast<std::size_t>(c.n));
    }
}

TEST(SoundRender, SineOfAmplitudeValueMaxSpans42To212)
{
    for (int f0 : {440, 100, 1000}) {
        SharedState s = Tone(f0, 1, 100);
        s.View.ValueMax = 1.0; // the sine's own amplitude
        const std::vector<std::uint8_t> v = RenderSound(s, 1.0, SoundSource::Input);
        SCOPED_TRACE(f0);
        EXPECT_EQ(*std::min_element(v.begin(), v.end()), 42);
        EXPECT_EQ(*std::max_element(v.begin(), v.end()), 212);
        EXPECT_EQ(v[0], 127);
    }
    // Scaled to the program's own axis (ValueMax 1.1) the sine stays inside.
    const std::vector<std::uint8_t> v = RenderSound(Tone(440, 1, 100), 1.0, SoundSource::Input);
    EXPECT_EQ(*std::min_element(v.begin(), v.end()), 50); // 127 - 84.67 / 1.1 = 50.03
    EXPECT_EQ(*std::max_element(v.begin(), v.end()), 204);
}

TEST(SoundRender, OutputIsCentredOnTheInputsMean)
{
    // A mean of 0.6 and no harmonic: a high-pass takes the mean away, so
    // the output sits 0.6 below the input's mean, in sample steps
    // 0.6 * 127 / ValueMax / 1.5.
    for (FilterKind kind : {FilterKind::HighPass1, FilterKind::HighPass2, FilterKind::BandPass}) {
        SharedState s;
        s.Signal.MeanPercent = 60;
        s.Signal.MeanValue = 0.6;
        s.Filter.Kind = kind;
        s.Filter.CutoffHz = 50;
        ApplyFilter(s);
        s.View.ValueMax = 1.0;
        const std::vector<std::uint8_t> out = RenderSound(s, 0.1, SoundSource::Output);
        const std::vector<std::uint8_t> in = RenderSound(s, 0.1, SoundSource::Input);
        SCOPED_TRACE(static_cast<char>(kind));
        EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](std::uint8_t b) { return b == 76; })); // 127 - 50.8
        EXPECT_TRUE(std::all_of(in.begin(), in.end(), [](std::uint8_t b) { return b == 127; }));
    }
}

TEST(SoundRender, SamplesBeyondTheRangeAreClampedNotWrapped)
{
    SharedState s = Tone(100, 1, 100);
    s.View.ValueMax = 0.1; // the sine swings ten times the axis
    const std::vector<std::uint8_t> v = RenderSound(s, 0.01, SoundSource::Input);
    ASSERT_EQ(v.size(), 440u);
    EXPECT_EQ(v[110], 255); // the crest, 127 + 846.7
    EXPECT_EQ(v[330], 0);   // the trough
    EXPECT_EQ(*std::max_element(v.begin(), v.end()), 255);
    EXPECT_EQ(*std::min_element(v.begin(), v.end()), 0);
    // No jump from one end to the other between neighbours.
    for (std::size_t i = 1; i < v.size(); ++i)
        ASSERT_LE(std::abs(v[i] - v[i - 1]), 120) << i;
}

// Every sample is the one the evaluators give at its instant.
TEST(SoundRender, EverySampleIsTheEvaluatorsOwn)
{
    struct Case {
        const char* name;
        SharedState state;
        double seconds;
        SoundSource source;
    };
    SharedState square = Busy(440);
    for (int k = 1; k <= 12; ++k)
        square.Signal.Harmonics.AmplitudePercent[k] = k % 2 ? 100.0 / k : 0.0;
    ComputeTimeGraphExtents(square);
    SharedState scaled = Busy(250);
    scaled.Display.OutputScaleFactor = 100;
    SharedState flat = Tone(440, 3, 100);
    flat.View.ValueMax = 0.0; // an axis with no top: its bottom gives the scale
    flat.View.ValueMin = -1.5;
    SharedState negativeTop = Tone(60, 2, 40);
    negativeTop.View.ValueMax = -0.5;
    SharedState lowBitsOfTime = Tone(999999, 1, 100);
    SharedState odd = Busy(1667);
    odd.Signal.Harmonics.AmplitudePercent[12] = 100;
    const Case cases[] = {
        {"busy input", Busy(440), 1.0, SoundSource::Input},
        {"busy output", Busy(440), 1.0, SoundSource::Output},
        {"odd harmonics", square, 0.75, SoundSource::Input},
        {"output x100", scaled, 0.5, SoundSource::Output},
        {"no axis top", flat, 0.3, SoundSource::Input},
        {"negative top", negativeTop, 0.3, SoundSource::Input},
        {"f0 999999", lowBitsOfTime, 0.2, SoundSource::Input},
        {"f0 1667", odd, 0.2, SoundSource::Output},
        {"f0 1, 10 s", Busy(1), 10.0, SoundSource::Input},
        {"f0 7, odd duration", Busy(7), 1.23457, SoundSource::Output},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SharedState s = c.state;
        if (s.View.ValueMax == 0.0)
            s.View.ValueMax = -s.View.ValueMin; // what the renderer puts in its place
        const std::vector<std::uint8_t> want = Reference(s, c.seconds, c.source);
        const std::vector<std::uint8_t> got = RenderSound(c.state, c.seconds, c.source);
        ASSERT_EQ(got.size(), want.size());
        const auto diff = std::mismatch(got.begin(), got.end(), want.begin());
        EXPECT_TRUE(diff.first == got.end()) << "first difference at sample " << (diff.first - got.begin());
    }
}

TEST(SoundRender, HostileStatesGiveFiniteSoundsQuickly)
{
    SharedState huge = Tone(440, 1, 100);
    huge.Signal.FullScaleValue = DBL_MAX;
    huge.View.ValueMax = 1.0;
    SharedState tinyTop = Tone(440, 1, 100);
    tinyTop.View.ValueMax = DBL_MIN;
    SharedState nanTop = Tone(440, 1, 100);
    nanTop.View.ValueMax = NAN;
    nanTop.View.ValueMin = NAN;
    SharedState infiniteTop = Tone(440, 1, 100);
    infiniteTop.View.ValueMax = INFINITY;
    SharedState badF0 = Tone(440, 1, 100);
    badF0.Signal.FundamentalHz = INT_MIN;
    SharedState hugeF0 = Tone(440, 1, 100);
    hugeF0.Signal.FundamentalHz = INT_MAX;
    const SharedState states[] = {huge, tinyTop, nanTop, infiniteTop, badF0, hugeF0};
    for (const SharedState& s : states) {
        for (SoundSource source : {SoundSource::Input, SoundSource::Output}) {
            const std::vector<std::uint8_t> v = RenderSound(s, 0.05, source);
            EXPECT_EQ(v.size(), 2200u);
        }
    }
    // Scaled to an infinite top every sample is the centre.
    const std::vector<std::uint8_t> quiet = RenderSound(infiniteTop, 0.05, SoundSource::Input);
    EXPECT_TRUE(std::all_of(quiet.begin(), quiet.end(), [](std::uint8_t b) { return b == 127; }));
    // No top at all: scaled to 1.
    const std::vector<std::uint8_t> unit = RenderSound(nanTop, 0.05, SoundSource::Input);
    EXPECT_EQ(*std::max_element(unit.begin(), unit.end()), 212);
}

// A number's magnitude, held to 10 s; nothing for what is no number the
// program can hold.
TEST(SoundRender, TypedDurationIsAMagnitudeOfAtMostTenSeconds)
{
    constexpr double None = -1;
    const struct {
        const char* text;
        double seconds;
    } cases[] = {
        {"2", 2.0},       {"25", 10.0},        {"-3", 3.0},       {"10", 10.0},      {"0.25", 0.25},
        {"0", 0.0},       {"-0", 0.0},         {" 7 ", 7.0},      {"1e-300", 1e-300}, {"1e308", 10.0},
        {"", None},       {"nan", None},       {"abc", None},     {"1e999", None},   {"-1e999", None},
        {"1e-999", None}, {"1e-320", None},    {"3,5", None},     {"  7s", None},    {"inf", None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<double> d = DurationFromText(c.text);
        if (c.seconds == None) {
            EXPECT_FALSE(d.has_value());
            continue;
        }
        ASSERT_TRUE(d.has_value());
        EXPECT_EQ(*d, c.seconds);
        EXPECT_FALSE(std::signbit(*d));
    }
}

TEST(SoundRender, WarningFromTheTwelfthHarmonicAbove20kHz)
{
    const struct {
        int f0;
        bool warned;
    } cases[] = {{1666, false}, {1667, true}, {100, false}, {999999, true}, {INT_MAX, true}, {INT_MIN, false}};
    for (const auto& c : cases) {
        SharedState s;
        s.Signal.FundamentalHz = c.f0;
        EXPECT_EQ(MayBeInaudible(s), c.warned) << c.f0;
    }
}

TEST(SoundRender, OnePlaybackIsRateBytesThenTheSamples)
{
    FakeSoundPort port;
    const std::vector<std::uint8_t> samples = RenderSound(Tone(440, 1, 100), 1.0, SoundSource::Input);
    PlaySound(port, samples);
    PlaySound(port, RenderSound(Tone(440, 1, 100), 0.0, SoundSource::Input));
    ASSERT_EQ(port.Names(), (std::vector<std::string>{"SOUNDSETRATE", "SOUNDSETBYTES", "SOUNDOUT", "SOUNDSETRATE",
                                                      "SOUNDSETBYTES", "SOUNDOUT"}));
    EXPECT_EQ(port.Calls[0].value, 44000);
    EXPECT_EQ(port.Calls[1].value, 1);
    EXPECT_EQ(port.Calls[2].value, 44000);
    EXPECT_EQ(port.Calls[2].samples, samples);
    EXPECT_FALSE(port.Calls[2].nullBuffer);
    EXPECT_EQ(port.Calls[5].value, 0);
    EXPECT_TRUE(port.Calls[5].nullBuffer);
}

} // namespace
