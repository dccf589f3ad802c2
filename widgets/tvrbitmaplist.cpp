// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tvrbitmaplist.h"

#include <algorithm>

TVrBitmapList::TVrBitmapList(QObject* parent) : QObject(parent)
{
}

QPixmap TVrBitmapList::bitmap(int i) const
{
    return (i >= 0 && i < count()) ? m_bitmaps.at(i) : QPixmap();
}

void TVrBitmapList::add(const QPixmap& pixmap)
{
    m_bitmaps.append(pixmap);
    emit changed();
}

void TVrBitmapList::setBitmap(int i, const QPixmap& pixmap)
{
    if (i < 0 || i >= count())
        return;
    m_bitmaps[i] = pixmap;
    emit changed();
}

void TVrBitmapList::clear()
{
    if (m_bitmaps.isEmpty())
        return;
    m_bitmaps.clear();
    emit changed();
}

QSize TVrBitmapList::largestSize() const
{
    QSizeF s;
    for (const QPixmap& p : m_bitmaps)
        s = s.expandedTo(p.deviceIndependentSize());
    return s.toSize();
}
