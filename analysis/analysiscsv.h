// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A sound's analysis as a French spreadsheet table.

#include "analysis/soundanalysis.h"

#include <string>

// The byte order mark, then the lines
//   f0 (Hz);<f0>
//   moyenne;<mean>
//   résidu (%);<residual>
//   confiance;<confidence 0..1>
//   rang;fréquence (Hz);amplitude;phase (°)
// and one line per harmonic k = 1..12: k;k f0;amplitude;phase.
// Amplitudes and the mean in the file's units (1 = digital full scale).
std::string AnalysisCsv(const SoundAnalysis& a);
