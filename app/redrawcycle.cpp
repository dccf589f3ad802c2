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

bool RedrawCycle::TimeGraphLargeEnough() const
{
    return m_fengraphe && m_fengraphe->PictureSize().Drawable();
}

void RedrawCycle::RecomputeAndRedraw(bool rescale, int graphWidth, int graphHeight)
{
    ++m_redrawCount;
    ApplyFilter(m_state);
    if (rescale)
        ComputeTimeGraphExtents(m_state);
    if (TimeGraphLargeEnough())
        m_fengraphe->Redraw({graphWidth, graphHeight});
    if (m_state.Display.ShowInputSpectrum || m_state.Display.ShowOutputSpectrum)
        DrawSpectra();
    if (m_fenreponse)
        m_fenreponse->Redraw();
}

void RedrawCycle::Redraw()
{
    if (!m_fengraphe)
        return;
    m_state.View.PointCount = PointCountForWidth(m_fengraphe->width());
    const GraphSize size = m_fengraphe->PictureSize();
    RecomputeAndRedraw(true, size.Width, size.Height);
}

void RedrawCycle::DrawSpectra()
{
    if (m_fenspectres)
        m_fenspectres->Redraw();
}
