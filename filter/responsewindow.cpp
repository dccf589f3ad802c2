// SPDX-License-Identifier: GPL-3.0-or-later
#include "filter/responsewindow.h"

#include "filter/responsecursor.h"
#include "filter/responsedrawing.h"
#include "numeric/numbers.h"
#include "plot/cursorcore.h"
#include "plot/cursorreadout.h"
#include "plot/graphcursors.h"
#include "widgets/pictureview.h"
#include "spectrum/measurements.h"
#include "widgets/accessibility.h"
#include "report/reportcore.h"
#include "widgets/tvrcheckled.h"
#include "widgets/valuetable.h"
#include "widgets/vrlook.h"
#include "widgets/vrpanel.h"
#include "widgets/windowshow.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>

#include <cmath>

using VrPanel::Place;

namespace {

constexpr int Gap = 8;

struct RowText {
    const char* caption;
    const char* name; // objectName stem of the row's labels
};

const RowText Rows[MeasureRowCount] = {
    {"Valeur moyenne", "Moyenne"},
    {"Valeur efficace", "Efficace"},
    {"Efficace alternatif", "Alternatif"},
    {"Taux de distorsion", "Distorsion"},
    {"Facteur de crête", "Crete"},
};

const char* const ColumnNames[2] = {"Entree", "Sortie"};

QLabel* Cell(QWidget* parent, const QString& text, const QString& name, Qt::Alignment align, bool bold = false)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(VrLook::font(12, bold));
    l->setAlignment(align | Qt::AlignVCenter);
    return l;
}

} // namespace

Tfenreponse::Tfenreponse(SharedState& state, QWidget* parent)
    : GraphWindow(state, QStringLiteral("Réponse du filtre"), parent)
{
    setObjectName(QStringLiteral("fenreponse"));

    VrCheckLed1 = Place(new TVrCheckLed(QStringLiteral("Asymptotes"), this), 128, 18, 130, 22);
    VrCheckLed1->setObjectName(QStringLiteral("VrCheckLed1"));
    VrCheckLed1->setFont(VrLook::font(13));
    VrCheckLed1->setToolTip(QStringLiteral("Asymptotes de Bode du filtre"));

    BuildTable();

    connect(VrCheckLed1, &TVrCheckLed::OnChange, this, &Tfenreponse::VrCheckLed1Change);

    m_cursors = new GraphCursors(PictureWidget());
    PictureWidget()->setAccessibleName(QStringLiteral("Réponse du filtre"));
    PictureWidget()->setAccessibleDescription(
        QStringLiteral("C : curseurs, flèches : déplacer d'un pixel, Page préc. et Page suiv. : d'un dixième, "
                       "1 et 2 : choisir le curseur, Maj et flèches : fréquence de coupure, points à -3 dB "
                       "ou résonance suivants"));
    m_cursors->SnapNear = [this](double x, int) { return SnapNear(x); };
    m_cursors->SnapNext = [this](double x, int direction) { return SnapNext(x, direction); };
    m_readout = new CursorReadout(this, QStringLiteral("Curseurs de la réponse"), QStringLiteral("LectureReponse"));
    connect(m_cursors, &GraphCursors::Moved, this, &Tfenreponse::ShowReadout);

    const int tableHeight = Mesures->sizeHint().height();
    setMinimumSize(440, PictureTop + 200 + Gap + tableHeight + Gap);
    // Below the main window, beside the time graph and the spectra.
    setGeometry(580, 476, 592, 520);
}

// A white table with a sunken edge: a header row "Entrée", "Sortie", then
// one row per measurement, its caption on the left and the two values
// right-aligned in columns wide enough for any number text.
void Tfenreponse::BuildTable()
{
    Mesures = new QFrame(this);
    Mesures->setObjectName(QStringLiteral("Mesures"));
    Mesures->setFrameShape(QFrame::Panel);
    Mesures->setFrameShadow(QFrame::Sunken);
    Mesures->setLineWidth(1);
    Mesures->setAutoFillBackground(true);
    QPalette pal = Mesures->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, VrLook::Ink);
    Mesures->setPalette(pal);

    auto* grid = new QGridLayout(Mesures);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    const int valueWidth = QFontMetrics(VrLook::font(12)).horizontalAdvance(QStringLiteral("-8.88E-308 %"));
    for (int c = 0; c < 2; ++c) {
        const QString name = QString::fromLatin1(ColumnNames[c]);
        const QString caption = c == 0 ? QStringLiteral("Entrée") : QStringLiteral("Sortie");
        grid->addWidget(Cell(Mesures, caption, QStringLiteral("Label") + name, Qt::AlignRight, true), 0, c + 1);
        grid->setColumnMinimumWidth(c + 1, valueWidth);
    }
    for (int r = 0; r < MeasureRowCount; ++r) {
        const QString stem = QString::fromLatin1(Rows[r].name);
        grid->addWidget(Cell(Mesures, QString::fromUtf8(Rows[r].caption), QStringLiteral("Label") + stem, Qt::AlignLeft),
                        r + 1, 0);
        for (int c = 0; c < 2; ++c) {
            m_values[r][c] = Cell(Mesures, QStringLiteral("—"), stem + QString::fromLatin1(ColumnNames[c]), Qt::AlignRight);
            grid->addWidget(m_values[r][c], r + 1, c + 1);
        }
    }
    Mesures->adjustSize();
    m_measureTable = HiddenValueTable(Mesures, "ValeursMesures", QStringLiteral("Mesures"));
}

QLabel* Tfenreponse::Value(MeasureRow row, MeasureColumn column) const
{
    return m_values[int(row)][int(column)];
}

QSize Tfenreponse::PictureSize() const
{
    return {width() - 2 * PictureLeft, height() - PictureTop - Gap - Mesures->height() - Gap};
}

void Tfenreponse::PlaceTable()
{
    Mesures->move(PictureLeft, height() - Gap - Mesures->height());
}

void Tfenreponse::Redraw()
{
    if (!isVisible())
        return;
    ++m_redrawCount;
    const QSize size = PictureSize();
    if (size.width() > 50 && size.height() > 50)
        ShowPicture(size.width(), size.height());
    ShowMeasures();
    if (m_cursors->Shown())
        ShowReadout();
}

void Tfenreponse::PaintPicture(QImage& target, int w, int h, qreal ratio)
{
    DrawFilterResponse(target, m_state, VrCheckLed1->Checked(), w, h, m_view, ratio);
    m_frame = ResponseLayout(m_view, w, h, m_state.Display.Plot).Gain.Frame;
    m_cursors->SetColour(CursorColour(m_state.Display, m_state.Display.BlackBackground));
    m_cursors->SetFrame(m_frame);
}

void Tfenreponse::PaintVector(QPaintDevice& device, int w, int h)
{
    DrawFilterResponseVector(device, m_state, VrCheckLed1->Checked(), w, h, CursorPlaces());
}

std::vector<double> Tfenreponse::CursorPlaces() const
{
    std::vector<double> places;
    for (int i = 0; i < 2; ++i)
        if (const std::optional<double> x = m_cursors->At(i))
            places.push_back(*x);
    return places;
}

std::optional<double> Tfenreponse::SnapNear(double x)
{
    std::optional<double> best;
    for (const ResponseFeature& f : ResponseFeatures(m_state, m_view))
        if (!best || std::abs(f.Log10Hz - x) < std::abs(*best - x))
            best = f.Log10Hz;
    return best;
}

std::optional<double> Tfenreponse::SnapNext(double x, int direction)
{
    std::vector<double> places;
    for (const ResponseFeature& f : ResponseFeatures(m_state, m_view))
        places.push_back(f.Log10Hz);
    const double pixel = (m_frame.xMax - m_frame.xMin) / std::max(1, m_frame.Right() - m_frame.Left());
    return NextFeature(places, x, direction, pixel / 4);
}

void Tfenreponse::ShowReadout()
{
    if (!m_cursors->Shown()) {
        m_readout->Dismiss();
        return;
    }
    // dB and degrees: what lies below a billionth of a unit is rounding.
    auto text = [](double v) { return QString::fromStdString(ReadoutNumber(v, 1e-9)); };
    auto db = [&](double v) { return std::isfinite(v) ? text(v) : QStringLiteral("-∞"); };
    QStringList headers;
    std::vector<ResponseReading> at;
    for (int i = 0; i < 2; ++i)
        if (const std::optional<double> x = m_cursors->At(i)) {
            headers << QStringLiteral("Curseur %1").arg(i + 1);
            at.push_back(ReadResponse(m_state, m_view, PowerOfTen(*x)));
        }
    const bool both = at.size() == 2;
    if (both)
        headers << QStringLiteral("Écart");
    std::vector<ReadoutRow> rows = {
        {QStringLiteral("F"), QStringLiteral("f (Hz)"), {}},
        {QStringLiteral("Gain"), QStringLiteral("Gain (dB)"), {}},
        {QStringLiteral("Phase"), QStringLiteral("Phase (°)"), {}},
        {QStringLiteral("Rang"), QStringLiteral("Harmonique la plus proche"), {}},
        {QStringLiteral("FH"), QStringLiteral("sa fréquence (Hz)"), {}},
        {QStringLiteral("GainH"), QStringLiteral("son gain (dB)"), {}},
        {QStringLiteral("PhaseH"), QStringLiteral("son déphasage (°)"), {}},
    };
    for (const ResponseReading& r : at) {
        rows[0].Values << text(r.Hz);
        rows[1].Values << db(r.GainDb);
        rows[2].Values << text(r.PhaseDeg);
        rows[3].Values << QString::number(r.NearestK);
        rows[4].Values << text(r.NearestHz);
        rows[5].Values << db(r.NearestGainDb);
        rows[6].Values << text(r.NearestPhaseDeg);
    }
    if (both) {
        rows[0].Values << QStringLiteral("× ") + text(at[1].Hz / at[0].Hz);
        const double dDb = at[1].GainDb - at[0].GainDb;
        rows[1].Values << (std::isfinite(dDb) ? text(dDb) : QStringLiteral("—"));
        rows[2].Values << text(at[1].PhaseDeg - at[0].PhaseDeg);
        for (int r = 3; r < 7; ++r)
            rows[r].Values << QString();
    }
    m_readout->SetTable(headers, rows);
    m_readout->ShowBeside();
}

void Tfenreponse::PaintGraph(QPainter& painter, const SharedState& state, int w, int h)
{
    ResponseView view;
    ComputeResponseView(state, ResponseSampleCount(w), view);
    PaintFilterResponse(painter, state.Display, view, VrCheckLed1->Checked(), w, h, VectorStyle());
}

std::vector<LegendEntry> Tfenreponse::Legend(const SharedState& state) const
{
    std::vector<LegendEntry> legend{{QStringLiteral("Réponse du filtre"), ToQColor(state.Display.OutputColour)}};
    if (VrCheckLed1->Checked())
        legend.push_back({QStringLiteral("Asymptotes"), ToQColor(state.Display.SynthesisColour)});
    return legend;
}

PaperTable Tfenreponse::Table() const
{
    PaperTable table;
    table.Weights = {3, 2, 2};
    table.Rows.push_back({QString(), QStringLiteral("Entrée"), QStringLiteral("Sortie")});
    for (const MeasureReportRow& r : MeasureReport(m_state))
        table.Rows.push_back({QString::fromStdString(r.Caption), QString::fromStdString(r.InText),
                              QString::fromStdString(r.OutText)});
    return table;
}

void Tfenreponse::ShowMeasures()
{
    const std::array<MeasureReportRow, MeasureReportCount> report = MeasureReport(m_state);
    QList<QStringList> rows;
    for (int r = 0; r < MeasureRowCount; ++r) {
        const QString in = QString::fromStdString(report[r].InText);
        const QString out = QString::fromStdString(report[r].OutText);
        m_values[r][0]->setText(in);
        m_values[r][1]->setText(out);
        rows << QStringList{QString::fromUtf8(Rows[r].caption), SpokenNumberText(in), SpokenNumberText(out)};
    }
    FillValueTable(m_measureTable, {QStringLiteral("Mesure"), QStringLiteral("Entrée"), QStringLiteral("Sortie")},
                   rows);
}

GraphFacts Tfenreponse::Facts() const
{
    const ResponseView& v = m_view;
    GraphFacts f;
    f.Description = QStringLiteral("Gain en dB de ") + Spoken(v.Db.Min) + QStringLiteral(" à ") + Spoken(v.Db.Max) +
                    QStringLiteral(" et phase en degrés de ") + Spoken(v.Deg.Min) + QStringLiteral(" à ") +
                    Spoken(v.Deg.Max) + QStringLiteral(", fréquence de ") + Spoken(std::pow(10.0, v.Span.FirstDecade)) +
                    QStringLiteral(" à ") + Spoken(std::pow(10.0, v.Span.LastDecade)) + QStringLiteral(" Hz");
    if (v.HasCutoff)
        f.Description += QStringLiteral(", coupure à ") + Spoken(v.CutoffHz) + QStringLiteral(" Hz");
    f.Description += QStringLiteral(", ") + QString::number(v.Markers.size()) +
                     QStringLiteral(" harmoniques marqués");
    if (VrCheckLed1->Checked())
        f.Description += QStringLiteral(", asymptotes");
    f.Description += QLatin1Char('.');
    f.Header = {QStringLiteral("Rang"), QStringLiteral("Fréquence (Hz)"), QStringLiteral("Gain (dB)"),
                QStringLiteral("Phase (°)")};
    for (const ResponseMarker& m : v.Markers)
        f.Rows << QStringList{QString::number(m.K), Spoken(m.Hz), Spoken(m.GainDb), Spoken(m.PhaseDeg)};
    return f;
}

void Tfenreponse::Open()
{
    ShowWithoutActivating(this);
}

void Tfenreponse::VrCheckLed1Change(TVrCheckLed*)
{
    Redraw();
}

void Tfenreponse::resizeEvent(QResizeEvent*)
{
    PlaceTable();
    Redraw();
}

void Tfenreponse::showEvent(QShowEvent*)
{
    PlaceTable();
    Redraw();
}
