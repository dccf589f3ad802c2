// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// Press, hover and click tracking shared by the push buttons of the set.
// A click is a left press and a release over the button, or a release of the
// space bar while the button has the keyboard focus; activate() runs on it.
class TVrButtonBase : public QWidget
{
    Q_OBJECT

public:
    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);

    // A click as the user makes it: the button's own reaction, then its signal.
    void click() { activate(); }

    bool isHovered() const { return m_hovered; }
    // True while the button shows pressed: left button held over it, or space held.
    bool isDown() const { return (m_mouseDown && m_hovered) || m_spaceDown; }

protected:
    explicit TVrButtonBase(const QString& caption, QWidget* parent);

    virtual void activate() = 0;
    virtual void hoverChanged() {}

    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void setHovered(bool hovered);

    QString m_caption;
    bool m_hovered = false;
    bool m_mouseDown = false;
    bool m_spaceDown = false;
};
