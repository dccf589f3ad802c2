// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The measuring cursors of the time graph: where a pixel column lies in
// time, the exact values of the shown curves at an instant, the
// differences between two cursors, and the extrema and zero crossings a
// cursor snaps to. Values come from the signal evaluators, never from the
// picture.

#include "signal/sharedstate.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The world value of pixel column `column` of a mapping left .. right for
// vMin .. vMax, the inverse of ValueToColumn: left gives vMin and right
// vMax exactly, a column between them the linear interpolation in extended
// precision, which ValueToColumn maps back to the same column. An empty
// pixel span gives vMin.
double ColumnToValue(std::int32_t left, std::int32_t right, std::int32_t column, double vMin, double vMax);

// The curves of the time graph, in their drawing order.
enum class CurveKind { Ideal, Harmonic, Input, Output };

struct CurveId {
    CurveKind Kind = CurveKind::Input;
    int K = 0; // the harmonic's rank, for CurveKind::Harmonic
    bool operator==(const CurveId&) const = default;
};

// The curves the time graph draws for the state, bottom first: the ideal
// waveform (ShowIdealSignal with a preset other than free synthesis), each
// shown harmonic, the input, the output (SuperposeOutput).
std::vector<CurveId> ShownCurves(const SharedState& state);

// The value of one curve at t: EvaluateIdealSignal, EvaluateHarmonic,
// EvaluateInput or EvaluateOutput (scale factor included).
double CurveValue(const SharedState& state, CurveId curve, double t);

// The French name of a curve as the read-out gives it: "Entrée", "Sortie",
// "Signal idéal", "Harmonique 3".
std::string CurveName(CurveId curve);

// What one or two cursors read.
struct CurveReading {
    CurveId Curve;
    double At1 = 0.0;
    double At2 = 0.0;         // with a second cursor
    double Difference = 0.0;  // At2 - At1
};

struct TimeReading {
    double T1 = 0.0;
    std::optional<double> T2;
    double DeltaT = 0.0;                 // T2 - T1
    std::optional<double> InverseDeltaT; // 1 / DeltaT, none when DeltaT is 0
    std::vector<CurveReading> Curves;    // ShownCurves' order
};

// The readings of every shown curve at t1 and, when given, at t2.
TimeReading ReadTimeCursors(const SharedState& state, double t1, std::optional<double> t2);

// The instants in tMin .. tMax, increasing, where `curve` has an extremum
// or crosses zero: found as sign changes of the value or of its slope over
// `samples` steps, then refined (bisection for a crossing, golden section
// for an extremum) to the last bits of t. A flat stretch (the ideal
// square's levels) gives no extremum; a jump through zero gives the jump.
std::vector<double> CurveFeatures(const SharedState& state, CurveId curve, double tMin, double tMax,
                                  int samples = 2048);

// The feature nearest to t, or none when the curve has none in the range.
std::optional<double> NearestFeature(const std::vector<double>& features, double t);

// The first feature beyond t in the direction (+1 later, -1 earlier) by
// more than `gap`, or none.
std::optional<double> NextFeature(const std::vector<double>& features, double t, int direction, double gap);

// A read-out number: x rounded to 4 significant digits, then written by
// FormatNumber without its leading blank (" 5.12E-3" reads "5.12E-3").
// A magnitude below `resolution`, the rounding noise of a quantity that
// is 0 (a curve at its zero crossing, 0 dB at a band-pass's centre),
// reads "0".
std::string ReadoutNumber(double x, double resolution = 0.0);
