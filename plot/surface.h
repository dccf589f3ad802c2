// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The surfaces the graphs are painted on: a raster picture made for a
// screen of any pixel density, or a vector picture; lines one logical pixel
// wide on either.

#include "signal/sharedstate.h"

#include <QColor>

#include <functional>

class QImage;
class QPaintDevice;
class QPainter;
class QPen;
class QPoint;

// What tells one surface from the other.
struct SurfaceStyle {
    // The raster picture, which comes filled with its background
    // (PaintOnRaster); the vector copy, never filled.
    bool Raster = true;
    QColor TextBackground; // colour of the cells behind every text
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

// The raster picture's background: black or white as BlackBackground says.
QColor RasterBackground(const DisplaySettings& display);
// The raster picture: texts on its background.
SurfaceStyle RasterStyle(const DisplaySettings& display);
// The vector copy: no fill, texts on white.
SurfaceStyle VectorStyle();


// Runs `paint` on a new raster picture (RGB32, every pixel `background`) of
// w x h logical pixels and hands the picture to `target`. At a device pixel ratio other
// than 1 the picture has ceil(w * ratio) x ceil(h * ratio) pixels and that
// ratio, and `paint` still draws in logical pixels. Nothing happens for a
// picture of zero or negative size, or one too large to allocate. Should
// painting fail part-way, what was painted is still handed over, the
// painter ended, before the failure goes on.
void PaintOnRaster(QImage& target, int w, int h, const std::function<void(QPainter&)>& paint, qreal ratio = 1.0,
                   const QColor& background = Qt::white);
// The same, `paint` being also given the new picture that the painter paints.
void PaintOnRaster(QImage& target, int w, int h, const std::function<void(QPainter&, QImage& picture)>& paint,
                   qreal ratio = 1.0, const QColor& background = Qt::white);

// Whether a picture was drawn for another ratio than PictureRatio(windowRatio)
// (its window has moved to a screen of another pixel density, say).
bool DrawnForAnotherRatio(const QImage& picture, qreal windowRatio);

// The device pixel ratio a picture is drawn at for a window whose ratio is
// `windowRatio`: that ratio when it is finite and within 1 .. 8, else 1.
qreal PictureRatio(qreal windowRatio);

// Runs `paint` on `device` (a vector picture, say); the painter is ended in
// every case. Nothing happens for a picture of zero or negative size.
void PaintOnDevice(QPaintDevice& device, int w, int h, const std::function<void(QPainter&)>& paint);
