// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/tvrpalette.h"
#include "widgets/tvrrangecontrol.h"

// A seven-segment read-out of an integer Value in Min … Max, under the value
// rule of the ranged controls. The absolute value is written in decimal on
// Digits places, padded with zeros when LeadingZero is set and with blank
// places otherwise; when Min is negative one more place stands in front,
// holding the minus sign of a negative value. A value with more digits than
// Digits is shown whole, on as many places as it needs. A click signals OnClick.
class TVrNum : public TVrRangeControl
{
    Q_OBJECT

public:
    enum TVrNumStyle { ns5x7, ns7x13, ns11x20 };

    explicit TVrNum(QWidget* parent = nullptr);

    int Value() const { return rangeValue(); }
    void setValue(int value) { setRangeValue(value); }
    int Min() const { return rangeMin(); }
    bool setMin(int v);
    int Max() const { return rangeMax(); }
    bool setMax(int v) { return setRangeMax(v); }

    int Digits() const { return m_digits; }
    void setDigits(int digits);  // 1 … 10
    bool LeadingZero() const { return m_leadingZero; }
    void setLeadingZero(bool leadingZero);
    TVrNumStyle Style() const { return m_style; }
    void setStyle(TVrNumStyle style);
    TVrPalette Palette() const { return m_palette; }
    void setPalette(const TVrPalette& palette);
    using QWidget::setPalette;
    QColor Color() const { return m_color; }
    void setColor(const QColor& color);
    bool Clickable() const { return m_clickable; }
    void setClickable(bool clickable);

    // The places as shown, one character per place: digits, '-' or ' ' (blank).
    QString displayText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    void paint(QPainter& p, const QRect& r) const;

signals:
    void OnChange(TVrNum* sender);
    void OnClick(TVrNum* sender);

protected:
    void notifyChange() override { emit OnChange(this); }
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    QSizeF cellSize() const;
    qreal gap() const;

    int m_digits = 4;
    bool m_leadingZero = false;
    TVrNumStyle m_style = ns7x13;
    TVrPalette m_palette;
    QColor m_color = VrLook::ReadoutBack;
    bool m_pressed = false;
    bool m_clickable = false;
    bool m_hovered = false;
};
