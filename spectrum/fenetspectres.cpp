// SPDX-License-Identifier: GPL-3.0-or-later
#include "spectrum/fenetspectres.h"

#include "plot/surface.h"
#include "plot/vectorcopy.h"
#include "spectrum/spectrumdrawing.h"
#include "widgets/artwork.h"
#include "widgets/txibutton.h"
#include "widgets/vrpanel.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QResizeEvent>

Tfenspectres::Tfenspectres(SharedState& state, QWidget* parent) : QWidget(parent), m_state(state)
{
    setWindowTitle(QStringLiteral("Spectre(s)"));
    VrPanel::Silver(this, 11);
    Image1 = new PictureView(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->move(8, 64);
    XiButton1 = VrPanel::CaptionButton(this, "XiButton1", QStringLiteral("Copier"), QStringLiteral("Copie vectorielle"),
                                       ButtonGlyph(GlyphKind::Copy, 16, ArtworkRatio()), 0);
    XiButton2 = VrPanel::CaptionButton(this, "XiButton2", QStringLiteral("Valeurs"), QStringLiteral("Valeurs des raies"),
                                       ButtonGlyph(GlyphKind::Values, 32, ArtworkRatio()), 120);
    connect(XiButton1, &TXiButton::OnClick, this, &Tfenspectres::XiButton1Click);
    connect(XiButton2, &TXiButton::OnClick, this, &Tfenspectres::XiButton2Click);
    setGeometry(3, 454, 565, 288);
}

bool Tfenspectres::event(QEvent* e)
{
    const bool done = QWidget::event(e);
    if (e->type() == QEvent::ScreenChangeInternal && DrawnForAnotherRatio(Image1->Picture(), devicePixelRatioF()))
        Redraw();
    return done;
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

void Tfenspectres::XiButton1Click()
{
    CopyAsVector(
        [this](QPaintDevice& device, int w, int h) { DrawSpectraVector(device, m_state, m_layout, w, h); },
        m_state.Display.CopyWidthPx, m_state.Display.CopyHeightPx);
}

void Tfenspectres::XiButton2Click()
{
    m_state.Display.ShowLineValues = !m_state.Display.ShowLineValues;
    Redraw();
}

QSize Tfenspectres::PictureSize() const
{
    return QSize(width() - 50, height() - 100);
}

void Tfenspectres::Redraw()
{
    const QSize size = PictureSize();
    m_layout = DrawSpectra(Image1->Picture(), m_state, size.width(), size.height(), PictureRatio(devicePixelRatioF()));
    Image1->Changed();
}
