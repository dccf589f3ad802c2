// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/tvrbuttonbase.h"

#include <QPixmap>

// A push button with its own colours for each of four states (normal,
// pointer over, pressed, disabled), a focus-rectangle colour, an optional
// glyph left of the caption and hot tracking (the "over" colours are used
// only while HotTrack is on). A click signals OnClick.
class TXiButton : public TVrButtonBase
{
    Q_OBJECT

public:
    enum class State { Normal, Over, Down, Disabled };

    struct Colors
    {
        QColor Face;
        QColor Light;
        QColor Dark;
        QColor Border;
        QColor Text;
    };

    explicit TXiButton(QWidget* parent = nullptr);
    explicit TXiButton(const QString& caption, QWidget* parent = nullptr);

    Colors StateColors(State state) const { return m_colors[int(state)]; }
    void setStateColors(State state, const Colors& colors);

    QColor FocusRectColor() const { return m_focusColor; }
    void setFocusRectColor(const QColor& color);

    QPixmap Glyph() const { return m_glyph; }
    void setGlyph(const QPixmap& glyph);

    bool HotTrack() const { return m_hotTrack; }
    void setHotTrack(bool hotTrack);

    // The state the button shows now.
    State state() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    void paint(QPainter& p, const QRect& r) const;

signals:
    void OnClick(TXiButton* sender);

protected:
    void activate() override { emit OnClick(this); }
    void paintEvent(QPaintEvent*) override;

private:
    Colors m_colors[4];
    QColor m_focusColor;
    QPixmap m_glyph;
    bool m_hotTrack = true;
};
