#pragma once

#include <QWidget>

class QWheelEvent;

// Base of every control with a ranged integer value (slider, track bar, wheel,
// switch, numeric read-out). It holds the value rule in one place:
//   setting the value clamps it to [min, max]; only a real change is stored,
//   repainted and announced (notifyChange());
//   moving a bound past the value moves the value to that bound the same way.
// Subclasses expose the rule under their own names and only paint and map
// the mouse and keyboard to values.
class TVrRangeControl : public QWidget
{
    Q_OBJECT

public:
    // While loading, bounds are stored as given even when they cross, so that a
    // range can be written one bound at a time; endLoading() settles the range
    // and the value through the usual rule.
    void beginLoading();
    void endLoading();
    bool isLoading() const { return m_loading; }

protected:
    TVrRangeControl(int min, int max, int value, QWidget* parent);

    int rangeValue() const { return m_value; }
    int rangeMin() const { return m_min; }
    int rangeMax() const { return m_max; }

    // The value rule; v may lie outside the int range.
    void setRangeValue(qint64 v);

    // Change one bound or both. A bound set past the other one drags it along
    // (the range shrinks to that single value), unless refuseCrossedRange()
    // refuses it; returns false when the range was refused and left unchanged.
    bool setRangeMin(int min);
    bool setRangeMax(int max);
    bool setRange(int min, int max);

    // Where the value lies in the range, 0 at min and 1 at max (0 for an empty range).
    double fraction() const;
    // The value at a fraction of the range: min + Round(f · (max − min)), f clamped to [0, 1].
    qint64 valueAtFraction(double f) const;

    // Moves the value by `steps` positions through the value rule. With
    // `wrap`, a step past one end comes round from the other end, as on a
    // knob that turns a whole circle (an empty range stays as it is).
    void stepValue(qint64 steps, bool wrap = false);

    // Whole notches of mouse-wheel turning in `e`, the remainder kept for the
    // next event (fine-grained wheels send fractions of a notch).
    int wheelNotches(QWheelEvent* e);
    // Moves the value one position per notch, through the value rule.
    void stepByWheel(QWheelEvent* e, bool wrap = false);

    // Announce a change of value (each kind emits its own OnChange).
    virtual void notifyChange() = 0;
    // A kind that refuses crossed bounds reports it here and returns true.
    virtual bool refuseCrossedRange() { return false; }

private:
    enum class Bound { Min, Max, Both };
    bool applyRange(qint64 min, qint64 max, Bound changed);

    int m_min;
    int m_max;
    int m_value;
    bool m_loading = false;
    int m_wheelAccumulator = 0;
};
