// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tvrdemobutton.h"

#include "widgets/vrlook.h"

#include <QPainter>

#include <algorithm>

TVrDemoButton::TVrDemoButton(QWidget* parent) : TVrDemoButton(QString(), parent)
{
}

TVrDemoButton::TVrDemoButton(const QString& caption, QWidget* parent)
    : TVrButtonBase(caption, parent), m_fontLeave(VrLook::font(12)), m_fontEnter(VrLook::font(12)),
      m_colorLeave(VrLook::Ink), m_colorEnter(QColor(0x00, 0x38, 0xB0))
{
}

void TVrDemoButton::setFontLeave(const QFont& font)
{
    m_fontLeave = font;
    updateGeometry();
    update();
}

void TVrDemoButton::setFontEnter(const QFont& font)
{
    m_fontEnter = font;
    updateGeometry();
    update();
}

void TVrDemoButton::setColorLeave(const QColor& color)
{
    if (color == m_colorLeave)
        return;
    m_colorLeave = color;
    update();
}

void TVrDemoButton::setColorEnter(const QColor& color)
{
    if (color == m_colorEnter)
        return;
    m_colorEnter = color;
    update();
}

QSize TVrDemoButton::sizeHint() const
{
    const QFontMetrics a(m_fontLeave), b(m_fontEnter);
    const int w = std::max(a.horizontalAdvance(Caption()), b.horizontalAdvance(Caption()));
    const int h = std::max(a.height(), b.height());
    return QSize(std::max(65, w + 20), std::max(25, h + 12));
}

QSize TVrDemoButton::minimumSizeHint() const
{
    return QSize(24, 18);
}

void TVrDemoButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paint(p, rect());
}

void TVrDemoButton::paint(QPainter& p, const QRect& r) const
{
    const bool down = isDown();
    VrLook::raisedFace(p, r, VrLook::Face, down);
    p.save();
    p.setFont(captionFont());
    p.setPen(!isEnabled() ? VrLook::Disabled : (isHovered() ? m_colorEnter : m_colorLeave));
    const int shift = down ? 1 : 0;
    p.drawText(QRect(r.left() + 4 + shift, r.top() + 2 + shift, r.width() - 8, r.height() - 4),
               Qt::AlignCenter | Qt::TextWordWrap, Caption());
    p.restore();
    if (hasFocus())
        VrLook::focusMark(p, QRectF(r).adjusted(3, 3, -3, -3));
}
