// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/exports.h"

#include "app/program.h"
#include "app/reportpage.h"
#include "filter/filterresponse.h"
#include "filter/responsewindow.h"
#include "plot/repres.h"
#include "plot/vectorcopy.h"
#include "report/reportcore.h"
#include "spectrum/fenetspectres.h"
#include "widgets/dialogservice.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include <cmath>
#include <exception>

namespace {

// Larger pictures are refused rather than risking an allocation of gigabytes.
constexpr qint64 MaxPngPixels = 64LL * 1024 * 1024;

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The filter tables and the point count current for the state, as a redraw
// leaves them (the windows need not have been shown); nothing is drawn.
void Current(Program& program)
{
    program.Cycle().SetPointCount();
    ApplyFilter(program.State());
}

GraphWindow& Window(Program& program, GraphKind graph)
{
    switch (graph) {
    case GraphKind::Spectra: return program.fenspectres();
    case GraphKind::Response: return program.fenreponse();
    default: return program.fengraphe();
    }
}

QByteArray SvgBytes(GraphWindow& window, int w, int h)
{
    VectorCopy copy;
    if (!RenderVectorCopy([&](QPaintDevice& d, int dw, int dh) { window.PaintDocument(d, dw, dh, true); }, w, h, copy))
        return {};
    return copy.Svg;
}

QByteArray PdfBytes(GraphWindow& window, int w, int h)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(CopyDotsPerInch);
        writer.setPageLayout(QPageLayout(QPageSize(QSizeF(w * 25.4 / CopyDotsPerInch, h * 25.4 / CopyDotsPerInch),
                                                   QPageSize::Millimeter),
                                         QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter));
        writer.setCreator(QStringLiteral("Fourier et filtres"));
        window.PaintDocument(writer, w, h, true);
    }
    buffer.close();
    return bytes;
}

QByteArray PngBytes(GraphWindow& window, int w, int h, int dpi)
{
    const qreal ratio = qreal(dpi) / CopyDotsPerInch;
    const qint64 pw = qint64(std::ceil(w * ratio)), ph = qint64(std::ceil(h * ratio));
    if (pw <= 0 || ph <= 0 || pw * ph > MaxPngPixels)
        return {};
    QImage image(int(pw), int(ph), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.fill(Qt::white);
    image.setDevicePixelRatio(ratio);
    window.PaintDocument(image, w, h, true);
    image.setDevicePixelRatio(1.0);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return {};
    return bytes;
}

QString UnknownFormat(const QString& path)
{
    return QStringLiteral("Format inconnu pour « %1 » : le nom du fichier doit finir par .svg, .png ou .pdf.")
        .arg(Shown(path));
}

} // namespace

QString WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Impossible de créer le fichier « %1 » : dossier absent ou protégé en écriture. "
                              "Rien n'a été écrit.")
            .arg(Shown(path));
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        file.cancelWriting();
        return QStringLiteral("Impossible d'écrire le fichier « %1 » (disque plein ?). "
                              "Un fichier existant de ce nom reste intact.")
            .arg(Shown(path));
    }
    return {};
}

QString ExportCsv(Program& program, const QString& path)
{
    Current(program);
    return WriteFileAtomically(path, QByteArray::fromStdString(ReportCsv(program.State())));
}

QString ExportGraph(Program& program, GraphKind graph, const QString& path, int dpi)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("svg") && suffix != QLatin1String("png") && suffix != QLatin1String("pdf"))
        return UnknownFormat(path);
    if (suffix == QLatin1String("png") && !PngResolutionAccepted(dpi))
        return PngResolutionRefused();
    Current(program);
    GraphWindow& window = Window(program, graph);
    const int w = program.State().Display.CopyWidthPx;
    const int h = program.State().Display.CopyHeightPx;
    QByteArray bytes;
    try {
        if (suffix == QLatin1String("svg"))
            bytes = SvgBytes(window, w, h);
        else if (suffix == QLatin1String("pdf"))
            bytes = PdfBytes(window, w, h);
        else
            bytes = PngBytes(window, w, h, dpi);
    } catch (const std::exception&) {
        bytes.clear();
    }
    if (bytes.isEmpty())
        return suffix == QLatin1String("png")
                   ? QStringLiteral("Image trop grande : choisir une résolution plus faible ou une taille de graphe "
                                    "plus petite.")
                   : QStringLiteral("Le graphe n'a pas pu être dessiné : rien n'a été écrit.");
    return WriteFileAtomically(path, bytes);
}

QString ExportGraphsSvg(Program& program, const QString& folder)
{
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        return QStringLiteral("« %1 » n'est pas un dossier.").arg(Shown(folder));
    if (!info.exists() && !QDir().mkpath(folder))
        return QStringLiteral("Impossible de créer le dossier « %1 ».").arg(Shown(folder));
    const QDir dir(folder);
    const std::pair<GraphKind, const char*> files[] = {{GraphKind::Time, "graphe-temporel.svg"},
                                                       {GraphKind::Spectra, "spectres.svg"},
                                                       {GraphKind::Response, "reponse-filtre.svg"}};
    for (const auto& [graph, name] : files) {
        const QString error = ExportGraph(program, graph, dir.filePath(QString::fromLatin1(name)));
        if (!error.isEmpty())
            return error;
    }
    return {};
}

QString ExportReportPdf(Program& program, const QString& path)
{
    Current(program);
    const QByteArray bytes = ReportPdfBytes(program, QDate::currentDate());
    if (bytes.isEmpty())
        return QStringLiteral("Le rapport n'a pas pu être composé : rien n'a été écrit.");
    return WriteFileAtomically(path, bytes);
}

void PrintReport(Program& program, DialogService& dialogs, QWidget* parent)
{
    QPrinter printer;
    SetUpReportPrinter(printer);
    if (!dialogs.ChoosePrinter(parent, QStringLiteral("Imprimer le rapport"), printer))
        return;
    Current(program);
    PaintReport(printer, program, QDate::currentDate());
}

bool PngResolutionAccepted(int dpi)
{
    return dpi >= MinPngDpi && dpi <= MaxPngDpi;
}

QString PngResolutionRefused()
{
    return QStringLiteral("Résolution refusée : entrer un nombre entier de %1 à %2 points par pouce.")
        .arg(MinPngDpi)
        .arg(MaxPngDpi);
}

namespace {

struct GraphCommand {
    GraphKind graph;
    const char* caption;
    const char* suggested;
};

void SaveGraph(Program& program, const GraphCommand& c, DialogService& dialogs, QWidget* parent)
{
    const std::optional<QString> path =
        dialogs.SaveFileName(parent, QString::fromUtf8(c.caption), QString::fromUtf8(c.suggested),
                             QStringLiteral("Images SVG (*.svg);;Images PNG (*.png);;Documents PDF (*.pdf)"));
    if (!path || path->isEmpty())
        return;
    int dpi = CopyDotsPerInch;
    if (QFileInfo(*path).suffix().toLower() == QLatin1String("png")) {
        const std::optional<QString> answer =
            dialogs.InputBox(parent, QStringLiteral("Résolution de l'image"),
                             QStringLiteral("Résolution en points par pouce (%1 à %2)").arg(MinPngDpi).arg(MaxPngDpi),
                             QStringLiteral("300"));
        if (!answer)
            return;
        bool ok = false;
        dpi = answer->trimmed().toInt(&ok);
        if (!ok || !PngResolutionAccepted(dpi)) {
            dialogs.Error(parent, PngResolutionRefused());
            return;
        }
    }
    const QString error = ExportGraph(program, c.graph, *path, dpi);
    if (!error.isEmpty())
        dialogs.Error(parent, error);
}

// The name chosen, with `suffix` added when it has none.
QString WithSuffix(const QString& path, const QString& suffix)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + suffix : path;
}

} // namespace

void RunExportCommand(Program& program, ExportCommand command, DialogService& dialogs, QWidget* parent)
{
    switch (command) {
    case ExportCommand::Csv: {
        const std::optional<QString> path =
            dialogs.SaveFileName(parent, QStringLiteral("Exporter le tableau des harmoniques"),
                                 QStringLiteral("harmoniques.csv"), QStringLiteral("Tableaux CSV (*.csv)"));
        if (!path || path->isEmpty())
            return;
        const QString error = ExportCsv(program, WithSuffix(*path, QStringLiteral("csv")));
        if (!error.isEmpty())
            dialogs.Error(parent, error);
        return;
    }
    case ExportCommand::TimeGraph:
        SaveGraph(program, {GraphKind::Time, "Exporter les graphes temporels", "graphe-temporel.svg"}, dialogs, parent);
        return;
    case ExportCommand::SpectraGraph:
        SaveGraph(program, {GraphKind::Spectra, "Exporter les spectres", "spectres.svg"}, dialogs, parent);
        return;
    case ExportCommand::ResponseGraph:
        SaveGraph(program, {GraphKind::Response, "Exporter la réponse du filtre", "reponse-filtre.svg"}, dialogs,
                  parent);
        return;
    case ExportCommand::ReportPdf: {
        const std::optional<QString> path = dialogs.SaveFileName(
            parent, QStringLiteral("Enregistrer le rapport PDF"), QStringLiteral("rapport.pdf"),
            QStringLiteral("Documents PDF (*.pdf)"));
        if (!path || path->isEmpty())
            return;
        const QString error = ExportReportPdf(program, WithSuffix(*path, QStringLiteral("pdf")));
        if (!error.isEmpty())
            dialogs.Error(parent, error);
        return;
    }
    case ExportCommand::Print:
        PrintReport(program, dialogs, parent);
        return;
    }
}
