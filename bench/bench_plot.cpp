// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the graphs on raster pictures, as one redraw does it.

#include "filter/filterresponse.h"
#include "filter/responsedrawing.h"
#include "plot/sampling.h"
#include "plot/timegraph.h"
#include "plot/vectorcopy.h"
#include "signal/presets.h"
#include "spectrum/spectrumdrawing.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QImage>

#include <benchmark/benchmark.h>

#include <numbers>

namespace {

// Square wave through a band-pass: input, output, ideal waveform and three
// harmonics shown.
SharedState BusyState(int windowWidth)
{
    SharedState s;
    s.Signal.Preset = PresetKind::Square;
    s.Signal.DutyCycle = 0.5;
    PresetPositions p;
    PresetPositionsFor(s.Signal, p);
    s.Signal.MeanPercent = p.MeanPosition;
    s.Signal.MeanValue = p.MeanPosition / 100.0;
    for (int k = 1; k <= 12; ++k) {
        s.Signal.Harmonics.AmplitudePercent[k] = p.Amplitude[k];
        s.Signal.Harmonics.PhaseRad[k] = SwitchDegrees(p.Phase[k]) * std::numbers::pi / 180;
    }
    for (int k : {1, 3, 5})
        s.Signal.Harmonics.Shown[k] = true;
    s.Display.ShowIdealSignal = true;
    s.Display.ShowInputSpectrum = true;
    s.Display.ShowOutputSpectrum = true;
    s.Display.ShowLineValues = true;
    s.Filter.Kind = FilterKind::BandPass;
    s.Filter.CutoffHz = 300;
    s.Filter.Damping = 0.705;
    ApplyFilter(s);
    ResetTimeRange(s);
    ComputeTimeGraphExtents(s);
    s.View.PointCount = PointCountForWidth(windowWidth);
    return s;
}

// Arguments: logical width and height, device pixel ratio in per cent.
void BM_DrawTimeGraph(benchmark::State& st)
{
    const int w = static_cast<int>(st.range(0));
    const int h = static_cast<int>(st.range(1));
    const qreal ratio = st.range(2) / 100.0;
    const SharedState s = BusyState(w + 30);
    QImage target;
    for (auto _ : st) {
        DrawTimeGraph(target, s, w, h, ratio);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_DrawTimeGraph)
    ->Args({493, 209, 100})
    ->Args({1890, 970, 100})
    ->Args({493, 209, 150})
    ->Args({493, 209, 200})
    ->Args({945, 485, 200})
    ->Args({2821, 1734, 100})
    ->Args({2821, 1734, 200})
    ->Unit(benchmark::kMicrosecond);

void BM_DrawSpectraAtRatio(benchmark::State& st)
{
    SharedState s = BusyState(523);
    QImage target;
    for (auto _ : st) {
        DrawSpectra(target, s, 515, 188, st.range(0) / 100.0);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_DrawSpectraAtRatio)->Arg(200)->Unit(benchmark::kMicrosecond);

void BM_DrawSpectra(benchmark::State& st)
{
    SharedState s = BusyState(523);
    QImage target;
    for (auto _ : st) {
        DrawSpectra(target, s, 515, 188);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_DrawSpectra)->Unit(benchmark::kMicrosecond);

// One "Copier" at the default copy size: the SVG, the PNG and the clipboard.
void BM_CopyTimeGraph(benchmark::State& st)
{
    const SharedState s = BusyState(523);
    const VectorDrawing draw = [&s](QPaintDevice& device, int w, int h) { DrawTimeGraphVector(device, s, w, h); };
    for (auto _ : st)
        benchmark::DoNotOptimize(CopyAsVector(draw, 567, 416));
}
BENCHMARK(BM_CopyTimeGraph)->Unit(benchmark::kMillisecond);

// The copy, then its PNG as a pasting program that takes no SVG asks for it.
void BM_CopyTimeGraphAndPastePng(benchmark::State& st)
{
    const SharedState s = BusyState(523);
    const VectorDrawing draw = [&s](QPaintDevice& device, int w, int h) { DrawTimeGraphVector(device, s, w, h); };
    for (auto _ : st) {
        CopyAsVector(draw, 567, 416);
        benchmark::DoNotOptimize(QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("image/png")));
    }
}
BENCHMARK(BM_CopyTimeGraphAndPastePng)->Unit(benchmark::kMillisecond);

void BM_CopySpectra(benchmark::State& st)
{
    SharedState s = BusyState(523);
    const VectorDrawing draw = [&s](QPaintDevice& device, int w, int h) { DrawSpectraVector(device, s, w, h); };
    for (auto _ : st)
        benchmark::DoNotOptimize(CopyAsVector(draw, 567, 416));
}
BENCHMARK(BM_CopySpectra)->Unit(benchmark::kMillisecond);
// One redraw of the response window's picture: the response laid out
// afresh (span, curve, markers, asymptotes, axes) and drawn, asymptotes on.
void BM_DrawFilterResponse(benchmark::State& st)
{
    const int w = static_cast<int>(st.range(0));
    const int h = static_cast<int>(st.range(1));
    const SharedState s = BusyState(523);
    QImage target;
    ResponseView view;
    for (auto _ : st) {
        DrawFilterResponse(target, s, true, w, h, view);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_DrawFilterResponse)->Args({600, 400})->Args({1890, 970})->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
