// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window, the time-graph window and the duty-cycle dialog at work:
// start-up, presets, filter controls, the redraw cycle. One test program;
// the filter controls' tests are in mainwindowfilter.cpp.

#include "tests/app/programtest.h"

using IntList = QList<int>;

class MainWindowTest : public ProgramTest {
    Q_OBJECT

private slots:
    void init() { StartProgram(); }
    void cleanup() { StopProgram(); }

    void startUpState();
    void startUpDerivesOnlyItsOwnFields();
    void presets_data();
    void presets();
    void samePresetTwiceMovesNothing();
    void presetRedrawCount();
    void enterKeyLightsWithoutApplying();
    void dutyCycleBar();
    void filterSelection_data();
    void filterSelection();
    void wheel();
    void typedFrequency_data();
    void typedFrequency();
    void staticGain();
    void timeZoom();
    void outputFactor();
    void smallTimeGraphWindow();
    void harmonicControls();
    void closingWindows();
    void everyControlIsNamed();
};
