// SPDX-License-Identifier: GPL-3.0-or-later
#include "filter/filtercontrols.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace {

struct WheelCase {
    const char* name;
    int decade;
    int lastPercent;
    int position;
    int newDecade;
    double cutoff;
    int readout;
    const char* unit;
};

TEST(FilterControls, WheelSweepsDecades)
{
    const WheelCase cases[] = {
        {"start", 1, 0, 100, 1, 1, 1, " Hz"},
        {"5.5 Hz rounds to 6", 1, 0, 550, 1, 6, 6, " Hz"},
        {"3.33 Hz rounds to 3", 1, 0, 333, 1, 3, 3, " Hz"},
        {"past the end: next decade", 1, 100, 100, 2, 10, 10, " Hz"},
        {"back past the start", 2, 0, 1000, 1, 10, 10, " Hz"},
        {"millihertz stay exact", 0, 50, 500, 0, 0.5, 500, "mHz"},
        {"kilohertz are whole", 4, 50, 123, 4, 1000, 1, "KHz"},
        {"999 Hz stays in hertz", 3, 50, 999, 3, 999, 999, " Hz"},
        {"0.999 Hz in millihertz", 0, 50, 999, 0, 0.999, 999, "mHz"},
        {"held at 999999 Hz", 7, 50, 1000, 7, 1000000, 1000, "KHz"},
        {"held at 1 mHz", -6, 50, 100, -6, 0.001, 1, "mHz"},
        {"far decades saturate", 400, 50, 500, 400, 1000000, 1000, "KHz"},
        {"far decades down", -400, 50, 500, -400, 0.001, 1, "mHz"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FilterState f;
        int decade = c.decade;
        FrequencyReadout r;
        const int p = TurnWheel(c.position, decade, c.lastPercent, f, r);
        EXPECT_EQ(p, WheelPercent(c.position));
        EXPECT_EQ(decade, c.newDecade);
        EXPECT_DOUBLE_EQ(f.CutoffHz, c.cutoff);
        EXPECT_TRUE(r.Shown);
        EXPECT_EQ(r.Value, c.readout);
        EXPECT_EQ(r.Unit, c.unit);
    }
    EXPECT_EQ(WheelPercent(100), 0);
    EXPECT_EQ(WheelPercent(1000), 100);
    EXPECT_EQ(WheelPercent(189), 9);
}

TEST(FilterControls, DampingAndBandwidth)
{
    EXPECT_EQ(DampingForPosition(141), 0.705);
    EXPECT_EQ(DampingForPosition(0), 0.0001);
    EXPECT_EQ(DampingForPosition(1000), 5.0);

    const struct {
        double fc, m, bandwidth;
        int readout;
        const char* unit;
    } cases[] = {
        {1, 0.705, 1.41, 1, "Hz"},      {1000, 0.705, 1410, 1, "KHz"},   {0.5, 0.5, 0.5, 500, "mHz"},
        {999999, 5, 999999, 1000, "KHz"}, {0.001, 0.0001, 0.001, 1, "mHz"}, {499.5, 1, 999, 999, "Hz"},
    };
    for (const auto& c : cases) {
        FilterState f;
        f.CutoffHz = c.fc;
        f.Damping = c.m;
        const FrequencyReadout r = ShowBandwidth(f);
        EXPECT_DOUBLE_EQ(f.BandwidthHz, c.bandwidth) << c.fc << " " << c.m;
        EXPECT_EQ(r.Value, c.readout) << c.fc << " " << c.m;
        EXPECT_EQ(r.Unit, c.unit) << c.fc << " " << c.m;
    }
}

TEST(FilterControls, TypedFrequency)
{
    const struct {
        const char* text;
        bool accepted;
        double cutoff;
    } cases[] = {
        {"1000000", true, 999999}, {"440", true, 440},  {"12.6", true, 13},   {" 50 ", true, 50},
        {"0.5", false, 0},         {"0.3", false, 0},   {"0", false, 0},      {"-5", false, 0},
        {"abc", false, 0},         {"", false, 0},      {"1000001", false, 0}, {"1e999", false, 0},
        {"12a", false, 0},         {"1,5", false, 0},   {"0.6", true, 1},     {"1e-320", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        FilterState f;
        f.CutoffHz = 77;
        EXPECT_EQ(AcceptTypedFrequency(c.text, f), c.accepted);
        EXPECT_EQ(f.CutoffHz, c.accepted ? c.cutoff : 77.0);
    }
}


// 0 and either sign are taken, within 1e-100 ... 1e100 in magnitude; what is
// no number, or lies beyond, leaves the gain alone.
TEST(FilterControls, TypedStaticGain)
{
    constexpr double Kept = 77;
    const struct {
        const char* text;
        double gain; // Kept: refused
    } cases[] = {
        {"2.5", 2.5},     {"-3", -3},        {"0", 0},           {"-0", 0},         {" 1e100 ", 1e100},
        {"-1e100", -1e100}, {"1e-100", 1e-100}, {"-1e-100", -1e-100},
        {"1.0000000000000002e100", Kept},  {"-1.0000000000000002e100", Kept},
        {"9.999999999999999e-101", Kept},  {"-9.999999999999999e-101", Kept},
        {"1e999", Kept},  {"-1e999", Kept},  {"1e308", Kept},    {"1e-320", Kept},  {"1e-400", Kept},
        {"nan", Kept},    {"inf", Kept},     {"abc", Kept},      {"", Kept},        {"2x", Kept},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        FilterState f;
        f.StaticGain = Kept;
        EXPECT_EQ(AcceptTypedStaticGain(c.text, f), c.gain != Kept);
        EXPECT_EQ(f.StaticGain, c.gain);
        EXPECT_FALSE(std::signbit(f.StaticGain) && f.StaticGain == 0);
    }
}

} // namespace

// The wheel that stands for a cut-off, and turning it back there: the
// decade and position give the same cut-off and read-out as the wheel did.
TEST(FilterControls, WheelForACutoffGivesItBack)
{
    struct Case {
        double hz;
        int decade, position;
        const char* unit;
        int value;
    };
    const Case cases[] = {
        {1, 1, 100, " Hz", 1},         {6, 1, 600, " Hz", 6},      {300, 3, 300, " Hz", 300},
        {0.5, 0, 500, "mHz", 500},      {0.001, -2, 100, "mHz", 1}, {1000, 4, 100, "KHz", 1},
        {999999, 6, 1000, "KHz", 1000}, {10, 2, 100, " Hz", 10},    {999, 3, 999, " Hz", 999},
    };
    for (const Case& c : cases) {
        const WheelSetting w = WheelFor(c.hz);
        EXPECT_EQ(w.Decade, c.decade) << c.hz;
        EXPECT_EQ(w.Position, c.position) << c.hz;
        const FrequencyReadout r = CutoffReadout(c.hz);
        EXPECT_EQ(r.Unit, c.unit) << c.hz;
        EXPECT_EQ(r.Value, c.value) << c.hz;
        if (c.hz >= 1 && c.hz <= 999) { // whole hertz that the wheel reaches exactly
            FilterState f;
            int decade = w.Decade;
            FrequencyReadout turned;
            TurnWheel(w.Position, decade, WheelPercent(w.Position), f, turned);
            EXPECT_EQ(f.CutoffHz, c.hz);
            EXPECT_EQ(turned.Unit, r.Unit);
        }
    }
}
