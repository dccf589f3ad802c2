// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tvrnum.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace {
constexpr int Margin = 3;
}

TVrNum::TVrNum(QWidget* parent) : TVrRangeControl(0, 9999, 0, parent)
{
}

bool TVrNum::setMin(int v)
{
    const bool signPlace = Min() < 0;
    const bool ok = setRangeMin(v);
    if ((Min() < 0) != signPlace)
        updateGeometry();
    return ok;
}

void TVrNum::setDigits(int digits)
{
    digits = std::clamp(digits, 1, 10);
    if (digits == m_digits)
        return;
    m_digits = digits;
    updateGeometry();
    update();
}

void TVrNum::setClickable(bool clickable)
{
    if (clickable == m_clickable)
        return;
    m_clickable = clickable;
    setFocusPolicy(clickable ? Qt::StrongFocus : Qt::NoFocus);
    if (clickable)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    update();
}

void TVrNum::setLeadingZero(bool leadingZero)
{
    if (leadingZero == m_leadingZero)
        return;
    m_leadingZero = leadingZero;
    update();
}

void TVrNum::setStyle(TVrNumStyle style)
{
    if (style == m_style)
        return;
    m_style = style;
    updateGeometry();
    update();
}

void TVrNum::setPalette(const TVrPalette& palette)
{
    if (palette == m_palette)
        return;
    m_palette = palette;
    update();
}

void TVrNum::setColor(const QColor& color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

QString TVrNum::displayText() const
{
    const qint64 v = Value();
    QString digits = QString::number(std::llabs(v));
    if (digits.size() < m_digits)
        digits = digits.rightJustified(m_digits, m_leadingZero ? QLatin1Char('0') : QLatin1Char(' '));
    if (Min() < 0)
        digits.prepend(v < 0 ? QLatin1Char('-') : QLatin1Char(' '));
    return digits;
}

QSizeF TVrNum::cellSize() const
{
    switch (m_style) {
    case ns5x7: return QSizeF(5, 7);
    case ns11x20: return QSizeF(11, 20);
    case ns7x13: break;
    }
    return QSizeF(7, 13);
}

qreal TVrNum::gap() const
{
    return std::max<qreal>(2, cellSize().width() * 0.45);
}

QSize TVrNum::sizeHint() const
{
    const int places = m_digits + (Min() < 0 ? 1 : 0);
    const QSizeF c = cellSize();
    return QSize(int(std::ceil(places * (c.width() + gap()))) + 2 * Margin + 2,
                 int(std::ceil(c.height())) + 2 * Margin + 2);
}

QSize TVrNum::minimumSizeHint() const
{
    return sizeHint();
}

void TVrNum::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        m_pressed = true;
    else
        e->ignore();
}

void TVrNum::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !m_pressed) {
        e->ignore();
        return;
    }
    m_pressed = false;
    if (rect().contains(e->position().toPoint()))
        emit OnClick(this);
}

void TVrNum::keyPressEvent(QKeyEvent* e)
{
    if (m_clickable && VrLook::isActivationKey(e)) {
        emit OnClick(this);
        return;
    }
    TVrRangeControl::keyPressEvent(e);
}

void TVrNum::enterEvent(QEnterEvent* e)
{
    m_hovered = true;
    update();
    TVrRangeControl::enterEvent(e);
}

void TVrNum::leaveEvent(QEvent* e)
{
    m_hovered = false;
    update();
    TVrRangeControl::leaveEvent(e);
}

void TVrNum::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paint(p, rect());
}

void TVrNum::paint(QPainter& p, const QRect& r) const
{
    VrLook::sunkenWell(p, r, m_color);
    const QRectF inside = QRectF(r).adjusted(Margin, Margin, -Margin, -Margin);
    const QSizeF cell = cellSize();
    VrLook::readoutRow(p, inside, displayText(), cell.width() / cell.height(), Min() < 0, m_palette.High,
                       m_palette.Low);
    if (m_clickable)
        VrLook::clickableMark(p, r, m_hovered, hasFocus(), VrLook::Highlight);
}
