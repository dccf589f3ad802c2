#pragma once

#include <QPointer>
#include <QWidget>

class TVrBitmapList;

// Shows picture number BitmapIndex of a TVrBitmapList, centred, reduced to fit
// when it is larger than the control; −1 (or any index the list does not
// hold) shows nothing.
class TVrBitmapImage : public QWidget
{
    Q_OBJECT

public:
    explicit TVrBitmapImage(QWidget* parent = nullptr);

    TVrBitmapList* Bitmaps() const { return m_list; }
    void setBitmaps(TVrBitmapList* list);

    int BitmapIndex() const { return m_index; }
    void setBitmapIndex(int index);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    void paint(QPainter& p, const QRect& r) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPointer<TVrBitmapList> m_list;
    QMetaObject::Connection m_listConnection;
    int m_index = -1;
};
