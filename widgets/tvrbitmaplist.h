// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPixmap>

// An ordered list of pictures held by a window, shown by TVrBitmapImage.
class TVrBitmapList : public QObject
{
    Q_OBJECT

public:
    explicit TVrBitmapList(QObject* parent = nullptr);

    int count() const { return int(m_bitmaps.size()); }
    // Picture i, or a null pixmap when i is out of range.
    QPixmap bitmap(int i) const;
    void add(const QPixmap& pixmap);
    void setBitmap(int i, const QPixmap& pixmap);
    void clear();
    // Size of the largest picture (in device-independent pixels).
    QSize largestSize() const;

signals:
    void changed();

private:
    QList<QPixmap> m_bitmaps;
};
