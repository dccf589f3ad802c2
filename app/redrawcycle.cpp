// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/redrawcycle.h"

#include "filter/filterresponse.h"
#include "filter/responsewindow.h"
#include "plot/repres.h"
#include "plot/sampling.h"
#include "spectrum/fenetspectres.h"

RedrawCycle::RedrawCycle(SharedState& state) : m_state(state)
{
}

void RedrawCycle::Attach(Tfengraphe* fengraphe, Tfenspectres* fenspectres, Tfenreponse* fenreponse)
{
    m_fengraphe = fengraphe;
    m_fenspectres = fenspectres;
    m_fenreponse = fenreponse;
}

void RedrawCycle::SetPointCount()
{
    if (m_fengraphe)
        m_state.View.PointCount = PointCountForWidth(m_fengraphe->width());
}

bool RedrawCycle::TimeGraphLargeEnough() const
{
    return m_fengraphe && m_fengraphe->PictureSize().Drawable();
}

void RedrawCycle::Release()
{
    if (m_held > 0 && --m_held == 0 && m_pending) {
        m_pending = false;
        RecomputeAndRedraw(true);
    }
}

void RedrawCycle::RecomputeAndRedraw(bool rescale)
{
    if (!m_fengraphe)
        return;
    if (m_held) {
        m_pending = true;
        return;
    }
    ++m_redrawCount;
    SetPointCount();
    ApplyFilter(m_state);
    if (rescale)
        ComputeTimeGraphExtents(m_state);
    m_fengraphe->Redraw();
    if (m_state.Display.ShowInputSpectrum || m_state.Display.ShowOutputSpectrum)
        DrawSpectra();
    if (m_fenreponse)
        m_fenreponse->Redraw();
    if (m_afterRedraw)
        m_afterRedraw();
}

void RedrawCycle::DrawSpectra()
{
    if (m_held) {
        m_pending = true;
        return;
    }
    if (m_fenspectres)
        m_fenspectres->Redraw();
}
