// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Graduated axes, drawn with QPainter on a raster picture or on a vector
// picture by the same code.

#include "plot/scale.h"
#include "plot/surface.h"
#include "signal/sharedstate.h"

class QPainter;
class TextBoard;

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
