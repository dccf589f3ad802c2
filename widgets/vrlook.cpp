// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/vrlook.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QLinearGradient>

#include <algorithm>
#include <cmath>

namespace VrLook {

QFont font(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(std::max(1, pixelSize));
    f.setBold(bold);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

QRectF crisp(const QRectF& r)
{
    return r.adjusted(0.5, 0.5, -0.5, -0.5);
}

void bevel(QPainter& p, const QRectF& r, const QColor& light, const QColor& dark, int width)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    QRectF e = r;
    for (int i = 0; i < width && e.width() > 1 && e.height() > 1; ++i) {
        const QRectF c = crisp(e);
        p.setPen(QPen(light, 1));
        p.drawLine(c.bottomLeft(), c.topLeft());
        p.drawLine(c.topLeft(), c.topRight());
        p.setPen(QPen(dark, 1));
        p.drawLine(c.topRight(), c.bottomRight());
        p.drawLine(c.bottomRight(), c.bottomLeft());
        e.adjust(1, 1, -1, -1);
    }
    p.restore();
}

void raisedFace(QPainter& p, const QRectF& r, const QColor& face, bool pressed)
{
    p.save();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, pressed ? face.darker(112) : face.lighter(112));
    g.setColorAt(1, pressed ? face.lighter(104) : face.darker(110));
    p.fillRect(r, g);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(DarkShadow, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(crisp(r));
    const QRectF in = r.adjusted(1, 1, -1, -1);
    if (pressed)
        bevel(p, in, Shadow, face, 1);
    else
        bevel(p, in, Highlight, Shadow, 1);
    p.restore();
}

void sunkenWell(QPainter& p, const QRectF& r, const QColor& fill)
{
    p.fillRect(r, fill);
    bevel(p, r, Shadow, Highlight, 1);
    bevel(p, r.adjusted(1, 1, -1, -1), DarkShadow, Face, 1);
}

void led(QPainter& p, const QRectF& r, const QColor& color, bool lit, bool round)
{
    if (r.width() < 2 || r.height() < 2)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal side = std::min(r.width(), r.height());
    const QRectF box = round ? QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side) : r;
    const qreal radius = round ? side / 2 : std::max(1.0, side * 0.18);

    // Bezel: a dark ring lit from the top left.
    QLinearGradient bezel(box.topLeft(), box.bottomRight());
    bezel.setColorAt(0, Shadow.darker(130));
    bezel.setColorAt(1, Highlight);
    p.setPen(Qt::NoPen);
    p.setBrush(bezel);
    p.drawRoundedRect(box, radius, radius);

    const qreal inset = std::max(1.0, side * 0.14);
    const QRectF lens = box.adjusted(inset, inset, -inset, -inset);
    const qreal lensRadius = round ? lens.width() / 2 : std::max(0.5, radius - inset / 2);
    QRadialGradient g(lens.center() - QPointF(lens.width() * 0.18, lens.height() * 0.22),
                      std::max(lens.width(), lens.height()) * 0.75);
    if (lit) {
        g.setColorAt(0, color.lighter(170));
        g.setColorAt(0.35, color);
        g.setColorAt(1, color.darker(150));
    } else {
        g.setColorAt(0, color.darker(260));
        g.setColorAt(1, color.darker(600));
    }
    p.setBrush(g);
    p.setPen(QPen(QColor(0, 0, 0, 140), 0.8));
    p.drawRoundedRect(lens, lensRadius, lensRadius);

    if (lit) {
        // Halo: the lamp lights its bezel.
        QRadialGradient halo(lens.center(), side * 0.9);
        QColor c = color;
        c.setAlpha(90);
        halo.setColorAt(0.45, c);
        c.setAlpha(0);
        halo.setColorAt(1, c);
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawRoundedRect(box, radius, radius);
    }
    // Specular spot on the lens.
    QColor spot(255, 255, 255, lit ? 200 : 70);
    const QRectF s(lens.left() + lens.width() * 0.18, lens.top() + lens.height() * 0.12,
                   lens.width() * 0.36, lens.height() * 0.28);
    p.setBrush(spot);
    p.setPen(Qt::NoPen);
    p.drawEllipse(s);
    p.restore();
}

void focusMark(QPainter& p, const QRectF& r, const QColor& color)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(color, 1, Qt::DotLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(crisp(r));
    p.restore();
}

void clickableMark(QPainter& p, const QRectF& r, bool hovered, bool focused, const QColor& focusColour)
{
    if (hovered) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Pointer, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(1, 1, -1, -1));
        p.restore();
    }
    if (focused)
        focusMark(p, r.adjusted(2, 2, -2, -2), focusColour);
}

bool isPlainKey(const QKeyEvent* e)
{
    return (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool isActivationKey(const QKeyEvent* e)
{
    if (!isPlainKey(e))
        return false;
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space;
}

unsigned segmentMask(QChar c)
{
    static constexpr unsigned digits[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return digits[c.unicode() - '0'];
    if (c == QLatin1Char('-'))
        return 0x40;
    return 0;
}

QPolygonF segmentShape(const QRectF& cell, int segment)
{
    const qreal w = cell.width();
    const qreal h = cell.height();
    const qreal t = std::max(0.8, std::min(w * 0.2, h * 0.12));  // stroke
    const qreal g = t * 0.12;                                      // gap between segments
    const qreal ht = t / 2;
    const qreal slant = 0.07;  // x shift per unit of height above the middle

    auto at = [&](qreal x, qreal y) {
        return QPointF(cell.left() + x + (h / 2 - y) * slant, cell.top() + y);
    };
    auto horizontal = [&](qreal y) {
        const qreal x0 = ht + g, x1 = w - ht - g;
        return QPolygonF({at(x0, y), at(x0 + ht, y - ht), at(x1 - ht, y - ht), at(x1, y),
                          at(x1 - ht, y + ht), at(x0 + ht, y + ht)});
    };
    auto vertical = [&](qreal x, qreal y0, qreal y1) {
        y0 += g;
        y1 -= g;
        return QPolygonF({at(x, y0), at(x + ht, y0 + ht), at(x + ht, y1 - ht), at(x, y1),
                          at(x - ht, y1 - ht), at(x - ht, y0 + ht)});
    };
    const qreal top = ht, mid = h / 2, bottom = h - ht;
    const qreal left = ht, right = w - ht;
    switch (segment) {
    case 0: return horizontal(top);
    case 1: return vertical(right, top, mid);
    case 2: return vertical(right, mid, bottom);
    case 3: return horizontal(bottom);
    case 4: return vertical(left, mid, bottom);
    case 5: return vertical(left, top, mid);
    default: return horizontal(mid);
    }
}

void segmentDigit(QPainter& p, const QRectF& cell, QChar c, bool point,
                  const QColor& high, const QColor& low, bool drawUnlit)
{
    const unsigned mask = segmentMask(c);
    p.setPen(Qt::NoPen);
    for (int s = 0; s < 7; ++s) {
        const bool on = mask & (1u << s);
        if (!on && !drawUnlit)
            continue;
        p.setBrush(on ? high : low);
        p.drawPolygon(segmentShape(cell, s));
    }
    if (point || drawUnlit) {
        const qreal d = std::max(1.0, std::min(cell.width() * 0.2, cell.height() * 0.12));
        p.setBrush(point ? high : low);
        p.drawEllipse(QRectF(cell.right() + d * 0.35, cell.bottom() - d, d, d));
    }
}

int placeCount(const QString& places)
{
    int n = 0;
    for (QChar c : places)
        if (c != QLatin1Char('.'))
            ++n;
    return n;
}

void segmentRow(QPainter& p, const QRectF& r, const QString& places, QSizeF cellSize, qreal gap,
                const QColor& high, const QColor& low, bool drawUnlit)
{
    const int n = placeCount(places);
    if (n == 0 || r.width() <= 0 || r.height() <= 0 || cellSize.isEmpty())
        return;
    const qreal pitch = cellSize.width() + gap;
    const qreal needW = n * pitch;
    const qreal scale = std::min({1.0, r.width() / needW, r.height() / cellSize.height()});
    const QSizeF cell = cellSize * scale;
    const qreal step = pitch * scale;
    const qreal x0 = r.right() - n * step + (gap * scale) / 2;
    const qreal y0 = r.center().y() - cell.height() / 2;

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    int i = 0;
    for (int k = 0; k < places.size(); ++k) {
        const QChar c = places.at(k);
        if (c == QLatin1Char('.'))
            continue;
        const bool point = k + 1 < places.size() && places.at(k + 1) == QLatin1Char('.');
        segmentDigit(p, QRectF(QPointF(x0 + i * step, y0), cell), c, point, high, low, drawUnlit);
        ++i;
    }
    p.restore();
}

void readoutRow(QPainter& p, const QRectF& r, const QString& places, qreal aspect, bool signPlace,
                const QColor& high, const QColor& low, bool drawUnlit)
{
    const int n = placeCount(places);
    if (n == 0 || !(r.width() > 0) || !(r.height() > 0) || !(aspect > 0))
        return;
    constexpr qreal GapRatio = 0.3; // gap between places, per digit width
    constexpr qreal SignPlace = 0.6; // width of the sign place, per digit width
    const qreal widths = n * (1 + GapRatio) - (signPlace ? 1 - SignPlace : 0.0);
    qreal h = r.height();
    qreal w = h * aspect;
    if (w * widths > r.width()) {
        w = r.width() / widths;
        if (w < h * MinAspect)
            h = w / MinAspect;
    }
    const qreal gap = w * GapRatio;
    const qreal y0 = std::round(r.center().y() - h / 2);
    qreal x = r.right() - widths * w + gap / 2;

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    bool first = true;
    for (int k = 0; k < places.size(); ++k) {
        const QChar c = places.at(k);
        if (c == QLatin1Char('.'))
            continue;
        if (first && signPlace) {
            // The sign place: a minus bar as thick as the segments, across the place.
            const bool minus = c == QLatin1Char('-');
            if (minus || drawUnlit) {
                const qreal t = std::max(0.8, std::min(w * 0.2, h * 0.12));
                const qreal left = x, right = x + w * SignPlace, mid = y0 + h / 2;
                p.setBrush(minus ? high : low);
                p.drawPolygon(QPolygonF({QPointF(left, mid), QPointF(left + t / 2, mid - t / 2),
                                         QPointF(right - t / 2, mid - t / 2), QPointF(right, mid),
                                         QPointF(right - t / 2, mid + t / 2), QPointF(left + t / 2, mid + t / 2)}));
            }
            x += w * SignPlace + gap;
            first = false;
            continue;
        }
        first = false;
        const bool point = k + 1 < places.size() && places.at(k + 1) == QLatin1Char('.');
        segmentDigit(p, QRectF(x, y0, w, h), c, point, high, low, drawUnlit);
        x += w + gap;
    }
    p.restore();
}

}  // namespace VrLook
