// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/artwork.h"

#include "widgets/artworkparts.h"
#include "widgets/vrlook.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <numbers>

using Artwork::arrowHead;
using Artwork::transparentPixmap;

namespace {

// Colours of the pictures, beside the panel colours of VrLook.
const QColor Screen{0xF7, 0xF5, 0xEA};     // light paper of the response screen
const QColor GridMajor{0xD6, 0xD2, 0xC2};  // decade lines and 20 dB lines
const QColor GridMinor{0xE8, 0xE5, 0xD8};  // 2..9 lines of the log paper
const QColor Axis{0x30, 0x30, 0x30};
const QColor Response{0xC8, 0x1E, 0x1E};   // the magnitude curve
const QColor Asymptote{0x1C, 0x4E, 0xB8};  // dashed asymptotes and their slopes

// Design size of the filter pictures.
constexpr qreal DesignWidth = 161;
constexpr qreal DesignHeight = 73;

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
