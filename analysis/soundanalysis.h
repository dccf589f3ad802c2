// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A recorded sound taken apart as the synthesis builds one: a mean plus
// twelve harmonics of a fundamental,
//   s(t) = Mean + sum_k Amplitude[k] sin(2 pi k F0Hz t + PhaseDeg[k] pi / 180),
// with t = 0 where the fundamental's phase is 0.

#include "analysis/soundfile.h"

#include <array>
#include <cstddef>
#include <string>

inline constexpr int AnalysedHarmonics = 12;

struct SoundAnalysis {
    bool Ok = false;
    std::string Error; // French, when the sound was refused
    double SampleRateHz = 0.0;
    double F0Hz = 0.0;
    double Mean = 0.0;                                  // in the file's units, 1 = full scale
    std::array<double, AnalysedHarmonics + 1> Amplitude{}; // index k = 1..12 (0 unused)
    std::array<double, AnalysedHarmonics + 1> PhaseDeg{};  // in (-180, 180]; phase of harmonic 1 is 0
    double ResidualPercent = 0.0; // RMS the model leaves unexplained, per cent of the sound's RMS
    double Confidence = 0.0;      // 0..1
    // The stretch measured, a whole number of periods, in samples of the
    // sound; the time origin lies OriginSample samples into the sound.
    std::size_t Start = 0;
    std::size_t Length = 0;
    double OriginSample = 0.0;
};

// Bounds of the refusals.
inline constexpr double SilenceRms = 3e-4;         // about -70 dB of full scale
inline constexpr double MaxAperiodicity = 0.35;    // YIN's normalised difference at the period
inline constexpr double MaxResidualPercent = 30.0; // the mean and 12 harmonics explain too little beyond it

// Analyses `sound` (its rate and length already checked, CheckSound):
// 1. the steadiest stretch of up to one second (10 ms blocks whose RMS
//    varies least, past the attack, at least a quarter of the loudest
//    block's level, no clipped block: runs of equal samples at full scale);
// 2. f0 between 20 Hz and 5 kHz (EstimatePitch, then RefineFundamental);
// 3. the mean and harmonics 1..12 projected over a whole number of periods;
//    harmonics at or above half the sampling rate are 0;
// 4. the residual by Parseval, the confidence (1 - aperiodicity) (1 - residual).
// Refused with a French message: silence, clipping all through, no period
// (noise), a residual above 30 % (a chord, an inharmonic sound).
SoundAnalysis AnalyseSound(const MonoSound& sound);

// The model's value t seconds after the time origin.
double ModelValue(const SoundAnalysis& a, double t);
