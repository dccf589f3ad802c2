// SPDX-License-Identifier: GPL-3.0-or-later
// A whole SharedState built from the fuzzer's bytes, every field included
// and any double allowed (NaN, infinities, subnormals, the largest
// doubles), then the computation of one redraw: the filter, the time range
// when a preset, the settings or the time zoom set it, the value extents,
// every curve of the time graph sampled onto the picture, the spectrum's
// scale and bars, and the sound. Nothing non-finite may come out, the
// ranges must be ordered with a power-of-ten step and a few dozen
// graduations, and every pixel must stay within the saturation limit.

#include "filter/filterresponse.h"
#include "fuzz/fuzzcheck.h"
#include "plot/sampling.h"
#include "plot/scale.h"
#include "sound/soundrender.h"
#include "spectrum/spectrumbars.h"

#include <vector>

namespace {

SharedState BuildState(HostileInput& in)
{
    SharedState s;
    SignalState& sig = s.Signal;
    sig.FundamentalHz = in.Int32();
    sig.FullScaleValue = in.Double();
    sig.MeanPercent = in.Int32();
    sig.MeanValue = in.Bool() ? sig.MeanPercent / 100.0 * sig.FullScaleValue : in.Double();
    sig.Preset = static_cast<PresetKind>(in.Char());
    sig.DutyCycle = in.Double();
    HarmonicTable& h = sig.Harmonics;
    for (int k = 0; k < RowCount; ++k) {
        h.AmplitudePercent[k] = in.Double();
        h.PhaseRad[k] = in.Double();
        h.Shown[k] = in.Bool();
        h.FilterGain[k] = in.Double();
        h.FilterPhaseRad[k] = in.Double();
        h.OutputAmplitudePercent[k] = in.Double();
        h.OutputPhaseRad[k] = in.Double();
    }

    FilterState& f = s.Filter;
    f.Kind = static_cast<FilterKind>(in.Char());
    f.CutoffHz = in.Double();
    f.Damping = in.Double();
    f.StaticGain = in.Double();
    f.BandwidthHz = in.Double();

    DisplaySettings& d = s.Display;
    d.Plot.AxesAtOrigin = in.Bool();
    d.Plot.GridOn = in.Bool();
    d.Plot.GridDotted = in.Bool();
    d.Plot.AxisColour = in.UInt32();
    for (Colour& c : d.Plot.HarmonicColour)
        c = in.UInt32();
    d.Plot.FontSize = in.Int32();
    d.Plot.FontName = in.Provider().ConsumeRandomLengthString(64);
    d.Plot.GraduationLength = in.Int32();
    d.SynthesisColour = in.UInt32();
    d.SignalColour = in.UInt32();
    d.OutputColour = in.UInt32();
    d.InputSpectrumColour = in.UInt32();
    d.OutputSpectrumColour = in.UInt32();
    d.BlackBackground = in.Bool();
    d.CopyWidthPx = in.Int32();
    d.CopyHeightPx = in.Int32();
    d.SpectrumMode = static_cast<SpectrumMode>(in.Char());
    d.ShowLineValues = in.Bool();
    d.OutputScaleFactor = in.Int32();
    d.ShowIdealSignal = in.Bool();
    d.SuperposeOutput = in.Bool();
    d.ShowInputSpectrum = in.Bool();
    d.ShowOutputSpectrum = in.Bool();

    TimeGraphView& v = s.View;
    v.RangeFromZero = in.Bool();
    // The point count comes from the time-graph window's width, which no
    // screen makes wider than a few thousand pixels.
    v.PointCount = PointCountForWidth(in.Int32InRange(-100, 8212));
    v.TimeStart = in.Double();
    v.TimeEnd = in.Double();
    v.ValueMin = in.Double();
    v.ValueMax = in.Double();
    v.TimeStep = in.Double();
    v.ValueStep = in.Double();
    v.PeriodsShown = in.Double();

    s.Spectra.SpectrumMax = in.Double();
    return s;
}

void CheckScale(const char* what, double min, double max, double step)
{
    FUZZ_CHECK(std::isfinite(min) && std::isfinite(max) && min < max, "%s: %.17g .. %.17g", what, min, max);
    FUZZ_CHECK(IsPowerOfTen(step), "%s: step %.17g", what, step);
    const int n = Graduations(min, max, step);
    FUZZ_CHECK(n >= 1 && n <= 70, "%s: %.17g .. %.17g by %.17g gives %d graduations", what, min, max, step, n);
}

void CheckFinite(const char* what, int k, double v)
{
    FUZZ_CHECK(std::isfinite(v), "%s[%d] = %g", what, k, v);
}

template <typename Signal>
void CheckCurve(const char* what, const TimeGraphView& view, const PlotFrame& frame, const Signal& signal,
                std::vector<PixelPoint>& points)
{
    auto checked = [&](double t) {
        const double v = signal(t);
        FUZZ_CHECK(std::isfinite(v), "%s at t = %.17g gives %g", what, t, v);
        return v;
    };
    SampleCurve(view, frame, checked, points);
    const std::size_t expected = static_cast<std::size_t>(view.PointCount > 0 ? view.PointCount : 0) + 1;
    FUZZ_CHECK(points.size() == expected, "%s: %zu points for %d segments", what, points.size(), view.PointCount);
    for (const PixelPoint& p : points)
        FUZZ_CHECK(std::abs(p.x) <= PixelLimit && std::abs(p.y) <= PixelLimit, "%s: pixel (%d, %d)", what, p.x, p.y);
}

// One second of the input and of the output rendered into 8-bit samples:
// always 44000 of them, whatever the state holds.
void RenderOneSecondOfSound(const SharedState& state)
{
    for (SoundSource source : {SoundSource::Input, SoundSource::Output}) {
        const std::vector<std::uint8_t> samples = RenderSound(state, 1.0, source);
        if (samples.size() != 44000)
            __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    HostileInput in(data, size);
    SharedState s = BuildState(in);
    const bool resetTime = in.Bool(); // a preset or the settings reset the time axis
    const bool rescale = in.Bool();   // false: a resize keeps the value axis
    const std::int32_t w = in.Int32InRange(-200, 1 << 24);
    const std::int32_t h = in.Int32InRange(-200, 1 << 24);
    const std::int32_t zooms = in.Int32InRange(-40, 40); // clicks on the time zoom, out (-) or in (+)

    if (resetTime)
        ResetTimeRange(s);
    for (std::int32_t i = 0; i < std::abs(zooms); ++i)
        ZoomTimeRange(s.View, zooms < 0 ? 2.0 : 0.5);
    if (resetTime || zooms != 0)
        CheckScale("time axis", s.View.TimeStart, s.View.TimeEnd, s.View.TimeStep);

    ApplyFilter(s);
    const HarmonicTable& t = s.Signal.Harmonics;
    for (int k = 0; k < RowCount; ++k) {
        if (IsFilterCode(s.Filter.Kind)) {
            CheckFinite("FilterGain", k, t.FilterGain[k]);
            CheckFinite("FilterPhaseRad", k, t.FilterPhaseRad[k]);
        }
        CheckFinite("OutputAmplitudePercent", k, t.OutputAmplitudePercent[k]);
        CheckFinite("OutputPhaseRad", k, t.OutputPhaseRad[k]);
    }

    if (rescale) {
        ComputeTimeGraphExtents(s);
        CheckScale("value axis", s.View.ValueMin, s.View.ValueMax, s.View.ValueStep);
    }

    PlotFrame frame;
    frame.xMin = s.View.TimeStart;
    frame.xMax = s.View.TimeEnd;
    frame.yMin = s.View.ValueMin;
    frame.yMax = s.View.ValueMax;
    frame.xStep = s.View.TimeStep;
    frame.yStep = s.View.ValueStep;
    frame.W = w;
    frame.H = h;
    std::vector<PixelPoint> points;
    CheckCurve("ideal signal", s.View, frame, [&](double x) { return EvaluateIdealSignal(s, x); }, points);
    for (int k = 1; k < RowCount; ++k)
        CheckCurve("harmonic", s.View, frame, HarmonicSeries::Harmonic(s, k), points);
    CheckCurve("input", s.View, frame, HarmonicSeries::Input(s), points);
    CheckCurve("output", s.View, frame, HarmonicSeries::Output(s), points);

    const SpectrumLayout l = ComputeSpectrumLayout(s);
    FUZZ_CHECK(std::isfinite(s.Spectra.SpectrumMax) && s.Spectra.SpectrumMax > 0, "SpectrumMax = %g",
               s.Spectra.SpectrumMax);
    if (l.Drawn) {
        CheckScale("spectrum scale", l.YMin, l.YMax, l.Step);
        for (int k = 0; k < RowCount; ++k) {
            CheckFinite("BarIn", k, l.BarIn[k]);
            CheckFinite("LabelIn", k, l.LabelIn[k]);
            CheckFinite("BarOut", k, l.BarOut[k]);
            CheckFinite("LabelOut", k, l.LabelOut[k]);
            FUZZ_CHECK(l.BarIn[k] >= 0 && l.BarOut[k] >= 0, "bars of rank %d: %g and %g", k, l.BarIn[k], l.BarOut[k]);
            // The scale is sized for the input harmonics when they are shown
            // (bars beyond the range of NiceRange aside).
            if (s.Display.ShowInputSpectrum && k > 0 && l.BarIn[k] < 1e300)
                FUZZ_CHECK(l.BarIn[k] < l.YMax, "input bar %d of %g above the scale's top %g", k, l.BarIn[k], l.YMax);
        }
    }

    RenderOneSecondOfSound(s);
    return 0;
}
