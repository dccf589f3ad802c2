// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One column of the main window's harmonic section: harmonic k's check LED,
// amplitude read-out, amplitude slider, phase switch and phase read-out,
// with its number under them.

class QWidget;
class TVrCheckLed;
class TVrNum;
class TVrSlider;
class TVrSwitch;

struct HarmonicColumn {
    TVrCheckLed* VrCheckLed = nullptr; // shows harmonic k alone on the time graph
    TVrNum* VrNumamp = nullptr;        // amplitude in per cent
    TVrSlider* Vramp = nullptr;        // amplitude, 0..100
    TVrSwitch* VrSwitch = nullptr;     // phase: -90, 0, 90, 180 degrees
    TVrNum* VrNumph = nullptr;         // phase in degrees
};

// Builds column k (1..12) on the main window at x = 104 + 32 (k - 1), its
// controls named after k (VrCheckLed3, VrNumamp3, Vramp3, VrSwitch3,
// VrNumph3), in their start-up positions.
HarmonicColumn BuildHarmonicColumn(QWidget* window, int k);
