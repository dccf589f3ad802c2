// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/tvrbuttonbase.h"

// A push button with a lamp that is lit while Active. A click (press and
// release on the button, or a release of the space bar) first toggles
// Active, then signals OnClick. Every key pressed while it has the focus is
// signalled through OnKeyDown. Setting Active from code signals nothing.
class TVrPowerButton : public TVrButtonBase
{
    Q_OBJECT

public:
    explicit TVrPowerButton(QWidget* parent = nullptr);
    explicit TVrPowerButton(const QString& caption, QWidget* parent = nullptr);

    bool Active() const { return m_active; }
    void setActive(bool active);

    QColor LedColor() const { return m_ledColor; }
    void setLedColor(const QColor& color);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    void paint(QPainter& p, const QRect& r) const;

signals:
    void OnClick(TVrPowerButton* sender);
    void OnKeyDown(TVrPowerButton* sender, int key, Qt::KeyboardModifiers modifiers);

protected:
    void activate() override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent*) override;

private:
    // Tells a screen reader that the lamp went on or off.
    void announceState();

    bool m_active = false;
    QColor m_ledColor = QColor(0x00, 0xFF, 0x00);
};
