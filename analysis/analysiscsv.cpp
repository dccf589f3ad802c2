// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/analysiscsv.h"

#include "numeric/frenchcsv.h"

std::string AnalysisCsv(const SoundAnalysis& a)
{
    std::string out(CsvFileStart);
    out += CsvLine({"f0 (Hz)", CsvNumber(a.F0Hz)});
    out += CsvLine({"moyenne", CsvNumber(a.Mean)});
    out += CsvLine({"résidu (%)", CsvNumber(a.ResidualPercent)});
    out += CsvLine({"confiance", CsvNumber(a.Confidence)});
    out += CsvLine({"rang", "fréquence (Hz)", "amplitude", "phase (°)"});
    for (int k = 1; k <= AnalysedHarmonics; ++k)
        out += CsvLine({std::to_string(k), CsvNumber(k * a.F0Hz), CsvNumber(a.Amplitude[k]), CsvNumber(a.PhaseDeg[k])});
    return out;
}
