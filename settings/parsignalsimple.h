// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The settings dialog "Parametres": the fundamental frequency, the full-scale
// value and the periods shown (committed by OK), the range of the mean slider
// and the arrow-key step of the main window's sliders (also on OK), and, at
// once, the look of the graphs, every curve and spectrum colour, the size of
// the vector copies and the spectrum mode.
//
// The dialog edits the shared state directly. What it changes in other
// windows goes out as signals, emitted at the point of the sequence where the
// change happens, so a connected slot runs before the dialog goes on.

#include "signal/sharedstate.h"

#include <QColor>
#include <QFont>
#include <QWidget>

#include <array>

class DialogService;
class QLabel;
class QWindow;
class TClickableLabel;
class TRadioGroup;
class TVrCheckLed;
class TVrDemoButton;
class TVrNumEdit;
class TVrStrEdit;

// What the dialog shows of the main window's sliders, read each time it
// loads its fields.
class MainSliderSettings {
public:
    virtual ~MainSliderSettings() = default;
    // MaxValue of the mean slider VrSlidermoy.
    virtual int MeanSliderMax() const = 0;
    // KeyIncrement of the amplitude slider Vramp1.
    virtual int KeyIncrement() const = 0;
};

class TForm2 : public QWidget {
    Q_OBJECT

public:
    TForm2(SharedState& state, DialogService& dialogs, QWidget* parent = nullptr);

    // The main window's sliders, read by initparamsignal; without them the
    // two synthesiser fields keep what they show.
    void SetMainSliders(const MainSliderSettings* sliders) { m_sliders = sliders; }

    // The display settings were set as a whole (a lesson opened): the grid,
    // background and spectrum-mode controls, the colour labels and, where
    // they changed from `before`, the copy sizes show the state's values.
    void ShowDisplay(const DisplaySettings& before);

signals:
    // OK: the main window's frequency read-out is to show FundamentalHz.
    void FundamentalChanged();
    // OK: the main window's full-scale read-out is to show `text`.
    void FullScaleChanged(const QString& text);
    // OK: the mean slider's range becomes -maxValue ... maxValue (MaxValue
    // first, then MinValue; a slider the range moves runs its own handler).
    void MeanRangeChanged(int maxValue);
    // OK: the arrow-key step of the mean slider and of the twelve amplitude
    // sliders.
    void KeyIncrementChanged(int step);
    // The time graph's point count is to be set again from its window's width.
    void PointCountResetRequested();
    // The caller rule: point count from the time-graph window, then
    // recompute and redraw with rescaling.
    void RedrawRequested();
    // The spectra are to be drawn again into the spectrum window's picture,
    // whether that window is shown or not.
    void SpectraRedrawRequested();

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    // The eighteen colours the dialog edits, in the order of ColourLabel.
    enum ColourIndex {
        AxisColourIndex = 0,
        SignalColourIndex = 1,
        SynthesisColourIndex = 2,
        OutputColourIndex = 3,
        FirstHarmonicColourIndex = 4, // harmonic k at 3 + k
        InputSpectrumColourIndex = 16,
        OutputSpectrumColourIndex = 17,
        ColourCount = 18,
    };

    // Construction.
    void BuildControls();
    void Connect();
    void SetTabOrder();

    // Handlers.
    void initparamsignal();
    void OKbuttClick();
    void choixquadClick();
    void RadioGroup1Click();
    void CheckBox1Click();
    void CheckBoxPapierClick();
    void Label6Click();
    void VrDemoButton2Click();
    void ColourLabelClick(int index); // autclix for the axes, and the other colour labels
    void CopySizeClick(bool height);  // Label25Click, Label27Click
    void RadioButtonClick(int n);     // RadioButton1Click ... RadioButton3Click

    // The colour field that ColourLabel[index] edits.
    Colour& ColourField(int index);
    void ShowColour(int index);
    void ShowBackground();
    bool IsOwnWindow(const QWindow* w) const;
    void FocusWindowChanged(QWindow* w);

    SharedState& m_state;
    DialogService& m_dialogs;
    const MainSliderSettings* m_sliders = nullptr;
    QWidget* m_colourWell = nullptr;
    // The pickers' current values, kept from one use to the next.
    QColor m_pickerColour{Qt::black};
    QFont m_pickerFont;
    // Another window of the program was active since the dialog last was.
    bool m_cameFromOtherWindow = false;

    // Group "Parametres du signal".
    TVrNumEdit* VrNumEdit1; // fundamental frequency, Hz
    TVrStrEdit* VrStrEdit1; // full-scale value
    TVrStrEdit* VrStrEdit2; // periods shown
    // Group "Synthetiseur".
    TVrNumEdit* VrNumEdit2; // mean-slider range coefficient
    TVrNumEdit* VrNumEdit3; // arrow-key step
    // Group "Parametres graphiques".
    TVrCheckLed* choixquad;       // "Quadrillage"
    TRadioGroup* RadioGroup1;     // "Plein" / "Pointillés"
    TVrCheckLed* CheckBox1;       // "Fond noir"; also the background of the colour labels
    TClickableLabel* Label6;      // graduation length
    TVrDemoButton* VrDemoButton2; // graduation font
    TVrCheckLed* CheckBoxPapier;  // "Palette papier": copies, files and reports on white paper
    QLabel* Label4;               // "Couleurs des courbes:"
    // Label3, Label24, Label17, Label29, Label7 ... Label16 (harmonics 1 to
    // 12), Label30, Label31, indexed by ColourIndex.
    std::array<TClickableLabel*, ColourCount> ColourLabel{};
    // Group "Taille graphe copié".
    TClickableLabel* Label25; // width, cm
    TClickableLabel* Label27; // height, cm
    // Frame "Type spectres".
    std::array<TVrCheckLed*, 4> RadioButton{}; // 1 "% amp", 2 "Ampl", 3 "RMS"
    TVrDemoButton* OKbutt;
};
