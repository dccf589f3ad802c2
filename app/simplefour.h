// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window: the six presets, the mean value and the twelve harmonic
// columns that define the input signal, the filter panel, and the choice of
// what the graphs show. Every change ends in the recompute-and-redraw cycle.

#include "analysis/synthesisfit.h"
#include "app/harmoniccolumn.h"
#include "signal/sharedstate.h"

#include <QWidget>

#include <array>
#include <functional>

class DialogService;
class FilterPanel;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;
struct Lesson;
class RedrawCycle;
class TVrCheckLed;
class TVrDemoButton;
class TVrDisplay;
class TVrNum;
class TVrPowerButton;
class TVrSlider;

// The program's title, the main window's caption.
QString ProgramTitle();

class Tfensynth : public QWidget {
    Q_OBJECT

public:
    // Builds the window over a freshly made state, whose defaults are the
    // start-up values, and completes the start-up (depart): the controls
    // set from the state, the time graph's frame, the filter panel, the
    // filter kind. Nothing is drawn until the cycle has its windows.
    Tfensynth(SharedState& state, DialogService& dialogs, RedrawCycle& cycle, QWidget* parent = nullptr);

    // The preset of the state set on the controls: the moved controls' own
    // handlers bring the state along (the square wave also follows its duty
    // cycle). The mean slider's range goes back to -400..400.
    void ApplyPreset();
    // f0 written on the panel, in hertz or kilohertz.
    void ShowFundamental();
    // The text after "Val pour 100%:".
    void ShowFullScale(const QString& text);
    // The mean slider's range -maxValue..maxValue; a slider outside it moves
    // to the new end through its own change handler.
    void SetMeanRange(int maxValue);
    int MeanRangeMax() const;
    // The arrow-key step of the mean slider and of the twelve amplitude sliders.
    void SetKeyIncrement(int step);
    int KeyIncrement() const;
    // The spectrum window was closed by its close box: "Spectre entrée" and
    // "Spectre sortie" go out through their own handlers.
    void SpectrumWindowClosed();
    // The settings found for a recorded sound ("Vers la synthèse"): free
    // synthesis, f0, the full scale, the mean, the twelve amplitudes and
    // phases set on the controls, whose own handlers bring the state and
    // every window along; the mean is held within its slider's range.
    void TakeSynthesis(const SynthesisSettings& settings);

    // A lesson opened. The preset's button lit and its code set, without
    // moving a control (ApplyPreset does that).
    void RestorePreset(PresetKind preset);
    // The amplitude sliders, phase switches, mean slider and the LEDs of the
    // curves, the ideal signal, the superposition and the spectra moved to
    // the lesson's positions; each moved control's handler updates the state.
    void RestoreControls(const Lesson& lesson);
    // The filter panel set to the lesson's filter.
    void RestoreFilter(const Lesson& lesson);
    bool CutoffTyped() const;
    // The mystery-filter exercise (FilterPanel::SetHidden).
    void SetFilterHidden(bool hidden);
    bool FilterHidden() const;

    // The "Fichier" button's menu; its actions' shortcuts act in this window.
    void SetFileMenu(QMenu* menu);
    // Asked before the window closes; a false answer keeps it open.
    void SetCloseGuard(std::function<bool()> guard) { m_closeGuard = std::move(guard); }

signals:
    // The main window was closed: the program ends.
    void Closed();
    // The square-wave preset shows the duty-cycle dialog, the others hide it.
    void DutyCycleDialogShown(bool shown);
    // The spectrum LEDs show or hide the spectrum window.
    void SpectrumWindowShown(bool shown);
    // "Parametres": the settings dialog is asked for.
    void SettingsRequested();
    // The sound button: the sound study is asked for.
    void SoundRequested();
    // A click on the filter picture: the filter's response is asked for.
    void ResponseRequested();
    // The analysis button: the window "Analyse d'un son" is asked for.
    void AnalysisRequested();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void BuildControls();
    void Connect();
    void SetTabOrder();
    void depart();
    void SetPresetButtons(int n);

    // Handlers; the numbered families take their number.
    void VrampChange(int k);
    void VrSwitchChange(int k);
    void VrSlidermoyChange();
    void VrCheckLedChange(int k);
    void VrCheckLed13Change();
    void VrCheckLed19Change();
    void SpectrumLedChange(bool input); // VrCheckLed20Change, VrCheckLed21Change
    void VrPowerButtonClick(int i);
    void entre(int i, int key);

    SharedState& m_state;
    DialogService& m_dialogs;
    RedrawCycle& m_cycle;

    // Preset button i at index i (1..6), harmonic column k at index k (1..12).
    std::array<TVrPowerButton*, 7> VrPowerButton{};
    TVrDisplay* VrDisplay2;
    QLabel* Label6; // f0 value
    QLabel* Label2; // f0 unit
    QLabel* Label5; // FullScaleValue
    TVrCheckLed* VrCheckLed13;    // "voir signal"
    TVrDemoButton* VrDemoButton2; // "Parametres"
    TVrNum* VrNummoy;
    TVrSlider* VrSlidermoy;
    TVrDemoButton* VrDemoButton1; // "Quitter"
    QPushButton* BitBtn1;         // sound
    QPushButton* BitBtnAnalyse;   // "Analyse d'un son"
    std::array<HarmonicColumn, 13> m_columns{};
    FilterPanel* m_filter;
    TVrDisplay* GroupBox2; // "Sortie du filtre"
    TVrCheckLed* VrCheckLed19;
    TVrCheckLed* VrCheckLed20;
    TVrCheckLed* VrCheckLed21;
    QToolButton* BoutonFichier; // "Fichier"
    std::function<bool()> m_closeGuard;
};
