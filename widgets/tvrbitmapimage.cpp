// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tvrbitmapimage.h"

#include "widgets/tvrbitmaplist.h"
#include "widgets/vrlook.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

TVrBitmapImage::TVrBitmapImage(QWidget* parent) : QWidget(parent)
{
}

void TVrBitmapImage::setBitmaps(TVrBitmapList* list)
{
    if (list == m_list)
        return;
    disconnect(m_listConnection);
    m_list = list;
    if (m_list)
        m_listConnection = connect(m_list, &TVrBitmapList::changed, this, [this] {
            updateGeometry();
            update();
        });
    updateGeometry();
    update();
}

void TVrBitmapImage::setBitmapIndex(int index)
{
    if (index == m_index)
        return;
    m_index = index;
    update();
}

void TVrBitmapImage::setClickable(bool clickable)
{
    if (clickable == m_clickable)
        return;
    m_clickable = clickable;
    setFocusPolicy(clickable ? Qt::StrongFocus : Qt::NoFocus);
    update();
}

QSize TVrBitmapImage::sizeHint() const
{
    const QSize s = m_list ? m_list->largestSize() : QSize();
    return s.isEmpty() ? QSize(32, 32) : s;
}

QSize TVrBitmapImage::minimumSizeHint() const
{
    return QSize(1, 1);
}

void TVrBitmapImage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paint(p, rect());
}

void TVrBitmapImage::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(e);
    m_pressed = true;
    e->accept();
}

void TVrBitmapImage::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(e);
    const bool click = m_pressed && rect().contains(e->position().toPoint());
    m_pressed = false;
    e->accept();
    if (click)
        emit OnClick(this);
}

void TVrBitmapImage::keyPressEvent(QKeyEvent* e)
{
    if (m_clickable && VrLook::isActivationKey(e) && !e->isAutoRepeat()) {
        emit OnClick(this);
        return;
    }
    QWidget::keyPressEvent(e);
}

void TVrBitmapImage::paint(QPainter& p, const QRect& r) const
{
    if (r.isEmpty())
        return;
    const QPixmap pm = m_list ? m_list->bitmap(m_index) : QPixmap();
    if (!pm.isNull()) {
        QSizeF s = pm.deviceIndependentSize();
        if (s.width() > r.width() || s.height() > r.height())
            s.scale(r.size(), Qt::KeepAspectRatio);
        const QRectF target(r.left() + (r.width() - s.width()) / 2, r.top() + (r.height() - s.height()) / 2,
                            s.width(), s.height());
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawPixmap(target, pm, QRectF(QPointF(0, 0), pm.size()));
        p.restore();
    }
    if (m_clickable && hasFocus()) {
        // Over the picture's own frame, clear of what the picture shows.
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(VrLook::Focus, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(r).adjusted(1, 1, -1, -1));
        p.restore();
    }
}
