// SPDX-License-Identifier: GPL-3.0-or-later
#include "numeric/frenchcsv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

TEST(FrenchCsv, NumbersUseTheDecimalCommaAndReadBackExactly)
{
    struct Case {
        double x;
        const char* text;
    };
    const Case cases[] = {
        {0.1, "0,1"},
        {-2.5e-07, "-2,5E-07"},
        {100, "100"},
        {0, "0"},
        {-0.0, "0"},
        {1.0 / 3, "0,3333333333333333"},
        {1e100, "1E+100"},
        {std::numeric_limits<double>::quiet_NaN(), ""},
        {-std::numeric_limits<double>::infinity(), ""},
    };
    for (const Case& c : cases) {
        const std::string text = CsvNumber(c.x);
        EXPECT_EQ(text, c.text) << c.x;
        if (std::isfinite(c.x)) {
            std::string dotted = text;
            for (char& ch : dotted)
                if (ch == ',')
                    ch = '.';
            EXPECT_EQ(std::strtod(dotted.c_str(), nullptr), c.x) << text;
        }
    }
}

TEST(FrenchCsv, FieldsAreQuotedOnlyWhenTheyMustBe)
{
    EXPECT_EQ(CsvField("rang"), "rang");
    EXPECT_EQ(CsvField("fréquence (Hz)"), "fréquence (Hz)");
    EXPECT_EQ(CsvField("a;b"), "\"a;b\"");
    EXPECT_EQ(CsvField("dit \"oui\""), "\"dit \"\"oui\"\"\"");
    EXPECT_EQ(CsvField("deux\nlignes"), "\"deux\nlignes\"");
    EXPECT_EQ(CsvField(" marge"), "\" marge\"");
    EXPECT_EQ(CsvLine({"rang", "1,5", "a;b"}), "rang;1,5;\"a;b\"\r\n");
    EXPECT_EQ(CsvLine({}), "\r\n");
}

} // namespace
