// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the program writes for a report: the harmonic table and the
// measurements as a French spreadsheet's CSV, each graph as SVG, PNG or
// PDF, and a one-page A4 report. Each routine writes its file atomically
// and gives an empty text on success, else the French message naming the
// problem (the old file, if any, then stays whole). They work on windows
// that were never shown, for the command line.

#include <QByteArray>
#include <QString>

class DialogService;
class Program;
class QWidget;

enum class GraphKind {
    Time,     // the time graph
    Spectra,  // the spectrum window
    Response, // the filter's response, with its measurement table
};

// Resolutions a PNG is drawn at, in dots per inch.
inline constexpr int MinPngDpi = 72;
inline constexpr int MaxPngDpi = 1200;
bool PngResolutionAccepted(int dpi);
QString PngResolutionRefused(); // the French message of a refused resolution

// Writes `bytes` through a QSaveFile: the file appears whole or not at all,
// and an old file of that name stays as it was when writing fails. Gives
// the French message of a failure, empty on success.
QString WriteFileAtomically(const QString& path, const QByteArray& bytes);

QString ExportCsv(Program& program, const QString& path);

// The format comes from the name's suffix: ".svg", ".png" (at `dpi`
// dots per inch, MinPngDpi .. MaxPngDpi) or ".pdf". The picture is the
// graph's copy (GraphWindow::PaintDocument) at the copy size of the
// settings; the response's carries its measurement table.
QString ExportGraph(Program& program, GraphKind graph, const QString& path, int dpi = 96);

// The three graphs as SVG files in `folder` (made when missing):
// graphe-temporel.svg, spectres.svg, reponse-filtre.svg.
QString ExportGraphsSvg(Program& program, const QString& folder);

QString ExportReportPdf(Program& program, const QString& path);

// The report through the desktop's print dialog.
void PrintReport(Program& program, DialogService& dialogs, QWidget* parent);

// The commands of the "Fichier" menu that write a report's pieces: each asks
// for its file (and a PNG's resolution) through `dialogs`, writes it and
// shows the message of a failure.
enum class ExportCommand {
    Csv,           // the harmonic table and the measurements
    TimeGraph,     // SVG, PNG or PDF, by the suffix chosen
    SpectraGraph,
    ResponseGraph,
    ReportPdf,
    Print,
};

void RunExportCommand(Program& program, ExportCommand command, DialogService& dialogs, QWidget* parent);
