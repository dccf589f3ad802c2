// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/repres.h"

#include "numeric/rounding.h"
#include "plot/plottext.h"
#include "plot/timegraph.h"
#include "report/reportcore.h"
#include "widgets/artwork.h"
#include "widgets/txibutton.h"
#include "widgets/vrpanel.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QToolButton>

using VrPanel::Place;

namespace {

TXiButton* CaptionButton(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                         GlyphKind glyph, int x)
{
    return VrPanel::CaptionButton(parent, name, caption, hint, ButtonGlyph(glyph, 16, ArtworkRatio()), x);
}

} // namespace

TUpDown::TUpDown(QWidget* parent) : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this))
{
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRaise(false);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(m_up, &QToolButton::clicked, this, [this] { emit OnClick(this, true); });
    connect(m_down, &QToolButton::clicked, this, [this] { emit OnClick(this, false); });
}

void TUpDown::resizeEvent(QResizeEvent*)
{
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}

Tfengraphe::Tfengraphe(SharedState& state, QWidget* parent)
    : GraphWindow(state, QStringLiteral("Graphes temporels"), parent)
{
    XiButton2 = CaptionButton(this, "XiButton2", QStringLiteral("/ 2"),
                              QStringLiteral("Divise l'intervalle de temps par 2"), GlyphKind::Halve, 120);
    XiButton3 = CaptionButton(this, "XiButton3", QStringLiteral("x 2"), QStringLiteral("Double l'intervalle de temps"),
                              GlyphKind::Double, 240);
    UpDown1 = Place(new TUpDown(this), "UpDown1", 368, 0, 25, 57);

    Label2 = new QLabel(QStringLiteral("Facteur echelle sortie"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->move(400, 8);
    Label2->adjustSize();
    Label1 = new QLabel(QStringLiteral("1"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAutoFillBackground(true);
    QPalette white = Label1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Label1->setPalette(white);
    Label1->setMargin(2);
    Label1->move(408, 32);
    Label1->adjustSize();

    connect(XiButton2, &TXiButton::OnClick, this, &Tfengraphe::XiButton2Click);
    connect(XiButton3, &TXiButton::OnClick, this, &Tfengraphe::XiButton3Click);
    connect(UpDown1, &TUpDown::OnClick, this, &Tfengraphe::UpDown1Click);

    setGeometry(17, 110, 523, 319);
}

GraphSize Tfengraphe::PictureSize() const
{
    return TimeGraphSize(width(), height());
}

void Tfengraphe::Redraw()
{
    const GraphSize size = PictureSize();
    if (size.Drawable())
        ShowPicture(size.Width, size.Height);
}

void Tfengraphe::PaintPicture(QImage& target, int w, int h, qreal ratio)
{
    DrawTimeGraph(target, m_state, w, h, ratio);
}

void Tfengraphe::PaintVector(QPaintDevice& device, int w, int h)
{
    DrawTimeGraphVector(device, m_state, w, h);
}

void Tfengraphe::PaintGraph(QPainter& painter, const SharedState& state, int w, int h)
{
    PaintTimeGraph(painter, state, w, h, VectorStyle());
}

std::vector<LegendEntry> Tfengraphe::Legend(const SharedState& state) const
{
    const DisplaySettings& d = state.Display;
    const PresetKind preset = state.Signal.Preset;
    std::vector<LegendEntry> legend;
    if (d.ShowIdealSignal && IsPresetCode(preset) && preset != PresetKind::Free)
        legend.push_back({QStringLiteral("Signal idéal"), ToQColor(d.SignalColour)});
    for (int k = 1; k <= HarmonicCount; ++k)
        if (state.Signal.Harmonics.Shown[k])
            legend.push_back({QString::fromStdString(HarmonicCurveName(k)), ToQColor(d.Plot.HarmonicColour[k])});
    legend.push_back({QStringLiteral("Entrée"), ToQColor(d.SynthesisColour)});
    if (d.SuperposeOutput) {
        QString name = QStringLiteral("Sortie");
        if (d.OutputScaleFactor != 1)
            name += QStringLiteral(" (× %1)").arg(d.OutputScaleFactor);
        legend.push_back({name, ToQColor(d.OutputColour)});
    }
    return legend;
}

void Tfengraphe::resizeEvent(QResizeEvent*)
{
    emit RecomputeRequested(false);
}

void Tfengraphe::closeEvent(QCloseEvent* e)
{
    e->ignore();
    showMinimized();
}

void Tfengraphe::Zoom(double factor)
{
    ZoomTimeRange(m_state.View, factor);
    emit RecomputeRequested(true);
}

void Tfengraphe::XiButton2Click()
{
    Zoom(0.5);
}

void Tfengraphe::XiButton3Click()
{
    Zoom(2.0);
}

void Tfengraphe::UpDown1Click(TUpDown*, bool up)
{
    std::int32_t& factor = m_state.Display.OutputScaleFactor;
    if (up) {
        if (static_cast<long long>(factor) * 10 < 100000)
            factor *= 10;
    } else if (factor / 10.0 > 0.5) {
        factor = Round(factor / 10.0L);
    }
    emit RecomputeRequested(true);
    Label1->setText(NumberText(factor));
    Label1->adjustSize();
}
