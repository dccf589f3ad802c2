// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The line spectra of the input and of the output: one bar per rank and
// series on a common scale, a legend, the unit texts and, on request, the
// value of every bar.

#include "plot/axes.h"
#include "plot/surface.h"
#include "signal/sharedstate.h"
#include "spectrum/spectrumbars.h"

class QImage;
class QPaintDevice;
class QPainter;

// What tells the spectra of the window from those of the vector copy.
struct SpectrumStyle {
    SurfaceStyle Surface;
    int LegendBase = 28;                          // L: 28 on screen, 10 in the copy
    const char* OutputLegend = "Sortx";           // "Sortiex" in the copy
};

SpectrumStyle RasterSpectrumStyle(const DisplaySettings& display);
SpectrumStyle VectorSpectrumStyle();

// Draws the spectra of a w x h picture from `layout`, the numbers of the
// drawing (ComputeSpectrumLayout). The legend is drawn first; axes, unit
// texts, bars and the values follow only for a known mode. Painting
// changes nothing.
//
// Every text is placed as plot/textlayout.h says, in this order:
// - the values: one line a series (input at row 0, output at row 12) when
//   they all fit there, each at the column of its rank; otherwise the even
//   ranks on that line and the odd ranks on the next, the output's lines
//   below the input's. A value still without room is left out. The frame's
//   top moves down by what the lines take beyond row 24;
// - the legend with the mode text, a block kept off the bars and the axes:
//   at its place, each text pushed left as far as it needs (its line
//   stays), else the same below the values, else in the top right of the
//   frame, scanning leftwards for room between the bars; where the whole
//   finds no room, each entry (line and text, or the mode text) alone the
//   same way, or left out. An entry begins 3 pixels below the text above;
// - the unit of the ranks, moved left when it would leave the picture;
// - the labels of both scales (DrawAxes), kept off the bars; a value label
//   goes left of the value axis when there is no room right of it.
void PaintSpectra(QPainter& painter, const SharedState& state, const SpectrumLayout& layout, int w, int h,
                  const SpectrumStyle& style);

// The horizontal frame of the ranks in a w x h picture: rank k (-1 .. 12
// on the axis, 0 .. 12 drawn) stands at column Column(k).
PlotFrame SpectrumRankFrame(const DisplaySettings& display, int w, int h);

// The raster picture of w x h logical pixels at the device pixel ratio
// `ratio` (see PaintOnRaster) handed to `target`; nothing for a picture of
// zero or negative size. SpectrumMax is updated first (ComputeSpectrumLayout), then
// the picture is painted from the numbers that gave, which are returned.
// Should painting fail part-way, what was drawn is still handed over before
// the failure goes on.
SpectrumLayout DrawSpectra(QImage& target, SharedState& state, int w, int h, qreal ratio = 1.0);

// The vector copy laid out in w x h on `metafile`, with SpectrumMax updated
// first as for the raster picture; the painter is ended in every case.
void DrawSpectraVector(QPaintDevice& metafile, SharedState& state, int w, int h);
// The vector copy drawn from given numbers (those of the window's picture,
// say), changing nothing.
void DrawSpectraVector(QPaintDevice& metafile, const SharedState& state, const SpectrumLayout& layout, int w,
                       int h);
