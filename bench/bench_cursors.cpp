// SPDX-License-Identifier: GPL-3.0-or-later
// A move of a measuring cursor at the default window sizes: the new
// readings, the read-out's texts and the repaint of the two columns over
// the kept picture.

#include "filter/filterresponse.h"
#include "filter/responsewindow.h"
#include "plot/cursorcore.h"
#include "plot/cursorreadout.h"
#include "plot/graphcursors.h"
#include "plot/repres.h"
#include "plot/sampling.h"
#include "signal/presets.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <numbers>

namespace {

// Square wave through a band-pass: input, output, ideal waveform and three
// harmonics on the time graph.
SharedState BusyState()
{
    SharedState s;
    s.Signal.FundamentalHz = 100;
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
    s.Display.SuperposeOutput = true;
    s.Filter.Kind = FilterKind::BandPass;
    s.Filter.CutoffHz = 300;
    s.Filter.Damping = 0.705;
    ApplyFilter(s);
    ResetTimeRange(s);
    ComputeTimeGraphExtents(s);
    s.View.PointCount = PointCountForWidth(523);
    return s;
}

// The state at start-up: the input and the output on the graph.
SharedState StartState()
{
    SharedState s;
    s.Filter.Kind = FilterKind::Amplifier;
    ApplyFilter(s);
    ResetTimeRange(s);
    ComputeTimeGraphExtents(s);
    s.View.PointCount = PointCountForWidth(523);
    return s;
}

// Cursor 1 (and cursor 2 when `both`) shown; cursor 1 steps one pixel
// right and back. A move: the readings, the read-out's texts, and the
// event loop's repaint of the columns and of the read-out's changed cells.
template <typename Window>
void MoveCursor(benchmark::State& st, Window& w, bool both)
{
    w.show();
    w.Redraw();
    w.Cursors()->Step(0);
    if (both) {
        w.Cursors()->Place(1, *w.Cursors()->At(0));
        w.Cursors()->Place(0, *w.Cursors()->At(1));
    }
    QApplication::processEvents();
    int direction = 1;
    for (auto _ : st) {
        w.Cursors()->Step(direction);
        direction = -direction;
        QApplication::processEvents();
    }
}

// Arguments: the state (0 start-up: input and output; 1 busy: six
// curves), the cursors shown (1 or 2).
void BM_TimeCursorMove(benchmark::State& st)
{
    SharedState s = st.range(0) == 0 ? StartState() : BusyState();
    Tfengraphe w(s);
    MoveCursor(st, w, st.range(1) == 2);
}
BENCHMARK(BM_TimeCursorMove)->ArgsProduct({{0, 1}, {1, 2}})->Unit(benchmark::kMicrosecond);

// Argument: 1 one cursor, 2 both.
void BM_ResponseCursorMove(benchmark::State& st)
{
    SharedState s = BusyState();
    Tfenreponse w(s);
    MoveCursor(st, w, st.range(0) == 2);
}
BENCHMARK(BM_ResponseCursorMove)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The graph alone: the cursor's line moves over the kept picture, the
// read-out hidden (a move then costs the readings, the marks and the
// repaint of two pixel columns).
void BM_TimeCursorLineOnly(benchmark::State& st)
{
    SharedState s = BusyState();
    Tfengraphe w(s);
    w.show();
    w.Redraw();
    w.Cursors()->Step(0);
    QObject::disconnect(w.Cursors(), nullptr, &w, nullptr);
    w.Readout()->hide();
    QApplication::processEvents();
    int direction = 1;
    for (auto _ : st) {
        w.Cursors()->Step(direction);
        direction = -direction;
        benchmark::DoNotOptimize(ReadTimeCursors(s, *w.Cursors()->At(0), std::nullopt));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_TimeCursorLineOnly)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
