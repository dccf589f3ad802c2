// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Sine and cosine in extended precision, for the signal evaluators.

#include <cmath>
#include <numbers>

// sin x and cos x by std::sin and std::cos on long double.
inline void SinCosPortable(long double x, long double& s, long double& c)
{
    s = std::sin(x);
    c = std::cos(x);
}

// sin x and cos x. On x86, within a few turns of 0, the x87 fsincos
// instruction computes both at once, to about 1e-19 and several times
// faster than the library (bench-core: BM_SinCos/fsincos against
// BM_SinCos/portable); farther out its own reduction loses digits, and
// other processors have no such instruction: SinCosPortable.
inline void SinCos(long double x, long double& s, long double& c)
{
#if defined(__x86_64__) || defined(__i386__)
    if (std::fabs(x) <= 4 * std::numbers::pi_v<long double>) {
        asm("fsincos" : "=t"(c), "=u"(s) : "0"(x));
        return;
    }
#endif
    SinCosPortable(x, s, c);
}
