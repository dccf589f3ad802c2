// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// From a sound's analysis to the positions of the synthesis' controls, and
// the twelve-harmonic resynthesis as samples.

#include "analysis/soundanalysis.h"

#include <array>
#include <vector>

// What the main window's controls take.
struct SynthesisSettings {
    int FundamentalHz = 100;    // whole hertz, 1 .. 999 999
    double FullScaleValue = 1;  // the largest harmonic's amplitude, to 3 significant digits
    int MeanPercent = 0;        // of FullScaleValue, within the mean slider's range
    std::array<int, AnalysedHarmonics + 1> AmplitudePercent{}; // 0..100, index 1..12
    std::array<int, AnalysedHarmonics + 1> SwitchPosition{};   // 0..3 = -90, 0, +90, 180 degrees
    // How far the synthesised period lies from the measured one: the RMS of
    // their difference over a period, per cent of the measured RMS (the
    // rounding of f0 aside: both are compared over their own period).
    double RmsDifferencePercent = 0;
};

// The phase in degrees of switch position 0..3.
int SwitchPositionDegrees(int position);
// The switch position whose phase lies nearest to `degrees` around the circle.
int NearestSwitchPosition(double degrees);

// The settings of an accepted analysis; the mean is held within
// -meanLimitPercent .. meanLimitPercent (the mean slider's range).
SynthesisSettings ToSynthesis(const SoundAnalysis& a, int meanLimitPercent = 400);

// `count` samples of the model at `rateHz`, starting at the time origin.
std::vector<double> Resynthesis(const SoundAnalysis& a, double rateHz, std::size_t count);
