// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/scale.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

constexpr double Tolerance = 1e-12;

struct RangeCase {
    const char* name;
    double min, max;
    bool fromZero;
    double step, newMin, newMax;
};

TEST(NiceRange, ChoosesAPowerOfTenAndWidens)
{
    const RangeCase cases[] = {
        {"0..1 from zero", 0, 1, true, 0.1, -0.1, 1.1},
        {"0.5..1 from zero: r = |max|", 0.5, 1, true, 0.1, -0.1, 1.1},
        // Thirty accumulated steps of 0.01 already land just below -0.3.
        {"-0.3..-0.2 from zero: r = |max| = 0.2", -0.3, -0.2, true, 0.01, -0.3, 0.01},
        {"-1..1 from zero", -1, 1, true, 0.1, -1.1, 1.1},
        {"top exactly 100", 0, 100, true, 10, -10, 110},
        {"fundamental of a square", 0, 64, true, 10, -10, 70},
        {"31.6 keeps step 1", 0, 31.6, true, 1, -1, 32},
        {"31.7 takes step 10", 0, 31.7, true, 10, -10, 40},
        {"one period at 100 Hz", 0, 0.01, false, 0.001, 0, 0.011},
        {"lower bound 0 stays", 0, 5.5, false, 1, 0, 6},
        {"upper bound 0 stays", -0.01, 0, false, 0.001, -0.011, 0},
        {"positive range", 2, 5, false, 0.1, 1.9, 5.1},
        {"negative minimum is lowered", -0.55, 0.5, false, 0.1, -0.6, 0.6},
        {"negative range", -5, -2, false, 0.1, -5.1, -2},
        {"empty span takes the magnitude", 0.5, 0.5, false, 0.1, 0.4, 0.6},
        {"empty span at zero", 0, 0, false, 0.1, -0.1, 0.1},
        {"zero from zero", 0, 0, true, 0.1, -0.1, 0.1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        double step = 0, min = c.min, max = c.max;
        NiceRange(step, min, max, c.fromZero);
        EXPECT_EQ(step, c.step);
        EXPECT_NEAR(min, c.newMin, Tolerance);
        EXPECT_NEAR(max, c.newMax, Tolerance);
    }
}

TEST(NiceRange, FromZeroBoundsAreAccumulatedSums)
{
    double step = 0, min = 0, max = 1;
    NiceRange(step, min, max, true);
    double sum = 0;
    for (int i = 0; i < 11; ++i)
        sum += 0.1;
    EXPECT_EQ(max, sum); // 1.0999999999999999, not 11 * 0.1
    EXPECT_EQ(min, -0.1);
}

TEST(NiceRange, StepsAreTheNearestDoublesOfPowersOfTen)
{
    for (int e = -250; e <= 250; e += 7) {
        const double top = std::pow(10.0, e) * 3;
        double step = 0, min = 0, max = top;
        NiceRange(step, min, max, true);
        const double expected = std::stod("1e" + std::to_string(e - 1));
        EXPECT_EQ(step, expected) << "e = " << e;
    }
}

TEST(NiceRange, AnyInputGivesAFiniteOrderedRange)
{
    const double values[] = {0, 1, -1, 1e-320, -5e-324, 1e300, 1e308, DBL_MAX, -DBL_MAX,
                             INFINITY, -INFINITY, NAN, 123456789.123, -1e-3};
    for (double a : values)
        for (double b : values)
            for (bool fromZero : {false, true}) {
                SCOPED_TRACE(::testing::Message() << a << " .. " << b << (fromZero ? " from zero" : ""));
                double step = 0, min = a, max = b;
                NiceRange(step, min, max, fromZero);
                EXPECT_TRUE(std::isfinite(step) && step > 0);
                EXPECT_TRUE(std::isfinite(min) && std::isfinite(max));
                EXPECT_LT(min, max);
                if (fromZero) {
                    EXPECT_LT(min, 0);
                    EXPECT_GT(max, 0);
                }
            }
    // A huge nearly empty span still gets a usable graduation.
    double step = 0, min = 1e20, max = std::nextafter(1e20, 2e20);
    NiceRange(step, min, max, false);
    EXPECT_LT(min, max);
    EXPECT_GT((max - min) / step, 1.0);
}

TEST(NiceRange, SpanLostInTheRoundingOfTheBoundsIsGraduatedByMagnitude)
{
    // At 1e15 a double moves by 0.125: a step of 0.01 would leave the
    // top of the data outside the range and never move along the scale.
    const RangeCase cases[] = {
        {"above 1e15", 1e15, 1e15 + 0.25, false, 1e14, 9e14, 1.1e15},
        {"below -1e15", -1e15 - 0.25, -1e15, false, 1e14, -1.1e15, -1e15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        double step = 0, min = c.min, max = c.max;
        NiceRange(step, min, max, c.fromZero);
        EXPECT_EQ(step, c.step);
        EXPECT_EQ(min, c.newMin);
        EXPECT_EQ(max, c.newMax);
        EXPECT_GT(min + step, min);
        EXPECT_LT(max - step, max);
    }
}

TEST(ValueToRowColumn, MapTheWorldOntoTheFrame)
{
    // Spectrum ranks -1 .. 12 across 515 pixels.
    const int expected[] = {52, 90, 127, 164, 202, 239, 276, 313, 351, 388, 425, 463, 500};
    for (int r = 0; r <= 12; ++r)
        EXPECT_EQ(ValueToColumn(15, 500, r, -1, 12), expected[r]) << "rank " << r;

    EXPECT_EQ(ValueToRow(10, 199, 1.1, -1.1, 1.1), 10);
    EXPECT_EQ(ValueToRow(10, 199, -1.1, -1.1, 1.1), 199);
    EXPECT_EQ(ValueToRow(10, 199, 0, -1.0, 1.0), 104); // 104.5 goes to the even row
    EXPECT_EQ(ValueToColumn(15, 478, 0.011, 0, 0.011), 478);
}

TEST(ValueToRowColumn, SaturateInsteadOfOverflowing)
{
    EXPECT_EQ(ValueToRow(10, 199, 1e308, -1, 1), -PixelLimit);
    EXPECT_EQ(ValueToRow(10, 199, -1e308, -1, 1), PixelLimit);
    EXPECT_EQ(ValueToRow(10, 199, INFINITY, -1, 1), -PixelLimit);
    EXPECT_EQ(ValueToColumn(15, 500, -INFINITY, -1, 12), -PixelLimit);
    EXPECT_EQ(ValueToColumn(15, 500, 1, -1e-300, 1e-300), PixelLimit);
    // No span, or no number: the middle of the frame.
    EXPECT_EQ(ValueToRow(10, 200, 0.5, 1, 1), 105);
    EXPECT_EQ(ValueToRow(10, 200, NAN, -1, 1), 105);
    EXPECT_EQ(ValueToColumn(15, 501, 0, NAN, 1), 258);
    EXPECT_EQ(ValueToColumn(15, 501, 0, -INFINITY, INFINITY), 258);
    // The middle of pixel ends beyond the limit is saturated too.
    EXPECT_EQ(ValueToRow(-2029253363, std::numeric_limits<std::int32_t>::min(), 0, 0, 0), -PixelLimit);
    EXPECT_EQ(ValueToColumn(std::numeric_limits<std::int32_t>::max(), PixelLimit, NAN, 0, 1), PixelLimit);
    // Adding a few pixels to a saturated value stays within an int.
    EXPECT_LT(static_cast<long long>(PixelLimit) + 3, std::numeric_limits<std::int32_t>::max());
}

} // namespace
