// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/txibutton.h"

#include "widgets/vrlook.h"

#include <QPainter>

#include <algorithm>

TXiButton::TXiButton(QWidget* parent) : TXiButton(QString(), parent)
{
}

TXiButton::TXiButton(const QString& caption, QWidget* parent) : TVrButtonBase(caption, parent)
{
    const QColor orange = VrLook::HotFace;
    m_colors[int(State::Normal)] = {VrLook::Silver, VrLook::Highlight, VrLook::Shadow, VrLook::DarkShadow, VrLook::Ink};
    m_colors[int(State::Over)] = {orange, orange.lighter(125), orange.darker(150), QColor(0x70, 0x48, 0x10), VrLook::Ink};
    m_colors[int(State::Down)] = {orange, orange.darker(150), orange.lighter(120), QColor(0x70, 0x48, 0x10), VrLook::Ink};
    m_colors[int(State::Disabled)] = {VrLook::Silver, VrLook::Highlight, VrLook::Shadow, VrLook::Shadow, VrLook::Disabled};
    m_focusColor = VrLook::Ink;
    setFont(VrLook::font(13));
}

void TXiButton::setStateColors(State state, const Colors& colors)
{
    m_colors[int(state)] = colors;
    update();
}

void TXiButton::setFocusRectColor(const QColor& color)
{
    if (color == m_focusColor)
        return;
    m_focusColor = color;
    update();
}

void TXiButton::setGlyph(const QPixmap& glyph)
{
    m_glyph = glyph;
    updateGeometry();
    update();
}

void TXiButton::setHotTrack(bool hotTrack)
{
    if (hotTrack == m_hotTrack)
        return;
    m_hotTrack = hotTrack;
    update();
}

TXiButton::State TXiButton::state() const
{
    if (!isEnabled())
        return State::Disabled;
    if (isDown())
        return State::Down;
    if (m_hotTrack && isHovered())
        return State::Over;
    return State::Normal;
}

QSize TXiButton::sizeHint() const
{
    const QFontMetrics fm(font());
    const QSizeF g = m_glyph.isNull() ? QSizeF() : m_glyph.deviceIndependentSize();
    const int w = fm.horizontalAdvance(Caption()) + (g.isEmpty() ? 0 : int(g.width()) + 6) + 24;
    const int h = std::max(fm.height(), int(g.height())) + 16;
    return QSize(std::max(75, w), std::max(25, h));
}

QSize TXiButton::minimumSizeHint() const
{
    return QSize(24, 18);
}

void TXiButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paint(p, rect());
}

void TXiButton::paint(QPainter& p, const QRect& r) const
{
    const State s = state();
    const Colors& c = m_colors[int(s)];
    const bool down = s == State::Down;

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF outer = VrLook::crisp(r);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, down ? c.Face.darker(106) : c.Face.lighter(108));
    g.setColorAt(1, down ? c.Face.lighter(104) : c.Face.darker(106));
    p.setBrush(g);
    p.setPen(QPen(c.Border, 1));
    p.drawRoundedRect(outer, 3, 3);
    p.setBrush(Qt::NoBrush);
    const QRectF inner = outer.adjusted(1, 1, -1, -1);
    p.setPen(QPen(c.Light, 1));
    p.drawLine(inner.bottomLeft() + QPointF(0, -2), inner.topLeft() + QPointF(0, 2));
    p.drawLine(inner.topLeft() + QPointF(2, 0), inner.topRight() + QPointF(-2, 0));
    p.setPen(QPen(c.Dark, 1));
    p.drawLine(inner.topRight() + QPointF(0, 2), inner.bottomRight() + QPointF(0, -2));
    p.drawLine(inner.bottomRight() + QPointF(-2, 0), inner.bottomLeft() + QPointF(2, 0));
    p.restore();

    const int shift = down ? 1 : 0;
    const QFontMetrics fm(font());
    const QSizeF gs = m_glyph.isNull() ? QSizeF() : m_glyph.deviceIndependentSize();
    const int textW = fm.horizontalAdvance(Caption());
    const int gap = (gs.isEmpty() || Caption().isEmpty()) ? 0 : 6;
    const qreal total = gs.width() + gap + textW;
    qreal x = std::max<qreal>(r.left() + 4, r.left() + (r.width() - total) / 2) + shift;
    if (!gs.isEmpty()) {
        const QPointF at(std::round(x), std::round(r.top() + (r.height() - gs.height()) / 2 + shift));
        p.save();
        if (s == State::Disabled)
            p.setOpacity(0.45);
        p.drawPixmap(at, m_glyph);
        p.restore();
        x += gs.width() + gap;
    }
    p.save();
    p.setFont(font());
    p.setPen(c.Text);
    p.drawText(QRectF(x, r.top() + shift, r.right() - x, r.height()), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, Caption());
    p.restore();
    if (hasFocus())
        VrLook::focusMark(p, QRectF(r).adjusted(4, 4, -4, -4), m_focusColor);
}
