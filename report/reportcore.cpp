// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/reportcore.h"

#include "numeric/frenchcsv.h"
#include "numeric/numbers.h"
#include "spectrum/measurements.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

double Degrees(double rad)
{
    return rad * 180.0 / std::numbers::pi;
}

std::string Number(double x)
{
    return ReportNumber(x);
}

} // namespace

std::string ReportNumber(double x)
{
    if (!std::isfinite(x))
        return "\u2014";
    if (x == 0)
        return "0";
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.6g", x);
    std::string t = buffer;
    for (char& c : t) {
        if (c == '.')
            c = ',';
        else if (c == 'e')
            c = 'E';
    }
    return t;
}

std::array<HarmonicReportRow, RowCount> HarmonicReport(const SharedState& state)
{
    const SignalState& s = state.Signal;
    const HarmonicTable& t = s.Harmonics;
    const double f = s.FullScaleValue;
    std::array<HarmonicReportRow, RowCount> rows{};
    for (int k = 0; k < RowCount; ++k) {
        HarmonicReportRow& r = rows[k];
        r.Rank = k;
        r.FrequencyHz = double(k) * double(s.FundamentalHz);
        r.Gain = t.FilterGain[k];
        r.GainDb = 20.0 * std::log10(std::fabs(r.Gain));
        r.PhaseShiftDeg = Degrees(t.FilterPhaseRad[k]);
        r.OutPercent = t.OutputAmplitudePercent[k];
        r.OutPeak = r.OutPercent / 100.0 * f;
        if (k == 0) {
            r.InPercent = s.MeanPercent;
            r.InPeak = s.MeanValue;
            r.InRms = std::fabs(s.MeanValue);
            r.OutRms = std::fabs(r.OutPeak);
        } else {
            r.InPercent = t.AmplitudePercent[k];
            r.InPeak = r.InPercent / 100.0 * f;
            r.InRms = r.InPeak / std::numbers::sqrt2;
            r.InPhaseDeg = Degrees(t.PhaseRad[k]);
            r.OutRms = r.OutPeak / std::numbers::sqrt2;
            r.OutPhaseDeg = Degrees(t.OutputPhaseRad[k]);
        }
    }
    return rows;
}

std::array<MeasureReportRow, MeasureReportCount> MeasureReport(const SharedState& state)
{
    const SignalMeasures in = Measure(InputContent(state));
    const SignalMeasures out = Measure(OutputContent(state));
    std::array<MeasureReportRow, MeasureReportCount> rows{};
    const char* const captions[MeasureReportCount] = {"Valeur moyenne", "Valeur efficace", "Efficace alternatif",
                                                      "Taux de distorsion", "Facteur de crête"};
    auto pick = [](const SignalMeasures& m, int r) -> std::optional<double> {
        switch (r) {
        case 0: return m.Mean;
        case 1: return m.Rms;
        case 2: return m.AcRms;
        case 3: return m.DistortionPercent;
        default: return m.CrestFactor;
        }
    };
    for (int r = 0; r < MeasureReportCount; ++r) {
        MeasureReportRow& row = rows[r];
        row.Caption = captions[r];
        row.Unit = r == 3 ? "%" : "";
        const std::optional<double> a = pick(in, r);
        const std::optional<double> b = pick(out, r);
        row.HasIn = a.has_value();
        row.HasOut = b.has_value();
        row.In = a.value_or(0.0);
        row.Out = b.value_or(0.0);
        // The response window's texts: no blank before the number, the unit after it.
        auto text = [&](const std::optional<double>& v) {
            std::string t = MeasureText(v);
            t.erase(0, t.find_first_not_of(' '));
            t.erase(t.find_last_not_of(' ') + 1);
            if (v && !row.Unit.empty())
                t += " " + row.Unit;
            return t;
        };
        row.InText = text(a);
        row.OutText = text(b);
    }
    return rows;
}

std::string PresetName(PresetKind kind)
{
    switch (kind) {
    case PresetKind::Free: return "Synthèse libre";
    case PresetKind::Square: return "Carré";
    case PresetKind::Triangle: return "Triangle";
    case PresetKind::HalfWave: return "Redressé monoalternance";
    case PresetKind::FullWave: return "Redressé bialternance";
    case PresetKind::ThreePulse: return "Redressé triphasé";
    default: return "Aucune";
    }
}

std::string FilterName(FilterKind kind)
{
    switch (kind) {
    case FilterKind::Amplifier: return "Amplificateur";
    case FilterKind::LowPass1: return "Passe-bas ordre 1";
    case FilterKind::HighPass1: return "Passe-haut ordre 1";
    case FilterKind::LowPass2: return "Passe-bas ordre 2";
    case FilterKind::HighPass2: return "Passe-haut ordre 2";
    case FilterKind::BandPass: return "Passe-bande";
    case FilterKind::BandStop: return "Coupe-bande";
    default: return "Aucun";
    }
}

bool FilterUsesCutoff(FilterKind kind)
{
    return IsFilterCode(kind) && kind != FilterKind::Amplifier;
}

bool FilterUsesDamping(FilterKind kind)
{
    return kind == FilterKind::LowPass2 || kind == FilterKind::HighPass2 || kind == FilterKind::BandPass ||
           kind == FilterKind::BandStop;
}

namespace {

std::string CutoffCaption(FilterKind kind)
{
    return kind == FilterKind::BandPass || kind == FilterKind::BandStop ? "Fréquence centrale fc"
                                                                        : "Fréquence de coupure fc";
}

} // namespace

std::vector<std::pair<std::string, std::string>> ReportParameters(const SharedState& state)
{
    const SignalState& s = state.Signal;
    const FilterState& f = state.Filter;
    const std::string none = "sans objet";
    std::vector<std::pair<std::string, std::string>> p;
    p.emplace_back("Fréquence fondamentale f0", Number(s.FundamentalHz) + " Hz");
    p.emplace_back("Valeur pour 100 %", Number(s.FullScaleValue));
    p.emplace_back("Moyenne réglée", Number(s.MeanValue));
    p.emplace_back("Forme", PresetName(s.Preset));
    p.emplace_back("Rapport cyclique",
                   s.Preset == PresetKind::Square ? Number(s.DutyCycle * 100.0) + " %" : none);
    p.emplace_back("Filtre", FilterName(f.Kind));
    p.emplace_back(CutoffCaption(f.Kind), FilterUsesCutoff(f.Kind) ? Number(f.CutoffHz) + " Hz" : none);
    p.emplace_back("Amortissement m", FilterUsesDamping(f.Kind) ? Number(f.Damping) : none);
    p.emplace_back("Gain statique G0", Number(f.StaticGain));
    p.emplace_back("Facteur d'échelle de la sortie", Number(state.Display.OutputScaleFactor));
    return p;
}

std::string PaperTitle(const SharedState& state)
{
    const FilterState& f = state.Filter;
    std::string t = "f0 = " + Number(state.Signal.FundamentalHz) + " Hz   " + FilterName(f.Kind);
    if (FilterUsesCutoff(f.Kind))
        t += "   fc = " + Number(f.CutoffHz) + " Hz";
    if (FilterUsesDamping(f.Kind))
        t += "   m = " + Number(f.Damping);
    if (f.StaticGain != 1.0)
        t += "   G0 = " + Number(f.StaticGain);
    return t;
}

DisplaySettings PaperDisplay(const DisplaySettings& display)
{
    DisplaySettings d = display;
    d.BlackBackground = false;
    d.Plot.AxisColour = 0x404040;
    d.SynthesisColour = 0x0A2A8C; // input: dark blue
    d.OutputColour = 0xB0100E;    // output: dark red
    d.SignalColour = 0x1A1A1A;    // ideal waveform: near black
    d.InputSpectrumColour = d.SynthesisColour;
    d.OutputSpectrumColour = d.OutputColour;
    // Twelve dark colours that stay apart on white and in grey.
    d.Plot.HarmonicColour = {0x000000, 0x0B6E23, 0x8A4B08, 0x6A1B9A, 0x00695C, 0x7A5C00, 0x37474F,
                             0xAD1457, 0x4E6B1F, 0x283593, 0xBF360C, 0x1B4F72, 0x6D1B1B};
    return d;
}

std::string HarmonicCurveName(int k)
{
    return "Harmonique " + std::to_string(k);
}

std::string ReportCsv(const SharedState& state)
{
    std::string csv(CsvFileStart);
    for (const auto& [caption, text] : ReportParameters(state))
        csv += CsvLine({caption, text});
    csv += "\r\n";
    csv += CsvLine({"Rang", "Fréquence (Hz)", "Entrée amplitude (%)", "Entrée valeur crête", "Entrée valeur efficace",
                    "Entrée phase (°)", "Gain du filtre", "Gain (dB)", "Déphasage (°)", "Sortie amplitude (%)",
                    "Sortie valeur crête", "Sortie valeur efficace", "Sortie phase (°)"});
    for (const HarmonicReportRow& r : HarmonicReport(state))
        csv += CsvLine({std::to_string(r.Rank), CsvNumber(r.FrequencyHz), CsvNumber(r.InPercent), CsvNumber(r.InPeak),
                        CsvNumber(r.InRms), CsvNumber(r.InPhaseDeg), CsvNumber(r.Gain), CsvNumber(r.GainDb),
                        CsvNumber(r.PhaseShiftDeg), CsvNumber(r.OutPercent), CsvNumber(r.OutPeak),
                        CsvNumber(r.OutRms), CsvNumber(r.OutPhaseDeg)});
    csv += "\r\n";
    csv += CsvLine({"Mesure", "Entrée", "Sortie", "Unité"});
    for (const MeasureReportRow& m : MeasureReport(state))
        csv += CsvLine({m.Caption, m.HasIn ? CsvNumber(m.In) : "", m.HasOut ? CsvNumber(m.Out) : "", m.Unit});
    return csv;
}
