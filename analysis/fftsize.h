// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>

// The smallest size 2^a 3^b 5^c at or above n, a size FFTW transforms fast.
inline std::size_t FastFftSize(std::size_t n)
{
    std::size_t best = 1;
    while (best < n)
        best *= 2;
    for (std::size_t p5 = 1; p5 < 2 * n; p5 *= 5)
        for (std::size_t p3 = p5; p3 < 2 * n; p3 *= 3) {
            std::size_t s = p3;
            while (s < n)
                s *= 2;
            best = std::min(best, s);
        }
    return best;
}
