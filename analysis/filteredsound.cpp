// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/filteredsound.h"

#include "filter/filterresponse.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>

namespace {

// The smallest 2^a 3^b 5^c at or above n.
std::size_t FastSize(std::size_t n)
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

} // namespace

std::vector<double> FilteredSound(const std::vector<double>& x, double rateHz, const FilterState& filter)
{
    if (!IsFilterCode(filter.Kind) || filter.Kind == FilterKind::None || x.empty() || !(rateHz > 0))
        return x;
    const auto tail = static_cast<std::size_t>(0.5 * rateHz);
    const std::size_t n = FastSize(x.size() + std::min(tail, x.size()));
    const std::size_t bins = n / 2 + 1;
    double* buffer = fftw_alloc_real(n);
    fftw_complex* spectrum = fftw_alloc_complex(bins);
    fftw_plan forward = fftw_plan_dft_r2c_1d(static_cast<int>(n), buffer, spectrum, FFTW_ESTIMATE);
    fftw_plan backward = fftw_plan_dft_c2r_1d(static_cast<int>(n), spectrum, buffer, FFTW_ESTIMATE);

    std::copy(x.begin(), x.end(), buffer);
    std::fill(buffer + x.size(), buffer + n, 0.0);
    fftw_execute(forward);
    const double binHz = rateHz / static_cast<double>(n);
    for (std::size_t i = 0; i < bins; ++i) {
        const FilterPoint h = FilterResponseAt(filter, filter.Kind, static_cast<long double>(i) * binHz);
        const double gr = h.Gain * std::cos(h.PhaseRad) / static_cast<double>(n);
        const double gi = h.Gain * std::sin(h.PhaseRad) / static_cast<double>(n);
        const double re = spectrum[i][0], im = spectrum[i][1];
        spectrum[i][0] = re * gr - im * gi;
        spectrum[i][1] = re * gi + im * gr;
    }
    // The Nyquist bin of an even size stands for a real cosine: its value
    // must stay real.
    if (n % 2 == 0)
        spectrum[bins - 1][1] = 0.0;
    fftw_execute(backward);
    std::vector<double> y(buffer, buffer + x.size());

    fftw_destroy_plan(forward);
    fftw_destroy_plan(backward);
    fftw_free(buffer);
    fftw_free(spectrum);
    return y;
}
