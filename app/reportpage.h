// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The report: two A4 pages in French, always in the paper palette. Page 1:
// the title, the date, the lesson's parameters, the time graph and the
// spectra; page 2: the filter's response, the harmonic table of the input
// and the output, and the measurements. The graphs are drawn by the
// windows' own painting, as vectors.

#include <QDate>
#include <QString>

class Program;
class QPagedPaintDevice;
class QPrinter;

// Paints the report on `device` (a PDF writer or a printer, A4, any
// resolution). False when the device cannot be painted on.
bool PaintReport(QPagedPaintDevice& device, Program& program, const QDate& date);

// A printer set for the report: A4 with margins of 15 mm, at 96 dots per
// inch, the unit the graphs are drawn in (their one-pixel lines and their
// texts' room are those of the PDF file; the printer's own engine still
// prints vectors at its full resolution).
void SetUpReportPrinter(QPrinter& printer);

// The report as PDF bytes, dated `date`; empty when it cannot be made.
QByteArray ReportPdfBytes(Program& program, const QDate& date);
