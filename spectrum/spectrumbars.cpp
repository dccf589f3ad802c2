// SPDX-License-Identifier: GPL-3.0-or-later
#include "spectrum/spectrumbars.h"

#include "numeric/rounding.h"
#include "plot/scale.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

double LargestSelected(const SharedState& state)
{
    const HarmonicTable& h = state.Signal.Harmonics;
    const DisplaySettings& d = state.Display;
    double m = 0.0;
    if (d.ShowInputSpectrum) {
        m = std::max(m, std::fabs(static_cast<double>(state.Signal.MeanPercent)));
        for (int k = 1; k < RowCount; ++k)
            m = std::max(m, std::fabs(h.AmplitudePercent[k]));
    }
    if (d.ShowOutputSpectrum)
        for (int k = 0; k < RowCount; ++k)
            m = std::max(m, std::fabs(h.OutputAmplitudePercent[k]));
    return m;
}

} // namespace

SpectrumLayout ComputeSpectrumLayout(SharedState& state)
{
    const SpectrumLayout layout = SpectrumLayoutFor(state);
    state.Spectra.SpectrumMax = layout.SpectrumMax;
    return layout;
}

SpectrumLayout SpectrumLayoutFor(const SharedState& state)
{
    const DisplaySettings& d = state.Display;
    SpectrumLayout layout;
    double& spectrumMax = layout.SpectrumMax;
    spectrumMax = state.Spectra.SpectrumMax;
    if (d.ShowInputSpectrum || d.ShowOutputSpectrum)
        spectrumMax = LargestSelected(state);
    // The maximum is a positive finite number: infinities saturate, and 0
    // (nothing has a height), NaN or a negative value count as 1.
    spectrumMax = SaturateToDouble(spectrumMax);
    if (!(spectrumMax > 0.0))
        spectrumMax = 1.0;

    const ::SpectrumMode mode = d.SpectrumMode;
    if (mode != SpectrumMode::Percent && mode != SpectrumMode::Amplitude && mode != SpectrumMode::Rms)
        return layout;
    layout.Drawn = true;

    const long double f = state.Signal.FullScaleValue;
    const long double s = d.OutputScaleFactor;
    const bool percent = mode == SpectrumMode::Percent;
    const long double unit = percent ? 1.0L : f / 100;                        // per cent -> shown unit
    const long double rms = mode == SpectrumMode::Rms ? std::numbers::sqrt2_v<long double> : 1.0L;

    double top = percent ? spectrumMax : SaturateToDouble(std::fabs(spectrumMax * unit));
    layout.YMin = 0.0;
    layout.YMax = top;
    NiceRange(layout.Step, layout.YMin, layout.YMax, true);
    if (percent)
        spectrumMax = layout.YMax;

    const HarmonicTable& h = state.Signal.Harmonics;
    if (percent) {
        layout.BarIn[0] = std::fabs(static_cast<double>(state.Signal.MeanPercent));
        layout.LabelIn[0] = state.Signal.MeanPercent;
    } else {
        layout.BarIn[0] = layout.LabelIn[0] = SaturateToDouble(std::fabs(state.Signal.MeanValue));
    }
    const long double outMean = std::fabs(static_cast<long double>(h.OutputAmplitudePercent[0])) * unit;
    layout.LabelOut[0] = SaturateToDouble(outMean);
    layout.BarOut[0] = SaturateToDouble(std::fabs(s * outMean));
    for (int k = 1; k < RowCount; ++k) {
        layout.LabelIn[k] = SaturateToDouble(h.AmplitudePercent[k] * unit / rms);
        layout.BarIn[k] = std::fabs(layout.LabelIn[k]);
        const long double out = std::fabs(static_cast<long double>(h.OutputAmplitudePercent[k])) * unit / rms;
        layout.LabelOut[k] = SaturateToDouble(out);
        layout.BarOut[k] = SaturateToDouble(std::fabs(s * out));
    }
    return layout;
}
