// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers shared by the filter pictures (artwork.cpp) and the button glyphs
// (buttonglyphs.cpp).

#include <QColor>
#include <QPixmap>
#include <QPointF>
#include <QSize>

class QPainter;

namespace Artwork {

// A transparent pixmap of `size` device-independent pixels at `dpr`, or a null
// one when the size is empty or beyond what is sensible to allocate.
QPixmap transparentPixmap(QSize size, qreal dpr);

// A small filled arrow head with its tip at `tip`, pointing along `angle`
// (radians, 0 = right, pi/2 = down), `length` long and `width` wide.
void arrowHead(QPainter& p, QPointF tip, qreal angle, qreal length, qreal width, const QColor& color);

} // namespace Artwork
