// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The numbers and texts of what the program writes for a report: the
// harmonic table of the input and of the output, the measurements of both
// signals, the parameters of the lesson, the title line and the curve names
// of a graph drawn for paper, and the CSV file a French spreadsheet opens.
// Everything is read from the shared state as the windows show it: the
// filter's columns are those of the last ApplyFilter.

#include "signal/sharedstate.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

// One rank of the harmonic table. Rank 0 is the mean value (frequency 0,
// RMS value |mean|, phase 0); rank k the harmonic k * f0. Amplitudes in per
// cent of FullScaleValue, peak and RMS values in signal units, phases in
// degrees (the radians of the table times 180 / pi, unwrapped). The output
// is the filter's: OutputScaleFactor does not enter it.
struct HarmonicReportRow {
    int Rank = 0;
    double FrequencyHz = 0.0;
    double InPercent = 0.0;
    double InPeak = 0.0;
    double InRms = 0.0;
    double InPhaseDeg = 0.0;
    double Gain = 0.0;   // FilterGain (negative under a negative G0)
    double GainDb = 0.0; // 20 log10 |Gain|; -infinity for a gain of 0
    double PhaseShiftDeg = 0.0;
    double OutPercent = 0.0;
    double OutPeak = 0.0;
    double OutRms = 0.0;
    double OutPhaseDeg = 0.0;
};

std::array<HarmonicReportRow, RowCount> HarmonicReport(const SharedState& state);

// One measurement of the input and of the output (spectrum/measurements.h,
// the output as the time graph shows it), with its caption and unit, and
// the texts the response window shows for it.
struct MeasureReportRow {
    std::string Caption; // "Valeur moyenne", ...
    std::string Unit;    // "" or "%"
    bool HasIn = false, HasOut = false;
    double In = 0.0, Out = 0.0;
    std::string InText, OutText; // FormatNumber, " %" after a distortion; "—" for none
};

inline constexpr int MeasureReportCount = 5;
std::array<MeasureReportRow, MeasureReportCount> MeasureReport(const SharedState& state);

// A number of the report's texts: six significant digits, a decimal
// comma, an exponent only below 1E-4 or from 1E6 on ("1500", "0,705",
// "1,5E-05"); "—" for NaN and the infinities.
std::string ReportNumber(double x);

// French names of the preset waveforms and of the filter models.
std::string PresetName(PresetKind kind);
std::string FilterName(FilterKind kind);
// Which of the filter's settings the model reads.
bool FilterUsesCutoff(FilterKind kind);
bool FilterUsesDamping(FilterKind kind);

// The lesson's parameters, caption and text (numbers by ReportNumber, with
// their unit): f0, full scale, mean, preset, duty cycle, filter, fc, m, G0,
// output scale factor. A setting the model does not read says so.
std::vector<std::pair<std::string, std::string>> ReportParameters(const SharedState& state);

// The title line of a graph drawn for paper: "f0 = 100 Hz   Passe-bas
// ordre 2   fc = 1000 Hz   m = 0,705", the cut-off and the damping only for
// the models that read them, G0 when it is not 1.
std::string PaperTitle(const SharedState& state);

// The display settings of paper: dark curves on white (no black
// background), a dark axis; the input spectrum in the input's colour, the
// output spectrum in the output's.
DisplaySettings PaperDisplay(const DisplaySettings& display);

// The name of a curve in the legend of paper.
std::string HarmonicCurveName(int k); // "Harmonique k"

// The CSV file: the byte order mark, the parameters, a blank line, the
// harmonic table with its header, a blank line, the measurements with
// theirs; ";" between fields, decimal commas, CR LF.
std::string ReportCsv(const SharedState& state);
