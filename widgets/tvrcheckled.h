// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// A check box drawn as a lamp with a caption beside it. A click (press and
// release inside) toggles Checked in either style. Checking a radio-style LED
// puts out every other radio-style LED of the same parent: each of them that
// goes out signals its own change first, then the newly checked one signals.
// Setting Checked to the state it has signals nothing.
// Keyboard: the LED takes the focus (Tab), the space bar toggles it as a
// click does, and the arrows move to the previous (up, left) or next (down,
// right) radio-style LED of the same parent and check it, round the ends.
// With ClickUnchecks off, a click or the space bar on a lit LED leaves it
// lit, as in a group where one choice is always in force.
class TVrCheckLed : public QWidget
{
    Q_OBJECT

public:
    enum TVrCheckStyle { csCheckbox, csRadioButton };

    explicit TVrCheckLed(QWidget* parent = nullptr);
    explicit TVrCheckLed(const QString& caption, QWidget* parent = nullptr);

    bool Checked() const { return m_checked; }
    void setChecked(bool checked);

    TVrCheckStyle CheckStyle() const { return m_style; }
    void setCheckStyle(TVrCheckStyle style);

    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);

    QColor LedColor() const { return m_ledColor; }
    void setLedColor(const QColor& color);

    QColor TextColor() const { return m_textColor; }
    void setTextColor(const QColor& color);

    bool ClickUnchecks() const { return m_clickUnchecks; }
    void setClickUnchecks(bool unchecks) { m_clickUnchecks = unchecks; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    void paint(QPainter& p, const QRect& r) const;

signals:
    void OnChange(TVrCheckLed* sender);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    int ledSide() const;
    void toggleByUser();
    void moveInGroup(int step);

    bool m_checked = false;
    TVrCheckStyle m_style = csCheckbox;
    QString m_caption;
    QColor m_ledColor = QColor(0x00, 0xFF, 0x00);
    QColor m_textColor = QColor(0x10, 0x10, 0x10);
    bool m_pressed = false;
    bool m_clickUnchecks = true;
};
