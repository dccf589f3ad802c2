#pragma once

// The numbers of the line spectra: which maximum the scale is sized for,
// the scale itself, and the height and value text of every bar.

#include "sharedstate.h"

#include <array>

struct SpectrumLayout {
    bool Drawn = false; // the mode is one of the three; otherwise only the legend is drawn
    double Step = 0.0;  // graduation step of the value axis
    double YMin = 0.0;  // one step below zero
    double YMax = 0.0;  // first multiple of the step strictly above the top
    // Rank k = 0 (mean) .. 12. Bars are >= 0; output bars include
    // OutputScaleFactor, labels never do.
    std::array<double, RowCount> BarIn{};
    std::array<double, RowCount> LabelIn{};
    std::array<double, RowCount> BarOut{};
    std::array<double, RowCount> LabelOut{};
};

// Updates SpectrumMax from the selected series (the largest |value| in per
// cent among the mean and the harmonics of each selected series, kept as it
// was when none is selected, and 1 instead of 0 or of anything else that is
// not a positive number; infinities saturate), then sizes the scale with
// NiceRange from 0 to the top (SpectrumMax in "% amp", SpectrumMax *
// FullScaleValue / 100 in "Ampl" and "RMS"), storing the rounded top back
// into SpectrumMax in "% amp". Bars and labels, with F = FullScaleValue and
// S = OutputScaleFactor:
//   % amp: mean |MeanPercent| (label signed), harmonics a_k; output S |b_k|
//   Ampl : mean |MeanValue|, harmonics a_k F / 100; output S |b_k| F / 100
//   RMS  : as Ampl, the harmonics (not the means) divided by sqrt 2.
// Every bar and label is finite: NaN reads as 0, infinities saturate. Bars
// stand on the zero line whatever the signs of the amplitudes, of
// FullScaleValue and of OutputScaleFactor (all positive in use; should one
// not be, a bar has the magnitude of its value).
SpectrumLayout ComputeSpectrumLayout(SharedState& state);
