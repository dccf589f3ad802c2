// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The picture of the filter's response, drawn by one routine on any
// surface: the response window's raster picture, and its vector copy.
//
// The picture is cut into two panels of the same width, the gain above
// (rows 0 .. h/2 - 1) and the phase below, each with the toolkit's margins
// (left 15, right width - 15, top 10, bottom panel height - 10 with the
// default font, wider for a larger one) and the same logarithmic frequency
// axis. In each panel:
// - the frequency axis: a graduation at every decade, labelled with
//   FormatNumber of its frequency and centred on it, except the first
//   (every second, fifth ... decade where the labels would not stand
//   apart), and unlabelled graduations at
//   2 .. 9 times each decade; ticks below the axis, or silver grid lines
//   when GridOn (the decade lines dotted or solid as GridDotted says, the
//   others always dotted). The axis runs along 0 dB or 0 degrees when
//   AxesAtOrigin and 0 lies on the value axis, otherwise one graduation
//   above the bottom; "Hz" is written above its right end;
// - the value axis along the left margin, drawn by DrawVerticalScale: dB
//   in the gain panel, degrees in the phase panel, with the title
//   "Gain (dB)" or "Phase (°)" at its top;
// - a dotted vertical line in the axis colour at the cut-off or centre
//   frequency (not for the amplifier), labelled "fc" at the top of the
//   gain panel;
// - on request, the straight-line asymptotes, in SynthesisColour;
// - the curve, in OutputColour; a steep tail of the gain below the axis is
//   cut where it leaves the frame;
// - a disc of radius 3 in HarmonicColour[k] on each harmonic's point,
//   numbered k in the same colour above it, or below it when the number
//   above would touch another text, or not at all when both would.
// Every text is placed as plot/textlayout.h says: the titles, "fc", "Hz",
// the frequency labels, the value labels, then the harmonics' numbers.
// Fonts are PlotFont(Plot); colours come from the display settings. The
// raster picture is filled black or white as BlackBackground says; the
// vector copy has no fill and writes its texts on white (SurfaceStyle).

#include "filter/responsecurve.h"
#include "plot/axes.h"
#include "plot/plottext.h"
#include "plot/surface.h"
#include "signal/sharedstate.h"

#include <span>

class QImage;
class QPaintDevice;
class QPainter;

// One panel: its frame (world x = log10 of the frequency in Hz, world y in
// dB or degrees, H the panel's height) and where it starts in the picture.
struct ResponsePanel {
    PlotFrame Frame;
    int Top = 0; // picture row of the panel's first row

    int Column(double log10Hz) const { return Frame.Column(log10Hz); }
    int Row(double value) const; // picture row, saturated like ValueToRow
};

struct ResponsePanels {
    ResponsePanel Gain;
    ResponsePanel Phase;
};

// The two panels of a w x h picture of `view`, their margins fitted to the
// label font of `plot` (plot/textlayout.h).
ResponsePanels ResponseLayout(const ResponseView& view, int w, int h, const param& plot = param());

// The number of curve samples for a picture w pixels wide: one every two
// pixel columns of the frame, both ends included (at least 2), as the time
// graph's curves have; the cut-off and the markers are vertices besides.
int ResponseSampleCount(int w);

// Draws the picture of `view` for a w x h surface onto `painter`.
// `asymptotes` is the window's "Asymptotes" check box.
void PaintFilterResponse(QPainter& painter, const DisplaySettings& display, const ResponseView& view,
                         bool asymptotes, int w, int h, const SurfaceStyle& style);

// The raster picture: lays `view` out for the state (ComputeResponseView
// with ResponseSampleCount(w) samples; a caller that keeps `view` between
// redraws allocates nothing) and hands a new image of w x h logical pixels
// at the device pixel ratio `ratio` (see PaintOnRaster), black or white as
// BlackBackground says, to `target`. Nothing happens for a picture of zero
// or negative size. The markers read the harmonic table, so ApplyFilter
// must have run for the state (the recompute-and-redraw cycle does it).
void DrawFilterResponse(QImage& target, const SharedState& state, bool asymptotes, int w, int h,
                        ResponseView& view, qreal ratio = 1.0);

// The vector copy: the same picture laid out in w x h on `metafile` (an SVG
// generator, say), without background fill, texts on white. The painter is
// ended in every case.
// `cursors`, the log10 frequencies of the measuring cursors shown, are
// drawn last through both panels (the second dashed), in the cursors'
// colour (dark on the paper palette).
void DrawFilterResponseVector(QPaintDevice& metafile, const SharedState& state, bool asymptotes, int w, int h,
                              std::span<const double> cursors = {});
