// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/tvrrangecontrol.h"

// A track bar: a pointed thumb on a groove with a tick every Frequency
// positions. Horizontal by default (MaxValue at the right); vertical puts
// MaxValue at the top.
// Mouse: the left button drags the thumb, a click on the track brings it to
// the click; the mouse wheel steps by one.
// Keyboard (no modifier): Home = MaxValue, End = MinValue; the arrows along
// the bar step by Frequency, Right and Up adding, Left and Down subtracting.
class TVrTrackBar : public TVrRangeControl
{
    Q_OBJECT

public:
    explicit TVrTrackBar(QWidget* parent = nullptr);

    int Position() const { return rangeValue(); }
    void setPosition(int position) { setRangeValue(position); }
    int MinValue() const { return rangeMin(); }
    bool setMinValue(int v) { return setRangeMin(v); }
    int MaxValue() const { return rangeMax(); }
    bool setMaxValue(int v) { return setRangeMax(v); }

    Qt::Orientation Orientation() const { return m_orientation; }
    void setOrientation(Qt::Orientation orientation);

    // Tick spacing in positions, also the arrow-key step.
    int Frequency() const { return m_frequency; }
    void setFrequency(int frequency);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    void paint(QPainter& p, const QRect& r) const;

signals:
    void OnChange(TVrTrackBar* sender);

protected:
    void notifyChange() override { emit OnChange(this); }
    void paintEvent(QPaintEvent*) override;
    void wheelEvent(QWheelEvent* e) override { stepByWheel(e); }
    QList<KeyStep> keySteps() const override;
    // A press anywhere takes the bar: on the thumb it keeps where the thumb
    // was taken, elsewhere the thumb's centre comes to the pointer.
    bool isScrollPosition(QPointF) const override { return true; }
    bool scrollStarted(QPointF pos) override;
    qint64 scrolledTo(QPointF pos) override;
    bool scrollsOnRelease() const override { return true; }

private:
    qreal along(QPointF pt) const;
    qreal travelLength() const;
    qreal thumbCentre() const;

    Qt::Orientation m_orientation = Qt::Horizontal;
    int m_frequency = 10;
    qreal m_grabOffset = 0; // pointer − thumb centre at the start of a drag
};
