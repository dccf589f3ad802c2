// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Graduated axes and text, drawn with QPainter on a raster picture or on a
// vector picture by the same code.

#include "plot/scale.h"
#include "signal/sharedstate.h"

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>

#include <functional>

class QImage;
class QPaintDevice;
class QPainter;
class QPen;
class QPoint;
class TextBoard;

// What tells one surface from the other.
struct SurfaceStyle {
    bool FillBackground = true; // the raster picture is filled, the vector copy never
    QColor TextBackground;      // colour of the cells behind every text
    // The raster picture being painted, when the curves are to be written
    // into its pixels exactly (Qt's own line rasteriser does not always pass
    // through the vertices); none for the vector copy. Nothing else is drawn
    // on the picture while the curves are written.
    QImage* ExactPixels = nullptr;
};

// The ratio of device pixels to logical pixels of what the painter paints:
// that of a raster picture made for a high-density screen, 1 for any other
// surface.
qreal SurfaceRatio(const QPainter& painter);

// Lines are one logical pixel wide on every surface. At a ratio of 1 they
// are the painter's own one-pixel lines; at any other ratio they are as
// many device pixels wide as the ratio and cover the pixels that the line
// covers at ratio 1, magnified, while their slopes are drawn at the
// surface's resolution. A dotted line lights one pixel in three.
QPen LinePen(const QPainter& painter, const QColor& colour, bool dotted = false);
void StrokeLine(QPainter& painter, int x1, int y1, int x2, int y2);
void StrokePolyline(QPainter& painter, const QPoint* points, int count);

// The raster picture: filled black or white as BlackBackground says, texts
// on that colour.
SurfaceStyle RasterStyle(const DisplaySettings& display);
// The vector copy: no fill, texts on white.
SurfaceStyle VectorStyle();

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

// Ticks (GraduationLength pixels below the axis) or silver grid lines at
// every graduation from xMin to xMax, labels with FormatNumber below the
// axis ("0" at the origin whatever the rounding), then the axis line along
// `row`. Every second graduation is labelled, or fewer where the labels
// would not stand apart, each placed on `board` (LayScale,
// plot/textlayout.h).
void DrawHorizontalScale(QPainter& painter, int row, const param& p, const PlotFrame& frame,
                         const SurfaceStyle& style, TextBoard& board);

// The mirror along `column`, walking down from yMax: ticks to the right of
// the axis, labels right of it and centred on their graduation.
void DrawVerticalScale(QPainter& painter, int column, const param& p, const PlotFrame& frame,
                       const SurfaceStyle& style, TextBoard& board);

// Where the axes cross: world (0, 0) when AxesAtOrigin, else one step
// inside the lower-left corner.
struct AxesCrossing {
    int Column;
    int Row;
};
AxesCrossing AxesCrossingOf(const param& p, const PlotFrame& frame);

// Both axes with their scales, crossing at AxesCrossingOf, the horizontal
// scale's labels placed first. Leaves the painter's font set to
// PlotFont(p).
void DrawAxes(QPainter& painter, const param& p, const PlotFrame& frame, const SurfaceStyle& style,
              TextBoard& board);

// Runs `paint` on a new raster picture (white, RGB32) of w x h logical
// pixels and hands the picture to `target`. At a device pixel ratio other
// than 1 the picture has ceil(w * ratio) x ceil(h * ratio) pixels and that
// ratio, and `paint` still draws in logical pixels. Nothing happens for a
// picture of zero or negative size, or one too large to allocate. Should
// painting fail part-way, what was painted is still handed over, the
// painter ended, before the failure goes on.
void PaintOnRaster(QImage& target, int w, int h, const std::function<void(QPainter&)>& paint, qreal ratio = 1.0);
// The same, `paint` being also given the new picture that the painter paints.
void PaintOnRaster(QImage& target, int w, int h, const std::function<void(QPainter&, QImage& picture)>& paint,
                   qreal ratio = 1.0);

// Whether a picture was drawn for another ratio than PictureRatio(windowRatio)
// (its window has moved to a screen of another pixel density, say).
bool DrawnForAnotherRatio(const QImage& picture, qreal windowRatio);

// The device pixel ratio a picture is drawn at for a window whose ratio is
// `windowRatio`: that ratio when it is finite and within 1 .. 8, else 1.
qreal PictureRatio(qreal windowRatio);

// Runs `paint` on `device` (a vector picture, say); the painter is ended in
// every case. Nothing happens for a picture of zero or negative size.
void PaintOnDevice(QPaintDevice& device, int w, int h, const std::function<void(QPainter&)>& paint);
