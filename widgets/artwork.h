// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QRectF>
#include <QSize>

class QPainter;

// Drawn pictures of the front panel: the Bode sketch of each filter model and
// the small glyphs of the buttons. Everything is painted with QPainter, in the
// colours of VrLook, so that the pictures read as parts of the same panel.

// The filter models in the order of the filter selector.
inline constexpr int FilterPictureCount = 7;

// Sketch of the magnitude response of filter model `index` (0 amplifier,
// 1 second-order low-pass, 2 second-order high-pass, 3 band-pass,
// 4 band-stop, 5 first-order low-pass, 6 first-order high-pass), as a Bode
// diagram on log-frequency paper, with x = f / f0 and A0 the static gain:
//   amplifier        H = A0
//   low-pass  (2)    H = A0 / (1 - x^2 + 2jmx)
//   high-pass (2)    H = -A0 x^2 / (1 - x^2 + 2jmx)
//   band-pass        H = A0 2jmx / (1 - x^2 + 2jmx)
//   band-stop        H = A0 (1 - x^2) / (1 - x^2 + 2jmx)
//   low-pass  (1)    H = A0 / (1 + jx)
//   high-pass (1)    H = A0 jx / (1 + jx)
// The asymptotes are drawn dashed with their slope written beside them, the
// response itself as a smooth curve, the cut-off f0 marked on the axis. Laid
// out for 161 x 73 pixels, scaled to other sizes. `size` is in device-
// independent pixels. An index outside 0..6 gives a transparent pixmap of
// that size; an empty or negative size (or one too large to allocate) gives a
// null pixmap. A ratio that is not a positive number counts as 1.
QPixmap FilterPicture(int index, QSize size, qreal devicePixelRatio = 1.0);

// The same picture painted into r on any surface (widget, image, SVG).
// Nothing is painted for an index outside 0..6 or an empty r.
void paintFilterPicture(QPainter& p, const QRectF& r, int index);

// The ratio the program's pictures and glyphs are made at: that of the
// densest screen, rounded up to a whole number, and at least 2, so that
// they stay sharp on every screen the windows may be moved to.
qreal ArtworkRatio();

enum class GlyphKind { Copy, Halve, Double, Values, Sound, Stop };

// A square glyph for a button, on a transparent background: Copy (two
// sheets), Halve (a wave squeezed by inward arrows), Double (a wave pushed
// apart by outward arrows), Values (a read-out over a line spectrum), Sound
// (a loudspeaker with sound waves), Stop (a red stop sign). Copy, Halve,
// Double and Stop are drawn for 16 pixels, Values and Sound for 32; other
// sizes scale them. A size of 0 or less (or too large) gives a null pixmap.
QPixmap ButtonGlyph(GlyphKind kind, int size, qreal devicePixelRatio = 1.0);

// The same glyph painted into the largest square centred in r.
void paintButtonGlyph(QPainter& p, const QRectF& r, GlyphKind kind);
