// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The control positions of the six waveform presets. A preset moves the
// main window's mean slider, amplitude sliders and phase switches; the
// state follows through their change handlers.

#include "signal/sharedstate.h"

#include <array>

// Phase switch positions 0, 1, 2, 3 stand for -90, 0, +90 and 180 degrees.
inline constexpr int SwitchMinus90 = 0, Switch0 = 1, SwitchPlus90 = 2, Switch180 = 3;

// Phase in degrees of a switch position (0 for a position outside 0..3).
int SwitchDegrees(int position);

struct PresetPositions {
    bool ResetsMean = false; // free synthesis and triangle write MeanValue = 0 first
    int MeanPosition = 0;
    std::array<int, RowCount> Amplitude{}; // slider positions, k = 1..12
    std::array<int, RowCount> Phase{};     // switch positions, k = 1..12
};

// The positions for signal.Preset, false for a code that is none of the six.
// Free synthesis: everything at 0 with the switches at 0 degrees. Square of
// duty cycle D: mean Round(100 D), amplitude k Round(100 (2/pi) |sin(k pi D)| / k),
// switch +90 degrees where sin(k pi D) > 0, otherwise -90 degrees. Triangle,
// half-wave, full-wave and three-pulse: their fixed tables.
bool PresetPositionsFor(const SignalState& signal, PresetPositions& positions);
