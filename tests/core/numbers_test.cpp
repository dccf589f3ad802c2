// SPDX-License-Identifier: GPL-3.0-or-later
#include "numeric/numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <string>

namespace {

struct FormatCase {
    double x;
    const char* text;
};

// Texts are compared whole: the leading blank of the exponent form of a
// positive number is part of the text.
const FormatCase FormatCases[] = {
    {3, "3"},
    {0.25, ".25"},
    {-1.5, "-1.5"},
    {12.3456, "12.3456"},
    {400, "400"},
    {401, " 4.01E2"},
    {1000, " 1E3"},
    {0.005, " 5E-3"},
    {-0.0012, "-1.2E-3"},
    {0, "0"},
    {-0.0, "0"},
    {0.01, ".01"},
    {0.0099, " 9.9E-3"},
    {-400, "-400"},
    {400.00004, "400"},
    {-0.5, "-0.5"},
    {10, "10"},
    {100, "100"},
    {1.41, "1.41"},
    {0.011, ".011"},
    {0.001, " 1E-3"},
    {0.009, " 9E-3"},
    {12.34567, "12.3457"},
    {10000, " 1E4"},
    {-1234.5, "-1.23E3"},
    {999999, " 1E6"},
    {1e300, " 1E300"},
    {DBL_MAX, " 1.8E308"},
    {INFINITY, " 1.8E308"},
    {-INFINITY, "-1.8E308"},
    {5e-324, " 4.94E-324"},
    {NAN, "0"},
};

TEST(FormatNumber, WritesTheShortDisplayText)
{
    for (const auto& c : FormatCases) {
        SCOPED_TRACE(::testing::Message() << "x = " << c.x);
        EXPECT_EQ(FormatNumber(c.x), c.text);
    }
}

TEST(FormatNumber, DecimalSeparatorIsAPeriodInAFrenchLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "fr_FR.UTF-8"), nullptr)
        << "the fr_FR.UTF-8 locale is missing (scripts/install-deps.sh generates it)";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    for (const auto& c : FormatCases) {
        SCOPED_TRACE(::testing::Message() << "x = " << c.x);
        EXPECT_EQ(FormatNumber(c.x), c.text);
    }
    EXPECT_EQ(ParseNumber("0.5"), 0.5);
    EXPECT_EQ(ParseNumber("0,5"), 0.0);
    EXPECT_EQ(RoundToDigits(2, 14.99148), 15.0);
    std::setlocale(LC_ALL, previous.c_str());
}

TEST(CompactExponent, ShortensTheExponentForm)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {" 1.00E+0010", " 1E10"},  {" 1.20E+0003", " 1.2E3"}, {" 1.05E+0000", " 1.05"},
        {" 4.01E+0002", " 4.01E2"}, {"-9.90E-0003", "-9.9E-3"}, {" 0.00E+0000", "0"},
        {"-0.00E+0000", "0"},       {" 1.23E+0123", " 1.23E123"}, {" 5.00E-1000", " 5E-1000"},
        {" 1.00E+0000", " 1"},      {" 2.30E-0100", " 2.3E-100"}, {"short", "short"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CompactExponent(c.in), c.out) << c.in;
}

TEST(ParseNumber, ReadsTheNumberInFront)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"12.5", 12.5},  {"  -3", -3},    {"+4", 4},         {".5", 0.5},     {"5.", 5},
        {"1e3", 1000},   {"1E-2", 0.01},  {"2,5", 2},        {"abc", 0},      {"", 0},
        {"12abc", 12},   {"-", 0},        {".", 0},          {"1e", 1},       {"1e+", 1},
        {"nan", 0},      {"inf", 0},      {"-inf", 0},       {"1e999", DBL_MAX}, {"-1e999", -DBL_MAX},
        {"1e-999", 0},   {"0e999999999999999999", 0}, {"1e99999999999999999999", DBL_MAX},
        {"999999", 999999}, {"0.0001", 0.0001}, {"\t7", 7},   {"1.5e2x", 150},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const double v = ParseNumber(c.text);
        EXPECT_EQ(v, c.value);
        EXPECT_TRUE(std::isfinite(v));
    }
    EXPECT_EQ(ParseNumber(std::string(400, '9')), DBL_MAX);
    EXPECT_EQ(ParseNumber("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(TryParseNumber, AcceptsOnlyAWholeFiniteNumber)
{
    const struct {
        const char* text;
        bool ok;
        double value;
    } cases[] = {
        {"1000000", true, 1000000}, {" 12 ", true, 12}, {"-5", true, -5}, {"0.3", true, 0.3},
        {"1e3", true, 1000},        {"12a", false, 0},  {"", false, 0},   {"  ", false, 0},
        {"abc", false, 0},          {"1e999", false, 0}, {"1,5", false, 0}, {"nan", false, 0},
        {"-", false, 0},            {"1 2", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        double v = -42;
        EXPECT_EQ(TryParseNumber(c.text, v), c.ok);
        EXPECT_EQ(v, c.ok ? c.value : -42);
    }
}

// What TryParseNumber takes, less the numbers too small for a normal double.
TEST(TryParseTypedNumber, RefusesWhatFallsBelowTheNormalDoubles)
{
    const struct {
        const char* text;
        bool ok;
        double value;
    } cases[] = {
        {"2.5", true, 2.5},       {"0", true, 0},           {"-0.000", true, 0},      {"0e-999", true, 0},
        {"1e-300", true, 1e-300}, {"-2.2250738585072014e-308", true, -DBL_MIN},
        {"1e308", true, 1e308},   {"1e-320", false, 0},     {"-1e-320", false, 0},    {"4.9e-324", false, 0},
        {"1e-400", false, 0},     {"0.0000000000000000000000000000000000001e-300", false, 0},
        {"1e999", false, 0},      {"-1e999", false, 0},     {"nan", false, 0},        {"inf", false, 0},
        {"12a", false, 0},        {"", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        double v = -42;
        EXPECT_EQ(TryParseTypedNumber(c.text, v), c.ok);
        EXPECT_EQ(v, c.ok ? c.value : -42);
    }
}

TEST(RoundToDigits, KeepsNPlusOneSignificantDigits)
{
    EXPECT_EQ(RoundToDigits(2, 14.99148), 15.0);
    EXPECT_EQ(RoundToDigits(2, 0.0123456), 0.0123);
    EXPECT_EQ(RoundToDigits(1, 1234), 1200.0);
    EXPECT_EQ(RoundToDigits(0, 14.9), 15.0);                        // at least 2 digits
    EXPECT_EQ(RoundToDigits(50, 0.1), 0.1);                         // at most 18 digits
    EXPECT_EQ(RoundToDigits(2, -567 * 0.02644), -15.0);
    EXPECT_EQ(RoundToDigits(2, INFINITY), DBL_MAX);
    EXPECT_EQ(RoundToDigits(2, NAN), 0.0);
}

TEST(PowerOfTen, IsTenToARealPower)
{
    EXPECT_EQ(PowerOfTen(0), 1.0);
    EXPECT_EQ(PowerOfTen(1), 10.0);
    EXPECT_EQ(PowerOfTen(2), 100.0);
    EXPECT_NEAR(PowerOfTen(-3), 0.001, 1e-18);
    EXPECT_NEAR(PowerOfTen(0.5), std::sqrt(10.0), 1e-15);
    EXPECT_EQ(PowerOfTen(1000), DBL_MAX);
    EXPECT_EQ(PowerOfTen(-1000), 0.0);
    EXPECT_EQ(PowerOfTen(NAN), 0.0);
}

} // namespace
