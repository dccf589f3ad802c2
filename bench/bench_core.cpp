// SPDX-License-Identifier: GPL-3.0-or-later
// The computational half of one redraw at the default window size.

#include "filter/filterresponse.h"
#include "numeric/rounding.h"
#include "plot/sampling.h"
#include "plot/scale.h"
#include "plot/sincos.h"

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

// Sine and cosine of the angles the evaluators pass (within half a turn):
// the x87 instruction against the library.
template <void (*F)(long double, long double&, long double&)>
void BM_SinCos(benchmark::State& st)
{
    std::vector<long double> angles;
    for (int i = 0; i < 1024; ++i)
        angles.push_back((i - 512) * std::numbers::pi_v<long double> / 512);
    for (auto _ : st) {
        long double sum = 0;
        for (long double x : angles) {
            long double s, c;
            F(x, s, c);
            sum += s + c;
        }
        benchmark::DoNotOptimize(sum);
    }
    st.SetItemsProcessed(st.iterations() * 1024);
}
BENCHMARK_TEMPLATE(BM_SinCos, SinCos);
BENCHMARK_TEMPLATE(BM_SinCos, SinCosPortable);

// The nearest-integer conversion under every Round, over the values a
// redraw turns into pixels and positions: the x87 instruction against the
// library.
template <std::int64_t (*F)(long double)>
void BM_NearestInt64(benchmark::State& st)
{
    std::vector<long double> values;
    for (int i = 0; i < 1024; ++i)
        values.push_back(i * 1.37L - 500.5L);
    for (auto _ : st) {
        std::int64_t sum = 0;
        for (long double x : values)
            sum += F(x);
        benchmark::DoNotOptimize(sum);
    }
    st.SetItemsProcessed(st.iterations() * 1024);
}
BENCHMARK_TEMPLATE(BM_NearestInt64, NearestInt64);
BENCHMARK_TEMPLATE(BM_NearestInt64, NearestInt64Portable);

// The pixel rows and columns of one curve.
void BM_ValueToRow(benchmark::State& st)
{
    std::vector<double> values;
    for (int i = 0; i < 1024; ++i)
        values.push_back(std::sin(i * 0.01) * 1.1);
    for (auto _ : st) {
        int sum = 0;
        for (double v : values)
            sum += ValueToRow(10, 199, v, -1.1, 1.1);
        benchmark::DoNotOptimize(sum);
    }
    st.SetItemsProcessed(st.iterations() * 1024);
}
BENCHMARK(BM_ValueToRow);

} // namespace

BENCHMARK_MAIN();
