// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/filteredsound.h"

#include "analysis/fftsize.h"
#include "filter/filterresponse.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

namespace {

std::complex<double> Gain(const FilterState& filter, long double hz)
{
    const FilterPoint p = FilterResponseAt(filter, filter.Kind, hz);
    return std::polar(p.Gain, p.PhaseRad);
}

// The complex gain at every bin i (frequency i * binHz). The filter's
// formulas are evaluated at every Stride-th bin and at the middle of each
// stretch between; where the straight line between the ends misses the
// middle by more than 1e-6 of the gain's size there, every bin of the
// stretch is evaluated, else the stretch is interpolated along that line.
std::vector<std::complex<double>> GainPerBin(const FilterState& filter, double binHz, std::size_t bins)
{
    constexpr std::size_t Stride = 16;
    std::vector<std::complex<double>> h(bins);
    auto at = [&](std::size_t i) { return Gain(filter, static_cast<long double>(i) * binHz); };
    h[0] = at(0);
    for (std::size_t a = 0; a + 1 < bins; a += Stride) {
        const std::size_t b = std::min(a + Stride, bins - 1);
        h[b] = at(b);
        const std::size_t mid = (a + b) / 2;
        const std::complex<double> exact = at(mid);
        const double t = double(mid - a) / double(b - a);
        const std::complex<double> line = h[a] + t * (h[b] - h[a]);
        const double size = std::max({std::abs(h[a]), std::abs(h[b]), std::abs(exact)});
        if (std::abs(line - exact) > 1e-6 * size || !std::isfinite(std::abs(line))) {
            for (std::size_t i = a + 1; i < b; ++i)
                h[i] = at(i);
        } else {
            for (std::size_t i = a + 1; i < b; ++i)
                h[i] = h[a] + (double(i - a) / double(b - a)) * (h[b] - h[a]);
            h[mid] = exact;
        }
    }
    return h;
}

} // namespace

std::vector<double> FilteredSound(const std::vector<double>& x, double rateHz, const FilterState& filter)
{
    if (!IsFilterCode(filter.Kind) || filter.Kind == FilterKind::None || x.empty() || !(rateHz > 0))
        return x;
    const auto tail = static_cast<std::size_t>(0.5 * rateHz);
    const std::size_t n = FastFftSize(x.size() + std::min(tail, x.size()));
    const std::size_t bins = n / 2 + 1;
    double* buffer = fftw_alloc_real(n);
    fftw_complex* spectrum = fftw_alloc_complex(bins);
    fftw_plan forward = fftw_plan_dft_r2c_1d(static_cast<int>(n), buffer, spectrum, FFTW_ESTIMATE);
    fftw_plan backward = fftw_plan_dft_c2r_1d(static_cast<int>(n), spectrum, buffer, FFTW_ESTIMATE);

    std::copy(x.begin(), x.end(), buffer);
    std::fill(buffer + x.size(), buffer + n, 0.0);
    fftw_execute(forward);
    const std::vector<std::complex<double>> h = GainPerBin(filter, rateHz / static_cast<double>(n), bins);
    for (std::size_t i = 0; i < bins; ++i) {
        const std::complex<double> y = std::complex<double>(spectrum[i][0], spectrum[i][1]) * h[i] / static_cast<double>(n);
        spectrum[i][0] = y.real();
        spectrum[i][1] = y.imag();
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
