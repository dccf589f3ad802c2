// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <optional>

// A fixed horizontal graduation from MinValue (left) to MaxValue (right) in
// Ticks intervals: tick marks TicksHeight pixels high along the top, the bottom
// or both edges, and between them the value of every tick, written with at
// least Digits digits (zero-padded), a '+' in front of positive values when
// ShowSign is set; values above PeakLevel are written in PeakColor. Numbers
// that would run into each other are thinned out. The ends of the graduation
// are inset by Inset pixels so that it lines up with a track bar below it.
class TVrScale : public QWidget
{
    Q_OBJECT

public:
    enum TVrTickMarks { tmTopLeft, tmBottomRight, tmBoth };

    explicit TVrScale(QWidget* parent = nullptr);

    int MinValue() const { return m_min; }
    void setMinValue(int v);
    int MaxValue() const { return m_max; }
    void setMaxValue(int v);
    int Ticks() const { return m_ticks; }
    void setTicks(int ticks);  // 1 … 1000
    int TicksHeight() const { return m_ticksHeight; }
    void setTicksHeight(int height);
    TVrTickMarks TickMarks() const { return m_tickMarks; }
    void setTickMarks(TVrTickMarks marks);
    int Digits() const { return m_digits; }
    void setDigits(int digits);  // 1 … 10
    bool ShowSign() const { return m_showSign; }
    void setShowSign(bool show);
    // Until set, the peak level is MaxValue (no value is drawn in PeakColor).
    int PeakLevel() const { return m_peakLevel.value_or(m_max); }
    void setPeakLevel(int level);
    QColor PeakColor() const { return m_peakColor; }
    void setPeakColor(const QColor& color);
    QColor TextColor() const { return m_textColor; }
    void setTextColor(const QColor& color);
    QColor TickColor() const { return m_tickColor; }
    void setTickColor(const QColor& color);
    int Inset() const { return m_inset; }
    void setInset(int inset);

    // Value of tick i (0 … Ticks), rounded to an integer.
    qint64 tickValue(int i) const;
    // The number written at tick i.
    QString label(int i) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    void paint(QPainter& p, const QRect& r) const;

protected:
    void paintEvent(QPaintEvent*) override;
    void changeEvent(QEvent* e) override;

private:
    template <typename T> void assign(T& field, const T& value);

    int m_min = 0;
    int m_max = 100;
    int m_ticks = 5;
    int m_ticksHeight = 6;
    TVrTickMarks m_tickMarks = tmBoth;
    int m_digits = 1;
    bool m_showSign = true;
    std::optional<int> m_peakLevel;
    QColor m_peakColor = QColor(0xD0, 0x10, 0x10);
    QColor m_textColor = QColor(0x10, 0x10, 0x10);
    QColor m_tickColor = QColor(0x10, 0x10, 0x10);
    int m_inset;
};
