// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The arithmetic behind the filter controls of the main window: the
// endless cut-off wheel, the damping track bar, the typed frequency, the
// typed static gain and the -3 dB bandwidth read-out.

#include "signal/sharedstate.h"

#include <string>
#include <string_view>

inline constexpr double MinFrequencyHz = 0.001;
inline constexpr double MaxFrequencyHz = 999999;

// A three-digit read-out and its unit label.
struct FrequencyReadout {
    bool Shown = false; // false: the read-out and its unit keep what they showed
    int Value = 0;
    std::string Unit;
};

// The wheel's position in per cent of its range 100..1000, truncated.
int WheelPercent(int position);

// One step of the wheel to `position` (100..1000). Turning up past the end
// (from above 90 % to below 10 %) moves to the next decade, turning down
// past the start to the previous one. Then
// CutoffHz = 10^decade * position / 1000, held within 0.001..999999, and
// shown as whole hertz (" Hz", rounding the frequency) from above 0.999 up
// to 999 Hz, as whole kilohertz ("KHz", rounding it) above 999 Hz, and in
// millihertz ("mHz", exact) up to 0.999 Hz. Returns the new per cent for
// the next step.
int TurnWheel(int position, int& decade, int lastPercent, FilterState& filter, FrequencyReadout& readout);

// The read-out of a cut-off as the wheel shows it: whole kilohertz ("KHz")
// above 999 Hz, whole hertz (" Hz") above 0.999 Hz, else millihertz ("mHz").
FrequencyReadout CutoffReadout(double cutoffHz);

// The wheel standing for a cut-off: the decade whose turn runs from
// 10^(decade-1) up to (not including) 10^decade Hz, and the position
// nearest to the cut-off in it (100..1000). 1 Hz is decade 1, position 100.
struct WheelSetting {
    int Decade = 1;
    int Position = 100;
};
WheelSetting WheelFor(double cutoffHz);

// The damping of the track bar's position: position / 200, 0 becoming 0.0001.
double DampingForPosition(int position);

// BandwidthHz = 2 CutoffHz Damping, held within 0.001..999999, and its
// read-out: "Hz" from above 0.999 up to 999, "KHz" above, "mHz" up to 0.999.
FrequencyReadout ShowBandwidth(FilterState& filter);

// A typed cut-off: the whole text must be a number, at most one million and
// not negative; it is held within 0.001..999999 and rounded to whole hertz.
// A text that rounds to 0 Hz is refused too, since the filters divide by the
// cut-off. On refusal CutoffHz is left as it was.
bool AcceptTypedFrequency(std::string_view text, FilterState& filter);

// A typed static gain: the whole text must be a number (TryParseTypedNumber)
// that IsStaticGainAllowed takes: 0, or a magnitude of 1e-100 ... 1e100 of
// either sign. On refusal StaticGain is left as it was.
bool AcceptTypedStaticGain(std::string_view text, FilterState& filter);
