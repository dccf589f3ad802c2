// SPDX-License-Identifier: GPL-3.0-or-later
// Rendering the longest sound, 10 s at 44000 samples per second.

#include "filter/filterresponse.h"
#include "plot/sampling.h"
#include "sound/soundrender.h"

#include <benchmark/benchmark.h>

#include <numbers>

namespace {

// All twelve harmonics and a mean, through a second-order band-pass, with
// the value axis sized as the program sizes it.
SharedState BusyState()
{
    SharedState s;
    s.Signal.FundamentalHz = 440;
    s.Signal.MeanPercent = 20;
    s.Signal.MeanValue = 0.2;
    for (int k = 1; k <= 12; ++k) {
        s.Signal.Harmonics.AmplitudePercent[k] = 100 / k + 1;
        s.Signal.Harmonics.PhaseRad[k] = (k % 2 ? 90 : -90) * std::numbers::pi / 180;
    }
    s.Filter.Kind = FilterKind::BandPass;
    s.Filter.CutoffHz = 1000;
    s.Filter.Damping = 0.705;
    ApplyFilter(s);
    ResetTimeRange(s);
    ComputeTimeGraphExtents(s);
    return s;
}

void BM_RenderSound(benchmark::State& st, SoundSource source)
{
    const SharedState s = BusyState();
    for (auto _ : st) {
        std::vector<std::uint8_t> samples = RenderSound(s, MaxSoundSeconds, source);
        benchmark::DoNotOptimize(samples.data());
    }
    st.SetItemsProcessed(st.iterations() * SoundSampleCount(MaxSoundSeconds));
}
BENCHMARK_CAPTURE(BM_RenderSound, Input10s, SoundSource::Input)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RenderSound, Output10s, SoundSource::Output)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
