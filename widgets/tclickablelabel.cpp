// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tclickablelabel.h"

#include "widgets/vrlook.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TClickableLabel::TClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void TClickableLabel::setTextColour(const QColor& colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, colour);
    setPalette(pal);
}

QColor TClickableLabel::textColour() const
{
    return palette().color(QPalette::WindowText);
}

void TClickableLabel::mouseReleaseEvent(QMouseEvent* e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit OnClick(this);
}

void TClickableLabel::keyPressEvent(QKeyEvent* e)
{
    if (VrLook::isActivationKey(e) && !e->isAutoRepeat()) {
        emit OnClick(this);
        return;
    }
    QLabel::keyPressEvent(e);
}

void TClickableLabel::paintEvent(QPaintEvent* e)
{
    QLabel::paintEvent(e);
    if (!hasFocus())
        return;
    QPainter p(this);
    const QWidget* under = autoFillBackground() || !parentWidget() ? this : parentWidget();
    const bool dark = under->palette().color(QPalette::Window).lightness() <= 128;
    VrLook::focusMark(p, rect(), dark ? VrLook::Highlight : VrLook::Focus);
}
