// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/artworkparts.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace Artwork {

namespace {

// Largest pixmap side and area, in device pixels, that the pictures allocate.
constexpr double MaxSide = 16384;
constexpr double MaxArea = double(1 << 26);

} // namespace

QPixmap transparentPixmap(QSize size, qreal dpr)
{
    if (!std::isfinite(dpr) || dpr <= 0)
        dpr = 1;
    if (size.width() <= 0 || size.height() <= 0)
        return {};
    const double w = std::round(size.width() * double(dpr));
    const double h = std::round(size.height() * double(dpr));
    if (w < 1 || h < 1 || w > MaxSide || h > MaxSide || w * h > MaxArea)
        return {};
    QPixmap pm(static_cast<int>(w), static_cast<int>(h));
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    return pm;
}

void arrowHead(QPainter& p, QPointF tip, qreal angle, qreal length, qreal width, const QColor& color)
{
    const QPointF along(std::cos(angle), std::sin(angle));
    const QPointF across(-along.y(), along.x());
    const QPointF base = tip - along * length;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(QPolygonF({tip, base + across * (width / 2), base - across * (width / 2)}));
    p.restore();
}

} // namespace Artwork
