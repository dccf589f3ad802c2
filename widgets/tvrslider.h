// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/tvrrangecontrol.h"

// A fader: a thumb that travels along a graduated groove. Vertical by default,
// MaxValue at the top (or at the right when horizontal).
// Mouse: the left button drags the thumb; with soActiveClick a click on the
// track away from the thumb brings the thumb's centre to the click; with
// soMouseClip the pointer is kept inside the control while dragging. The
// mouse wheel steps by one.
// Keyboard (no modifier): Home = MinValue, End = MaxValue, Up/Down (Right/Left
// when horizontal) add or subtract KeyIncrement.
class TVrSlider : public TVrRangeControl
{
    Q_OBJECT

public:
    enum TVrSliderOption {
        soHandPoint = 0x1,    // pointing-hand cursor over the control
        soThumbOpaque = 0x2,  // thumb drawn opaque (see-through otherwise)
        soActiveClick = 0x4,  // a click on the track moves the thumb there
        soMouseClip = 0x8,    // the pointer stays inside the control while dragging
    };
    Q_DECLARE_FLAGS(TVrSliderOptions, TVrSliderOption)

    explicit TVrSlider(QWidget* parent = nullptr);

    int Position() const { return rangeValue(); }
    void setPosition(int position) { setRangeValue(position); }
    int MinValue() const { return rangeMin(); }
    bool setMinValue(int v) { return setRangeMin(v); }
    int MaxValue() const { return rangeMax(); }
    bool setMaxValue(int v) { return setRangeMax(v); }

    TVrSliderOptions Options() const { return m_options; }
    void setOptions(TVrSliderOptions options);

    Qt::Orientation Orientation() const { return m_orientation; }
    void setOrientation(Qt::Orientation orientation);

    // Step of one arrow-key press.
    int KeyIncrement = 5;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Paints the slider into r (also used to render it off screen).
    void paint(QPainter& p, const QRect& r) const;

signals:
    void OnChange(TVrSlider* sender);

protected:
    void notifyChange() override { emit OnChange(this); }
    void paintEvent(QPaintEvent*) override;
    void wheelEvent(QWheelEvent* e) override { stepByWheel(e); }
    QList<KeyStep> keySteps() const override;
    // The drag takes the thumb where it was pressed, or, with soActiveClick,
    // anywhere: its centre then comes to the pointer.
    bool isScrollPosition(QPointF pos) const override;
    bool scrollStarted(QPointF pos) override;
    qint64 scrolledTo(QPointF pos) override;
    QPointF clipPointer(QPointF pos) override;
    bool scrollsOnRelease() const override { return true; }

private:
    // Travel of the thumb's centre along the main axis, in pixels.
    qreal travelStart() const;
    qreal travelLength() const;
    qreal along(QPointF pt) const;  // main-axis coordinate, increasing toward MaxValue
    QRectF thumbRect() const;

    TVrSliderOptions m_options = TVrSliderOptions(soHandPoint | soThumbOpaque);
    Qt::Orientation m_orientation = Qt::Vertical;
    qreal m_grabOffset = 0;  // pointer − thumb centre at the start of a drag
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TVrSlider::TVrSliderOptions)
