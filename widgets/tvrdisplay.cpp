// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tvrdisplay.h"

#include "widgets/vrlook.h"

#include <QPainter>

#include <algorithm>

TVrDisplay::TVrDisplay(QWidget* parent)
    : QWidget(parent), m_color(VrLook::Silver), m_light(VrLook::Highlight), m_dark(VrLook::Shadow)
{
    setContentsMargins(2 * m_bevelWidth + 2, 2 * m_bevelWidth + 2, 2 * m_bevelWidth + 2, 2 * m_bevelWidth + 2);
}

void TVrDisplay::setColor(const QColor& color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void TVrDisplay::setShadowLight(const QColor& color)
{
    if (color == m_light)
        return;
    m_light = color;
    update();
}

void TVrDisplay::setShadowDark(const QColor& color)
{
    if (color == m_dark)
        return;
    m_dark = color;
    update();
}

void TVrDisplay::setBevelWidth(int width)
{
    width = std::clamp(width, 0, 10);
    if (width == m_bevelWidth)
        return;
    m_bevelWidth = width;
    const int m = 2 * m_bevelWidth + 2;
    setContentsMargins(m, m, m, m);
    update();
}

QSize TVrDisplay::sizeHint() const
{
    return QSize(160, 50);
}

QSize TVrDisplay::minimumSizeHint() const
{
    const int m = 4 * m_bevelWidth + 4;
    return QSize(m, m);
}

void TVrDisplay::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paint(p, rect());
}

void TVrDisplay::paint(QPainter& p, const QRect& r) const
{
    p.fillRect(r, m_color);
    const int b = m_bevelWidth;
    VrLook::bevel(p, r, m_light, m_dark, b);
    const QRect inner = r.adjusted(b + 2, b + 2, -b - 2, -b - 2);
    if (inner.width() > 2 && inner.height() > 2)
        VrLook::bevel(p, inner, m_dark, m_light, std::max(1, b / 2));
}
