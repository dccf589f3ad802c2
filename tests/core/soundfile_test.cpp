// SPDX-License-Identifier: GPL-3.0-or-later
// Reading hostile sound files, and writing a recording as WAV.

#include "analysis/soundfile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string Fixture(const char* name)
{
    return std::string(ANALYSIS_FIXTURES) + "/" + name;
}

struct Hostile {
    const char* File;
    const char* Says;
};

TEST(SoundFile, HostileFilesRefusedInFrench)
{
    const Hostile cases[] = {
        {"empty.wav", "vide"},
        {"not_a_sound.wav", "n'est pas un son"},
        {"one_sample.wav", "trop court"},
        {"truncated.wav", "tronqué"},
        {"rate_384k.wav", "384 000 Hz refusée"},
        {"one_hour.flac", "plus de 10 minutes"},
        {"missing.wav", "n'existe pas"},
    };
    for (const Hostile& h : cases) {
        const SoundReading r = ReadSoundFile(Fixture(h.File));
        EXPECT_FALSE(r.Ok) << h.File;
        EXPECT_NE(r.Error.find(h.Says), std::string::npos) << h.File << ": " << r.Error;
        // The same bytes from memory (the fuzz target's way) are refused too.
        std::ifstream in(Fixture(h.File), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_FALSE(ReadSoundBytes(bytes.data(), bytes.size()).Ok) << h.File;
    }
}

TEST(SoundFile, WavWrittenAndReadBack)
{
    MonoSound s{22050, std::vector<double>(4410)};
    for (std::size_t i = 0; i < s.Samples.size(); ++i)
        s.Samples[i] = 0.5 * std::sin(i * 0.05);
    s.Samples[7] = 3.0; // beyond full scale: held at full scale
    const std::string path = testing::TempDir() + "recording.wav";
    ASSERT_EQ(WriteWavFile(path, s), "");
    EXPECT_FALSE(std::filesystem::exists(path + ".part"));
    const SoundReading r = ReadSoundFile(path);
    ASSERT_TRUE(r.Ok) << r.Error;
    EXPECT_EQ(r.Sound.SampleRateHz, 22050);
    ASSERT_EQ(r.Sound.Samples.size(), s.Samples.size());
    EXPECT_NEAR(r.Sound.Samples[7], 1.0, 1e-4);
    for (std::size_t i = 100; i < 110; ++i)
        EXPECT_NEAR(r.Sound.Samples[i], s.Samples[i], 1e-4);
    std::filesystem::remove(path);
}

TEST(SoundFile, FailedWriteLeavesTheOldFileWhole)
{
    const std::string folder = testing::TempDir() + "no_such_folder/";
    MonoSound s{8000, std::vector<double>(800, 0.1)};
    const std::string error = WriteWavFile(folder + "x.wav", s);
    EXPECT_NE(error.find("n'a pas pu être écrit"), std::string::npos) << error;
    // A sound the reader would refuse is not written.
    EXPECT_NE(WriteWavFile(testing::TempDir() + "short.wav", MonoSound{8000, {0.1}}).find("trop court"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(testing::TempDir() + "short.wav"));
}

} // namespace
