// SPDX-License-Identifier: GPL-3.0-or-later
#include "filter/filtercontrols.h"

#include "numeric/numbers.h"
#include "numeric/rounding.h"
#include "signal/signallimits.h"

#include <algorithm>
#include <cmath>

namespace {

double Held(double f)
{
    if (!(f >= MinFrequencyHz))
        return MinFrequencyHz; // NaN too
    return f > MaxFrequencyHz ? MaxFrequencyHz : f;
}

} // namespace

int WheelPercent(int position)
{
    return static_cast<int>((static_cast<long long>(position) - 100) * 100 / (1000 - 100));
}

int TurnWheel(int position, int& decade, int lastPercent, FilterState& filter, FrequencyReadout& readout)
{
    const int p = WheelPercent(position);
    if (p < 10 && lastPercent > 90)
        ++decade;
    if (p > 90 && lastPercent < 10)
        --decade;
    double f = Held(PowerOfTen(decade) * position / 1000);
    if (f > 999)
        f = Round(f / 1000) * 1000.0;
    else if (f > 0.999)
        f = Round(f);
    readout = CutoffReadout(f);
    filter.CutoffHz = f;
    return p;
}

FrequencyReadout CutoffReadout(double cutoffHz)
{
    FrequencyReadout r;
    r.Shown = true;
    if (cutoffHz > 999) {
        r.Unit = "KHz";
        r.Value = Round(cutoffHz / 1000);
    } else if (cutoffHz > 0.999) {
        r.Unit = " Hz";
        r.Value = Round(cutoffHz);
    } else {
        r.Unit = "mHz";
        r.Value = Round(cutoffHz * 1000.0L);
    }
    return r;
}

WheelSetting WheelFor(double cutoffHz)
{
    if (!(cutoffHz > 0))
        return {};
    WheelSetting w;
    w.Decade = static_cast<int>(std::floor(std::log10(cutoffHz))) + 1;
    // log10 may land a hair off at an exact power of ten.
    if (cutoffHz * 1000 / PowerOfTen(w.Decade) < 100)
        --w.Decade;
    else if (cutoffHz * 1000 / PowerOfTen(w.Decade) >= 1000)
        ++w.Decade;
    w.Position = std::clamp(Round(cutoffHz * 1000.0L / PowerOfTen(w.Decade)), 100, 1000);
    return w;
}

double DampingForPosition(int position)
{
    const double m = position / 200.0;
    return m == 0.0 ? 0.0001 : m;
}

FrequencyReadout ShowBandwidth(FilterState& filter)
{
    filter.BandwidthHz = Held(SaturateToDouble(2.0L * filter.CutoffHz * filter.Damping));
    const double b = filter.BandwidthHz;
    FrequencyReadout r;
    r.Shown = true;
    if (b > 999) {
        r.Unit = "KHz";
        r.Value = Round(b / 1000);
    } else if (b > 0.999) {
        r.Unit = "Hz";
        r.Value = Round(b);
    } else {
        r.Unit = "mHz";
        r.Value = Round(b * 1000);
    }
    return r;
}

bool AcceptTypedFrequency(std::string_view text, FilterState& filter)
{
    double f = 0.0;
    if (!TryParseTypedNumber(text, f) || f > 1000000 || f < 0)
        return false;
    const double whole = Round(Held(f));
    if (whole < 1)
        return false;
    filter.CutoffHz = whole;
    return true;
}

bool AcceptTypedStaticGain(std::string_view text, FilterState& filter)
{
    double g = 0.0;
    if (!TryParseTypedNumber(text, g) || !IsStaticGainAllowed(g))
        return false;
    filter.StaticGain = g == 0.0 ? 0.0 : g; // "-0" is 0
    return true;
}
