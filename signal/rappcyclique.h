#pragma once

// The duty-cycle dialog of the square wave: a track bar from 0 to 100 %
// under a fixed graduation, and a read-out of its position.

#include "sharedstate.h"

#include <QWidget>

#include <functional>

class QLabel;
class TVrNum;
class TVrScale;
class TVrTrackBar;

class Trappcycl : public QWidget {
    Q_OBJECT

public:
    explicit Trappcycl(SharedState& state, QWidget* parent = nullptr);

    // Set by the application: the square preset and the redraw it ends in.
    std::function<void()> ApplyPreset;
    std::function<void(bool rescale)> RecomputeAndRedraw;

    QLabel* Label1;
    TVrScale* VrScale1;
    TVrTrackBar* delta;
    TVrNum* VrNum1;

    void deltaChange(TVrTrackBar* sender);

private:
    SharedState& m_state;
};
