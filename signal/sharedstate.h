// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The process-wide state of the program: one periodic input signal, one
// filter, the display settings and the time graph's frame. The application
// owns one SharedState for its whole life and hands it by reference to every
// routine, so a test can build any state it likes. The members' initial
// values are the program's start-up values; the main window's start-up
// only derives the rest from them (the filter kind, the damping the track
// bar gives, the bandwidth, the time graph's frame).

#include <array>
#include <cstdint>
#include <string>

// A 24-bit colour, 0xRRGGBB.
using Colour = std::uint32_t;

// Waveform of the preset button last pressed.
enum class PresetKind : char {
    None = 0,
    Free = 'S',       // "Synth libre": free synthesis
    Square = 'C',     // rectangular pulse train of duty cycle DutyCycle
    Triangle = 'T',
    HalfWave = 'M',   // half-wave rectified sinusoid
    FullWave = 'B',   // full-wave rectified sinusoid
    ThreePulse = 'R', // three-pulse rectified sinusoid
};

// Filter model.
enum class FilterKind : char {
    None = 0,        // before start-up only
    Amplifier = 'S', // G0
    LowPass1 = 'A',  // G0 / (1 + jx)
    HighPass1 = 'D', // G0 jx / (1 + jx)
    LowPass2 = 'B',  // G0 / (1 - x^2 + 2jmx)
    HighPass2 = 'H', // -G0 x^2 / (1 - x^2 + 2jmx)
    BandPass = 'P',  // G0 2jmx / (1 - x^2 + 2jmx)
    BandStop = 'C',  // G0 (1 - x^2) / (1 - x^2 + 2jmx)
};

// What the spectrum bars measure.
enum class SpectrumMode : char {
    Percent = 'P',   // "% amp": per cent of FullScaleValue
    Amplitude = 'A', // "Ampl": peak values in signal units
    Rms = 'R',       // "RMS": RMS values in signal units
};

inline constexpr int HarmonicCount = 12;
inline constexpr int RowCount = HarmonicCount + 1; // row 0 is the mean value

bool IsPresetCode(PresetKind kind);
bool IsFilterCode(FilterKind kind);

// Thirteen rows, k = 0..12: row 0 is the mean (frequency 0), row k the
// harmonic k * f0.
struct HarmonicTable {
    std::array<double, RowCount> AmplitudePercent{};       // input, 0..100 (row 0 unused)
    std::array<double, RowCount> PhaseRad{};               // input phase
    std::array<bool, RowCount> Shown{};                    // curve of the harmonic drawn
    std::array<double, RowCount> FilterGain{};             // filter gain at k * f0
    std::array<double, RowCount> FilterPhaseRad{};         // filter phase at k * f0
    std::array<double, RowCount> OutputAmplitudePercent{}; // row 0: output mean
    std::array<double, RowCount> OutputPhaseRad{};

    bool operator==(const HarmonicTable&) const = default;
};

struct SignalState {
    std::int32_t FundamentalHz = 100; // f0, whole hertz
    double FullScaleValue = 1.0;      // the value 100 % stands for
    std::int32_t MeanPercent = 0;     // mean slider position
    double MeanValue = 0.0;           // MeanPercent / 100 * FullScaleValue
    PresetKind Preset = PresetKind::Free;
    double DutyCycle = 0.0;           // fraction of the period the square is high
    HarmonicTable Harmonics;

    bool operator==(const SignalState&) const = default;
};

struct FilterState {
    FilterKind Kind = FilterKind::None; // set to Amplifier at start-up
    double CutoffHz = 1.0;              // cut-off or centre frequency, 0.001..999999
    double Damping = 0.707;             // m of the second-order models; 141 / 200 once start-up has set the track bar
    double StaticGain = 1.0;            // G0
    double BandwidthHz = 0.0;           // 2 m fc, 0.001..999999

    bool operator==(const FilterState&) const = default;
};

// Plot appearance, handed by value to the drawing routines.
struct param {
    bool AxesAtOrigin = true; // axes cross at (0, 0); also the value axis' range mode
    bool GridOn = false;      // grid lines instead of ticks
    bool GridDotted = true;
    Colour AxisColour = 0x808080;
    // Curve colour of harmonic k at index k; index 0 is unused.
    std::array<Colour, RowCount> HarmonicColour{
        0x000000, 0x800000, 0x0000FF, 0x00FFFF, 0x008000, 0xFFFF00, 0x800000,
        0xFF00FF, 0x00FF00, 0x800080, 0x808000, 0x008080, 0x000080};
    std::int32_t FontSize = 8; // points
    std::string FontName = "Arial";
    std::int32_t GraduationLength = 3; // pixels

    bool operator==(const param&) const = default;
};

struct DisplaySettings {
    param Plot;
    Colour SynthesisColour = 0xFFFF00;
    Colour SignalColour = 0x808080;
    Colour OutputColour = 0xFF00FF;
    Colour InputSpectrumColour = 0xFFFF00;
    Colour OutputSpectrumColour = 0xFF0000;
    bool BlackBackground = true;
    std::int32_t CopyWidthPx = 567;
    std::int32_t CopyHeightPx = 416;
    ::SpectrumMode SpectrumMode = ::SpectrumMode::Percent;
    bool ShowLineValues = false;
    std::int32_t OutputScaleFactor = 1; // 1, 10, 100, 1000 or 10000
    bool ShowIdealSignal = false;
    bool SuperposeOutput = true;
    bool ShowInputSpectrum = false;
    bool ShowOutputSpectrum = false;
    bool PaperPalette = false; // copies, exports and reports: dark curves on white, a legend and a title

    bool operator==(const DisplaySettings&) const = default;
};

// The time graph's world frame.
struct TimeGraphView {
    bool RangeFromZero = false; // fromZero mode of the time axis; never set
    std::int32_t PointCount = 0; // straight segments of every curve
    double TimeStart = 0.0;      // s
    double TimeEnd = 0.0;        // s
    double ValueMin = 0.0;
    double ValueMax = 0.0;
    double TimeStep = 0.0;
    double ValueStep = 0.0;
    double PeriodsShown = 1.0; // periods the time axis is sized for, 0 < p < 10

    bool operator==(const TimeGraphView&) const = default;
};

// The spectrum scale, carried from one spectrum drawing to the next.
struct SpectrumScale {
    double SpectrumMax = 0.0; // per cent

    bool operator==(const SpectrumScale&) const = default;
};

struct SharedState {
    SignalState Signal;
    FilterState Filter;
    DisplaySettings Display;
    TimeGraphView View;
    SpectrumScale Spectra;

    bool operator==(const SharedState&) const = default;
};
