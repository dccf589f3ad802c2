// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The running program: the shared state, the redraw cycle and the six
// windows, created in their fixed order and wired together.

#include "app/redrawcycle.h"
#include "signal/sharedstate.h"
#include "widgets/accessibility.h"

#include <memory>

class DialogService;
class LessonSession;
class MainSliderSettings;
class SoundPort;
class TForm2;
class Tfenanalyse;
class Tfenreponse;
class Tfenetson;
class Tfengraphe;
class Tfenspectres;
class Tfensynth;
class Trappcycl;

class Program {
public:
    // Creates the windows: the main window (whose creation gives the state its
    // start-up values), the settings dialog, the time-graph window, the
    // spectrum window, the duty-cycle dialog and the sound window. `dialogs`
    // answers the windows' input and message boxes; the sound goes to
    // `soundPort` when one is given (it must outlive the program), else to
    // the desktop's default audio output.
    explicit Program(DialogService& dialogs, SoundPort* soundPort = nullptr);
    ~Program();

    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the main window and the time-graph window, whose first size
    // event draws the first graph; the main window is the active one.
    void Show();

    // For work without a screen (the command line's exports): no window is
    // ever shown, whatever a lesson or a preset would open.
    void KeepWindowsHidden() { m_windowsHidden = true; }
    bool WindowsHidden() const { return m_windowsHidden; }

    SharedState& State() { return m_state; }
    RedrawCycle& Cycle() { return m_cycle; }

    Tfensynth& fensynth() { return *m_fensynth; }
    TForm2& Form2() { return *m_form2; }
    Tfengraphe& fengraphe() { return *m_fengraphe; }
    Tfenspectres& fenspectres() { return *m_fenspectres; }
    Trappcycl& rappcycl() { return *m_rappcycl; }
    Tfenetson& fenetson() { return *m_fenetson; }
    Tfenreponse& fenreponse() { return *m_fenreponse; }
    // The lesson files, the note, the mystery filter and the "Fichier" menu.
    LessonSession& Session() { return *m_session; }
    Tfenanalyse& fenanalyse() { return *m_fenanalyse; }

private:
    // What screen readers learn of the controls, described before the first
    // window is made (Qt keeps the first description it gives of a control).
    const bool m_controlsDescribed = (InstallAccessibility(), true);
    SharedState m_state;
    RedrawCycle m_cycle;
    // In the start-up order; they go in the reverse order.
    std::unique_ptr<Tfensynth> m_fensynth;
    std::unique_ptr<TForm2> m_form2;
    std::unique_ptr<Tfengraphe> m_fengraphe;
    std::unique_ptr<Tfenspectres> m_fenspectres;
    std::unique_ptr<Trappcycl> m_rappcycl;
    std::unique_ptr<SoundPort> m_ownSoundPort; // when none is given; outlives the sound window
    std::unique_ptr<Tfenetson> m_fenetson;
    // Ours, after the six: the filter's response.
    std::unique_ptr<Tfenreponse> m_fenreponse;
    // The analysis of a recorded sound; it plays through the sound window's port.
    std::unique_ptr<Tfenanalyse> m_fenanalyse;
    std::unique_ptr<MainSliderSettings> m_mainSliders;
    LessonSession* m_session = nullptr; // a child of the main window
    bool m_windowsHidden = false;
};
