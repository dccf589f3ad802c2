// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Exact pixels of a polyline on a raster picture.

#include "sampling.h"

#include <QPoint>

#include <vector>

// Appends to `pixels` the pixels of the polyline through `points` that lie
// in a w x h picture: each segment by Bresenham's rule, so the line passes
// through every vertex pixel, both ends included. A segment reaching far
// outside the picture is first clipped to it.
void PolylinePixels(const std::vector<PixelPoint>& points, int w, int h, std::vector<QPoint>& pixels);
