// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/reportpage.h"

#include "app/program.h"
#include "filter/responsewindow.h"
#include "plot/paperpicture.h"
#include "plot/plottext.h"
#include "plot/repres.h"
#include "report/reportcore.h"
#include "spectrum/fenetspectres.h"

#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <cmath>

namespace {

constexpr int SectionGap = 14;
const QColor Ink(0x20, 0x20, 0x20);

QString Text(const std::string& s)
{
    return QString::fromStdString(s);
}

QString Cell(double x)
{
    return Text(ReportNumber(x));
}

// A section heading; gives the row under it.
int Heading(QPainter& p, int x, int y, int width, const QString& text)
{
    QFont f = PointFont(QStringLiteral("Arial"), 11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Ink);
    return y + PaintWrapped(p, x, y, width, text) + 4;
}

PaperTable ParameterTable(const SharedState& state)
{
    const auto params = ReportParameters(state);
    PaperTable t;
    t.Weights = {5, 4, 5, 4};
    t.Left = {true, false, true, false};
    t.Rows.push_back({QStringLiteral("Paramètre"), QStringLiteral("Valeur"), QStringLiteral("Paramètre"),
                      QStringLiteral("Valeur")});
    const size_t half = (params.size() + 1) / 2;
    for (size_t i = 0; i < half; ++i) {
        QStringList row{Text(params[i].first), Text(params[i].second)};
        if (i + half < params.size())
            row << Text(params[i + half].first) << Text(params[i + half].second);
        else
            row << QString() << QString();
        t.Rows.push_back(row);
    }
    return t;
}

PaperTable HarmonicTableOf(const SharedState& state)
{
    PaperTable t;
    t.Weights = {4, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6};
    t.Rows.push_back({QStringLiteral("Rang"), QStringLiteral("Fréquence (Hz)"), QStringLiteral("Entrée (%)"),
                      QStringLiteral("Entrée crête"), QStringLiteral("Entrée efficace"),
                      QStringLiteral("Entrée phase (°)"), QStringLiteral("Gain"), QStringLiteral("Gain (dB)"),
                      QStringLiteral("Déphasage (°)"), QStringLiteral("Sortie (%)"), QStringLiteral("Sortie crête"),
                      QStringLiteral("Sortie efficace"), QStringLiteral("Sortie phase (°)")});
    for (const HarmonicReportRow& r : HarmonicReport(state))
        t.Rows.push_back({QString::number(r.Rank), Cell(r.FrequencyHz), Cell(r.InPercent), Cell(r.InPeak),
                          Cell(r.InRms), Cell(r.InPhaseDeg), Cell(r.Gain), Cell(r.GainDb), Cell(r.PhaseShiftDeg),
                          Cell(r.OutPercent), Cell(r.OutPeak), Cell(r.OutRms), Cell(r.OutPhaseDeg)});
    return t;
}

PaperTable MeasureTable(const SharedState& state)
{
    PaperTable t;
    t.Weights = {3, 2, 2};
    t.Rows.push_back({QStringLiteral("Mesure"), QStringLiteral("Entrée"), QStringLiteral("Sortie")});
    for (const MeasureReportRow& r : MeasureReport(state)) {
        auto value = [&](bool has, double v) {
            return has ? Text(ReportNumber(v) + (r.Unit.empty() ? "" : " " + r.Unit)) : QStringLiteral("—");
        };
        t.Rows.push_back({Text(r.Caption), value(r.HasIn, r.In), value(r.HasOut, r.Out)});
    }
    return t;
}

// One graph of a window in the paper palette, its name above, its legend
// below, in (x, y, w, h).
void Graph(QPainter& p, GraphWindow& window, const SharedState& paper, const QString& name, int x, int y, int w,
           int h)
{
    PaperParts parts;
    parts.Title = name;
    parts.Legend = window.Legend(paper);
    p.save();
    p.translate(x, y);
    PaintPaper(p, w, h, parts, [&](QPainter& gp, int gw, int gh) { window.PaintGraph(gp, paper, gw, gh); });
    p.restore();
}

} // namespace

bool PaintReport(QPagedPaintDevice& device, Program& program, const QDate& date)
{
    QPainter p;
    if (!p.begin(&device))
        return false;
    // The layout is in pixels of a 96-dpi screen, the unit of the graphs.
    const qreal scale = device.logicalDpiX() / 96.0;
    p.scale(scale, scale);
    const int W = int(device.width() / scale);
    const int H = int(device.height() / scale);

    SharedState paper = program.State();
    paper.Display = PaperDisplay(paper.Display);

    // Page 1.
    int y = 0;
    {
        QFont f = PointFont(QStringLiteral("Arial"), 16);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Ink);
        y += PaintWrapped(p, 0, y, W, QStringLiteral("Rapport de séance : signal et filtrage")) + 2;
        p.setFont(PointFont(QStringLiteral("Arial"), 10));
        y += PaintWrapped(p, 0, y, W, QLocale(QLocale::French).toString(date, QStringLiteral("'Le' d MMMM yyyy"))) +
             SectionGap;
    }
    y = Heading(p, 0, y, W, QStringLiteral("Paramètres"));
    y += PaintPaperTable(p, 0, y, W, ParameterTable(program.State())) + SectionGap;
    const int graphsHeight = H - y;
    const int timeHeight = graphsHeight * 53 / 100;
    Graph(p, program.fengraphe(), paper, QStringLiteral("Graphes temporels"), 0, y, W, timeHeight - SectionGap);
    y += timeHeight;
    Graph(p, program.fenspectres(), paper, QStringLiteral("Spectres de l'entrée et de la sortie"), 0, y, W, H - y);

    // Page 2.
    device.newPage();
    y = 0;
    const PaperTable harmonics = HarmonicTableOf(program.State());
    const PaperTable measures = MeasureTable(program.State());
    const int harmonicsHeight = PaintPaperTable(p, 0, 0, W, harmonics, true);
    const int measuresHeight = PaintPaperTable(p, 0, 0, W * 6 / 10, measures, true);
    const int headingHeight = Heading(p, 0, 0, W, QStringLiteral("Mesures"));
    const int responseHeight = H - 2 * (headingHeight + SectionGap) - harmonicsHeight - measuresHeight - SectionGap;
    Graph(p, program.fenreponse(), paper, QStringLiteral("Réponse du filtre"), 0, y, W, responseHeight);
    y += responseHeight + SectionGap;
    y = Heading(p, 0, y, W, QStringLiteral("Tableau des harmoniques"));
    y += PaintPaperTable(p, 0, y, W, harmonics) + SectionGap;
    y = Heading(p, 0, y, W, QStringLiteral("Mesures"));
    PaintPaperTable(p, 0, y, W * 6 / 10, measures);
    return p.end();
}

void SetUpReportPrinter(QPrinter& printer)
{
    printer.setResolution(96);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                      QPageLayout::Millimeter));
    printer.setDocName(QStringLiteral("Rapport de séance"));
    printer.setCreator(QStringLiteral("Fourier et filtres"));
}

QByteArray ReportPdfBytes(Program& program, const QDate& date)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(96);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                         QPageLayout::Millimeter));
        writer.setTitle(QStringLiteral("Rapport de séance"));
        writer.setCreator(QStringLiteral("Fourier et filtres"));
        if (!PaintReport(writer, program, date))
            return {};
    }
    buffer.close();
    return bytes;
}
