// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The numbers of the line spectra: which maximum the scale is sized for,
// the scale itself, and the height and value text of every bar.

#include "signal/sharedstate.h"

#include <array>

struct SpectrumLayout {
    double SpectrumMax = 1.0; // the scale maximum that the drawing leaves for the next one
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

// The scale and the bars of a drawing of the spectra. The scale maximum
// comes from the selected series (the largest |value| in per cent among the
// mean and the harmonics of each selected series; the stored SpectrumMax
// when none is selected; 1 instead of 0); NiceRange sizes the scale from 0
// to the top (that maximum in "% amp", maximum * FullScaleValue / 100 in
// "Ampl" and "RMS"). SpectrumMax of the layout is what the drawing stores
// back: the rounded top in "% amp", the maximum otherwise. Bars and labels,
// with F = FullScaleValue and S = OutputScaleFactor:
//   % amp: mean |MeanPercent| (label signed), harmonics a_k; output S |b_k|
//   Ampl : mean |MeanValue|, harmonics a_k F / 100; output S |b_k| F / 100
//   RMS  : as Ampl, the harmonics (not the means) divided by sqrt 2.
// The maximum is a positive finite number (infinities saturate, anything
// not above 0 reads as 1). Every bar and label is finite: NaN reads as 0,
// infinities saturate. Bars stand on the zero line whatever the signs of the
// amplitudes, of FullScaleValue and of OutputScaleFactor (all positive in
// use; should one not be, a bar has the magnitude of its value).
SpectrumLayout SpectrumLayoutFor(const SharedState& state);

// What a drawing of the spectra does to the state, before it paints:
// SpectrumMax = SpectrumLayoutFor(state).SpectrumMax. Returns that layout,
// for the painting.
SpectrumLayout ComputeSpectrumLayout(SharedState& state);
