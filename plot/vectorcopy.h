// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The vector copy of a graph: the picture drawn at the copy size by the
// graph's vector routine, put on the system clipboard as SVG, with a PNG of
// the same picture beside it for programs that take no SVG.

#include <QByteArray>
#include <QImage>

#include <functional>

class QMimeData;
class QPaintDevice;

// A graph's vector routine: draws the picture laid out in w x h on `device`,
// with no background fill, and ends its painter in every case.
using VectorDrawing = std::function<void(QPaintDevice& device, int w, int h)>;

// The copy's two forms.
struct VectorCopy {
    QByteArray Svg; // width, height and viewBox: the copy size in pixels
    QImage Png;     // w x h, transparent where nothing is drawn
};

// Pixels per inch of the screen the copy's pixels stand for (0.02644 cm a
// pixel, so 567 x 416 pixels paste as 15 x 11 cm).
inline constexpr int CopyDotsPerInch = 96;

// Draws the copy at w x h. False, with `out` untouched, when the size is
// empty or too large to allocate, or when drawing fails.
bool RenderVectorCopy(const VectorDrawing& draw, int w, int h, VectorCopy& out);

// The clipboard data of a copy: "image/svg+xml", "image/png" (encoded when
// first asked for) and the image itself for the platform's other image
// formats. The caller owns it.
QMimeData* ClipboardData(const VectorCopy& copy);

// Renders the copy and puts it on the system clipboard, replacing what the
// clipboard held. Nothing is recomputed: the copy shows the state as it
// stands. When rendering fails the clipboard keeps its contents and false
// is returned.
bool CopyAsVector(const VectorDrawing& draw, int w, int h);
