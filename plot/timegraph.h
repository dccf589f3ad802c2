// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The time graph: axes, then the ideal waveform, the shown harmonics, the
// synthesised input and the output, each a polyline of PointCount segments.

#include "plot/scale.h"
#include "plot/surface.h"
#include "signal/sharedstate.h"

#include <span>

class QImage;
class QPaintDevice;
class QPainter;

// The frame the time graph of a w x h picture is drawn in: the world frame
// of state.View, margins for the label font and room under the time axis.
PlotFrame TimeGraphFrame(const SharedState& state, int w, int h);

// Draws the time graph of a w x h picture onto `painter`, in the world
// frame of state.View, with the margins of the label font and room under
// the time axis for its labels. "t (s)" goes above the right end of the
// time axis, then the labels around it (plot/textlayout.h). The surface
// style decides the text cells; a raster surface comes filled.
// `cursors`, the instants of the measuring cursors shown, are drawn last as
// vertical lines through the frame (the second one dashed), in the
// cursors' colour (dark on the paper palette).
void PaintTimeGraph(QPainter& painter, const SharedState& state, int w, int h, const SurfaceStyle& style,
                    std::span<const double> cursors = {});

// The raster picture: a new image of w x h logical pixels at the device
// pixel ratio `ratio` (see PaintOnRaster), black or white as
// BlackBackground says, handed to `target`. Nothing happens for a picture
// of zero or negative size. Should drawing fail part-way, what was drawn is
// still handed over before the failure goes on.
void DrawTimeGraph(QImage& target, const SharedState& state, int w, int h, qreal ratio = 1.0);

// The vector copy: the same picture laid out in w x h, drawn on `metafile`
// (an SVG generator, say) without any background fill, texts on white. The
// painter is ended in every case.
void DrawTimeGraphVector(QPaintDevice& metafile, const SharedState& state, int w, int h,
                         std::span<const double> cursors = {});
