// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a sound file: the reader refuses them with a French message
// or gives a sound within its bounds, and the analysis of that sound either
// refuses it or gives finite numbers within theirs.

#include "analysis/soundanalysis.h"
#include "analysis/soundfile.h"
#include "analysis/synthesisfit.h"
#include "fuzz/fuzzcheck.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const SoundReading r = ReadSoundBytes(data, size);
    if (!r.Ok) {
        FUZZ_CHECK(!r.Error.empty(), "a refused file without a message");
        return 0;
    }
    FUZZ_CHECK(CheckSound(r.Sound).empty(), "a sound read beyond its bounds: %s", CheckSound(r.Sound).c_str());
    const SoundAnalysis a = AnalyseSound(r.Sound);
    if (!a.Ok) {
        FUZZ_CHECK(!a.Error.empty(), "a refused sound without a message");
        return 0;
    }
    FUZZ_CHECK(a.F0Hz >= 20 && a.F0Hz <= 5000, "f0 %g", a.F0Hz);
    FUZZ_CHECK(std::isfinite(a.Mean), "mean %g", a.Mean);
    FUZZ_CHECK(a.ResidualPercent >= 0 && a.ResidualPercent <= 30, "residual %g", a.ResidualPercent);
    FUZZ_CHECK(a.Confidence >= 0 && a.Confidence <= 1, "confidence %g", a.Confidence);
    FUZZ_CHECK(a.Start + a.Length <= r.Sound.Samples.size(), "stretch %zu + %zu", a.Start, a.Length);
    for (int k = 1; k <= AnalysedHarmonics; ++k) {
        FUZZ_CHECK(std::isfinite(a.Amplitude[k]) && a.Amplitude[k] >= 0, "amplitude %d: %g", k, a.Amplitude[k]);
        FUZZ_CHECK(a.PhaseDeg[k] > -180 && a.PhaseDeg[k] <= 180, "phase %d: %g", k, a.PhaseDeg[k]);
    }
    const SynthesisSettings s = ToSynthesis(a);
    FUZZ_CHECK(s.FundamentalHz >= 1 && s.FundamentalHz <= 999999, "f0 %d Hz", s.FundamentalHz);
    FUZZ_CHECK(std::isfinite(s.RmsDifferencePercent) && s.RmsDifferencePercent >= 0, "difference %g", s.RmsDifferencePercent);
    return 0;
}
