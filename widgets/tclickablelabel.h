// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QLabel>

// A caption that reports a left click released over it, or Enter or the
// space bar while it has the keyboard focus, which Tab gives it. The focus
// mark is drawn round it, light on a dark background.
class TClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit TClickableLabel(const QString& text, QWidget* parent = nullptr);

    void setTextColour(const QColor& colour);
    QColor textColour() const;

signals:
    void OnClick(TClickableLabel* sender);

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};
