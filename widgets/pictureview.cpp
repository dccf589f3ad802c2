// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/pictureview.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPen>

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

void PictureView::SetMarks(const std::vector<PictureMark>& marks)
{
    if (marks == m_marks)
        return;
    for (const PictureMark& m : m_marks)
        update(m.Column, 0, 1, height());
    m_marks = marks;
    for (const PictureMark& m : m_marks)
        update(m.Column, 0, 1, height());
}

void PictureView::paintEvent(QPaintEvent* e)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setClipRegion(e->region());
    painter.drawImage(QPoint(0, 0), m_picture);
    for (const PictureMark& m : m_marks) {
        QPen pen(m.Colour, 0, m.Dashed ? Qt::DashLine : Qt::SolidLine);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.drawLine(m.Column, 0, m.Column, height() - 1);
    }
}
