// SPDX-License-Identifier: GPL-3.0-or-later
#include "filter/filterresponse.h"
#include "numeric/frenchcsv.h"
#include "report/reportcore.h"
#include "signal/presets.h"
#include "spectrum/measurements.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::vector<std::string>>;

// The CSV as a spreadsheet reads it: lines on CR LF, fields on ";".
Lines ReadCsv(const std::string& csv)
{
    Lines lines;
    size_t start = 0;
    while (start < csv.size()) {
        const size_t end = csv.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
        if (end == std::string::npos)
            break;
        const std::string line = csv.substr(start, end - start);
        std::vector<std::string> fields;
        size_t f = 0;
        while (true) {
            const size_t semi = line.find(';', f);
            fields.push_back(line.substr(f, semi == std::string::npos ? std::string::npos : semi - f));
            if (semi == std::string::npos)
                break;
            f = semi + 1;
        }
        lines.push_back(fields);
        start = end + 2;
    }
    return lines;
}

// A French number: decimal comma, no thousands separator.
double FrenchNumber(const std::string& text)
{
    std::string c = text;
    for (char& ch : c)
        if (ch == ',')
            ch = '.';
    EXPECT_EQ(c.find('.'), text.find(',')) << text;
    char* end = nullptr;
    const double v = std::strtod(c.c_str(), &end);
    EXPECT_EQ(*end, '\0') << text;
    return v;
}

struct Case {
    const char* name;
    PresetKind preset;
    double duty;
    FilterKind filter;
    double cutoff, damping, gain;
    int f0, mean;
    double fullScale;
};

SharedState StateOf(const Case& c)
{
    SharedState s;
    s.Signal.FundamentalHz = c.f0;
    s.Signal.FullScaleValue = c.fullScale;
    s.Signal.Preset = c.preset;
    s.Signal.DutyCycle = c.duty;
    PresetPositions p;
    PresetPositionsFor(s.Signal, p);
    s.Signal.MeanPercent = c.mean;
    s.Signal.MeanValue = c.mean / 100.0 * c.fullScale;
    for (int k = 1; k <= 12; ++k) {
        s.Signal.Harmonics.AmplitudePercent[k] = p.Amplitude[k];
        s.Signal.Harmonics.PhaseRad[k] = SwitchDegrees(p.Phase[k]) * std::numbers::pi / 180;
    }
    s.Filter.Kind = c.filter;
    s.Filter.CutoffHz = c.cutoff;
    s.Filter.Damping = c.damping;
    s.Filter.StaticGain = c.gain;
    ApplyFilter(s);
    return s;
}

class ReportCsvTest : public ::testing::TestWithParam<Case> {};

// The file read back holds the state's numbers exactly: every input and
// output column, the filter's gain and phase, the measurements.
TEST_P(ReportCsvTest, ReadBackGivesTheStatesNumbers)
{
    const SharedState s = StateOf(GetParam());
    const std::string csv = ReportCsv(s);
    ASSERT_EQ(csv.substr(0, 3), std::string(CsvFileStart));
    const Lines lines = ReadCsv(csv.substr(3));

    const auto params = ReportParameters(s);
    ASSERT_GT(lines.size(), params.size() + 1 + 1 + RowCount + 1 + 1 + MeasureReportCount - 1);
    for (size_t i = 0; i < params.size(); ++i)
        EXPECT_EQ(lines[i], (std::vector<std::string>{params[i].first, params[i].second}));
    EXPECT_EQ(lines[params.size()], std::vector<std::string>{""});

    const size_t head = params.size() + 1;
    ASSERT_EQ(lines[head].size(), 13u);
    EXPECT_EQ(lines[head][0], "Rang");
    EXPECT_EQ(lines[head][2], "Entrée amplitude (%)");
    const HarmonicTable& t = s.Signal.Harmonics;
    const double f = s.Signal.FullScaleValue;
    for (int k = 0; k < RowCount; ++k) {
        const std::vector<std::string>& row = lines[head + 1 + k];
        ASSERT_EQ(row.size(), 13u) << k;
        SCOPED_TRACE(k);
        EXPECT_EQ(FrenchNumber(row[0]), k);
        EXPECT_EQ(FrenchNumber(row[1]), double(k) * s.Signal.FundamentalHz);
        if (k == 0) {
            EXPECT_EQ(FrenchNumber(row[2]), s.Signal.MeanPercent);
            EXPECT_EQ(FrenchNumber(row[3]), s.Signal.MeanValue);
            EXPECT_EQ(FrenchNumber(row[4]), std::fabs(s.Signal.MeanValue));
        } else {
            EXPECT_EQ(FrenchNumber(row[2]), t.AmplitudePercent[k]);
            EXPECT_DOUBLE_EQ(FrenchNumber(row[3]), t.AmplitudePercent[k] * f / 100);
            EXPECT_DOUBLE_EQ(FrenchNumber(row[4]), t.AmplitudePercent[k] * f / 100 / std::sqrt(2.0));
            EXPECT_DOUBLE_EQ(FrenchNumber(row[5]), t.PhaseRad[k] * 180 / std::numbers::pi);
            EXPECT_DOUBLE_EQ(FrenchNumber(row[12]), t.OutputPhaseRad[k] * 180 / std::numbers::pi);
        }
        EXPECT_EQ(FrenchNumber(row[6]), t.FilterGain[k]);
        if (t.FilterGain[k] != 0)
            EXPECT_DOUBLE_EQ(FrenchNumber(row[7]), 20 * std::log10(std::fabs(t.FilterGain[k])));
        else
            EXPECT_EQ(row[7], "") << "minus infinity dB is no spreadsheet number";
        EXPECT_DOUBLE_EQ(FrenchNumber(row[8]), t.FilterPhaseRad[k] * 180 / std::numbers::pi);
        EXPECT_EQ(FrenchNumber(row[9]), t.OutputAmplitudePercent[k]);
        EXPECT_DOUBLE_EQ(FrenchNumber(row[10]), t.OutputAmplitudePercent[k] * f / 100);
    }

    const size_t mhead = head + 1 + RowCount + 1;
    EXPECT_EQ(lines[mhead - 1], std::vector<std::string>{""});
    EXPECT_EQ(lines[mhead], (std::vector<std::string>{"Mesure", "Entrée", "Sortie", "Unité"}));
    const SignalMeasures in = Measure(InputContent(s));
    const SignalMeasures out = Measure(OutputContent(s));
    const std::optional<double> want[MeasureReportCount][2] = {{in.Mean, out.Mean},
                                                              {in.Rms, out.Rms},
                                                              {in.AcRms, out.AcRms},
                                                              {in.DistortionPercent, out.DistortionPercent},
                                                              {in.CrestFactor, out.CrestFactor}};
    const char* const captions[] = {"Valeur moyenne", "Valeur efficace", "Efficace alternatif", "Taux de distorsion",
                                    "Facteur de crête"};
    for (int r = 0; r < MeasureReportCount; ++r) {
        const std::vector<std::string>& row = lines[mhead + 1 + r];
        ASSERT_EQ(row.size(), 4u);
        EXPECT_EQ(row[0], captions[r]);
        for (int c = 0; c < 2; ++c) {
            if (want[r][c])
                EXPECT_EQ(FrenchNumber(row[1 + c]), *want[r][c]) << captions[r];
            else
                EXPECT_EQ(row[1 + c], "") << captions[r];
        }
    }
    EXPECT_EQ(lines.size(), mhead + 1 + MeasureReportCount);
}

INSTANTIATE_TEST_SUITE_P(
    States, ReportCsvTest,
    ::testing::Values(Case{"square_lowpass2", PresetKind::Square, 0.5, FilterKind::LowPass2, 250, 0.705, 1, 100, 0, 1},
                      Case{"triangle_highpass1_negative_gain", PresetKind::Triangle, 0.5, FilterKind::HighPass1, 1000,
                           0.7, -2.5, 440, 30, 12.5},
                      Case{"halfwave_bandstop_notch", PresetKind::HalfWave, 0.5, FilterKind::BandStop, 200, 0.1, 1,
                           100, 0, 0.001},
                      Case{"free_zero_signal_amplifier", PresetKind::Free, 0.5, FilterKind::Amplifier, 1, 0.7, 1, 50,
                           0, 1},
                      Case{"square_bandpass_duty", PresetKind::Square, 0.2, FilterKind::BandPass, 300, 0.05, 3,
                           999999, -40, 230}),
    [](const ::testing::TestParamInfo<Case>& i) { return std::string(i.param.name); });

// Headers and texts: what a French teacher reads, with the units.
TEST(ReportCore, TextsNameTheModelsAndOnlyTheSettingsTheyRead)
{
    Case c{"", PresetKind::Square, 0.25, FilterKind::LowPass1, 1500, 0.3, 1, 100, 0, 1};
    SharedState s = StateOf(c);
    EXPECT_EQ(PaperTitle(s), "f0 = 100 Hz   Passe-bas ordre 1   fc = 1500 Hz");
    s.Filter.Kind = FilterKind::BandPass;
    s.Filter.StaticGain = 2;
    EXPECT_EQ(PaperTitle(s), "f0 = 100 Hz   Passe-bande   fc = 1500 Hz   m = 0,3   G0 = 2");
    s.Filter.Kind = FilterKind::Amplifier;
    EXPECT_EQ(PaperTitle(s), "f0 = 100 Hz   Amplificateur   G0 = 2");

    const auto p = ReportParameters(s);
    auto value = [&](const std::string& caption) {
        for (const auto& [k, v] : p)
            if (k == caption)
                return v;
        return std::string("(absent)");
    };
    EXPECT_EQ(value("Forme"), "Carré");
    EXPECT_EQ(value("Rapport cyclique"), "25 %");
    EXPECT_EQ(value("Fréquence de coupure fc"), "sans objet");
    EXPECT_EQ(value("Amortissement m"), "sans objet");
    EXPECT_EQ(value("Gain statique G0"), "2");
    s.Signal.Preset = PresetKind::Triangle;
    EXPECT_EQ(ReportParameters(s)[4].second, "sans objet");

    EXPECT_EQ(ReportNumber(0.705), "0,705");
    EXPECT_EQ(ReportNumber(-2.5e-7), "-2,5E-07");
    EXPECT_EQ(ReportNumber(999999), "999999");
    EXPECT_EQ(ReportNumber(63.66197723675813), "63,662");
    EXPECT_EQ(ReportNumber(1.0 / 0.0), "\u2014");

    // The measurement texts are those of the response window.
    const auto m = MeasureReport(StateOf(c));
    EXPECT_EQ(m[3].Caption, "Taux de distorsion");
    EXPECT_NE(m[3].InText.find(" %"), std::string::npos);
    const auto silent = MeasureReport(StateOf({"", PresetKind::Free, 0.5, FilterKind::Amplifier, 1, 0.7, 1, 50, 0, 1}));
    EXPECT_EQ(silent[3].InText, "\u2014");
    EXPECT_EQ(silent[4].OutText, "\u2014");
}

// The paper palette: white background, every curve dark enough to read on
// white (luminance well under that of the screen's yellow).
TEST(ReportCore, PaperColoursAreDarkOnWhite)
{
    const DisplaySettings d = PaperDisplay(DisplaySettings());
    EXPECT_FALSE(d.BlackBackground);
    auto luminance = [](Colour c) {
        return 0.2126 * ((c >> 16) & 0xFF) + 0.7152 * ((c >> 8) & 0xFF) + 0.0722 * (c & 0xFF);
    };
    std::vector<Colour> curves = {d.SynthesisColour, d.OutputColour, d.SignalColour, d.Plot.AxisColour,
                                  d.InputSpectrumColour, d.OutputSpectrumColour};
    for (int k = 1; k <= 12; ++k)
        curves.push_back(d.Plot.HarmonicColour[k]);
    for (Colour c : curves)
        EXPECT_LT(luminance(c), 110) << std::hex << c;
    EXPECT_NE(d.SynthesisColour, d.OutputColour);
}

} // namespace
