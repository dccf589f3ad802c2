// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/repres.h"

#include "numeric/rounding.h"
#include "plot/cursorreadout.h"
#include "plot/graphcursors.h"
#include "plot/plottext.h"
#include "plot/timegraph.h"
#include "spectrum/measurements.h"
#include "report/reportcore.h"
#include "widgets/artwork.h"
#include "widgets/pictureview.h"
#include "widgets/txibutton.h"
#include "widgets/vrpanel.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QToolButton>

#include <algorithm>
#include <cstdlib>

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
    // Tab reaches each arrow and the space bar presses it; a click leaves
    // the keyboard where it was.
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRaise(false);
        b->setFocusPolicy(Qt::TabFocus);
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
    UpDown1->setAccessibleName(QStringLiteral("Facteur échelle sortie"));
    UpDown1->Up()->setAccessibleName(QStringLiteral("Facteur échelle sortie multiplié par 10"));
    UpDown1->Down()->setAccessibleName(QStringLiteral("Facteur échelle sortie divisé par 10"));

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
    Label1->setAccessibleName(QStringLiteral("Facteur échelle sortie : 1"));

    connect(XiButton2, &TXiButton::OnClick, this, &Tfengraphe::XiButton2Click);
    connect(XiButton3, &TXiButton::OnClick, this, &Tfengraphe::XiButton3Click);
    connect(UpDown1, &TUpDown::OnClick, this, &Tfengraphe::UpDown1Click);

    m_cursors = new GraphCursors(PictureWidget());
    PictureWidget()->setAccessibleName(QStringLiteral("Graphe temporel"));
    PictureWidget()->setAccessibleDescription(
        QStringLiteral("C : curseurs, flèches : déplacer d'un pixel, Page préc. et Page suiv. : d'un dixième, "
                       "1 et 2 : choisir le curseur, Maj et flèches : extremum ou passage par zéro suivant"));
    m_cursors->SnapNear = [this](double t, int row) { return SnapNear(t, row); };
    m_cursors->SnapNext = [this](double t, int direction) { return SnapNext(t, direction); };
    m_readout = new CursorReadout(this, QStringLiteral("Curseurs du graphe temporel"), QStringLiteral("LectureTemps"));
    connect(m_cursors, &GraphCursors::Moved, this, &Tfengraphe::ShowReadout);

    setGeometry(17, 110, 523, 319);
}

std::vector<double> Tfengraphe::CursorTimes() const
{
    std::vector<double> times;
    for (int i = 0; i < 2; ++i)
        if (const std::optional<double> t = m_cursors->At(i))
            times.push_back(*t);
    return times;
}

void Tfengraphe::ShowReadout()
{
    if (!m_cursors->Shown()) {
        m_readout->Dismiss();
        return;
    }
    const std::optional<double> a = m_cursors->At(0), b = m_cursors->At(1);
    const bool both = a && b;
    const TimeReading r = ReadTimeCursors(m_state, a ? *a : *b, both ? b : std::nullopt);
    // What lies a billion times below the axes' spans is rounding.
    const double valueNoise = 1e-9 * std::max(std::abs(m_state.View.ValueMin), std::abs(m_state.View.ValueMax));
    const double timeNoise = 1e-9 * std::abs(m_state.View.TimeEnd - m_state.View.TimeStart);
    auto text = [&](double v) { return QString::fromStdString(ReadoutNumber(v, valueNoise)); };
    auto time = [&](double v) { return QString::fromStdString(ReadoutNumber(v, timeNoise)); };
    QStringList headers;
    if (a)
        headers << QStringLiteral("Curseur 1");
    if (b)
        headers << QStringLiteral("Curseur 2");
    if (both)
        headers << QStringLiteral("Écart");
    std::vector<ReadoutRow> rows;
    ReadoutRow t{QStringLiteral("T"), QStringLiteral("t (s)"), {time(r.T1)}};
    if (both)
        t.Values << time(*r.T2) << time(r.DeltaT);
    rows.push_back(t);
    for (const CurveReading& c : r.Curves) {
        QString key;
        switch (c.Curve.Kind) {
        case CurveKind::Ideal: key = QStringLiteral("Ideal"); break;
        case CurveKind::Harmonic: key = QStringLiteral("H%1").arg(c.Curve.K); break;
        case CurveKind::Input: key = QStringLiteral("Entree"); break;
        case CurveKind::Output: key = QStringLiteral("Sortie"); break;
        }
        ReadoutRow row{key, QString::fromStdString(CurveName(c.Curve)), {text(c.At1)}};
        if (both)
            row.Values << text(c.At2) << text(c.Difference);
        rows.push_back(row);
    }
    if (both)
        rows.push_back({QStringLiteral("InverseT"), QStringLiteral("1 / Δt (Hz)"),
                        {QString(), QString(), r.InverseDeltaT ? QString::fromStdString(ReadoutNumber(*r.InverseDeltaT)) : QStringLiteral("—")}});
    m_readout->SetTable(headers, rows);
    m_readout->ShowBeside();
}

std::optional<double> Tfengraphe::SnapNear(double t, int row)
{
    // The curve drawn nearest to the click, then its feature nearest to t.
    int best = -1;
    for (const CurveId c : ShownCurves(m_state)) {
        const int distance = std::abs(m_frame.Row(CurveValue(m_state, c, t)) - row);
        if (best < 0 || distance <= best) {
            best = distance;
            m_snapCurve = c;
        }
    }
    return NearestFeature(CurveFeatures(m_state, m_snapCurve, m_frame.xMin, m_frame.xMax), t);
}

std::optional<double> Tfengraphe::SnapNext(double t, int direction)
{
    const std::vector<CurveId> shown = ShownCurves(m_state);
    if (std::find(shown.begin(), shown.end(), m_snapCurve) == shown.end())
        m_snapCurve = CurveId{CurveKind::Input, 0};
    const double pixel = (m_frame.xMax - m_frame.xMin) / std::max(1, m_frame.Right() - m_frame.Left());
    return NextFeature(CurveFeatures(m_state, m_snapCurve, m_frame.xMin, m_frame.xMax), t, direction, pixel / 4);
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
    if (m_cursors->Shown())
        ShowReadout();
}

void Tfengraphe::PaintPicture(QImage& target, int w, int h, qreal ratio)
{
    DrawTimeGraph(target, m_state, w, h, ratio);
    m_frame = TimeGraphFrame(m_state, w, h);
    m_cursors->SetColour(CursorColour(m_state.Display, m_state.Display.BlackBackground));
    m_cursors->SetFrame(m_frame);
}

void Tfengraphe::PaintVector(QPaintDevice& device, int w, int h)
{
    DrawTimeGraphVector(device, m_state, w, h, CursorTimes());
}

GraphFacts Tfengraphe::Facts() const
{
    const DisplaySettings& d = m_state.Display;
    QStringList curves{QStringLiteral("entrée")};
    if (d.SuperposeOutput)
        curves << QStringLiteral("sortie du filtre");
    if (d.ShowIdealSignal)
        curves << QStringLiteral("signal idéal");
    for (int k = 1; k <= HarmonicCount; ++k)
        if (m_state.Signal.Harmonics.Shown[k])
            curves << QStringLiteral("harmonique ") + QString::number(k);
    const TimeGraphView& v = m_state.View;
    GraphFacts f;
    f.Description = QStringLiteral("Courbes : ") + curves.join(QStringLiteral(", ")) + QStringLiteral(". Temps de ") +
                    Spoken(v.TimeStart) + QStringLiteral(" à ") + Spoken(v.TimeEnd) +
                    QStringLiteral(" s, valeurs de ") + Spoken(v.ValueMin) + QStringLiteral(" à ") +
                    Spoken(v.ValueMax) + QLatin1Char('.');
    f.Header = {QStringLiteral("Signal"), QStringLiteral("Minimum"), QStringLiteral("Maximum"),
                QStringLiteral("Moyenne"), QStringLiteral("Efficace")};
    auto row = [](const QString& name, const HarmonicContent& c) {
        const SignalRange range = Extremes(c);
        const SignalMeasures m = Measure(c);
        return QStringList{name, Spoken(range.Min), Spoken(range.Max), Spoken(m.Mean), Spoken(m.Rms)};
    };
    f.Rows = {row(QStringLiteral("Entrée"), InputContent(m_state)),
              row(QStringLiteral("Sortie"), OutputContent(m_state))};
    return f;
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
    ShowOutputScaleFactor();
}

void Tfengraphe::ShowOutputScaleFactor()
{
    Label1->setText(NumberText(m_state.Display.OutputScaleFactor));
    Label1->adjustSize();
    Label1->setAccessibleName(QStringLiteral("Facteur échelle sortie : ") + Label1->text());
}
