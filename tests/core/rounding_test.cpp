// SPDX-License-Identifier: GPL-3.0-or-later
#include "numeric/rounding.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

struct RoundCase {
    long double x;
    std::int32_t expected;
};

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    constexpr auto max = std::numeric_limits<std::int32_t>::max();
    constexpr auto min = std::numeric_limits<std::int32_t>::min();
    const RoundCase cases[] = {
        {2.5L, 2},    {3.5L, 4},          {-2.5L, -2},   {-3.5L, -4},     {0.5L, 0},
        {1.5L, 2},    {251.5L, 252},      {2.4999L, 2},  {2.5001L, 3},    {-0.5L, 0},
        {0.49999999999999994L, 0},        {141.4L, 141}, {1e20L, max},    {-1e20L, min},
        {INFINITY, max}, {-INFINITY, min}, {NAN, 0},     {2147483647.4L, max},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "x = " << static_cast<double>(c.x));
        EXPECT_EQ(Round(c.x), c.expected);
    }
}

TEST(Rounding, HardwareAndLibraryConversionsAgree)
{
    // The x87 path and the portable one that other processors take.
    const long double cases[] = {0.0L,  0.5L,     1.5L,         2.5L,       -0.5L,      -2.5L,      3.4999L,
                                 -7.5L, 141.4L,   251.5L,       1e15L + 0.5L, -1e15L - 0.5L, 4503599627370497.5L,
                                 1e-300L, -0.49999999999999994L};
    for (long double x : cases) {
        SCOPED_TRACE(::testing::Message() << "x = " << static_cast<double>(x));
        EXPECT_EQ(NearestInt64(x), NearestInt64Portable(x));
    }
}

TEST(Rounding, SaturatesToAGivenLimitAndToTheDoubleRange)
{
    EXPECT_EQ(RoundSaturated(1e300L, 1000), 1000);
    EXPECT_EQ(RoundSaturated(-INFINITY, 1000), -1000);
    EXPECT_EQ(RoundSaturated(NAN, 1000), 0);
    EXPECT_EQ(RoundSaturated(-7.5L, 1000), -8);

    EXPECT_EQ(SaturateToDouble(1e400L), DBL_MAX);
    EXPECT_EQ(SaturateToDouble(-1e400L), -DBL_MAX);
    EXPECT_EQ(SaturateToDouble(NAN), 0.0);
    EXPECT_EQ(SaturateToDouble(0.1L), 0.1);
}

} // namespace
