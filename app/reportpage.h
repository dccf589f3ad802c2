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

// Paints the report on `device` (a PDF writer or a printer, A4, any
// resolution). False when the device cannot be painted on.
bool PaintReport(QPagedPaintDevice& device, Program& program, const QDate& date);

// The report as PDF bytes, dated `date`; empty when it cannot be made.
QByteArray ReportPdfBytes(Program& program, const QDate& date);
