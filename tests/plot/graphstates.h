// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// States of the program that the drawing tests share.

#include "filter/filterresponse.h"
#include "plot/sampling.h"
#include "signal/sharedstate.h"

#include <QString>

#include <numbers>

namespace graphstates {

// Default window sizes: time graph 523 x 319, spectra 565 x 288.
inline constexpr int TimeW = 493, TimeH = 209;
inline constexpr int SpectraW = 515, SpectraH = 188;

// Redraw preparation: filter tables, time range, value axis, point count.
inline void Recompute(SharedState& s, int windowWidth = TimeW + 30)
{
    ApplyFilter(s);
    ResetTimeRange(s);
    ComputeTimeGraphExtents(s);
    s.View.PointCount = PointCountForWidth(windowWidth);
}

inline SharedState StartUp()
{
    SharedState s;
    s.Filter.Kind = FilterKind::Amplifier;
    s.Filter.Damping = 0.705;
    Recompute(s);
    return s;
}

// The square preset at 50 %, its exact waveform shown, through a band-pass
// tuned on the third harmonic.
inline SharedState SquareThroughBandPass()
{
    SharedState s = StartUp();
    const double amplitudes[] = {64, 0, 21, 0, 13, 0, 9, 0, 7, 0, 6, 0};
    const int phases[] = {90, -90, -90, -90, 90, -90, -90, -90, 90, -90, -90, -90};
    s.Signal.Preset = PresetKind::Square;
    s.Signal.DutyCycle = 0.5;
    s.Signal.MeanPercent = 50;
    s.Signal.MeanValue = 0.5;
    for (int k = 1; k <= 12; ++k) {
        s.Signal.Harmonics.AmplitudePercent[k] = amplitudes[k - 1];
        s.Signal.Harmonics.PhaseRad[k] = phases[k - 1] * std::numbers::pi / 180;
    }
    s.Display.ShowIdealSignal = true;
    s.Filter.Kind = FilterKind::BandPass;
    s.Filter.CutoffHz = 300;
    Recompute(s);
    return s;
}

inline QString PicturePath(const QString& name)
{
    return QStringLiteral(PICTURE_DIR "/") + name;
}

} // namespace graphstates
