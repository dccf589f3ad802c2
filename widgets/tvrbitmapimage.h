// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

class TVrBitmapList;

// Shows picture number BitmapIndex of a TVrBitmapList, centred, reduced to fit
// when it is larger than the control; −1 (or any index the list does not
// hold) shows nothing. A click (left button pressed and released inside)
// signals OnClick. A clickable picture also takes the keyboard focus, shows
// it with the focus mark, and signals OnClick on Enter or the space bar.
class TVrBitmapImage : public QWidget
{
    Q_OBJECT

public:
    explicit TVrBitmapImage(QWidget* parent = nullptr);

    TVrBitmapList* Bitmaps() const { return m_list; }
    void setBitmaps(TVrBitmapList* list);

    int BitmapIndex() const { return m_index; }
    void setBitmapIndex(int index);

    bool Clickable() const { return m_clickable; }
    void setClickable(bool clickable);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    void paint(QPainter& p, const QRect& r) const;

signals:
    void OnClick(TVrBitmapImage* sender);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QPointer<TVrBitmapList> m_list;
    QMetaObject::Connection m_listConnection;
    int m_index = -1;
    bool m_pressed = false;
    bool m_clickable = false;
};
