// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tvrcheckled.h"

#include "widgets/vrlook.h"

#include <QAccessible>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

TVrCheckLed::TVrCheckLed(QWidget* parent) : TVrCheckLed(QString(), parent)
{
}

TVrCheckLed::TVrCheckLed(const QString& caption, QWidget* parent) : QWidget(parent), m_caption(caption)
{
    setFont(VrLook::font(11));
    setFocusPolicy(Qt::StrongFocus);
}

void TVrCheckLed::setChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    update();
    if (m_checked && m_style == csRadioButton && parentWidget()) {
        const auto siblings = parentWidget()->findChildren<TVrCheckLed*>(Qt::FindDirectChildrenOnly);
        for (TVrCheckLed* other : siblings)
            if (other != this && other->m_style == csRadioButton)
                other->setChecked(false);
    }
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent spoken(this, changed);
    QAccessible::updateAccessibility(&spoken);
    emit OnChange(this);
}

void TVrCheckLed::setCheckStyle(TVrCheckStyle style)
{
    if (style == m_style)
        return;
    m_style = style;
    update();
}

void TVrCheckLed::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    updateGeometry();
    update();
}

void TVrCheckLed::setLedColor(const QColor& color)
{
    if (color == m_ledColor)
        return;
    m_ledColor = color;
    update();
}

void TVrCheckLed::setTextColor(const QColor& color)
{
    if (color == m_textColor)
        return;
    m_textColor = color;
    update();
}

int TVrCheckLed::ledSide() const
{
    return std::max(7, QFontMetrics(font()).height() - 1);
}

QSize TVrCheckLed::sizeHint() const
{
    const QFontMetrics fm(font());
    const int side = ledSide();
    // Blanks at the end of a caption write nothing.
    const int text = m_caption.isEmpty() ? 0 : 5 + fm.horizontalAdvance(m_caption.trimmed());
    return QSize(side + 2 + text, std::max(side + 2, fm.height() + 2));
}

QSize TVrCheckLed::minimumSizeHint() const
{
    const int side = ledSide();
    return QSize(side + 2, side + 2);
}

void TVrCheckLed::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        m_pressed = true;
    else
        e->ignore();
}

void TVrCheckLed::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !m_pressed) {
        e->ignore();
        return;
    }
    m_pressed = false;
    if (rect().contains(e->position().toPoint()))
        toggleByUser();
}

void TVrCheckLed::toggleByUser()
{
    if (m_checked && !m_clickUnchecks)
        return;
    setChecked(!m_checked);
}

void TVrCheckLed::moveInGroup(int step)
{
    if (!parentWidget())
        return;
    QList<TVrCheckLed*> group;
    for (TVrCheckLed* led : parentWidget()->findChildren<TVrCheckLed*>(Qt::FindDirectChildrenOnly))
        if (led->m_style == csRadioButton && led->isVisibleTo(parentWidget()) && led->isEnabled())
            group.append(led);
    const qsizetype here = group.indexOf(this);
    if (here < 0 || group.size() < 2)
        return;
    TVrCheckLed* next = group.at((here + step + group.size()) % group.size());
    next->setFocus(Qt::TabFocusReason);
    next->setChecked(true);
}

void TVrCheckLed::keyPressEvent(QKeyEvent* e)
{
    if (!VrLook::isPlainKey(e)) {
        e->ignore();
        return;
    }
    switch (e->key()) {
    case Qt::Key_Space:
        if (!e->isAutoRepeat())
            toggleByUser();
        return;
    case Qt::Key_Up:
    case Qt::Key_Left:
    case Qt::Key_Down:
    case Qt::Key_Right:
        if (m_style == csRadioButton) {
            moveInGroup(e->key() == Qt::Key_Down || e->key() == Qt::Key_Right ? 1 : -1);
            return;
        }
        break;
    default: break;
    }
    e->ignore();
}

void TVrCheckLed::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::FontChange || e->type() == QEvent::EnabledChange) {
        updateGeometry();
        update();
    }
    QWidget::changeEvent(e);
}

void TVrCheckLed::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paint(p, rect());
}

void TVrCheckLed::paint(QPainter& p, const QRect& r) const
{
    const int side = std::min(ledSide(), r.height() - 2);
    if (side < 3)
        return;
    const QRectF lamp(r.left() + 1, r.top() + (r.height() - side) / 2, side, side);
    const bool round = m_style == csRadioButton;
    VrLook::led(p, round ? lamp : lamp.adjusted(0, side * 0.12, 0, -side * 0.12), m_ledColor, m_checked, round);
    if (!m_caption.isEmpty()) {
        p.save();
        p.setFont(font());
        p.setPen(isEnabled() ? m_textColor : VrLook::Disabled);
        const QRect text(int(lamp.right()) + 5, r.top(), r.right() - int(lamp.right()) - 4, r.height());
        p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_caption);
        p.restore();
    }
    if (hasFocus()) {
        // Round the caption, or round the lamp alone.
        const QFontMetrics fm(font());
        const int right = m_caption.isEmpty() ? int(lamp.right()) + 1
                                              : int(lamp.right()) + 5 + fm.horizontalAdvance(m_caption.trimmed()) + 1;
        VrLook::focusMark(p, QRectF(r.left(), r.top(), std::min(right, r.right()) - r.left() + 1, r.height()));
    }
}
