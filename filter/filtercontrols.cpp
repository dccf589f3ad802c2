// SPDX-License-Identifier: GPL-3.0-or-later
#include "filter/filtercontrols.h"

#include "numeric/numbers.h"
#include "numeric/rounding.h"
#include "signal/signallimits.h"

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
    readout = FrequencyReadout{};
    readout.Shown = true;
    if (f > 999) {
        f = Round(f / 1000) * 1000.0;
        readout.Unit = "KHz";
        readout.Value = Round(f / 1000);
    } else if (f > 0.999) {
        f = Round(f);
        readout.Unit = " Hz";
        readout.Value = Round(f);
    } else {
        readout.Unit = "mHz";
        readout.Value = Round(f * 1000);
    }
    filter.CutoffHz = f;
    return p;
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
