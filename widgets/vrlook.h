// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QPolygonF>
#include <QRectF>

class QKeyEvent;
class QPainter;

// The one palette and the drawing routines shared by every control of the set,
// so that all of them read as parts of one instrument front panel.
namespace VrLook {

// Panel and bevel colours.
inline const QColor Silver{0xC0, 0xC0, 0xC0};      // window background
inline const QColor Face{0xD2, 0xD2, 0xD2};        // raised face of knobs and buttons
inline const QColor Highlight{0xFA, 0xFA, 0xFA};   // lit edge of a bevel
inline const QColor Shadow{0x80, 0x80, 0x80};      // shaded edge of a bevel
inline const QColor DarkShadow{0x40, 0x40, 0x40};  // outer edge of a sunken well
inline const QColor Ink{0x10, 0x10, 0x10};         // captions, ticks and numbers
inline const QColor Disabled{0x80, 0x80, 0x80};    // captions of disabled controls
inline const QColor Focus{0x1C, 0x4E, 0xB8};       // keyboard-focus mark

// Read-outs.
inline const QColor ReadoutBack{0x00, 0x00, 0x00};
inline const QColor SegmentHigh{0x00, 0xFF, 0x00};  // lit segment (lime)
inline const QColor SegmentLow{0x00, 0x24, 0x00};   // unlit segment: a faint trace of the digit

// Lamps and accents.
inline const QColor LedGreen{0x00, 0xFF, 0x00};
inline const QColor LedRed{0xFF, 0x30, 0x20};
inline const QColor LedYellow{0xFF, 0xE0, 0x20};
inline const QColor HotFace{0xFF, 0xD0, 0x6F};      // light orange of a button under the pointer
inline const QColor Groove{0x26, 0x26, 0x26};
inline const QColor Pointer{0xFF, 0x8C, 0x1A};      // knob pointer

// Horizontal inset of a track bar's travel; a scale drawn over the bar uses
// the same inset so that its ticks line up with the thumb's positions.
inline constexpr int TrackInset = 8;

// "Arial" at a pixel size, the caption font of the set.
QFont font(int pixelSize = 11, bool bold = false);

// A rectangle whose edges fall on pixel centres, so 1-pixel lines stay sharp
// at any device pixel ratio.
QRectF crisp(const QRectF& r);

// Bevel of `width` pixels around r: `light` on the top and left, `dark` on the
// bottom and right (swap them for a sunken look).
void bevel(QPainter& p, const QRectF& r, const QColor& light, const QColor& dark, int width = 1);

// A raised face with a soft vertical gradient and a one-pixel bevel.
void raisedFace(QPainter& p, const QRectF& r, const QColor& face, bool pressed);

// A sunken well (dark outer edge, lit lower-right edge) filled with `fill`.
void sunkenWell(QPainter& p, const QRectF& r, const QColor& fill);

// A lamp in its bezel: round or rectangular; a lit lamp glows in `color`,
// an unlit one shows a dark lens of the same hue.
void led(QPainter& p, const QRectF& r, const QColor& color, bool lit, bool round);

// The dotted keyboard-focus mark around r.
void focusMark(QPainter& p, const QRectF& r, const QColor& color = Focus);

// What shows that a value can be clicked: a lamp-coloured frame round r
// while the pointer is over it, the focus mark inside it while it has the
// keyboard focus, drawn in `focusColour` (light on a dark face).
void clickableMark(QPainter& p, const QRectF& r, bool hovered, bool focused, const QColor& focusColour = Focus);

// A key pressed without a modifier (the keypad's own flag aside): the only
// kind the controls answer.
bool isPlainKey(const QKeyEvent* e);

// Enter, Return or the space bar without a modifier: the keys that act as a
// click on a control that has the focus.
bool isActivationKey(const QKeyEvent* e);

// Segment masks of a seven-segment digit: bit 0 = a (top), 1 = b (upper right),
// 2 = c (lower right), 3 = d (bottom), 4 = e (lower left), 5 = f (upper left),
// 6 = g (middle). Digits '0'..'9', '-' and ' ' are known; anything else is blank.
unsigned segmentMask(QChar c);

// The seven segment outlines of a digit drawn in cell (a slight italic slant).
QPolygonF segmentShape(const QRectF& cell, int segment);

// One seven-segment place: the segments of `c` in `high`, the others in `low`
// (or left out when `drawUnlit` is false); `point` lights the decimal point
// that sits right of the cell's bottom corner.
void segmentDigit(QPainter& p, const QRectF& cell, QChar c, bool point,
                  const QColor& high, const QColor& low, bool drawUnlit = true);

// A row of seven-segment places for `places` (one character per place, '.'
// attached as a decimal point to the place before it), digit cells of
// cellSize separated by `gap`, right-aligned and vertically centred in r;
// shrunk uniformly when they do not fit.
void segmentRow(QPainter& p, const QRectF& r, const QString& places, QSizeF cellSize, qreal gap,
                const QColor& high, const QColor& low, bool drawUnlit = true);

// The row of a read-out: digits as tall as r (less nothing), each `aspect`
// times as wide as high, right-aligned and vertically centred. When the row
// does not fit r's width the digits are first narrowed, down to MinAspect,
// and only then made shorter. With `signPlace` the first place (a minus
// sign or a blank) is narrower than a digit and holds only a bar.
inline constexpr qreal MinAspect = 0.36;
void readoutRow(QPainter& p, const QRectF& r, const QString& places, qreal aspect, bool signPlace,
                const QColor& high, const QColor& low, bool drawUnlit = true);

// The number of seven-segment places of `places` ('.' takes none).
int placeCount(const QString& places);

}  // namespace VrLook
