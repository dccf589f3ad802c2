// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/artwork.h"

#include "widgets/vrlook.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QScreen>

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <numbers>

namespace {

// Colours of the pictures, beside the panel colours of VrLook.
const QColor Screen{0xF7, 0xF5, 0xEA};     // light paper of the response screen
const QColor GridMajor{0xD6, 0xD2, 0xC2};  // decade lines and 20 dB lines
const QColor GridMinor{0xE8, 0xE5, 0xD8};  // 2..9 lines of the log paper
const QColor Axis{0x30, 0x30, 0x30};
const QColor Response{0xC8, 0x1E, 0x1E};   // the magnitude curve
const QColor Asymptote{0x1C, 0x4E, 0xB8};  // dashed asymptotes and their slopes
const QColor Wave{0x10, 0x50, 0xC0};       // waves of the glyphs
const QColor SheetBack{0xFF, 0xFF, 0xFF};
const QColor SheetFront{0xFF, 0xF4, 0xC0};
const QColor BarFill{0xF0, 0xC0, 0x10};
const QColor StopRed{0xE0, 0x1C, 0x14};

// Largest pixmap side and area, in device pixels, that the pictures allocate.
constexpr double MaxSide = 16384;
constexpr double MaxArea = double(1 << 26);

// Design size of the filter pictures.
constexpr qreal DesignWidth = 161;
constexpr qreal DesignHeight = 73;

// A transparent pixmap of `size` device-independent pixels at `dpr`, or a null
// one when the size is empty or beyond what is sensible to allocate.
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

// A small filled arrow head with its tip at `tip`, pointing along `angle`
// (radians, 0 = right, pi/2 = down), `length` long and `width` wide.
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

// `main` followed by a lowered, smaller `sub` (f0, G0, A0), with its left end
// at x and its baseline at y; returns the width written.
qreal subscripted(QPainter& p, qreal x, qreal y, const QString& main, const QString& sub, const QFont& font)
{
    QFont small = font;
    small.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * 0.75))));
    const QFontMetricsF fm(font), fs(small);
    p.setFont(font);
    p.drawText(QPointF(x, y), main);
    const qreal w = fm.horizontalAdvance(main);
    p.setFont(small);
    p.drawText(QPointF(x + w, y + fm.descent() * 0.8), sub);
    p.setFont(font);
    return w + fs.horizontalAdvance(sub);
}

qreal subscriptedWidth(const QString& main, const QString& sub, const QFont& font)
{
    QFont small = font;
    small.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * 0.75))));
    return QFontMetricsF(font).horizontalAdvance(main) + QFontMetricsF(small).horizontalAdvance(sub);
}

// ---- Filter pictures --------------------------------------------------------

// Magnitude in dB of model `index` at x = f / f0 with A0 = 1.
double responseDb(int index, double x)
{
    using C = std::complex<double>;
    const C j(0, 1);
    auto second = [&](double m) { return C(1 - x * x) + 2.0 * j * m * x; };
    C h;
    switch (index) {
    case 0: h = 1; break;
    case 1: h = 1.0 / second(std::numbers::sqrt2 / 2); break;
    case 2: h = -x * x / second(std::numbers::sqrt2 / 2); break;
    case 3: h = 2.0 * j * 0.3 * x / second(0.3); break;
    case 4: h = C(1 - x * x) / second(0.4); break;
    case 5: h = 1.0 / (1.0 + j * x); break;
    default: h = j * x / (1.0 + j * x); break;
    }
    return 20 * std::log10(std::max(std::abs(h), 1e-6));
}

// A point (u, dB) of an asymptote, u = log10(f / f0).
struct Corner
{
    double u;
    double db;
};

struct Model
{
    const char* title;
    std::array<Corner, 3> asymptote;  // u = -1.5, 0, +1.5
    const char* leftSlope;            // written above the left half, or null
    const char* rightSlope;           // written above the right half, or null
};

// The asymptotes of the Bode diagram of each model: 0 dB in the pass band,
// +-20 dB per decade per order outside it; the band-pass (m = 0.3) has its
// asymptotes 2mx and 2m/x meeting 20 log 0.6 below its peak.
const Model Models[FilterPictureCount] = {
    {"Amplificateur", {{{-1.5, 0}, {0, 0}, {1.5, 0}}}, nullptr, nullptr},
    {"Passe-bas ordre 2", {{{-1.5, 0}, {0, 0}, {1.5, -60}}}, nullptr, "\u221240 dB/d\u00E9c"},
    {"Passe-haut ordre 2", {{{-1.5, -60}, {0, 0}, {1.5, 0}}}, "+40 dB/d\u00E9c", nullptr},
    {"Passe-bande", {{{-1.5, -34.4}, {0, -4.4}, {1.5, -34.4}}}, "+20 dB/d\u00E9c", "\u221220 dB/d\u00E9c"},
    {"Coupe-bande", {{{-1.5, 0}, {0, 0}, {1.5, 0}}}, nullptr, nullptr},
    {"Passe-bas ordre 1", {{{-1.5, 0}, {0, 0}, {1.5, -30}}}, nullptr, "\u221220 dB/d\u00E9c"},
    {"Passe-haut ordre 1", {{{-1.5, -30}, {0, 0}, {1.5, 0}}}, "+20 dB/d\u00E9c", nullptr},
};

}  // namespace

void paintFilterPicture(QPainter& p, const QRectF& r, int index)
{
    if (index < 0 || index >= FilterPictureCount || !(r.width() >= 1 && r.height() >= 1))
        return;
    const Model& model = Models[index];
    const qreal k = std::min(r.width() / DesignWidth, r.height() / DesignHeight);
    const bool withText = 9 * k >= 5;

    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    VrLook::sunkenWell(p, r, Screen);
    p.translate(r.topLeft());
    const qreal w = r.width(), h = r.height();

    // Plot frame: the left axis at plot.left, the frequency axis at plot.bottom.
    const QRectF plot(QPointF(std::round(19 * k) + 0.5, std::round(18 * k) + 0.5),
                      QPointF(w - std::round(7 * k) - 0.5, h - std::round(13 * k) - 0.5));
    const qreal u0 = -1.5, u1 = 1.5;
    const qreal xLeft = plot.left() + 3 * k, xRight = plot.right() - 4 * k;
    auto xOf = [&](qreal u) { return xLeft + (u - u0) / (u1 - u0) * (xRight - xLeft); };
    const qreal yPass = plot.top() + 7 * k;
    const qreal perDb = (plot.bottom() - 2 * k - yPass) / 45;
    auto yOf = [&](qreal db) { return yPass - db * perDb; };
    auto at = [&](qreal u, qreal db) { return QPointF(xOf(u), yOf(db)); };
    const QRectF area(plot.left() + 0.5, plot.top() - 2 * k, plot.width() - 0.5, plot.height() + 2 * k - 0.5);

    // Log paper: 2..9 lines, decade lines, and a line every 20 dB.
    if (plot.width() > 4 && plot.height() > 4) {
        p.save();
        p.setClipRect(area, Qt::IntersectClip);
        p.setRenderHint(QPainter::Antialiasing, false);
        for (int decade = -2; decade <= 1; ++decade) {
            for (int n = 1; n <= 9; ++n) {
                const qreal u = decade + std::log10(qreal(n));
                if (u <= u0 || u >= u1 - 0.02)
                    continue;
                p.setPen(QPen(n == 1 ? GridMajor : GridMinor, 1));
                const qreal x = std::floor(xOf(u)) + 0.5;
                p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
            }
        }
        p.setPen(QPen(GridMajor, 1, Qt::DotLine));
        for (int db = 0; db >= -40; db -= 20) {
            const qreal y = std::floor(yOf(db)) + 0.5;
            p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        }
        p.restore();
    }

    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal x0 = xOf(0);

    // Cut-off: a dotted line from the axis to the knee.
    if (index != 0) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        const qreal x = std::floor(x0) + 0.5;
        p.setPen(QPen(VrLook::Shadow, 1, Qt::DotLine));
        p.drawLine(QPointF(x, plot.bottom()), QPointF(x, yPass));
        p.setPen(QPen(Axis, 1));
        p.drawLine(QPointF(x, plot.bottom() - 2 * k), QPointF(x, plot.bottom() + 2 * k));
        p.restore();
    }

    // Asymptotes, dashed, then the response over them.
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    if (index != 0) {
        QPen dash(Asymptote, std::max(1.0, k));
        dash.setDashPattern({3, 2});
        dash.setCapStyle(Qt::FlatCap);
        p.setPen(dash);
        QPolygonF line;
        for (const Corner& c : model.asymptote)
            line << at(c.u, c.db);
        p.drawPolyline(line);
    }
    QPainterPath curve;
    constexpr int Steps = 240;
    for (int i = 0; i <= Steps; ++i) {
        const qreal u = u0 + (u1 - u0) * i / Steps;
        const qreal db = std::max(-120.0, responseDb(index, std::pow(10.0, u)));
        i == 0 ? curve.moveTo(at(u, db)) : curve.lineTo(at(u, db));
    }
    QPen pen(Response, 1.6 * std::max(k, 0.7), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    p.restore();

    // Axes with their arrows.
    {
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Axis, 1));
        p.drawLine(QPointF(plot.left(), plot.bottom()), QPointF(plot.right() - 1, plot.bottom()));
        p.drawLine(QPointF(plot.left(), plot.bottom()), QPointF(plot.left(), plot.top() - 2 * k + 1));
        p.drawLine(QPointF(plot.left() - 2 * k, yPass), QPointF(plot.left() + 2 * k, yPass));
        p.restore();
        const qreal head = std::max(2.0, 5 * k), wide = std::max(2.0, 4 * k);
        arrowHead(p, QPointF(plot.right() + 1.5, plot.bottom()), 0, head, wide, Axis);
        arrowHead(p, QPointF(plot.left(), plot.top() - 2 * k - 1), -std::numbers::pi / 2, head, wide, Axis);
    }

    if (withText) {
        const QFont title = VrLook::font(int(std::lround(10 * k)), true);
        const QFont note = VrLook::font(int(std::lround(9 * k)));
        const QFontMetricsF fn(note);
        p.setPen(VrLook::Ink);
        p.setFont(title);
        p.drawText(QRectF(6 * k, 3 * k, w - 12 * k, 12 * k), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8(model.title));

        // Pass-band level on the left axis, f0 and f under the frequency axis.
        const qreal g0 = subscriptedWidth(QStringLiteral("G"), QStringLiteral("0"), note);
        const qreal base = yPass + fn.ascent() / 2 - 0.5;
        subscripted(p, std::max(2.0 * k + 1, plot.left() - 3 * k - g0), base, QStringLiteral("G"),
                    QStringLiteral("0"), note);
        const qreal under = plot.bottom() + 2 * k + fn.ascent();
        if (index != 0) {
            const qreal f0 = subscriptedWidth(QStringLiteral("f"), QStringLiteral("0"), note);
            subscripted(p, x0 - f0 / 2, under, QStringLiteral("f"), QStringLiteral("0"), note);
        }
        QFont italic = note;
        italic.setItalic(true);
        p.setFont(italic);
        p.drawText(QPointF(plot.right() - QFontMetricsF(italic).horizontalAdvance(QStringLiteral("f")) - 1, under),
                   QStringLiteral("f"));

        // Slopes, above the half of the diagram where the asymptote falls.
        p.setFont(note);
        p.setPen(Asymptote);
        const qreal top = plot.top() - k;
        if (model.leftSlope)
            p.drawText(QRectF(plot.left() + 5 * k, top, x0 - plot.left() - 9 * k, fn.height()),
                       Qt::AlignLeft | Qt::AlignTop, QString::fromUtf8(model.leftSlope));
        if (model.rightSlope)
            p.drawText(QRectF(x0 + 4 * k, top, plot.right() - x0 - 4 * k, fn.height()),
                       Qt::AlignRight | Qt::AlignTop, QString::fromUtf8(model.rightSlope));

        // The amplifier's level.
        if (index == 0) {
            p.setPen(VrLook::Ink);
            const QString eq = QStringLiteral(" = 20 log A");
            const qreal wg = subscriptedWidth(QStringLiteral("G"), QStringLiteral("0"), note);
            const qreal we = subscriptedWidth(eq, QStringLiteral("0"), note);
            qreal x = (plot.left() + plot.right()) / 2 - (wg + we) / 2;
            const qreal y = yPass + 6 * k + fn.ascent();
            x += subscripted(p, x, y, QStringLiteral("G"), QStringLiteral("0"), note);
            subscripted(p, x, y, eq, QStringLiteral("0"), note);
        }
    }
    p.restore();
}

qreal ArtworkRatio()
{
    qreal ratio = 2.0;
    for (const QScreen* screen : QGuiApplication::screens())
        if (const qreal r = screen->devicePixelRatio(); std::isfinite(r) && r <= 8)
            ratio = std::max(ratio, std::ceil(r));
    return ratio;
}

QPixmap FilterPicture(int index, QSize size, qreal devicePixelRatio)
{
    QPixmap pm = transparentPixmap(size, devicePixelRatio);
    if (pm.isNull() || index < 0 || index >= FilterPictureCount)
        return pm;
    QPainter p(&pm);
    paintFilterPicture(p, QRectF(QPointF(0, 0), size), index);
    return pm;
}

// ---- Button glyphs ----------------------------------------------------------

namespace {

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
