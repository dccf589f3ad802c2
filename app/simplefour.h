#pragma once

// The main window: the six presets, the mean value and the twelve harmonic
// columns that define the input signal, the filter model and its settings,
// and the choice of what the graphs show. Every change ends in the
// recompute-and-redraw cycle.

#include "filtercontrols.h"
#include "sharedstate.h"

#include <QLabel>
#include <QWidget>

#include <array>

class DialogService;
class TForm2;
class Tfenetson;
class Tfengraphe;
class Tfenspectres;
class Trappcycl;
class TVrBitmapImage;
class TVrClickValue;
class TVrBitmapList;
class TVrCheckLed;
class TVrDemoButton;
class TVrDigitGroup;
class TVrDisplay;
class TVrNum;
class TVrPowerButton;
class TVrSlider;
class TVrSwitch;
class TVrTrackBar;
class TVrWheel;
class QPushButton;

// The program's title, the main window's caption.
QString ProgramTitle();

// A bevelled panel with its caption, holding a group of controls.
TVrDisplay* GroupPanel(QWidget* parent, const QString& caption, int x, int y, int w, int h, int captionPx = 12);

class Tfensynth : public QWidget {
    Q_OBJECT

public:
    Tfensynth(SharedState& state, DialogService& dialogs, QWidget* parent = nullptr);

    // The windows created after this one.
    void SetWindows(TForm2* form2, Tfengraphe* fengraphe, Tfenspectres* fenspectres, Trappcycl* rappcycl,
                    Tfenetson* fenetson);

    void RecomputeAndRedraw(bool rescale, int graphWidth, int graphHeight);
    // The caller rule: PointCount from the time-graph window's width, then
    // RecomputeAndRedraw with rescaling at the window's size less its frame.
    void Redraw();
    void ApplyPreset();
    void SetPresetButtons(int n);
    void ShowFundamental();
    void ShowBandwidth();

    // How many times RecomputeAndRedraw has run.
    int RedrawCount() const { return m_redrawCount; }

    // Controls. The numbered families are indexed by their number: harmonic k
    // at index k (1..12), preset button i at index i (1..6).
    std::array<TVrPowerButton*, 7> VrPowerButton{};
    TVrDisplay* VrDisplay2;
    QLabel* Label6; // f0 value
    QLabel* Label2; // f0 unit
    QLabel* Label5; // FullScaleValue
    TVrCheckLed* VrCheckLed13; // "voir signal"
    TVrDemoButton* VrDemoButton2; // "Parametres"
    TVrNum* VrNummoy;
    TVrSlider* VrSlidermoy;
    TVrDemoButton* VrDemoButton1; // "Quitter"
    QPushButton* BitBtn1;         // sound
    std::array<TVrCheckLed*, 13> VrCheckLed{};
    std::array<TVrNum*, 13> VrNumamp{};
    std::array<TVrSlider*, 13> Vramp{};
    std::array<TVrSwitch*, 13> VrSwitch{};
    std::array<TVrNum*, 13> VrNumph{};
    TVrDisplay* GroupBox1; // "Type de filtre "
    // The model selector in the order "Amplificateur", "Passe-bas  ordre2 ",
    // "Passe-haut ordre2", "Passe-bande ", "Coupe-bande", "Passe-bas   ",
    // "Passe-haut " (VrCheckLed14 .. 18, 22, 23).
    std::array<TVrCheckLed*, 7> FilterLed{};
    TVrBitmapList* VrBitmapList1;
    TVrBitmapImage* VrBitmapImage1;
    QLabel* Label16;        // " Ao ="
    TVrClickValue* Label17; // static gain
    TVrDisplay* GroupBox3; // "Bande pass -3dB"
    TVrNum* VrNum3;
    QLabel* Label13;
    QLabel* Label9; // "f0="
    TVrNum* VrNum1;
    QLabel* Label11;
    TVrClickValue* Label12;
    TVrWheel* VrWheel1;
    QLabel* Label10; // " m="
    TVrDigitGroup* VrDigitGroup1;
    TVrTrackBar* VrTrackBar1;
    TVrDisplay* GroupBox2; // "Sortie du filtre"
    TVrCheckLed* VrCheckLed19;
    TVrCheckLed* VrCheckLed20;
    TVrCheckLed* VrCheckLed21;

    int WheelDecade = 1;
    int WheelLastPercent = 0;

    // Handlers.
    void VrampChange(int k);
    void VrSwitchChange(int k);
    void VrSlidermoyChange();
    void VrCheckLedChange(int k);
    void VrCheckLed13Change();
    void VrCheckLed19Change();
    void SpectrumLedChange(bool input);
    void VrPowerButtonClick(int i);
    void entre(int k, int key);
    void FilterLedChange(int row);
    void VrWheel1Change();
    void VrTrackBar1Change();
    void entrefrqmanu();
    void Label17Click();

signals:
    // The main window was closed: the program ends.
    void Closed();
    // RecomputeAndRedraw has run: the filter tables are current.
    void Redrawn();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void BuildControls();
    void Connect();
    void depart();
    void ShowFilterControls(bool frequency, bool damping, bool bandwidth);
    // The cut-off is shown once: as the typed value or as the wheel's
    // read-out, whichever set it last; not at all when hidden.
    void ShowCutoff(bool shown);
    void SetTabOrder();
    bool TimeGraphLargeEnough() const;
    void DrawSpectraNow();

    SharedState& m_state;
    DialogService& m_dialogs;
    TForm2* m_form2 = nullptr;
    Tfengraphe* m_fengraphe = nullptr;
    Tfenspectres* m_fenspectres = nullptr;
    Trappcycl* m_rappcycl = nullptr;
    Tfenetson* m_fenetson = nullptr;
    int m_redrawCount = 0;
    bool m_cutoffTyped = false; // the cut-off was last set by typing it
};
