// SPDX-License-Identifier: GPL-3.0-or-later
#include "tvrbitmapimage.h"

#include "tvrbitmaplist.h"

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

void TVrBitmapImage::paint(QPainter& p, const QRect& r) const
{
    if (!m_list || r.isEmpty())
        return;
    const QPixmap pm = m_list->bitmap(m_index);
    if (pm.isNull())
        return;
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
