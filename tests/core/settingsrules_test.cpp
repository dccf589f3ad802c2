// SPDX-License-Identifier: GPL-3.0-or-later
#include "numeric/numbers.h"
#include "plot/sampling.h"
#include "settings/settingsrules.h"
#include "signal/signallimits.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <optional>
#include <ostream>
#include <string>

namespace {

// A whole-number field as it reads its text with a period for decimals:
// `empty` when there is no text, nothing when the text is no number.
NumberField Box(const char* text, double empty)
{
    NumberField f{text, std::nullopt};
    double v = 0;
    if (f.Text.empty())
        f.Value = empty;
    else if (TryParseNumber(f.Text, v))
        f.Value = v;
    return f;
}

std::string NotANumber(const char* text)
{
    return NotANumberMessage(text);
}

struct CommitCase {
    const char* name;
    const char *f, *a, *p, *c, *k; // the five fields' texts
    std::string message;            // empty: all five taken
    // The state OK leaves: the fields before a refused one are committed.
    int f0;
    double fullScale, meanValue, periods;
    int meanBound, keyStep; // 0: not taken
};

void PrintTo(const CommitCase& c, std::ostream* os)
{
    *os << c.name;
}

const std::string Accepted;
const std::string Frequency(FrequencyMessage), Amplitude(AmplitudeMessage), Periods(PeriodsMessage),
    Coefficient(CoefficientMessage), KeyStep(KeyStepMessage);

// The start: 100 Hz, full scale 1, mean 50 % (0.5), one period.
const CommitCase CommitCases[] = {
    {"as loaded", "100", "1", "1", "4", "5", Accepted, 100, 1, 0.5, 1, 400, 5},
    // Frequency: whole hertz 1 ... 999999.
    {"f 999999", "999999", "1", "1", "4", "5", Accepted, 999999, 1, 0.5, 1, 400, 5},
    {"f 1", "1", "1", "1", "4", "5", Accepted, 1, 1, 0.5, 1, 400, 5},
    {"f 2.5 to even", "2.5", "1", "1", "4", "5", Accepted, 2, 1, 0.5, 1, 400, 5},
    {"f 999999.5 rounds to a million", "999999.5", "1", "1", "4", "5", Frequency, 100, 1, 0.5, 1, 0, 0},
    {"f 1000000", "1000000", "1", "1", "4", "5", Frequency, 100, 1, 0.5, 1, 0, 0},
    {"f 0.5 rounds to 0", "0.5", "1", "1", "4", "5", Frequency, 100, 1, 0.5, 1, 0, 0},
    {"f empty reads 0", "", "1", "1", "4", "5", Frequency, 100, 1, 0.5, 1, 0, 0},
    {"f -5", "-5", "1", "1", "4", "5", Frequency, 100, 1, 0.5, 1, 0, 0},
    {"f 1e-320", "1e-320", "1", "1", "4", "5", Frequency, 100, 1, 0.5, 1, 0, 0},
    {"f 1e999", "1e999", "1", "1", "4", "5", NotANumber("1e999"), 100, 1, 0.5, 1, 0, 0},
    {"f nan", "nan", "1", "1", "4", "5", NotANumber("nan"), 100, 1, 0.5, 1, 0, 0},
    {"f lone minus", "-", "1", "1", "4", "5", "« - » n'est pas un nombre valide", 100, 1, 0.5, 1, 0, 0},
    // Full scale: 1e-100 ... 1e100, the mean keeping its percentage.
    {"a 1e100", "250", "1e100", "1", "4", "5", Accepted, 250, 1e100, 0.5e100, 1, 400, 5},
    {"a 1e-100", "250", "1e-100", "1", "4", "5", Accepted, 250, 1e-100, 0.5e-100, 1, 400, 5},
    {"a number in front", "250", "12abc", "1", "4", "5", Accepted, 250, 12, 6, 1, 400, 5},
    {"a just above 1e100", "250", "1.0000000000000002e100", "1", "4", "5", Amplitude, 250, 1, 0.5, 1, 0, 0},
    {"a just below 1e-100", "250", "9.999999999999999e-101", "1", "4", "5", Amplitude, 250, 1, 0.5, 1, 0, 0},
    {"a 1e999", "250", "1e999", "1", "4", "5", Amplitude, 250, 1, 0.5, 1, 0, 0},
    {"a -1e999", "250", "-1e999", "1", "4", "5", Amplitude, 250, 1, 0.5, 1, 0, 0},
    {"a 1e-320", "250", "1e-320", "1", "4", "5", Amplitude, 250, 1, 0.5, 1, 0, 0},
    {"a nan", "250", "nan", "1", "4", "5", Amplitude, 250, 1, 0.5, 1, 0, 0},
    {"a 0", "250", "0", "1", "4", "5", Amplitude, 250, 1, 0.5, 1, 0, 0},
    // Periods: 1e-290 up to 10 excluded.
    {"p 1e-290", "250", "3", "1e-290", "4", "5", Accepted, 250, 3, 1.5, 1e-290, 400, 5},
    {"p 9.999", "250", "3", "9.999", "4", "5", Accepted, 250, 3, 1.5, 9.999, 400, 5},
    {"p just below 1e-290", "250", "3", "9.999999999999999e-291", "4", "5", Periods, 250, 3, 1.5, 1, 0, 0},
    {"p 10", "250", "3", "10", "4", "5", Periods, 250, 3, 1.5, 1, 0, 0},
    {"p 1e-320", "250", "3", "1e-320", "4", "5", Periods, 250, 3, 1.5, 1, 0, 0},
    {"p 1e999", "250", "3", "1e999", "4", "5", Periods, 250, 3, 1.5, 1, 0, 0},
    {"p -1e999", "250", "3", "-1e999", "4", "5", Periods, 250, 3, 1.5, 1, 0, 0},
    {"p nan", "250", "3", "nan", "4", "5", Periods, 250, 3, 1.5, 1, 0, 0},
    // Mean coefficient: 0 < c < 10, its bound Round(100 c) within 1 ... 999.
    {"c 9.99", "250", "3", "2", "9.99", "5", Accepted, 250, 3, 1.5, 2, 999, 5},
    {"c 0.004 rounds to 0", "250", "3", "2", "0.004", "5", Coefficient, 250, 3, 1.5, 2, 0, 0},
    {"c 9.996 rounds to 1000", "250", "3", "2", "9.996", "5", Coefficient, 250, 3, 1.5, 2, 0, 0},
    {"c 10", "250", "3", "2", "10", "5", Coefficient, 250, 3, 1.5, 2, 0, 0},
    {"c empty reads 0", "250", "3", "2", "", "5", Coefficient, 250, 3, 1.5, 2, 0, 0},
    {"c 1e-320", "250", "3", "2", "1e-320", "5", Coefficient, 250, 3, 1.5, 2, 0, 0},
    {"c 1e999", "250", "3", "2", "1e999", "5", NotANumber("1e999"), 250, 3, 1.5, 2, 0, 0},
    // Arrow-key step: 0 < k < 10, rounded to 1 ... 10.
    {"k 9.6 rounds to 10", "250", "3", "2", "3", "9.6", Accepted, 250, 3, 1.5, 2, 300, 10},
    {"k empty reads 1", "250", "3", "2", "3", "", Accepted, 250, 3, 1.5, 2, 300, 1},
    {"k 0.4 rounds to 0", "250", "3", "2", "3", "0.4", KeyStep, 250, 3, 1.5, 2, 300, 0},
    {"k 10", "250", "3", "2", "3", "10", KeyStep, 250, 3, 1.5, 2, 300, 0},
    {"k -1e999", "250", "3", "2", "3", "-1e999", NotANumber("-1e999"), 250, 3, 1.5, 2, 300, 0},
    {"k long letters", "250", "3", "2", "3", "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz",
     "« abcdefghijklmnopqrstuvwxyzabcdefghijklmn… » n'est pas un nombre valide", 250, 3, 1.5, 2, 300, 0},
};

class CommitTest : public testing::TestWithParam<CommitCase> {};

// OK takes the fields in order up to the first refused one, whose message
// it gives; the state is then finite and its time axis covers the periods.
TEST_P(CommitTest, TakesTheFieldsUpToTheFirstRefusal)
{
    const CommitCase& c = GetParam();
    SharedState s;
    s.Signal.MeanPercent = 50;
    s.Signal.MeanValue = 0.5;
    ResetTimeRange(s);

    const SignalCommit commit =
        CommitSignalFields(s, {Box(c.f, 0), c.a, c.p, Box(c.c, 0), Box(c.k, 1)});

    EXPECT_EQ(commit.Message, c.message);
    EXPECT_EQ(commit.Accepted(), c.message.empty());
    EXPECT_EQ(s.Signal.FundamentalHz, c.f0);
    EXPECT_EQ(s.Signal.FullScaleValue, c.fullScale);
    EXPECT_DOUBLE_EQ(s.Signal.MeanValue, c.meanValue);
    EXPECT_EQ(s.View.PeriodsShown, c.periods);
    EXPECT_EQ(commit.MeanBound.value_or(0), c.meanBound);
    EXPECT_EQ(commit.KeyStep.value_or(0), c.keyStep);
    const TimeGraphView& v = s.View;
    EXPECT_TRUE(std::isfinite(v.TimeEnd) && std::isfinite(v.TimeStep) && v.TimeStep > 0);
    EXPECT_GE(v.TimeEnd, v.PeriodsShown / s.Signal.FundamentalHz);
    EXPECT_LT(v.TimeEnd, 2 * v.PeriodsShown / s.Signal.FundamentalHz);
}

INSTANTIATE_TEST_SUITE_P(Fields, CommitTest, testing::ValuesIn(CommitCases),
                         [](const testing::TestParamInfo<CommitCase>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

// The coefficient shown for the mean slider's range is read back by OK as
// the same range, over every range OK can give.
TEST(SettingsRules, MeanCoefficientRoundTrip)
{
    const struct {
        std::int32_t bound;
        double coefficient;
    } cases[] = {{400, 4}, {750, 7.5}, {1, 0.01}, {999, 9.99}, {205, 2.05}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(MeanCoefficientForBound(c.bound), c.coefficient) << c.bound;
    for (std::int32_t bound = 1; bound <= MaxMeanBound; ++bound) {
        SharedState s;
        const NumberField coefficient{"", MeanCoefficientForBound(bound)};
        const SignalCommit commit = CommitSignalFields(s, {Box("100", 0), "1", "1", coefficient, Box("5", 1)});
        ASSERT_EQ(commit.MeanBound, std::optional<std::int32_t>(bound)) << commit.Message;
    }
}

// The boxes acting at once: the graduation length (a whole number, taken
// within 1 ... 30), the copy sizes (more than 50 pixels and less than 30 cm)
// and the graduation font's size (6 ... 16 points).
TEST(SettingsRules, ClickToChangeValues)
{
    const struct {
        const char* text;
        std::optional<std::int32_t> whole;
        bool length;
        std::optional<std::int32_t> copyPx;
    } cases[] = {
        {"30", 30, true, std::nullopt},     {"1", 1, true, std::nullopt},       {" +7 ", 7, true, 265},
        {"0", 0, false, std::nullopt},      {"31", 31, false, std::nullopt},    {"-5", -5, false, std::nullopt},
        {"29.9", {}, false, 1131},          {"29.999", {}, false, 1135},        {"1.35", {}, false, 51},
        {"1.3", {}, false, std::nullopt},   {"15", 15, true, 567},
        {"2.5", {}, false, 95},             {"", {}, false, std::nullopt},      {"+-1", {}, false, std::nullopt},
        {"1e999", {}, false, std::nullopt}, {"-1e999", {}, false, std::nullopt}, {"nan", {}, false, std::nullopt},
        {"1e-320", {}, false, std::nullopt}, {"99999999999", {}, false, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<std::int32_t> whole = ReadWholeNumber(c.text);
        EXPECT_EQ(whole, c.whole);
        EXPECT_EQ(whole && IsGraduationLengthAllowed(*whole), c.length);
        const std::optional<std::int32_t> px = CopySizeFromText(c.text);
        EXPECT_EQ(px, c.copyPx);
        if (px) {
            EXPECT_TRUE(*px >= MinCopySizePx && *px <= MaxCopySizePx);
        }
    }
    EXPECT_EQ(CopySizeText(567), "15");
    EXPECT_EQ(CopySizeText(MaxCopySizePx), "30");

    const struct {
        int pointSize, pixelSize;
        std::int32_t points;
        bool allowed;
    } fonts[] = {
        {6, -1, 6, true},   {16, -1, 16, true},  {5, -1, 5, false}, {17, -1, 17, false},
        {-1, 8, 6, true},   {-1, 21, 16, true},  {-1, 22, 16, true}, {-1, 23, 17, false},
        {-1, 7, 5, false},  {-1, -1, 0, false},  {512, -1, 512, false},
    };
    for (const auto& f : fonts) {
        SCOPED_TRACE(testing::Message() << f.pointSize << " pt, " << f.pixelSize << " px");
        EXPECT_EQ(FontPoints(f.pointSize, f.pixelSize), f.points);
        EXPECT_EQ(IsGraduationFontSizeAllowed(f.points), f.allowed);
    }
}

} // namespace
