// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/graphwindow.h"

#include "plot/surface.h"
#include "report/reportcore.h"
#include "plot/vectorcopy.h"
#include "widgets/accessibility.h"
#include "widgets/artwork.h"
#include "widgets/pictureview.h"
#include "widgets/txibutton.h"
#include "widgets/valuetable.h"
#include "widgets/vrpanel.h"

#include <QEvent>
#include <QPixmap>

GraphWindow::GraphWindow(SharedState& state, const QString& title, QWidget* parent) : QWidget(parent), m_state(state)
{
    setWindowTitle(title);
    VrPanel::Silver(this, 11);
    XiButton1 = VrPanel::CaptionButton(this, "XiButton1", QStringLiteral("Copier"), QStringLiteral("Copie vectorielle"),
                                       ButtonGlyph(GlyphKind::Copy, 16, ArtworkRatio()), 0);
    Image1 = new PictureView(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->move(PictureLeft, PictureTop);
    Image1->setAccessibleName(title);
    m_valueTable = HiddenValueTable(Image1, "Valeurs", QStringLiteral("Valeurs : ") + title);
    connect(XiButton1, &TXiButton::OnClick, this, &GraphWindow::XiButton1Click);
}

const QImage& GraphWindow::Picture() const
{
    return Image1->Picture();
}

void GraphWindow::ShowPicture(int w, int h)
{
    PaintPicture(Image1->Picture(), w, h, PictureRatio(devicePixelRatioF()));
    Image1->Changed();
    const GraphFacts facts = Facts();
    Image1->setAccessibleDescription(facts.Description);
    FillValueTable(m_valueTable, facts.Header, facts.Rows);
}

QString GraphWindow::Spoken(double value)
{
    return SpokenNumber(value, 5);
}

bool GraphWindow::event(QEvent* e)
{
    const bool done = QWidget::event(e);
    if (e->type() == QEvent::ScreenChangeInternal && DrawnForAnotherRatio(Image1->Picture(), devicePixelRatioF()))
        Redraw();
    return done;
}

void GraphWindow::PaintDocument(QPaintDevice& device, int w, int h, bool forFile)
{
    const bool paper = m_state.Display.PaperPalette;
    PaperParts parts;
    if (paper || forFile)
        parts.Table = Table();
    if (!paper && !forFile) {
        PaintVector(device, w, h);
        return;
    }
    SharedState state = m_state;
    parts.WhiteFill = paper;
    if (paper) {
        state.Display = PaperDisplay(state.Display);
        parts.Title = QString::fromStdString(PaperTitle(state));
        parts.Legend = Legend(state);
    }
    PaintOnDevice(device, w, h, [&](QPainter& painter) {
        PaintPaper(painter, w, h, parts,
                   [&](QPainter& p, int gw, int gh) { PaintGraph(p, state, gw, gh); });
    });
}

void GraphWindow::XiButton1Click()
{
    CopyAsVector([this](QPaintDevice& device, int w, int h) { PaintDocument(device, w, h); },
                 m_state.Display.CopyWidthPx, m_state.Display.CopyHeightPx);
}
