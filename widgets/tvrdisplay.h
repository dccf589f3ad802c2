// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// A bevelled panel for grouping read-outs and labels: a face colour, an outer
// bevel in the two shadow colours and an inner bevel the other way round, so
// the face sits in a raised frame. Children are placed inside the bevels.
class TVrDisplay : public QWidget
{
    Q_OBJECT

public:
    explicit TVrDisplay(QWidget* parent = nullptr);

    QColor Color() const { return m_color; }
    void setColor(const QColor& color);
    QColor ShadowLight() const { return m_light; }
    void setShadowLight(const QColor& color);
    QColor ShadowDark() const { return m_dark; }
    void setShadowDark(const QColor& color);
    int BevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(int width);  // 0 … 10

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    void paint(QPainter& p, const QRect& r) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor m_color;
    QColor m_light;
    QColor m_dark;
    int m_bevelWidth = 2;
};
