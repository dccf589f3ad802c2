// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The filter half of the main window: the seven model LEDs, the filter's
// picture, the static gain, the -3 dB bandwidth box, the cut-off read-out
// (or typed value) with its wheel, and the damping with its track bar. It
// moves FilterState and ends each change in the redraw cycle.

#include "signal/sharedstate.h"

#include <QList>
#include <QObject>

#include <array>

class DialogService;
class QLabel;
class QWidget;
class RedrawCycle;
class TVrBitmapImage;
class TVrBitmapList;
class TVrCheckLed;
class TVrClickValue;
class TVrDigitGroup;
class TVrDisplay;
class TVrNum;
class TVrTrackBar;
class TVrWheel;

class FilterPanel : public QObject {
    Q_OBJECT

public:
    // Builds the controls on `window`, in their start-up positions.
    FilterPanel(QWidget* window, SharedState& state, DialogService& dialogs, RedrawCycle& cycle);

    // The filter's part of the start-up: wheel in decade 1, cut-off 1 Hz,
    // damping 0.707 set on the track bar (whose handler makes it 0.705),
    // the bandwidth shown, its box hidden. Nothing is drawn.
    void StartUp();

    // The power of ten applied to the wheel's position.
    int WheelDecade() const { return m_wheelDecade; }

    // The controls in reading order, for the window's Tab order.
    QList<QWidget*> TabOrder() const;

    // A filter set as a whole (a lesson opened): model, cut-off (shown as
    // typed, or on the wheel in the decade that holds it), damping on the
    // track bar and static gain; the model LED's own handler redraws.
    void Restore(FilterKind kind, double cutoffHz, bool cutoffTyped, double damping, double staticGain);
    bool CutoffTyped() const { return m_cutoffTyped; }

    // The mystery-filter exercise: the model, the picture, the gain, the
    // cut-off, the damping and the bandwidth are put away and a notice
    // stands in the model group; the filter still acts.
    void SetHidden(bool hidden);
    bool Hidden() const { return m_hidden; }

private:
    // BandwidthHz from the cut-off and the damping, shown in its box.
    void ShowBandwidth();
    // VrCheckLed14Change .. VrCheckLed23Change: the LED of model `row`
    // (Amplificateur, Passe-bas ordre2, Passe-haut ordre2, Passe-bande,
    // Coupe-bande, Passe-bas, Passe-haut) changed.
    void FilterLedChange(int row);
    void VrWheel1Change();
    void VrTrackBar1Change();
    void entrefrqmanu();
    void Label17Click();
    // The controls of model `row` shown (none while hidden), its picture.
    void ShowRow(int row);
    // The cut-off is shown once: as the typed value or as the wheel's
    // read-out, whichever set it last; not at all when hidden.
    void ShowCutoff(bool shown);

    QWidget* m_window;
    SharedState& m_state;
    DialogService& m_dialogs;
    RedrawCycle& m_cycle;
    int m_wheelDecade = 1;      // WheelDecade
    int m_wheelLastPercent = 0; // WheelLastPercent
    bool m_cutoffTyped = false; // the cut-off was last set by typing it
    bool m_hidden = false;

    TVrDisplay* GroupBox1; // "Type de filtre "
    std::array<TVrCheckLed*, 7> m_filterLed{}; // VrCheckLed14 .. 18, 22, 23
    TVrBitmapList* VrBitmapList1;
    TVrBitmapImage* VrBitmapImage1;
    QLabel* Label16;        // " Ao ="
    TVrClickValue* Label17; // static gain
    TVrDisplay* GroupBox3;  // "Bande pass -3dB"
    TVrNum* VrNum3;
    QLabel* Label13;
    QLabel* Label9; // "f0="
    TVrNum* VrNum1;
    QLabel* Label11;
    TVrClickValue* Label12; // the typed cut-off
    TVrWheel* VrWheel1;
    QLabel* Label10; // " m="
    TVrDigitGroup* VrDigitGroup1;
    TVrTrackBar* VrTrackBar1;
    QLabel* m_hiddenNotice; // "Filtre caché"
    QLabel* m_hiddenHint;
};
