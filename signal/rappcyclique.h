// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The duty-cycle dialog of the square wave: a track bar from 0 to 100 %
// under a fixed graduation, and a read-out of its position. A click (or
// Enter) on the read-out lets the user type the duty cycle, which moves the
// bar.

#include "signal/sharedstate.h"

#include <QWidget>

class DialogService;
class QLabel;
class TVrNum;
class TVrScale;
class TVrTrackBar;

class Trappcycl : public QWidget {
    Q_OBJECT

public:
    Trappcycl(SharedState& state, DialogService& dialogs, QWidget* parent = nullptr);

    // The bar moved to `percent` (a lesson opened); when it moves, its own
    // handler sets DutyCycle and asks for the preset again.
    void ShowDutyCycle(int percent);

signals:
    // The bar moved and DutyCycle changed: the square preset is to be
    // applied again, then everything recomputed and redrawn.
    void DutyCycleChanged();

private:
    void deltaChange(TVrTrackBar* sender);
    void VrNum1Click();

    SharedState& m_state;
    DialogService& m_dialogs;
    QLabel* Label1;
    TVrScale* VrScale1;
    TVrTrackBar* delta;
    TVrNum* VrNum1;
};
