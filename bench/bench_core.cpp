// The computational half of one redraw at the default window size.

#include "filterresponse.h"
#include "sampling.h"

#include <benchmark/benchmark.h>

#include <numbers>
#include <vector>

namespace {

// All twelve harmonics non-zero, a mean, a second-order band-pass, the
// output and the ideal waveform shown: the busiest redraw.
SharedState BusyState()
{
    SharedState s;
    s.Signal.MeanPercent = 50;
    s.Signal.MeanValue = 0.5;
    s.Signal.Preset = PresetKind::Square;
    s.Signal.DutyCycle = 0.5;
    for (int k = 1; k <= 12; ++k) {
        s.Signal.Harmonics.AmplitudePercent[k] = 100 / k + 1;
        s.Signal.Harmonics.PhaseRad[k] = (k % 2 ? 90 : -90) * std::numbers::pi / 180;
    }
    s.Filter.Kind = FilterKind::BandPass;
    s.Filter.CutoffHz = 300;
    s.Filter.Damping = 0.705;
    s.Display.ShowIdealSignal = true;
    s.Display.SuperposeOutput = true;
    s.View.PointCount = PointCountForWidth(523);
    ApplyFilter(s);
    ResetTimeRange(s);
    ComputeTimeGraphExtents(s);
    return s;
}

void BM_ApplyFilter(benchmark::State& st)
{
    SharedState s = BusyState();
    for (auto _ : st) {
        ApplyFilter(s);
        benchmark::DoNotOptimize(s.Signal.Harmonics.OutputAmplitudePercent);
    }
}
BENCHMARK(BM_ApplyFilter);

void BM_ComputeTimeGraphExtents(benchmark::State& st)
{
    SharedState s = BusyState();
    for (auto _ : st) {
        ComputeTimeGraphExtents(s);
        benchmark::DoNotOptimize(s.View.ValueMax);
    }
}
BENCHMARK(BM_ComputeTimeGraphExtents);

void BM_SampleInputCurve(benchmark::State& st)
{
    const SharedState s = BusyState();
    const PlotFrame frame{s.View.TimeStart, s.View.TimeEnd, s.View.ValueMin, s.View.ValueMax,
                          s.View.TimeStep, s.View.ValueStep, 493, 209};
    std::vector<PixelPoint> points;
    for (auto _ : st) {
        SampleCurve(s.View, frame, HarmonicSeries::Input(s), points);
        benchmark::DoNotOptimize(points.data());
    }
}
BENCHMARK(BM_SampleInputCurve);

void BM_SampleIdealCurve(benchmark::State& st)
{
    const SharedState s = BusyState();
    const PlotFrame frame{s.View.TimeStart, s.View.TimeEnd, s.View.ValueMin, s.View.ValueMax,
                          s.View.TimeStep, s.View.ValueStep, 493, 209};
    std::vector<PixelPoint> points;
    for (auto _ : st) {
        SampleCurve(s.View, frame, [&](double t) { return EvaluateIdealSignal(s, t); }, points);
        benchmark::DoNotOptimize(points.data());
    }
}
BENCHMARK(BM_SampleIdealCurve);

} // namespace

BENCHMARK_MAIN();
