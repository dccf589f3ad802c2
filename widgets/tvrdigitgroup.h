// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/tvrpalette.h"

#include <QWidget>

// A seven-segment read-out of a real Value written with Decimals decimals and
// padded on the left to Digits digits in all (plus the decimal point), with
// zeros when LeadingZero is set and blank places otherwise. A negative value
// takes a minus place in front; a value with more digits than Digits is shown
// whole. A value that is not finite, or too large to write, shows dashes.
// With ActiveOnly only the lit segments are drawn.
class TVrDigitGroup : public QWidget
{
    Q_OBJECT

public:
    explicit TVrDigitGroup(QWidget* parent = nullptr);

    double Value() const { return m_value; }
    void setValue(double value);

    int Digits() const { return m_digits; }
    void setDigits(int digits);      // 1 … 15
    int Decimals() const { return m_decimals; }
    void setDecimals(int decimals);  // 0 … 10
    bool LeadingZero() const { return m_leadingZero; }
    void setLeadingZero(bool leadingZero);
    bool ActiveOnly() const { return m_activeOnly; }
    void setActiveOnly(bool activeOnly);
    TVrPalette Palette() const { return m_palette; }
    void setPalette(const TVrPalette& palette);
    using QWidget::setPalette;
    QColor Color() const { return m_color; }
    void setColor(const QColor& color);

    // The places as shown: digits, ' ' for a blank place, '-' and '.' for the point.
    QString displayText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    void paint(QPainter& p, const QRect& r) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    double m_value = 0;
    int m_digits = 4;
    int m_decimals = 3;
    bool m_leadingZero = true;
    bool m_activeOnly = false;
    TVrPalette m_palette;
    QColor m_color = VrLook::ReadoutBack;
};
