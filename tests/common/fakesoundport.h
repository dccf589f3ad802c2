// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A sound port that plays nothing and records every call in order, with a
// copy of each buffer handed to SOUNDOUT.

#include "sound/portinc.h"

#include <cstdint>
#include <string>
#include <vector>

class FakeSoundPort : public SoundPort {
public:
    struct Call {
        std::string name;              // "SOUNDIS", "SOUNDSETRATE", "SOUNDSETBYTES", "SOUNDOUT" or "Stop"
        std::int32_t value = 0;        // the rate, the bytes per sample or the sample count
        bool nullBuffer = false;       // SOUNDOUT was given a null buffer
        std::vector<std::uint8_t> samples; // SOUNDOUT's samples
    };

    bool HasCard = true; // what SOUNDIS answers
    std::vector<Call> Calls;

    bool SOUNDIS() override
    {
        Calls.push_back({"SOUNDIS", 0, false, {}});
        return HasCard;
    }
    void SOUNDSETRATE(std::int32_t rate) override { Calls.push_back({"SOUNDSETRATE", rate, false, {}}); }
    void SOUNDSETBYTES(std::int32_t bytes) override { Calls.push_back({"SOUNDSETBYTES", bytes, false, {}}); }
    void SOUNDOUT(const std::uint8_t* samples, std::int32_t count) override
    {
        Call c{"SOUNDOUT", count, samples == nullptr, {}};
        if (samples && count > 0)
            c.samples.assign(samples, samples + count);
        Calls.push_back(std::move(c));
    }
    void Stop() override { Calls.push_back({"Stop", 0, false, {}}); }

    // The names of the calls, in order.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const Call& c : Calls)
            names.push_back(c.name);
        return names;
    }
};
