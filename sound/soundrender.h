// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sound study's arithmetic: the input or the output signal rendered into
// unsigned 8-bit samples centred on 127, at 44000 samples per second.

#include "signal/sharedstate.h"
#include "sound/portinc.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

inline constexpr std::int32_t SoundRateHz = 44000;  // 44000, not 44100
inline constexpr double MaxSoundSeconds = 10.0;
inline constexpr std::int32_t AudibleLimitHz = 20000;

// Which signal a playback renders.
enum class SoundSource { Input, Output };

// The settings of the sound study, kept while its window is hidden.
struct SoundStudyState {
    double DurationSeconds = 2.0;       // 0 .. 10
    std::uint16_t SampleRateHz = SoundRateHz;
    bool PlayInput = false;             // true only while the input is rendered
    bool PlayOutput = false;            // true only while the output is rendered
};

// A duration as the renderer uses it: held to 0 .. MaxSoundSeconds, NaN as 0.
double ClampSoundDuration(double seconds);

// Number of samples of a sound: N = Round(44000 * d), ties to even, with d
// held as by ClampSoundDuration (so at most 440000).
std::int32_t SoundSampleCount(double seconds);

// The duration typed into the duration box: d = |x| for a text that is one
// number x (TryParseTypedNumber), and 10 when d > 10; nothing for a text
// that is no number, a number beyond the range of a double or one too small
// for a normal double ("1e-320"). What it gives lies within 0 .. 10.
std::optional<double> DurationFromText(std::string_view text);

// true when the twelfth harmonic lies beyond hearing: 12 * FundamentalHz >
// 20000 (from 1667 Hz up), whatever its amplitude.
bool MayBeInaudible(const SharedState& state);

// N = SoundSampleCount(seconds) samples of the input s(t) or of the output
// y(t) (EvaluateInput, EvaluateOutput), at t_i = (i / N) * d, i = 0 .. N - 1:
//   sample_i = Round((v(t_i) - MeanValue) * (127 / ValueMax / 1.5) + 127),
// held to 0 .. 255. The input's MeanValue is taken off the output as well,
// so a deviation of +-ValueMax maps to 42 .. 212 and one of +-1.5 ValueMax
// to 0 .. 254. ValueMax is the top of the time graph's value axis; should it
// be 0 (or NaN), the larger magnitude of the axis' ends takes its place, and
// 1 when both are 0.
std::vector<std::uint8_t> RenderSound(const SharedState& state, double seconds, SoundSource source);

// One complete playback of a rendered buffer: SOUNDSETRATE(44000),
// SOUNDSETBYTES(1), SOUNDOUT(buffer, N); with N = 0 the buffer is null.
void PlaySound(SoundPort& port, const std::vector<std::uint8_t>& samples);
