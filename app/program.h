#pragma once

// The running program: the shared state, the dialogs and the six windows,
// created in their fixed order and wired together, then the window of the
// filter's response.

#include "dialogservice.h"
#include "sharedstate.h"

#include <memory>

class MainSliderSettings;
class SoundPort;
class TForm2;
class Tfenetson;
class Tfenreponse;
class Tfengraphe;
class Tfenspectres;
class Tfensynth;
class Trappcycl;

class Program {
public:
    // Creates the windows: the main window (whose creation gives the state its
    // start-up values), the settings dialog, the time-graph window, the
    // spectrum window, the duty-cycle dialog and the sound window. `dialogs`
    // answers the windows' input and message boxes. The response window
    // comes last; the filter picture opens it and every recompute redraws
    // it while it is on screen.
    explicit Program(DialogService& dialogs);
    ~Program();

    // Shows the main window and the time-graph window, whose first size
    // event draws the first graph.
    void Show();

    SharedState& State() { return m_state; }

    Tfensynth* fensynth;
    TForm2* Form2;
    Tfengraphe* fengraphe;
    Tfenspectres* fenspectres;
    Trappcycl* rappcycl;
    Tfenetson* fenetson;
    Tfenreponse* fenreponse; // "Réponse du filtre", created after the six

private:
    SharedState m_state;
    std::unique_ptr<MainSliderSettings> m_mainSliders;
    std::unique_ptr<SoundPort> m_soundPort;
};
