// SPDX-License-Identifier: GPL-3.0-or-later
#include "signal/signallimits.h"

#include <cmath>

bool IsFullScaleAllowed(double a)
{
    return a >= MinFullScaleValue && a <= MaxFullScaleValue; // NaN fails both
}

bool IsStaticGainAllowed(double g)
{
    const double magnitude = std::fabs(g);
    return g == 0.0 || (magnitude >= MinStaticGainMagnitude && magnitude <= MaxStaticGainMagnitude);
}

bool IsPeriodsShownAllowed(double p)
{
    return p >= MinPeriodsShown && p < PeriodsShownLimit;
}
