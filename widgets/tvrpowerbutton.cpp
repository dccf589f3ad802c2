// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tvrpowerbutton.h"

#include "widgets/vrlook.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

TVrPowerButton::TVrPowerButton(QWidget* parent) : TVrPowerButton(QString(), parent)
{
}

TVrPowerButton::TVrPowerButton(const QString& caption, QWidget* parent) : TVrButtonBase(caption, parent)
{
    setFont(VrLook::font(11, true));
}

void TVrPowerButton::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    update();
    announceState();
}

void TVrPowerButton::announceState()
{
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent spoken(this, changed);
    QAccessible::updateAccessibility(&spoken);
}

void TVrPowerButton::setLedColor(const QColor& color)
{
    if (color == m_ledColor)
        return;
    m_ledColor = color;
    update();
}

QSize TVrPowerButton::sizeHint() const
{
    const QFontMetrics fm(font());
    // Lamp, gaps and the caption as paint() lays them out.
    return QSize(std::max(81, fm.horizontalAdvance(Caption().trimmed()) + 25), std::max(33, fm.height() + 12));
}

QSize TVrPowerButton::minimumSizeHint() const
{
    return QSize(32, 20);
}

void TVrPowerButton::activate()
{
    m_active = !m_active;
    update();
    announceState();
    emit OnClick(this);
}

void TVrPowerButton::keyPressEvent(QKeyEvent* e)
{
    emit OnKeyDown(this, e->key(), e->modifiers());
    TVrButtonBase::keyPressEvent(e);
}

void TVrPowerButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paint(p, rect());
}

void TVrPowerButton::paint(QPainter& p, const QRect& r) const
{
    const bool down = isDown();
    QColor face = VrLook::Face;
    if (isHovered() && isEnabled())
        face = face.lighter(106);
    VrLook::raisedFace(p, r, face, down);

    const int shift = down ? 1 : 0;
    const qreal lampH = std::clamp<qreal>(r.height() - 14, 6, 16);
    const QRectF lamp(r.left() + 7 + shift, r.top() + (r.height() - lampH) / 2 + shift, 7, lampH);
    VrLook::led(p, lamp, m_ledColor, m_active, false);

    p.save();
    p.setFont(font());
    p.setPen(isEnabled() ? VrLook::Ink : VrLook::Disabled);
    const QRect text(int(lamp.right()) + 6, r.top() + shift, r.right() - int(lamp.right()) - 8, r.height());
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, Caption());
    p.restore();
    if (hasFocus())
        VrLook::focusMark(p, QRectF(r).adjusted(3, 3, -3, -3));
}
