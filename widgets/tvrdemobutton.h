// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/tvrbuttonbase.h"

#include <QFont>

// A caption button whose caption is written in FontLeave (ColorLeave)
// normally and in FontEnter (ColorEnter) while the pointer is over it.
// A click (press and release on it, or the space bar) signals OnClick.
class TVrDemoButton : public TVrButtonBase
{
    Q_OBJECT

public:
    explicit TVrDemoButton(QWidget* parent = nullptr);
    explicit TVrDemoButton(const QString& caption, QWidget* parent = nullptr);

    QFont FontLeave() const { return m_fontLeave; }
    void setFontLeave(const QFont& font);
    QFont FontEnter() const { return m_fontEnter; }
    void setFontEnter(const QFont& font);
    QColor ColorLeave() const { return m_colorLeave; }
    void setColorLeave(const QColor& color);
    QColor ColorEnter() const { return m_colorEnter; }
    void setColorEnter(const QColor& color);

    // The font the caption is written in now.
    QFont captionFont() const { return isHovered() ? m_fontEnter : m_fontLeave; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    void paint(QPainter& p, const QRect& r) const;

signals:
    void OnClick(TVrDemoButton* sender);

protected:
    void activate() override { emit OnClick(this); }
    void paintEvent(QPaintEvent*) override;

private:
    QFont m_fontLeave;
    QFont m_fontEnter;
    QColor m_colorLeave;
    QColor m_colorEnter;
};
