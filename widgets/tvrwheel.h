// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/tvrrangecontrol.h"

// A rotary knob over a dial. The position follows the handle's angle over one
// full turn: MinValue with the pointer straight up, rising clockwise to
// MaxValue one turn later, so turning past either end jumps to the other end.
// Mouse: dragging turns the handle by the angle the pointer sweeps round the
// centre; a notch of the mouse wheel turns it as Page Up or Page Down does,
// also across the ends.
// Keyboard (no modifier): the up and right arrows add one position, the down
// and left arrows take one away, Page Up and Page Down ten, across the ends
// in the same way.
// A range whose bounds cross is refused (outside loading) with
// "Value out of range." through OnError.
class TVrWheel : public TVrRangeControl
{
    Q_OBJECT

public:
    explicit TVrWheel(QWidget* parent = nullptr);

    int Position() const { return rangeValue(); }
    void setPosition(int position) { setRangeValue(position); }
    int MinValue() const { return rangeMin(); }
    bool setMinValue(int v) { return setRangeMin(v); }
    int MaxValue() const { return rangeMax(); }
    bool setMaxValue(int v) { return setRangeMax(v); }

    // The handle's angle in degrees, clockwise from straight up, in [0, 360).
    double handleAngle() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    void paint(QPainter& p, const QRect& r) const;

    static QString rangeErrorText();

signals:
    void OnChange(TVrWheel* sender);
    void OnError(TVrWheel* sender, const QString& message);

protected:
    void notifyChange() override { emit OnChange(this); }
    bool refuseCrossedRange() override;
    void paintEvent(QPaintEvent*) override;
    void wheelEvent(QWheelEvent* e) override { stepByWheel(e); }
    // A press anywhere takes the knob without turning it; the drag then
    // turns it by the angle the pointer sweeps round the centre, across the
    // ends, and the release leaves it where it is.
    bool isScrollPosition(QPointF) const override { return true; }
    bool scrollStarted(QPointF pos) override;
    qint64 scrolledTo(QPointF pos) override;
    void scrollEnded() override;
    QList<KeyStep> keySteps() const override;
    bool wrapsAround() const override { return true; }

private:
    static constexpr int PageStep = 10; // Page Up and Page Down

    // Angle of pt round the centre, clockwise from up, or a negative value at the centre.
    double pointerAngle(QPointF pt) const;

    double m_dragAngle = 0;     // handle angle being dragged, unwrapped
    double m_lastPointer = 0;   // pointer angle at the previous move
};
