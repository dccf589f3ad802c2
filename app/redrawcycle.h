// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The recompute-and-redraw cycle that every change ends in: the filter,
// the extents of the time graph, then the pictures of the windows.

#include "signal/sharedstate.h"

class Tfengraphe;
class Tfenreponse;
class Tfenspectres;

class RedrawCycle {
public:
    explicit RedrawCycle(SharedState& state);

    // The windows that show the pictures, created after the main window:
    // until they exist nothing is drawn.
    // The response window, when given, follows every redraw while on screen.
    void Attach(Tfengraphe* fengraphe, Tfenspectres* fenspectres, Tfenreponse* fenreponse = nullptr);

    // ApplyFilter; when `rescale`, ComputeTimeGraphExtents; the time graph
    // redrawn at graphWidth x graphHeight when the time-graph window is
    // large enough (judged on its own size); the spectra redrawn when one
    // of them is selected.
    void RecomputeAndRedraw(bool rescale, int graphWidth, int graphHeight);

    // The caller rule: PointCount from the time-graph window's width, then
    // RecomputeAndRedraw with rescaling, at the window's picture size.
    void Redraw();

    // The time-graph window leaves room for a picture (Tfengraphe::PictureSize).
    bool TimeGraphLargeEnough() const;

    // The spectrum window's picture redrawn, without recomputing.
    void DrawSpectra();

    // How many times RecomputeAndRedraw has run.
    int RedrawCount() const { return m_redrawCount; }

private:
    SharedState& m_state;
    Tfengraphe* m_fengraphe = nullptr;
    Tfenspectres* m_fenspectres = nullptr;
    Tfenreponse* m_fenreponse = nullptr;
    int m_redrawCount = 0;
};
