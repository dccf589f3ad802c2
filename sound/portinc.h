// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's binding to the sound output: four operations and a stop.
// The window renders a whole sound into 8-bit samples and hands it over in
// one call; how the samples reach the loudspeaker is the port's matter.

#include <cstdint>

class SoundPort {
public:
    virtual ~SoundPort() = default;

    // true when the machine has an audio output to play on.
    virtual bool SOUNDIS() = 0;

    // Samples per second of the following SOUNDOUT.
    virtual void SOUNDSETRATE(std::int32_t samplesPerSecond) = 0;

    // Bytes per sample of the following SOUNDOUT; 1 means unsigned 8-bit
    // samples, one channel.
    virtual void SOUNDSETBYTES(std::int32_t bytesPerSample) = 0;

    // Plays `count` samples from `samples` (null when count is 0, which plays
    // nothing). The port takes its own copy, so the caller may free the
    // buffer as soon as the call returns; the call does not wait for the
    // sound to end. A new sound replaces one still playing.
    virtual void SOUNDOUT(const std::uint8_t* samples, std::int32_t count) = 0;

    // Ends a sound still playing; does nothing when all is quiet.
    virtual void Stop() = 0;
};
