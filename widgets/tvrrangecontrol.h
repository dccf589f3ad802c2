// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

class QKeyEvent;
class QMouseEvent;
class QWheelEvent;

// Base of every control with a ranged integer value (slider, track bar, wheel,
// switch, numeric read-out). It holds the value rule in one place:
//   setting the value clamps it to [min, max]; only a real change is stored,
//   repainted and announced (notifyChange());
//   moving a bound past the value moves the value to that bound the same way.
// It also holds the keyboard and mouse-wheel stepping: a kind lists the
// keys it answers (keySteps()) and says whether it wraps round its ends
// (wrapsAround()); every step goes through the value rule.
// And it holds the drag: a kind says where a press takes hold
// (isScrollPosition()) and what value a point of the pointer means
// (scrolledTo()); the value set by the drag goes through the rule too.
// Subclasses expose the rule under their own names and only paint and map
// the mouse to values.
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

    // How a screen reader speaks value v: the number alone unless the window
    // that places the control says otherwise (a unit, a name for each position).
    using ValueSpeech = std::function<QString(int)>;
    void setValueSpeech(ValueSpeech speech);
    QString spokenValue() const;

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

    // Moves the value by `steps` positions through the value rule; past one
    // end it comes round from the other when the kind wraps around.
    void stepValue(qint64 steps);

    // Whole notches of mouse-wheel turning in `e` (120 eighths of a degree
    // each), the remainder kept for the next event (fine-grained wheels send
    // fractions of a notch).
    int wheelNotches(QWheelEvent* e);
    // Moves the value wheelStep() positions per notch, through stepValue();
    // for the kinds that answer the mouse wheel. A kind that wraps around
    // moves notch by notch, so that whoever watches its changes sees each
    // passage from one end to the other, at most one turn per event.
    void stepByWheel(QWheelEvent* e);
    // Positions moved by one notch of the mouse wheel.
    virtual int wheelStep() const { return 1; }

    // What a key does to the value.
    enum class KeyAction { Add, ToMin, ToMax };
    struct KeyStep {
        int key;
        KeyAction action;
        qint64 amount = 0; // for Add
    };
    // The keys this kind answers now (they may depend on its orientation or
    // step). A key pressed with a modifier other than the keypad's, or one
    // not listed, is passed on to the parent.
    virtual QList<KeyStep> keySteps() const { return {}; }
    void keyPressEvent(QKeyEvent* e) override;

    // A knob that turns a whole circle: past one end the value comes round
    // from the other (an empty range stays as it is).
    virtual bool wrapsAround() const { return false; }

    // The drag. A left press where isScrollPosition() answers starts it;
    // scrollStarted() lets the kind note where the pointer took hold and
    // says whether the press itself already sets the value to
    // scrolledTo(the press). Each move then sets the value to
    // scrolledTo(clipPointer(the pointer)), and the release ends the drag,
    // first setting the value to scrolledTo(the release) when
    // scrollsOnRelease(). A press of another button is passed on to the
    // parent; moves and releases outside a drag do nothing.
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

    // Whether a left press at pos takes hold of the control.
    virtual bool isScrollPosition(QPointF pos) const
    {
        Q_UNUSED(pos);
        return false;
    }
    // A drag starts at pos; true when the press sets the value.
    virtual bool scrollStarted(QPointF pos)
    {
        Q_UNUSED(pos);
        return true;
    }
    // The value the pointer at pos asks for during the drag. A kind that
    // follows the pointer's path rather than its place (the knob, which
    // counts the angle swept) moves its track along here.
    virtual qint64 scrolledTo(QPointF pos)
    {
        Q_UNUSED(pos);
        return rangeValue();
    }
    // Where a move during the drag counts the pointer; a kind may hold the
    // pointer inside itself here.
    virtual QPointF clipPointer(QPointF pos) { return pos; }
    // Whether letting go of the button sets the value once more.
    virtual bool scrollsOnRelease() const { return false; }
    // The drag ended.
    virtual void scrollEnded() {}

    // Announce a change of value (each kind emits its own OnChange).
    virtual void notifyChange() = 0;
    // A kind that refuses crossed bounds reports it here and returns true.
    virtual bool refuseCrossedRange() { return false; }

private:
    // The screen reader's view of the control reads and sets the value
    // through the same rule and steps as the keys.
    friend struct RangeAccess;

    enum class Bound { Min, Max, Both };
    bool applyRange(qint64 min, qint64 max, Bound changed);

    int m_min;
    int m_max;
    int m_value;
    bool m_loading = false;
    int m_wheelAccumulator = 0;
    bool m_scrolling = false;
    ValueSpeech m_speech;
};
