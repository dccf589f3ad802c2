// SPDX-License-Identifier: GPL-3.0-or-later
// The small glyphs of the buttons.
#include "widgets/artwork.h"

#include "widgets/artworkparts.h"
#include "widgets/vrlook.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

using Artwork::arrowHead;
using Artwork::transparentPixmap;

namespace {

// Colours of the glyphs, beside the panel colours of VrLook.
const QColor Wave{0x10, 0x50, 0xC0};       // waves of the glyphs
const QColor SheetBack{0xFF, 0xFF, 0xFF};
const QColor SheetFront{0xFF, 0xF4, 0xC0};
const QColor BarFill{0xF0, 0xC0, 0x10};
const QColor StopRed{0xE0, 0x1C, 0x14};

// A sine wave of `periods` periods over [x0, x1], centred on y with amplitude a.
QPainterPath sineWave(qreal x0, qreal x1, qreal y, qreal a, qreal periods)
{
    QPainterPath path;
    constexpr int Steps = 48;
    for (int i = 0; i <= Steps; ++i) {
        const qreal t = qreal(i) / Steps;
        const QPointF pt(x0 + (x1 - x0) * t, y - a * std::sin(2 * std::numbers::pi * periods * t));
        i == 0 ? path.moveTo(pt) : path.lineTo(pt);
    }
    return path;
}

// A horizontal arrow from x0 to the tip at x1 on line y (16-unit design).
void horizontalArrow(QPainter& p, qreal x0, qreal x1, qreal y, const QColor& color)
{
    const qreal dir = x1 > x0 ? 1 : -1;
    p.setPen(QPen(color, 1.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(x0, y), QPointF(x1 - dir * 2.5, y));
    arrowHead(p, QPointF(x1, y), dir > 0 ? 0 : std::numbers::pi, 3.2, 4.4, color);
}

void drawSheet(QPainter& p, const QRectF& r, const QColor& fill, qreal fold, bool lines)
{
    const QPolygonF outline({r.topLeft(), QPointF(r.right() - fold, r.top()), QPointF(r.right(), r.top() + fold),
                             r.bottomRight(), r.bottomLeft()});
    p.setPen(QPen(VrLook::DarkShadow, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(fill);
    p.drawPolygon(outline);
    p.setBrush(fill.darker(118));
    p.drawPolygon(QPolygonF({QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold),
                             QPointF(r.right(), r.top() + fold)}));
    if (lines) {
        p.setPen(QPen(Wave.lighter(150), 1, Qt::SolidLine, Qt::FlatCap));
        for (qreal y = r.top() + fold + 2; y < r.bottom() - 1; y += 2)
            p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
    }
}

// Copy, 16 units: a plain sheet behind, a written one in front.
void paintCopy(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    drawSheet(p, QRectF(1.5, 0.5, 9, 11), SheetBack, 0, false);
    drawSheet(p, QRectF(5.5, 4.5, 9, 11), SheetFront, 3, true);
}

// Halve and Double, 16 units: a wave over a pair of arrows; Halve squeezes
// two periods between arrows pointing at the middle, Double spreads one
// period over arrows pointing away from it.
void paintSpan(QPainter& p, bool halve)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Wave, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(halve ? sineWave(3, 13, 5, 3.6, 2) : sineWave(1, 15, 5, 3.6, 1));

    const qreal y = 12.5;
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(VrLook::Ink, 1));
    p.drawLine(QPointF(7.5, 10), QPointF(7.5, 15));
    p.drawLine(QPointF(8.5, 10), QPointF(8.5, 15));
    p.setRenderHint(QPainter::Antialiasing, true);
    if (halve) {
        horizontalArrow(p, 0, 6.5, y, VrLook::Ink);
        horizontalArrow(p, 16, 9.5, y, VrLook::Ink);
    } else {
        horizontalArrow(p, 6.5, 0, y, VrLook::Ink);
        horizontalArrow(p, 9.5, 16, y, VrLook::Ink);
    }
}

// Values, 32 units: a seven-segment read-out over the line spectrum of a
// square wave (harmonics 1, 3, 5, 7 in 1/n).
void paintValues(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRectF readout(2, 1, 28, 12);
    p.fillRect(readout, VrLook::ReadoutBack);
    VrLook::bevel(p, readout, VrLook::Shadow, VrLook::Highlight, 1);
    VrLook::segmentRow(p, readout.adjusted(2, 2, -2, -2), QStringLiteral("0.42"), QSizeF(5, 8), 1.5,
                       VrLook::SegmentHigh, VrLook::SegmentLow, true);

    const qreal baseline = 30.5;
    const qreal top = 16;
    for (int i = 0; i < 4; ++i) {
        const int n = 2 * i + 1;
        const qreal height = std::round((baseline - top) / n);
        const QRectF bar(4 + 7 * i, baseline - height, 4, height);
        p.fillRect(bar, BarFill);
        p.setPen(QPen(BarFill.darker(170), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(VrLook::crisp(bar.adjusted(0, 0, 0, 1)));
    }
    p.setPen(QPen(VrLook::Ink, 1));
    p.drawLine(QPointF(1, baseline), QPointF(31, baseline));
}

// Sound, 32 units: a loudspeaker facing right with three waves.
void paintSound(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPolygonF cone({QPointF(10.5, 11.5), QPointF(18.5, 4.5), QPointF(18.5, 27.5), QPointF(10.5, 20.5)});
    QLinearGradient g(QPointF(10, 4), QPointF(18, 28));
    g.setColorAt(0, VrLook::Face.lighter(108));
    g.setColorAt(1, VrLook::Shadow);
    p.setPen(QPen(VrLook::DarkShadow, 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(g);
    p.drawPolygon(cone);
    QLinearGradient m(QPointF(3, 11), QPointF(3, 21));
    m.setColorAt(0, QColor(0x60, 0x60, 0x60));
    m.setColorAt(1, QColor(0x20, 0x20, 0x20));
    p.setBrush(m);
    p.drawRect(QRectF(3.5, 11.5, 7, 9));

    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const qreal radius = 5 + 4.5 * i;
        QColor c = Wave;
        c.setAlphaF(1.0 - 0.22 * i);
        p.setPen(QPen(c, 2, Qt::SolidLine, Qt::RoundCap));
        const QRectF box(17 - radius, 16 - radius, 2 * radius, 2 * radius);
        p.drawArc(box, -45 * 16, 90 * 16);
    }
}

// Stop, 16 units: a red octagon with a white rim and a white bar.
void paintStop(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    auto octagon = [](qreal radius) {
        QPolygonF poly;
        for (int i = 0; i < 8; ++i) {
            const qreal a = std::numbers::pi / 8 + i * std::numbers::pi / 4;
            poly << QPointF(8 + radius * std::cos(a), 8 + radius * std::sin(a));
        }
        return poly;
    };
    QRadialGradient g(QPointF(6, 5), 10);
    g.setColorAt(0, StopRed.lighter(125));
    g.setColorAt(1, StopRed.darker(135));
    p.setPen(QPen(StopRed.darker(220), 1));
    p.setBrush(Qt::white);
    p.drawPolygon(octagon(7.7));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPolygon(octagon(6.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 6.8, 9, 2.4));
}

}  // namespace

void paintButtonGlyph(QPainter& p, const QRectF& r, GlyphKind kind)
{
    const qreal side = std::min(r.width(), r.height());
    if (!(side > 0))
        return;
    const bool large = kind == GlyphKind::Values || kind == GlyphKind::Sound;
    const qreal design = large ? 32 : 16;
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    p.translate(r.center().x() - side / 2, r.center().y() - side / 2);
    p.scale(side / design, side / design);
    switch (kind) {
    case GlyphKind::Copy: paintCopy(p); break;
    case GlyphKind::Halve: paintSpan(p, true); break;
    case GlyphKind::Double: paintSpan(p, false); break;
    case GlyphKind::Values: paintValues(p); break;
    case GlyphKind::Sound: paintSound(p); break;
    case GlyphKind::Stop: paintStop(p); break;
    }
    p.restore();
}

QPixmap ButtonGlyph(GlyphKind kind, int size, qreal devicePixelRatio)
{
    QPixmap pm = transparentPixmap(QSize(size, size), devicePixelRatio);
    if (pm.isNull())
        return pm;
    QPainter p(&pm);
    paintButtonGlyph(p, QRectF(0, 0, size, size), kind);
    return pm;
}
