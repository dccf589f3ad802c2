// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/tvrbuttonbase.h"

#include <QColor>

// A value written in a box that opens something when clicked: the whole box
// is the click target. It shows that it can be clicked: a pointing hand, a
// thin frame, a lamp-coloured face under the pointer and the focus mark.
// A click, Enter or the space bar signals OnClick. A text too wide for the
// box is written in a smaller font rather than cut.
class TVrClickValue : public TVrButtonBase
{
    Q_OBJECT

public:
    explicit TVrClickValue(QWidget* parent = nullptr);
    explicit TVrClickValue(const QString& text, QWidget* parent = nullptr);

    QColor TextColor() const { return m_textColor; }
    void setTextColor(const QColor& color);

    // The font the text is written in: the control's own, made smaller until
    // the text fits the box.
    QFont fittedFont() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    void paint(QPainter& p, const QRect& r) const;

signals:
    void OnClick(TVrClickValue* sender);

protected:
    void activate() override { emit OnClick(this); }
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent*) override;

private:
    QColor m_textColor;
};
