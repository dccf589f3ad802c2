// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Sound files read and written through libsndfile: WAV, FLAC, OGG and the
// other formats it knows, any sample size, channels mixed to one.

#include <cstddef>
#include <string>
#include <vector>

// One channel of samples, 1 standing for the file's digital full scale.
struct MonoSound {
    double SampleRateHz = 0.0;
    std::vector<double> Samples;

    double DurationSeconds() const { return SampleRateHz > 0 ? Samples.size() / SampleRateHz : 0.0; }
};

// What a reading gives: the sound, or a French message saying why not.
struct SoundReading {
    bool Ok = false;
    std::string Error;
    MonoSound Sound;
};

// Bounds of what the analysis takes.
inline constexpr double MinSampleRateHz = 8000.0;
inline constexpr double MaxSampleRateHz = 192000.0;
inline constexpr double ShortestAnalysedSeconds = 0.1;
inline constexpr double LongestAnalysedSeconds = 600.0;
inline constexpr int MaxChannels = 8;
inline constexpr long long MaxAnalysedSamples = 30'000'000; // 10 min at 48 kHz, 2.6 min at 192 kHz

// Reads a sound file; its channels are averaged into one. Refused, with a
// French message: a missing or empty file, a file that is no sound, a rate
// outside 8 kHz .. 192 kHz, more than 8 channels, a sound shorter than
// 0.1 s, longer than 10 minutes or of more than 30 million samples, data that stop before the length the
// header announces, samples that are no finite numbers.
SoundReading ReadSoundFile(const std::string& path);

// The same from bytes in memory.
SoundReading ReadSoundBytes(const void* data, std::size_t size);

// The checks of ReadSoundFile on a sound already in memory (a recording):
// rate, length, finite samples. Empty when it passes, else the message.
std::string CheckSound(const MonoSound& sound);

// Writes `sound` as a 16-bit mono WAV file; samples beyond full scale are
// held at full scale. The file is written beside the target under another
// name and renamed over it at the end, so a failure leaves any earlier file
// whole. Empty on success, else a French message.
std::string WriteWavFile(const std::string& path, const MonoSound& sound);
