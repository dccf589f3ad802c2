// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson file's writer: the keys in a fixed order, so that the same
// lesson always gives the same bytes.

#include "lesson/lessonfile.h"
#include "lesson/lessonnames.h"
#include "numeric/rounding.h"

#include <nlohmann/json.hpp>

#include <numbers>

using Json = nlohmann::ordered_json;

void TakeFromState(const SharedState& state, Lesson& lesson)
{
    const SignalState& s = state.Signal;
    lesson.FundamentalHz = s.FundamentalHz;
    lesson.FullScaleValue = s.FullScaleValue;
    lesson.MeanPercent = s.MeanPercent;
    lesson.Preset = s.Preset;
    lesson.DutyCycle = s.DutyCycle;
    for (int k = 1; k <= HarmonicCount; ++k) {
        lesson.AmplitudePercent[k] = Round(s.Harmonics.AmplitudePercent[k]);
        lesson.PhaseDegrees[k] = Round(s.Harmonics.PhaseRad[k] * 180 / std::numbers::pi_v<long double>);
        lesson.Shown[k] = s.Harmonics.Shown[k];
    }
    lesson.Filter = state.Filter.Kind;
    lesson.CutoffHz = state.Filter.CutoffHz;
    lesson.Damping = state.Filter.Damping;
    lesson.StaticGain = state.Filter.StaticGain;
    lesson.Display = state.Display;
    lesson.Display.Plot.AxesAtOrigin = DisplaySettings{}.Plot.AxesAtOrigin;
    lesson.PeriodsShown = state.View.PeriodsShown;
}

std::string WriteLesson(const Lesson& l)
{
    Json harmonics = Json::array();
    for (int k = 1; k <= HarmonicCount; ++k)
        harmonics.push_back(Json{{"rang", k},
                                 {"amplitude_pourcent", l.AmplitudePercent[k]},
                                 {"phase_degres", l.PhaseDegrees[k]},
                                 {"visible", l.Shown[k]}});
    const DisplaySettings& d = l.Display;
    Json harmonicColours = Json::array();
    for (int k = 1; k <= HarmonicCount; ++k)
        harmonicColours.push_back(ColourText(d.Plot.HarmonicColour[k]));

    Json j;
    j["format"] = LessonFormatName;
    j["version"] = LessonFormatVersion;
    j["consigne"] = l.Consigne;
    j["filtre_cache"] = l.FilterHidden;
    j["signal"] = Json{{"f0_hz", l.FundamentalHz},
                       {"pleine_echelle", l.FullScaleValue},
                       {"moyenne_pourcent", l.MeanPercent},
                       {"forme", PresetWord(l.Preset)},
                       {"rapport_cyclique", l.DutyCycle},
                       {"harmoniques", harmonics}};
    j["synthetiseur"] = Json{{"moyenne_max_pourcent", l.MeanBound}, {"increment_touches", l.KeyStep}};
    j["filtre"] = Json{{"type", FilterWord(l.Filter)},
                       {"fc_hz", l.CutoffHz},
                       {"fc_saisie", l.CutoffTyped},
                       {"amortissement", l.Damping},
                       {"gain_statique", l.StaticGain}};
    j["affichage"] = Json{{"periodes", l.PeriodsShown},
                          {"facteur_sortie", d.OutputScaleFactor},
                          {"voir_signal", d.ShowIdealSignal},
                          {"superposer_sortie", d.SuperposeOutput},
                          {"spectre_entree", d.ShowInputSpectrum},
                          {"spectre_sortie", d.ShowOutputSpectrum},
                          {"mode_spectre", SpectrumModeWord(d.SpectrumMode)},
                          {"valeurs_raies", d.ShowLineValues},
                          {"fond_noir", d.BlackBackground},
                          {"palette_papier", d.PaperPalette},
                          {"quadrillage", d.Plot.GridOn},
                          {"quadrillage_pointille", d.Plot.GridDotted},
                          {"longueur_graduations", d.Plot.GraduationLength},
                          {"police", d.Plot.FontName},
                          {"taille_police", d.Plot.FontSize},
                          {"couleurs", Json{{"axes", ColourText(d.Plot.AxisColour)},
                                            {"synthese", ColourText(d.SynthesisColour)},
                                            {"signal", ColourText(d.SignalColour)},
                                            {"sortie", ColourText(d.OutputColour)},
                                            {"spectre_entree", ColourText(d.InputSpectrumColour)},
                                            {"spectre_sortie", ColourText(d.OutputSpectrumColour)},
                                            {"harmoniques", harmonicColours}}},
                          {"copie_largeur_px", d.CopyWidthPx},
                          {"copie_hauteur_px", d.CopyHeightPx}};
    j["fenetres"] = Json{{"parametres", l.SettingsOpen}, {"son", l.SoundOpen}, {"reponse", l.ResponseOpen}};
    return j.dump(2) + "\n";
}
