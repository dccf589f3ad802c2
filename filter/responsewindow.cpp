// SPDX-License-Identifier: GPL-3.0-or-later
#include "filter/responsewindow.h"

#include "filter/responsedrawing.h"
#include "report/reportcore.h"
#include "widgets/tvrcheckled.h"
#include "widgets/vrlook.h"
#include "widgets/vrpanel.h"
#include "widgets/windowshow.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>

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
}

void Tfenreponse::PaintPicture(QImage& target, int w, int h, qreal ratio)
{
    DrawFilterResponse(target, m_state, VrCheckLed1->Checked(), w, h, m_view, ratio);
}

void Tfenreponse::PaintVector(QPaintDevice& device, int w, int h)
{
    DrawFilterResponseVector(device, m_state, VrCheckLed1->Checked(), w, h);
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
    const std::array<MeasureReportRow, MeasureReportCount> rows = MeasureReport(m_state);
    for (int r = 0; r < MeasureRowCount; ++r) {
        m_values[r][0]->setText(QString::fromStdString(rows[r].InText));
        m_values[r][1]->setText(QString::fromStdString(rows[r].OutText));
    }
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
