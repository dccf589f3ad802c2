// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/plot/graphtextcases.h"

#include "plot/sampling.h"
#include "tests/plot/graphstates.h"

using namespace graphstates;

namespace graphtextcases {

const Font Fonts[11] = {{"Arial", 6},       {"Arial", 8},        {"Arial", 10},          {"Arial", 12},
                      {"Arial", 14},      {"Arial", 16},       {"DejaVu Sans", 8},     {"DejaVu Sans", 14},
                      {"URW Bookman", 16}, {"Z003", 14},        {"Liberation Serif", 6}};

const QSize CopySizes[5] = {{51, 51}, {567, 416}, {945, 756}, {1134, 300}, {120, 1134}};

void SetFont(SharedState& s, const Font& f)
{
    s.Display.Plot.FontName = f.Family;
    s.Display.Plot.FontSize = f.Points;
}

// A free synthesis whose amplitudes have four decimals.
void LongPercents(SharedState& s)
{
    const double a[] = {61.8543, 10.3061, 48.3117, 70.7107, 12.9, 33.3333, 5.5555, 1.2345, 99.9999, 0.0101,
                        45.6789, 10.3061};
    s.Signal.Preset = PresetKind::Free;
    s.Signal.MeanPercent = -48;
    s.Signal.MeanValue = -0.48 * s.Signal.FullScaleValue;
    for (int k = 1; k <= 12; ++k)
        s.Signal.Harmonics.AmplitudePercent[k] = a[k - 1];
}

void Zoom(SharedState& s, double factor, int times)
{
    for (int i = 0; i < times; ++i)
        ZoomTimeRange(s.View, factor);
    ComputeTimeGraphExtents(s);
}

std::vector<Case> TimeStates()
{
    std::vector<Case> cases{
        {"start-up", [](SharedState&) {}},
        {"square band-pass, harmonics shown",
         [](SharedState& s) {
             s = SquareThroughBandPass();
             s.Signal.Harmonics.Shown[1] = s.Signal.Harmonics.Shown[3] = true;
         }},
        {"axes in the corner, grid",
         [](SharedState& s) {
             s = SquareThroughBandPass();
             s.Display.Plot.AxesAtOrigin = false;
             s.Display.Plot.GridOn = true;
         }},
        {"all above zero", [](SharedState& s) { s.Signal.MeanPercent = 100, s.Signal.MeanValue = 1; }},
        {"all below zero", [](SharedState& s) { s.Signal.MeanPercent = -100, s.Signal.MeanValue = -1; }},
        {"full scale 1.29E-05", [](SharedState& s) { s.Signal.FullScaleValue = 1.29e-5, LongPercents(s); }},
        {"full scale 48.3117", [](SharedState& s) { s.Signal.FullScaleValue = 48.3117, LongPercents(s); }},
        {"output times 10000",
         [](SharedState& s) {
             s = SquareThroughBandPass();
             s.Display.OutputScaleFactor = 10000;
         }},
        {"f0 7 Hz, 9.99 periods",
         [](SharedState& s) {
             s.Signal.FundamentalHz = 7;
             s.View.PeriodsShown = 9.99;
         }},
        {"f0 999999 Hz", [](SharedState& s) { s.Signal.FundamentalHz = 999999; }},
    };
    for (double periods : {2.5, 3.3, 5.0, 7.7})
        cases.push_back({QStringLiteral("%1 periods").arg(periods), [periods](SharedState& s) {
                             s = SquareThroughBandPass();
                             s.View.PeriodsShown = periods;
                         }});
    return cases;
}

// States whose time axis was zoomed: applied after Recompute.
std::vector<Case> ZoomedStates()
{
    std::vector<Case> cases;
    for (int times : {1, 2, 3, 5, 8}) {
        cases.push_back({QStringLiteral("x 2 %1 times").arg(times), [times](SharedState& s) { Zoom(s, 2, times); }});
        cases.push_back({QStringLiteral("/ 2 %1 times").arg(times), [times](SharedState& s) { Zoom(s, 0.5, times); }});
    }
    cases.push_back({"2.5 periods, x 2 twice", [](SharedState& s) {
                         s.View.PeriodsShown = 2.5;
                         ResetTimeRange(s);
                         Zoom(s, 2, 2);
                     }});
    return cases;
}

std::vector<Case> SpectrumStates()
{
    std::vector<Case> cases;
    const struct {
        const char* name;
        ::SpectrumMode mode;
    } modes[] = {{"% amp", SpectrumMode::Percent}, {"Ampl", SpectrumMode::Amplitude}, {"RMS", SpectrumMode::Rms}};
    const struct {
        const char* name;
        double fullScale;
    } scales[] = {{"1", 1.0}, {"1.29E-05", 1.29e-5}, {"75.487", 75.487}, {"0.01", 0.01}};
    for (const auto& m : modes)
        for (const auto& f : scales)
            cases.push_back({QStringLiteral("%1, full scale %2").arg(m.name, f.name), [m, f](SharedState& s) {
                                 s.Signal.FullScaleValue = f.fullScale;
                                 LongPercents(s);
                                 s.Filter.Kind = FilterKind::BandPass;
                                 s.Filter.CutoffHz = 300;
                                 s.Display.SpectrumMode = m.mode;
                             }});
    cases.push_back({"square, amplifier 0.5", [](SharedState& s) {
                         s = SquareThroughBandPass();
                         s.Filter.Kind = FilterKind::Amplifier;
                         s.Filter.StaticGain = 0.5;
                     }});
    cases.push_back({"output times 10000, f0 12345 Hz", [](SharedState& s) {
                         s = SquareThroughBandPass();
                         s.Display.OutputScaleFactor = 10000;
                         s.Signal.FundamentalHz = 12345;
                     }});
    cases.push_back({"f0 999999 Hz, RMS", [](SharedState& s) {
                         LongPercents(s);
                         s.Signal.FundamentalHz = 999999;
                         s.Display.SpectrumMode = SpectrumMode::Rms;
                     }});
    return cases;
}

std::vector<Case> ResponseStates()
{
    std::vector<Case> cases;
    for (FilterKind kind : {FilterKind::Amplifier, FilterKind::LowPass1, FilterKind::HighPass2, FilterKind::BandPass,
                            FilterKind::BandStop})
        cases.push_back({QStringLiteral("model %1").arg(QChar(static_cast<char>(kind))), [kind](SharedState& s) {
                             s = SquareThroughBandPass();
                             s.Filter.Kind = kind;
                             s.Filter.Damping = 0.2;
                         }});
    cases.push_back({"cut-off 0.001 Hz, f0 999999 Hz", [](SharedState& s) {
                         LongPercents(s);
                         s.Filter.Kind = FilterKind::LowPass2;
                         s.Filter.CutoffHz = 0.001;
                         s.Signal.FundamentalHz = 999999;
                     }});
    cases.push_back({"cut-off near f0, gain 1000", [](SharedState& s) {
                         LongPercents(s);
                         s.Filter.Kind = FilterKind::BandPass;
                         s.Filter.CutoffHz = 110;
                         s.Filter.StaticGain = 1000;
                         s.Display.Plot.AxesAtOrigin = false;
                     }});
    return cases;
}

} // namespace graphtextcases
