// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis of sounds the test makes itself: known f0 off any frequency
// bin, known harmonics, phases and mean, noise, several rates and sample
// sizes, stereo; what is not periodic is refused.

#include "analysis/soundanalysis.h"
#include "analysis/soundfile.h"
#include "analysis/synthesisfit.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr double Pi = std::numbers::pi;

struct Tone {
    double F0Hz;
    double Mean;
    std::vector<std::pair<double, double>> Harmonics; // amplitude, phase in degrees; index k - 1
};

// The tone, in the synthesis' basis, with its time origin `delay` seconds
// before the first sample, plus white noise at `snrDb` below its AC power.
std::vector<double> Make(const Tone& tone, double rate, double seconds, double delay, double snrDb, unsigned seed)
{
    const auto n = static_cast<std::size_t>(rate * seconds);
    std::vector<double> x(n, tone.Mean);
    double power = 0;
    for (std::size_t k = 1; k <= tone.Harmonics.size(); ++k) {
        const auto [amp, deg] = tone.Harmonics[k - 1];
        power += amp * amp / 2;
        for (std::size_t i = 0; i < n; ++i)
            x[i] += amp * std::sin(2 * Pi * k * tone.F0Hz * (i / rate + delay) + deg * Pi / 180);
    }
    if (snrDb < 200) {
        std::mt19937 gen(seed);
        std::normal_distribution<double> noise(0.0, std::sqrt(power / std::pow(10.0, snrDb / 10)));
        for (double& v : x)
            v += noise(gen);
    }
    return x;
}

// Written to a file through libsndfile and read back, so that the test
// covers the sample size and the channels.
MonoSound ThroughFile(const std::vector<double>& left, const std::vector<double>& right, double rate, int format)
{
    // A name of this case's own: the cases run side by side as processes.
    std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& ch : name)
        if (ch == '/')
            ch = '_';
    const std::string path = testing::TempDir() + "analysis_tone_" + name + ".wav";
    SF_INFO info{};
    info.samplerate = static_cast<int>(rate);
    info.channels = right.empty() ? 1 : 2;
    info.format = SF_FORMAT_WAV | format;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    EXPECT_NE(f, nullptr);
    std::vector<double> frames;
    for (std::size_t i = 0; i < left.size(); ++i) {
        frames.push_back(left[i]);
        if (!right.empty())
            frames.push_back(right[i]);
    }
    sf_writef_double(f, frames.data(), static_cast<sf_count_t>(left.size()));
    sf_close(f);
    SoundReading r = ReadSoundFile(path);
    std::remove(path.c_str());
    EXPECT_TRUE(r.Ok) << r.Error;
    return r.Sound;
}

struct Case {
    const char* Name;
    Tone T;
    double Rate;
    int Format;
    bool Stereo;
    double SnrDb;
};

const Tone Flute{261.37, 0.0, {{0.30, 0}, {0.12, 90}, {0.05, -45}, {0.02, 170}}};
const Tone Reed{147.23, 0.08, {{0.20, 0}, {0.05, 120}, {0.15, -60}, {0.01, 0}, {0.10, 30}, {0, 0}, {0.06, -150}}};
const Tone High{1733.7, -0.05, {{0.40, 0}, {0.10, 180}, {0.05, -90}}};
const Tone Low{41.3, 0.02, {{0.15, 0}, {0.15, 45}, {0.10, -120}, {0.08, 60}, {0.05, 10}, {0.04, -170}, {0.03, 99},
                             {0.03, -30}, {0.02, 140}, {0.02, 0}, {0.02, -60}, {0.02, 75}}};

class Analysis : public testing::TestWithParam<Case> {};

TEST_P(Analysis, FindsFundamentalHarmonicsAndPhases)
{
    const Case& c = GetParam();
    const std::vector<double> x = Make(c.T, c.Rate, 1.5, 0.0123, c.SnrDb, 7);
    // Stereo: the same tone in both channels, its noise differing.
    const std::vector<double> right = c.Stereo ? Make(c.T, c.Rate, 1.5, 0.0123, c.SnrDb, 8) : std::vector<double>{};
    const MonoSound sound = ThroughFile(x, right, c.Rate, c.Format);
    const SoundAnalysis a = AnalyseSound(sound);
    ASSERT_TRUE(a.Ok) << a.Error;
    EXPECT_NEAR(a.F0Hz, c.T.F0Hz, 0.0005 * c.T.F0Hz);
    double largest = 0;
    for (const auto& h : c.T.Harmonics)
        largest = std::max(largest, h.first);
    EXPECT_NEAR(a.Mean, c.T.Mean, 0.01 * largest);
    // The expected phases with the origin moved to the fundamental's zero.
    const double phi1 = c.T.Harmonics[0].second;
    for (int k = 1; k <= AnalysedHarmonics; ++k) {
        const double amp = k <= static_cast<int>(c.T.Harmonics.size()) ? c.T.Harmonics[k - 1].first : 0.0;
        EXPECT_NEAR(a.Amplitude[k], amp, 0.01 * largest) << "harmonic " << k;
        if (amp > 0.05 * largest) {
            const double expected = c.T.Harmonics[k - 1].second - k * phi1;
            EXPECT_NEAR(std::remainder(a.PhaseDeg[k] - expected, 360.0), 0.0, 3.0) << "harmonic " << k;
            EXPECT_GT(a.PhaseDeg[k], -180.0);
            EXPECT_LE(a.PhaseDeg[k], 180.0);
        }
    }
    EXPECT_EQ(a.PhaseDeg[1], 0.0);
    EXPECT_LT(a.ResidualPercent, c.SnrDb < 200 ? 6.0 : 0.5);
    EXPECT_GT(a.Confidence, 0.9);
}

INSTANTIATE_TEST_SUITE_P(
    Tones, Analysis,
    testing::Values(Case{"flute_44k1_16bit", Flute, 44100, SF_FORMAT_PCM_16, false, 300},
                    Case{"flute_48k_24bit_noise", Flute, 48000, SF_FORMAT_PCM_24, false, 30},
                    Case{"reed_44k1_24bit_stereo_noise", Reed, 44100, SF_FORMAT_PCM_24, true, 30},
                    Case{"reed_48k_16bit_noise", Reed, 48000, SF_FORMAT_PCM_16, false, 30},
                    Case{"high_48k_16bit_stereo", High, 48000, SF_FORMAT_PCM_16, true, 30},
                    Case{"low_twelve_harmonics_44k1_float", Low, 44100, SF_FORMAT_FLOAT, false, 30}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.Name); });

TEST(Analysis, TimeOriginAtTheFundamentalsZero)
{
    const Tone t{220.17, 0.0, {{0.3, 0}, {0.1, 90}}};
    MonoSound s{48000, Make(t, 48000, 0.5, 0.00123, 300, 1)};
    const SoundAnalysis a = AnalyseSound(s);
    ASSERT_TRUE(a.Ok) << a.Error;
    // The model from the origin matches the sound sample by sample.
    for (std::size_t i = 0; i < 200; ++i) {
        const std::size_t at = static_cast<std::size_t>(std::ceil(a.OriginSample)) + i;
        EXPECT_NEAR(ModelValue(a, (at - a.OriginSample) / 48000.0), s.Samples[at], 0.005);
    }
}

struct Refusal {
    const char* Name;
    std::vector<double> Samples;
    const char* Says;
};

std::vector<double> Noise(double rms, unsigned seed)
{
    std::mt19937 gen(seed);
    std::normal_distribution<double> d(0, rms);
    std::vector<double> x(48000);
    for (double& v : x)
        v = d(gen);
    return x;
}

std::vector<double> Chord()
{
    // A major third in equal temperament: no common period.
    std::vector<double> x(48000);
    for (std::size_t i = 0; i < x.size(); ++i)
        x[i] = 0.3 * std::sin(2 * Pi * 440 * i / 48000.0) + 0.3 * std::sin(2 * Pi * 554.365 * i / 48000.0)
               + 0.2 * std::sin(2 * Pi * 659.255 * i / 48000.0);
    return x;
}

std::vector<double> Clipped()
{
    std::vector<double> x(48000);
    for (std::size_t i = 0; i < x.size(); ++i)
        x[i] = std::clamp(3 * std::sin(2 * Pi * 200 * i / 48000.0), -1.0, 1.0);
    return x;
}

TEST(Analysis, RefusesWhatIsNotPeriodic)
{
    const Refusal cases[] = {
        {"silence", std::vector<double>(48000, 0.0), "silence"},
        {"hiss", Noise(1e-4, 3), "silence"},
        {"noise", Noise(0.2, 4), "pas périodique"},
        {"chord", Chord(), "pas périodique"},
        {"clipped", Clipped(), "écrêté"},
        {"too_short", std::vector<double>(100, 0.5), "trop court"},
    };
    for (const Refusal& r : cases) {
        const SoundAnalysis a = AnalyseSound(MonoSound{48000, r.Samples});
        EXPECT_FALSE(a.Ok) << r.Name;
        EXPECT_NE(a.Error.find(r.Says), std::string::npos) << r.Name << ": " << a.Error;
    }
}

TEST(Analysis, SteadiestStretchSkipsAttackAndDecay)
{
    // A loud click, then a steady tone, then a fade.
    const Tone t{330.33, 0.0, {{0.25, 0}, {0.08, -90}}};
    std::vector<double> x = Make(t, 44100, 3.0, 0, 300, 1);
    for (std::size_t i = 0; i < 4410; ++i)
        x[i] += i % 7 < 3 ? 0.6 : -0.6;
    for (std::size_t i = 88200; i < x.size(); ++i)
        x[i] *= std::exp(-static_cast<double>(i - 88200) / 4410.0);
    const SoundAnalysis a = AnalyseSound(MonoSound{44100, x});
    ASSERT_TRUE(a.Ok) << a.Error;
    EXPECT_GE(a.Start, 4410u);
    EXPECT_LE(a.Start + a.Length, 88200u + 4410u);
    EXPECT_NEAR(a.Amplitude[1], 0.25, 0.0025);
}

} // namespace
