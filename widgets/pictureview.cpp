// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/pictureview.h"

#include <QPainter>

#include <cmath>

QSize LogicalSize(const QImage& picture)
{
    const QSizeF size = picture.deviceIndependentSize();
    return QSize(static_cast<int>(std::floor(size.width())), static_cast<int>(std::floor(size.height())));
}

PictureView::PictureView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::Changed()
{
    resize(LogicalSize(m_picture));
    update();
}

void PictureView::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_picture);
}
