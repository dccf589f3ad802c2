// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/exports.h"

#include "app/program.h"

namespace {

QString NotYet()
{
    return QStringLiteral("Exportation non disponible");
}

} // namespace

QString ExportCsv(Program&, const QString&)
{
    return NotYet();
}

QString ExportGraph(Program&, GraphKind, const QString&, int)
{
    return NotYet();
}

QString ExportGraphsSvg(Program&, const QString&)
{
    return NotYet();
}

QString ExportReportPdf(Program&, const QString&)
{
    return NotYet();
}

void PrintReport(Program&, QWidget*)
{
}

void RunExportCommand(Program&, ExportCommand, DialogService&, QWidget*)
{
}
