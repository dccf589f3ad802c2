#pragma once

// The duty-cycle dialog of the square wave: a track bar from 0 to 100 %
// under a fixed graduation, and a read-out of its position. A click (or
// Enter) on the read-out lets the user type the duty cycle, which moves the
// bar.

#include "sharedstate.h"

#include <QWidget>

#include <functional>

class DialogService;
class QLabel;
class TVrNum;
class TVrScale;
class TVrTrackBar;

class Trappcycl : public QWidget {
    Q_OBJECT

public:
    Trappcycl(SharedState& state, DialogService& dialogs, QWidget* parent = nullptr);

    // Set by the application: the square preset and the redraw it ends in.
    std::function<void()> ApplyPreset;
    std::function<void(bool rescale)> RecomputeAndRedraw;

    QLabel* Label1;
    TVrScale* VrScale1;
    TVrTrackBar* delta;
    TVrNum* VrNum1;

    void deltaChange(TVrTrackBar* sender);
    void VrNum1Click();

private:
    SharedState& m_state;
    DialogService& m_dialogs;
};
