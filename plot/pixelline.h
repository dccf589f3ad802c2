// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Exact pixels of a polyline on a raster picture.

#include "plot/sampling.h"

#include <QPoint>
#include <QRgb>

#include <vector>

// Appends to `pixels` the pixels of the polyline through `points` that lie
// in a w x h picture: each segment by Bresenham's rule, so the line passes
// through every vertex pixel, both ends included. A segment reaching far
// outside the picture is first clipped to it.
void PolylinePixels(const std::vector<PixelPoint>& points, int w, int h, std::vector<QPoint>& pixels);

class QImage;

// Writes polylines given in logical pixels straight into the pixels of an
// RGB32 raster picture of any device pixel ratio r. At r = 1 they are the
// pixels of PolylinePixels. At any other ratio a line is walked over the
// device pixels, from the first device pixel of each vertex's logical
// pixel, and each pixel of the walk is widened to a square of round(r)
// device pixels: the line stays one logical pixel wide, covers exactly the
// pixels it covers at r = 1, magnified, where it runs along a row or a
// column, and its slopes are drawn at the picture's resolution.
class PixelWriter {
public:
    explicit PixelWriter(QImage& picture);

    // With `every` above 1, one logical pixel of the line in `every` is
    // written (a dotted line), from the first.
    void Polyline(const std::vector<PixelPoint>& points, QRgb colour, int every = 1);

private:
    QImage& m_picture;
    double m_ratio;
    int m_block; // device pixels a side of one written pixel
    std::vector<PixelPoint> m_device;
    std::vector<QPoint> m_pixels;
};
