// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The recompute-and-redraw cycle that every change ends in: the point count
// from the time-graph window's width, the filter, the extents of the time
// graph, then the pictures of the windows, each at the size its window
// gives it.

#include "signal/sharedstate.h"

#include <functional>

class Tfengraphe;
class Tfenreponse;
class Tfenspectres;

class RedrawCycle {
public:
    explicit RedrawCycle(SharedState& state);

    // The windows that show the pictures, created after the main window:
    // until they exist nothing is recomputed or drawn.
    // The response window, when given, follows every redraw while on screen.
    void Attach(Tfengraphe* fengraphe, Tfenspectres* fenspectres, Tfenreponse* fenreponse = nullptr);

    // PointCount from the time-graph window's width; ApplyFilter; when
    // `rescale`, ComputeTimeGraphExtents; the time graph redrawn when its
    // window is large enough; the spectra redrawn when one of them is
    // selected; the response redrawn while it is on screen.
    void RecomputeAndRedraw(bool rescale);

    // What a change of the signal, the filter or the settings ends in:
    // RecomputeAndRedraw with rescaling.
    void Redraw() { RecomputeAndRedraw(true); }

    // PointCount = Round((time-graph window width - 20) / 2).
    void SetPointCount();

    // The time-graph window leaves room for a picture (Tfengraphe::PictureSize).
    bool TimeGraphLargeEnough() const;

    // The spectrum window's picture redrawn, without recomputing.
    void DrawSpectra();

    // While held (a lesson set as a whole moves many controls), the redraws
    // asked for are put off; the last Release makes one, with rescaling.
    void Hold() { ++m_held; }
    void Release();

    // Called after each redraw (the lesson's title follows the changes).
    void SetAfterRedraw(std::function<void()> f) { m_afterRedraw = std::move(f); }

    // How many times RecomputeAndRedraw has run.
    int RedrawCount() const { return m_redrawCount; }

private:
    SharedState& m_state;
    Tfengraphe* m_fengraphe = nullptr;
    Tfenspectres* m_fenspectres = nullptr;
    Tfenreponse* m_fenreponse = nullptr;
    int m_redrawCount = 0;
    std::function<void()> m_afterRedraw;
    int m_held = 0;
    bool m_pending = false;
};
