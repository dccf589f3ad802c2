// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tvrbuttonbase.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QEvent>
#include <QMouseEvent>

TVrButtonBase::TVrButtonBase(const QString& caption, QWidget* parent) : QWidget(parent), m_caption(caption)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover, true);
}

void TVrButtonBase::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    updateGeometry();
    update();
    QAccessibleEvent spoken(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&spoken);
}

void TVrButtonBase::setHovered(bool hovered)
{
    if (hovered == m_hovered)
        return;
    m_hovered = hovered;
    hoverChanged();
    update();
}

void TVrButtonBase::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    m_mouseDown = true;
    setHovered(rect().contains(e->position().toPoint()));
    update();
}

void TVrButtonBase::mouseMoveEvent(QMouseEvent* e)
{
    if (m_mouseDown)
        setHovered(rect().contains(e->position().toPoint()));
}

void TVrButtonBase::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !m_mouseDown) {
        e->ignore();
        return;
    }
    m_mouseDown = false;
    update();
    if (rect().contains(e->position().toPoint()))
        activate();
}

void TVrButtonBase::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Space && !e->isAutoRepeat()) {
        m_spaceDown = true;
        update();
        return;
    }
    if (e->key() == Qt::Key_Space)
        return;
    e->ignore();
}

void TVrButtonBase::keyReleaseEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Space && !e->isAutoRepeat() && m_spaceDown) {
        m_spaceDown = false;
        update();
        activate();
        return;
    }
    e->ignore();
}

void TVrButtonBase::enterEvent(QEnterEvent* e)
{
    setHovered(true);
    QWidget::enterEvent(e);
}

void TVrButtonBase::leaveEvent(QEvent* e)
{
    setHovered(false);
    QWidget::leaveEvent(e);
}

void TVrButtonBase::focusOutEvent(QFocusEvent* e)
{
    m_spaceDown = false;
    update();
    QWidget::focusOutEvent(e);
}

void TVrButtonBase::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::EnabledChange) {
        if (!isEnabled()) {
            m_mouseDown = false;
            m_spaceDown = false;
        }
        update();
    } else if (e->type() == QEvent::FontChange) {
        updateGeometry();
        update();
    }
    QWidget::changeEvent(e);
}
