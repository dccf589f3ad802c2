// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rules of the settings dialog "Parametres", apart from its window:
// what OK takes from the five signal and synthesiser fields and the message
// of the first field it refuses, the graduation length, the graduation
// font's size and the size of the vector copies. The window reads its
// controls, hands their texts to these rules and shows what they answer.

#include "signal/sharedstate.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The fields' messages, shown in an error box.
inline constexpr std::string_view FrequencyMessage = "Entrer à nouveau la fréquence";
inline constexpr std::string_view AmplitudeMessage = "Entrer à nouveau l amplitude";
inline constexpr std::string_view PeriodsMessage = "Entrer à nouveau le nombre de périodes";
inline constexpr std::string_view CoefficientMessage = "Entrer à nouveau le coeff max de la valeur moyenne";
inline constexpr std::string_view KeyStepMessage = "Entrer à nouveau le % incrémental";
inline constexpr std::string_view FontSizeMessage = "Taille des graduations : de 6 à 16 points";

// The arrow-key step of the main window's sliders, per cent: a typed k with
// 0 < k < 10, rounded (9.6 gives 10).
inline constexpr std::int32_t MinKeyStep = 1;
inline constexpr std::int32_t MaxKeyStep = 10;

// The graduation length, pixels.
inline constexpr std::int32_t MinGraduationLength = 1;
inline constexpr std::int32_t MaxGraduationLength = 30;

// The graduation font, points: the graphs' texts are laid out for this range.
inline constexpr std::int32_t MinGraduationFontPoints = 6;
inline constexpr std::int32_t MaxGraduationFontPoints = 16;

// Copy sizes are kept in pixels and shown in centimetres. A typed size is
// taken when it makes more than 50 whole pixels and less than 30 cm, that is
// 51 ... Round(30 / 0.02644) = 1135 pixels.
inline constexpr long double CmPerPixel = 0.02644L;
inline constexpr double CopySizeLimitCm = 30; // excluded
inline constexpr std::int32_t MinCopySizePx = 51;
inline constexpr std::int32_t MaxCopySizePx = 1135;

// A whole-number field (VrNumEdit1, 2, 3) as OK reads it: the text typed,
// and the number that text reads as in the user's locale (the field's least
// value when it is empty), or nothing when it is no number.
struct NumberField {
    std::string Text;
    std::optional<double> Value;
};

// The five fields OK reads, in the order it reads them.
struct SignalFields {
    NumberField Fundamental;     // VrNumEdit1, Hz
    std::string FullScale;       // VrStrEdit1
    std::string Periods;         // VrStrEdit2
    NumberField MeanCoefficient; // VrNumEdit2
    NumberField KeyStep;         // VrNumEdit3
};

// What OK did with them.
struct SignalCommit {
    // The first refused field's message; empty when all five were taken.
    std::string Message;
    // The mean slider's new range -MeanBound ... MeanBound, once the
    // coefficient was taken.
    std::optional<std::int32_t> MeanBound;
    // The new arrow-key step, once it was taken.
    std::optional<std::int32_t> KeyStep;

    bool Accepted() const { return Message.empty(); }
};

// Checks the five fields in order and commits each before reading the next;
// the first refused one gives its message and ends the sequence, the fields
// before it staying committed:
// 1. Frequency: v with Round(v) within 1 ... 999999 (v < 1000000 and v > 0):
//    FundamentalHz = Round(v), then the time axis is reset (ResetTimeRange).
// 2. Full scale: a = ParseNumber(text) with IsFullScaleAllowed(a):
//    FullScaleValue = a, and MeanValue is multiplied by a / the old value,
//    so that the mean keeps its percentage.
// 3. Periods: p = ParseNumber(text) with IsPeriodsShownAllowed(p):
//    PeriodsShown = p, then the time axis is reset.
// 4. Mean coefficient: c with 0 < c < 10 and Round(100 c) within
//    1 ... MaxMeanBound: MeanBound = Round(100 c).
// 5. Arrow-key step: k with 0 < k < 10 and Round(k) >= 1: KeyStep = Round(k).
// A whole-number field that is no number gives NotANumberMessage of its text.
SignalCommit CommitSignalFields(SharedState& state, const SignalFields& fields);

// The message for a field whose text is no number: the text quoted, cut
// after 40 characters: "« 1,5,6 » n'est pas un nombre valide".
std::string NotANumberMessage(std::string_view text);

// The mean coefficient the dialog shows for the mean slider's range
// -bound ... bound: bound / 100, which OK reads back as the same bound.
double MeanCoefficientForBound(std::int32_t bound);

// A whole number as the graduation-length box reads it: blanks around an
// optional sign and decimal digits, within the range of a 32-bit integer;
// nothing for anything else.
std::optional<std::int32_t> ReadWholeNumber(std::string_view text);

// A graduation length the graphs take: MinGraduationLength ... MaxGraduationLength.
bool IsGraduationLengthAllowed(std::int32_t pixels);

// The size in points of a font from the picker: its point size, or, for a
// font sized in pixels only, that size at 96 pixels per inch; 0 when it has
// neither.
std::int32_t FontPoints(int pointSize, int pixelSize);

// A graduation font size the graphs take: MinGraduationFontPoints ...
// MaxGraduationFontPoints.
bool IsGraduationFontSizeAllowed(std::int32_t points);

// A typed copy size in centimetres: x = ParseNumber(text), px = x / CmPerPixel;
// Round(px) when the whole pixels of px are more than 50 and x < 30,
// otherwise nothing (the size is left as it was).
std::optional<std::int32_t> CopySizeFromText(std::string_view text);

// A copy size as the dialog writes it: centimetres to three significant
// digits (567 pixels give "15").
std::string CopySizeText(std::int32_t px);
