// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pictures of the analysis window: a few periods of the recording with
// the resynthesis over it, and the measured harmonics as bars.

#include "analysis/soundanalysis.h"
#include "signal/sharedstate.h"

#include <QImage>

// `periods` (1..3) periods of `sound` from the analysis' time origin, in
// the display's signal colour, with the twelve-harmonic model over them in
// the synthesis colour; the value axis fits both; under the frame the time
// at both ends and the legend. A w x h picture at the device pixel ratio
// `ratio`.
QImage WaveformPicture(const MonoSound& sound, const SoundAnalysis& a, int periods, const DisplaySettings& display,
                       int w, int h, qreal ratio = 1.0);

// The mean (rank 0, its magnitude) and harmonics 1..12 as bars three pixels
// wide, as the spectrum window draws them, in per cent of the largest
// harmonic; rank numbers under the axis, the scale at the left.
QImage BarsPicture(const SoundAnalysis& a, const DisplaySettings& display, int w, int h, qreal ratio = 1.0);

// A French number with `decimals` decimals: 261,63.
QString FrenchNumber(double v, int decimals);
