#pragma once

// The line spectra of the input and of the output: one bar per rank and
// series on a common scale, a legend, the unit texts and, on request, the
// value of every bar.

#include "axes.h"
#include "sharedstate.h"

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

// Draws the spectra of a w x h picture; updates SpectrumMax. The legend is
// drawn first; bars, axes and texts follow only for a known mode.
void PaintSpectra(QPainter& painter, SharedState& state, int w, int h, const SpectrumStyle& style);

// The raster picture handed to `target`; nothing for a picture of zero or
// negative size. Should drawing fail part-way, what was drawn is still
// handed over before the failure goes on.
void DrawSpectra(QImage& target, SharedState& state, int w, int h);

// The vector copy laid out in w x h on `metafile`; the painter is ended in
// every case.
void DrawSpectraVector(QPaintDevice& metafile, SharedState& state, int w, int h);
