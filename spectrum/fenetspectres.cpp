// SPDX-License-Identifier: GPL-3.0-or-later
#include "spectrum/fenetspectres.h"

#include "plot/plottext.h"
#include "report/reportcore.h"
#include "spectrum/spectrumdrawing.h"
#include "widgets/artwork.h"
#include "widgets/txibutton.h"
#include "widgets/vrpanel.h"

#include <QCloseEvent>
#include <QPixmap>
#include <QResizeEvent>

Tfenspectres::Tfenspectres(SharedState& state, QWidget* parent)
    : GraphWindow(state, QStringLiteral("Spectre(s)"), parent)
{
    XiButton2 = VrPanel::CaptionButton(this, "XiButton2", QStringLiteral("Valeurs"), QStringLiteral("Valeurs des raies"),
                                       ButtonGlyph(GlyphKind::Values, 32, ArtworkRatio()), 120);
    connect(XiButton2, &TXiButton::OnClick, this, &Tfenspectres::XiButton2Click);
    setGeometry(3, 454, 565, 288);
}

QSize Tfenspectres::PictureSize() const
{
    return QSize(width() - 50, height() - 100);
}

void Tfenspectres::Redraw()
{
    const QSize size = PictureSize();
    ShowPicture(size.width(), size.height());
}

void Tfenspectres::PaintPicture(QImage& target, int w, int h, qreal ratio)
{
    m_layout = DrawSpectra(target, m_state, w, h, ratio);
}

void Tfenspectres::PaintVector(QPaintDevice& device, int w, int h)
{
    DrawSpectraVector(device, m_state, m_layout, w, h);
}

namespace {

// The state with a series to draw: both when none is selected.
SharedState WithSeries(const SharedState& state)
{
    SharedState s = state;
    if (!s.Display.ShowInputSpectrum && !s.Display.ShowOutputSpectrum)
        s.Display.ShowInputSpectrum = s.Display.ShowOutputSpectrum = true;
    return s;
}

} // namespace

void Tfenspectres::PaintGraph(QPainter& painter, const SharedState& state, int w, int h)
{
    const SharedState s = WithSeries(state);
    PaintSpectra(painter, s, SpectrumLayoutFor(s), w, h, VectorSpectrumStyle());
}

std::vector<LegendEntry> Tfenspectres::Legend(const SharedState& state) const
{
    const SharedState s = WithSeries(state);
    std::vector<LegendEntry> legend;
    if (s.Display.ShowInputSpectrum)
        legend.push_back({QStringLiteral("Entrée"), ToQColor(s.Display.InputSpectrumColour)});
    if (s.Display.ShowOutputSpectrum)
        legend.push_back({QStringLiteral("Sortie"), ToQColor(s.Display.OutputSpectrumColour)});
    return legend;
}

void Tfenspectres::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    const QSize size = PictureSize();
    if (size.width() > 150 && size.height() > 150)
        Redraw();
}

void Tfenspectres::closeEvent(QCloseEvent* e)
{
    emit Closed();
    QWidget::closeEvent(e);
}

void Tfenspectres::XiButton2Click()
{
    m_state.Display.ShowLineValues = !m_state.Display.ShowLineValues;
    Redraw();
}
