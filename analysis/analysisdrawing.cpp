// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/analysisdrawing.h"

#include "plot/scale.h"
#include "widgets/vrlook.h"

#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

QColor ColourOf(Colour c)
{
    return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

QImage Blank(const DisplaySettings& display, int w, int h, qreal ratio)
{
    QImage picture(QSize(w, h) * ratio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(display.BlackBackground ? Qt::black : Qt::white);
    return picture;
}

QColor Ink(const DisplaySettings& display)
{
    return display.BlackBackground ? QColor(0xC0, 0xC0, 0xC0) : QColor(0x40, 0x40, 0x40);
}

// A visible colour for a curve on the background.
QColor Visible(const DisplaySettings& display, Colour c)
{
    QColor q = ColourOf(c);
    const QColor back = display.BlackBackground ? Qt::black : Qt::white;
    if (std::abs(q.lightness() - back.lightness()) < 60)
        q = display.BlackBackground ? QColor(Qt::white) : QColor(Qt::black);
    return q;
}

} // namespace

QString FrenchNumber(double v, int decimals)
{
    static const QLocale french(QLocale::French, QLocale::France);
    QString text = french.toString(v, 'f', decimals);
    text.replace(QChar(0x202F), QLatin1Char(' ')).replace(QChar(0x00A0), QLatin1Char(' '));
    // No "-0,00" for a value that rounds to zero.
    if (text.startsWith(QLatin1Char('-'))
        && std::all_of(text.begin() + 1, text.end(), [](QChar c) { return c == QLatin1Char('0') || c == QLatin1Char(','); }))
        text.remove(0, 1);
    return text;
}

QImage WaveformPicture(const MonoSound& sound, const SoundAnalysis& a, int periods, const DisplaySettings& display,
                       int w, int h, qreal ratio)
{
    QImage picture = Blank(display, w, h, ratio);
    if (!a.Ok || sound.Samples.empty() || w < 120 || h < 80)
        return picture;
    periods = std::clamp(periods, 1, 3);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QFont font = VrLook::font(11);
    p.setFont(font);
    const QFontMetrics fm(font);
    const double period = sound.SampleRateHz / a.F0Hz;
    const auto first = static_cast<std::size_t>(std::ceil(a.OriginSample));
    const auto count = std::min(sound.Samples.size() - std::min(first, sound.Samples.size()),
                                static_cast<std::size_t>(std::ceil(periods * period)) + 1);
    const double seconds = periods / a.F0Hz;

    // Values of both curves, the model sampled finely.
    const int steps = 4 * w;
    double lo = 0, hi = 0;
    bool any = false;
    auto widen = [&](double v) {
        lo = any ? std::min(lo, v) : v;
        hi = any ? std::max(hi, v) : v;
        any = true;
    };
    for (std::size_t i = 0; i < count; ++i)
        widen(sound.Samples[first + i]);
    for (int s = 0; s <= steps; ++s)
        widen(ModelValue(a, seconds * s / steps));
    const double pad = std::max(1e-6, 0.08 * (hi - lo));
    lo -= pad;
    hi += pad;

    const int left = 8 + std::max(fm.horizontalAdvance(FrenchNumber(hi, 3)), fm.horizontalAdvance(FrenchNumber(lo, 3))) + 6;
    const int right = w - 10;
    const int top = 10;
    const int bottom = h - 2 * fm.height() - 8;
    const QColor ink = Ink(display);
    p.setPen(QPen(ink, 1));
    p.drawRect(QRect(left, top, right - left, bottom - top));
    auto row = [&](double v) { return ValueToRow(top, bottom, v, lo, hi); };
    auto column = [&](double t) { return ValueToColumn(left, right, t, 0.0, seconds); };
    if (lo < 0 && hi > 0) {
        p.setPen(QPen(ink, 1, Qt::DotLine));
        p.drawLine(left, row(0), right, row(0));
    }
    // Period marks.
    p.setPen(QPen(ink, 1, Qt::DotLine));
    for (int k = 1; k < periods; ++k)
        p.drawLine(column(k / a.F0Hz), top, column(k / a.F0Hz), bottom);

    p.setPen(ink);
    p.drawText(QRect(0, top - 2, left - 6, fm.height()), Qt::AlignRight | Qt::AlignTop, FrenchNumber(hi, 3));
    p.drawText(QRect(0, bottom - fm.height() + 2, left - 6, fm.height()), Qt::AlignRight | Qt::AlignBottom,
               FrenchNumber(lo, 3));
    const QString end = FrenchNumber(seconds * 1000, seconds < 0.01 ? 2 : 1) + QStringLiteral(" ms");
    p.drawText(QPoint(left, bottom + 4 + fm.ascent()), QStringLiteral("0"));
    p.drawText(QPoint(right - fm.horizontalAdvance(end), bottom + 4 + fm.ascent()), end);

    // The recording, then the resynthesis over it.
    QPainterPath recording;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = (static_cast<double>(first + i) - a.OriginSample) / sound.SampleRateHz;
        const QPointF at(column(t), row(sound.Samples[first + i]));
        if (i == 0)
            recording.moveTo(at);
        else
            recording.lineTo(at);
    }
    p.setClipRect(QRect(left, top, right - left + 1, bottom - top + 1));
    p.setPen(QPen(Visible(display, display.SignalColour), 1.5));
    p.drawPath(recording);
    QPainterPath model;
    for (int s = 0; s <= steps; ++s) {
        const double t = seconds * s / steps;
        const QPointF at(left + (right - left) * double(s) / steps, row(ModelValue(a, t)));
        if (s == 0)
            model.moveTo(at);
        else
            model.lineTo(at);
    }
    p.setPen(QPen(Visible(display, display.SynthesisColour), 1.5));
    p.drawPath(model);
    p.setClipping(false);

    // Legend on the last line.
    const int base = bottom + 4 + fm.height() + fm.ascent();
    const QString a1 = QStringLiteral("enregistrement"), a2 = QStringLiteral("resynthèse (12 harmoniques)");
    int x = left;
    p.setPen(QPen(Visible(display, display.SignalColour), 2));
    p.drawLine(x, base - fm.ascent() / 2, x + 18, base - fm.ascent() / 2);
    p.setPen(ink);
    p.drawText(QPoint(x + 22, base), a1);
    x += 22 + fm.horizontalAdvance(a1) + 14;
    p.setPen(QPen(Visible(display, display.SynthesisColour), 2));
    p.drawLine(x, base - fm.ascent() / 2, x + 18, base - fm.ascent() / 2);
    p.setPen(ink);
    p.drawText(QPoint(x + 22, base), a2);
    return picture;
}

QImage BarsPicture(const SoundAnalysis& a, const DisplaySettings& display, int w, int h, qreal ratio)
{
    QImage picture = Blank(display, w, h, ratio);
    if (!a.Ok || w < 160 || h < 80)
        return picture;
    QPainter p(&picture);
    const QFont font = VrLook::font(11);
    p.setFont(font);
    const QFontMetrics fm(font);
    double largest = 0;
    for (int k = 1; k <= AnalysedHarmonics; ++k)
        largest = std::max(largest, a.Amplitude[k]);
    if (!(largest > 0))
        return picture;
    auto percent = [&](int k) { return 100 * (k == 0 ? std::abs(a.Mean) : a.Amplitude[k]) / largest; };
    double top = 100;
    for (int k = 0; k <= AnalysedHarmonics; ++k)
        top = std::max(top, percent(k));
    double step = 0, lo = 0, hi = top;
    NiceRange(step, lo, hi, true);
    lo = 0;
    const QString topLabel = FrenchNumber(hi, hi < 10 ? 1 : 0) + QStringLiteral(" %");
    const int left = 8 + fm.horizontalAdvance(topLabel) + 6;
    const int right = w - 10;
    const int frameTop = 10;
    const int bottom = h - fm.height() - 8;
    const QColor ink = Ink(display);
    auto row = [&](double v) { return ValueToRow(frameTop, bottom, v, lo, hi); };
    auto column = [&](int r) { return ValueToColumn(left, right, r, -1.0, 13.0); };

    p.setPen(QPen(ink, 1));
    p.drawLine(left, bottom, right, bottom);
    p.drawLine(left, frameTop, left, bottom);
    // Graduations every 10 % (or the scale's step), labels at 0, half and top.
    for (double v = 0; v <= hi + 1e-9; v += std::max(step, hi / 20))
        p.drawLine(left, row(v), left + 3, row(v));
    p.drawText(QRect(0, row(hi) - fm.height() / 2, left - 6, fm.height()), Qt::AlignRight | Qt::AlignVCenter, topLabel);
    p.drawText(QRect(0, row(hi / 2) - fm.height() / 2, left - 6, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
               FrenchNumber(hi / 2, hi < 20 ? 1 : 0));
    p.drawText(QRect(0, bottom - fm.height() / 2, left - 6, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("0"));
    const QColor bar = Visible(display, display.InputSpectrumColour);
    for (int k = 0; k <= AnalysedHarmonics; ++k) {
        const int x = column(k);
        p.setPen(QPen(bar, 3, Qt::SolidLine, Qt::FlatCap));
        if (percent(k) > 0)
            p.drawLine(x, bottom, x, row(percent(k)));
        p.setPen(ink);
        const QString rank = QString::number(k);
        p.drawText(QPoint(x - fm.horizontalAdvance(rank) / 2, bottom + 4 + fm.ascent()), rank);
    }
    return picture;
}
