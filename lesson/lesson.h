// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A lesson ("séance"): what a teacher sets up before a class and hands to
// the students. It holds what the user sets (the signal, the filter, the
// look of the graphs, which windows are open) with a note for the student
// and, for the mystery-filter exercise, whether the filter is hidden; not
// what the program computes from them. Written as JSON of our own, versioned
// (lessonfile.h).

#include "signal/sharedstate.h"

#include <array>
#include <cstdint>
#include <string>

struct Lesson {
    // The signal.
    std::int32_t FundamentalHz = 100;
    double FullScaleValue = 1.0;
    std::int32_t MeanPercent = 0;
    PresetKind Preset = PresetKind::Free;
    double DutyCycle = 0.0; // a whole number of per cent, 0..1
    // Harmonic k at index k (1..12); index 0 unused.
    std::array<std::int32_t, RowCount> AmplitudePercent{}; // 0..100
    std::array<std::int32_t, RowCount> PhaseDegrees{};     // -90, 0, 90 or 180
    std::array<bool, RowCount> Shown{};

    // The main window's sliders: the mean slider runs within
    // -MeanBound..MeanBound, the arrow keys step by KeyStep.
    std::int32_t MeanBound = 400;
    std::int32_t KeyStep = 5;

    // The filter. CutoffTyped: the cut-off was typed rather than set by
    // the wheel (it is then shown as typed).
    FilterKind Filter = FilterKind::Amplifier;
    double CutoffHz = 1.0;
    bool CutoffTyped = false;
    double Damping = 0.705; // a track-bar step, position / 200
    double StaticGain = 1.0;

    // The look of the graphs and what they show (Plot.AxesAtOrigin is not
    // the user's and is not kept).
    DisplaySettings Display;
    double PeriodsShown = 1.0;

    // Windows open besides the main window and the time graph (the spectra
    // follow their LEDs, the duty-cycle dialog the square preset).
    bool SettingsOpen = false;
    bool SoundOpen = false;
    bool ResponseOpen = false;

    // The note shown to the student when the file opens; may be empty.
    std::string Consigne;
    // The mystery-filter exercise: the filter's kind and values are hidden.
    bool FilterHidden = false;

    bool operator==(const Lesson&) const = default;
};

// The fields of `lesson` that the shared state holds, taken from it: the
// signal (amplitudes and phases as the controls' whole numbers), the filter,
// the display and the periods shown. The rest is left as it was.
void TakeFromState(const SharedState& state, Lesson& lesson);
