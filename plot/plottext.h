// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The texts of the graphs: colours and fonts from the settings, number
// texts, and texts written on a cell of the surface's background.

#include "plot/surface.h"
#include "signal/sharedstate.h"

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;

QColor ToQColor(Colour c);

// FormatNumber(x) as the text of a label.
QString NumberText(double x);

// The label font: face FontName, FontSize points on a 96-dpi screen (so
// 8 points are 11 pixels on either surface).
QFont PlotFont(const param& p);
// A font of the given face and size in points, sized in pixels as above.
QFont PointFont(const QString& family, int points);

// Writes text with its top-left corner at (x, y), on a cell of the surface's
// text background, in the painter's current font; leaves the pen solid in
// `colour`. On a raster picture each text is laid out once and its pixels
// kept, so a redraw copies them.
void WriteText(QPainter& painter, int x, int y, const QString& text, const QColor& colour,
               const SurfaceStyle& style);

// The same without the cell: the glyphs alone, over what is drawn there.
void WriteBareText(QPainter& painter, int x, int y, const QString& text, const QColor& colour);

// The pixels kept for the texts of raster pictures, in bytes: never more
// than TextCellBudget, whatever the fonts and the number of texts.
inline constexpr qsizetype TextCellBudget = 8 * 1024 * 1024;
qsizetype TextCellBytes();
