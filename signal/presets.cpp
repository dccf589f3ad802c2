// SPDX-License-Identifier: GPL-3.0-or-later
#include "signal/presets.h"

#include "numeric/rounding.h"

#include <cmath>
#include <numbers>

namespace {

struct FixedPreset {
    int mean;
    int amplitude[HarmonicCount];
    int phase[HarmonicCount];
};

constexpr int M = SwitchMinus90, Z = Switch0, P = SwitchPlus90, H = Switch180;

constexpr FixedPreset Triangle{0, {100, 0, 11, 0, 4, 0, 2, 0, 1, 0, 1, 0}, {Z, Z, H, Z, Z, Z, H, Z, Z, Z, H, Z}};
constexpr FixedPreset HalfWave{64, {100, 42, 0, 8, 0, 4, 0, 2, 0, 1, 0, 1}, {P, P, Z, M, Z, P, Z, M, Z, P, Z, M}};
constexpr FixedPreset FullWave{150, {0, 100, 0, 20, 0, 9, 0, 5, 0, 3, 0, 2}, {Z, P, Z, M, Z, P, Z, M, Z, P, Z, M}};
constexpr FixedPreset ThreePulse{400, {0, 0, 100, 0, 0, 23, 0, 0, 10, 0, 0, 6}, {Z, Z, P, Z, Z, M, Z, Z, P, Z, Z, M}};

void Fill(const FixedPreset& f, PresetPositions& out)
{
    out.MeanPosition = f.mean;
    for (int k = 1; k <= HarmonicCount; ++k) {
        out.Amplitude[k] = f.amplitude[k - 1];
        out.Phase[k] = f.phase[k - 1];
    }
}

} // namespace

int SwitchDegrees(int position)
{
    switch (position) {
    case SwitchMinus90: return -90;
    case SwitchPlus90: return 90;
    case Switch180: return 180;
    default: return 0;
    }
}

bool PresetPositionsFor(const SignalState& signal, PresetPositions& out)
{
    out = PresetPositions{};
    switch (signal.Preset) {
    case PresetKind::Free:
        out.ResetsMean = true;
        for (int k = 1; k <= HarmonicCount; ++k)
            out.Phase[k] = Switch0;
        return true;
    case PresetKind::Square: {
        constexpr double TwoOverPi = 0.6366197723675814;
        const double d = signal.DutyCycle;
        out.MeanPosition = Round(100 * d);
        for (int k = 1; k <= HarmonicCount; ++k) {
            const double s = std::sin(k * std::numbers::pi * d);
            out.Amplitude[k] = Round(100 * TwoOverPi * std::fabs(s) / k);
            out.Phase[k] = s > 0 ? SwitchPlus90 : SwitchMinus90;
        }
        return true;
    }
    case PresetKind::Triangle:
        Fill(Triangle, out);
        out.ResetsMean = true;
        return true;
    case PresetKind::HalfWave:
        Fill(HalfWave, out);
        return true;
    case PresetKind::FullWave:
        Fill(FullWave, out);
        return true;
    case PresetKind::ThreePulse:
        Fill(ThreePulse, out);
        return true;
    case PresetKind::None:
        break;
    }
    return false;
}
