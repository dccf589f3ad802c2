// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tvrrangecontrol.h"

#include "numeric/rounding.h"
#include "widgets/vrlook.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

TVrRangeControl::TVrRangeControl(int min, int max, int value, QWidget* parent)
    : QWidget(parent), m_min(std::min(min, max)), m_max(std::max(min, max)),
      m_value(std::clamp(value, m_min, m_max))
{
}

void TVrRangeControl::setRangeValue(qint64 v)
{
    if (m_min <= m_max)
        v = std::clamp<qint64>(v, m_min, m_max);
    const int nv = int(std::clamp<qint64>(v, INT_MIN, INT_MAX));
    if (nv == m_value)
        return;
    m_value = nv;
    update();
    QAccessibleValueChangeEvent spoken(this, m_value);
    QAccessible::updateAccessibility(&spoken);
    notifyChange();
}

void TVrRangeControl::setValueSpeech(ValueSpeech speech)
{
    m_speech = std::move(speech);
}

QString TVrRangeControl::spokenValue() const
{
    return m_speech ? m_speech(m_value) : QString::number(m_value);
}

bool TVrRangeControl::setRangeMin(int min)
{
    return applyRange(min, m_max, Bound::Min);
}

bool TVrRangeControl::setRangeMax(int max)
{
    return applyRange(m_min, max, Bound::Max);
}

bool TVrRangeControl::setRange(int min, int max)
{
    return applyRange(min, max, Bound::Both);
}

bool TVrRangeControl::applyRange(qint64 min, qint64 max, Bound changed)
{
    if (min > max && !m_loading) {
        if (refuseCrossedRange())
            return false;
        if (changed == Bound::Min)
            max = min;
        else
            min = max;
    }
    if (min != m_min || max != m_max) {
        m_min = int(min);
        m_max = int(max);
        update();
    }
    if (!m_loading)
        setRangeValue(m_value);
    return true;
}

void TVrRangeControl::beginLoading()
{
    m_loading = true;
}

void TVrRangeControl::endLoading()
{
    if (!m_loading)
        return;
    m_loading = false;
    if (m_min > m_max) {
        // Still crossed once loaded: a kind that refuses it reports it; either
        // way the range settles on the maximum alone.
        refuseCrossedRange();
        m_min = m_max;
        update();
    }
    setRangeValue(m_value);
}

double TVrRangeControl::fraction() const
{
    if (m_max <= m_min)
        return 0.0;
    return std::clamp((double(m_value) - m_min) / (double(m_max) - m_min), 0.0, 1.0);
}

qint64 TVrRangeControl::valueAtFraction(double f) const
{
    if (!std::isfinite(f))
        f = 0.0;
    f = std::clamp(f, 0.0, 1.0);
    const double span = double(m_max) - double(m_min);
    return m_min + qint64(RoundHalfEven(f * span));
}

void TVrRangeControl::stepValue(qint64 steps)
{
    if (steps == 0)
        return;
    if (!wrapsAround()) {
        setRangeValue(qint64(m_value) + steps);
        return;
    }
    if (m_max <= m_min)
        return;
    const qint64 count = qint64(m_max) - m_min + 1;
    qint64 v = (qint64(m_value) - m_min + steps) % count;
    if (v < 0)
        v += count;
    setRangeValue(m_min + v);
}

int TVrRangeControl::wheelNotches(QWheelEvent* e)
{
    const qint64 sum = qint64(m_wheelAccumulator) + e->angleDelta().y() + e->angleDelta().x();
    const qint64 steps = sum / 120;
    m_wheelAccumulator = int(sum - steps * 120);
    e->accept();
    return int(std::clamp<qint64>(steps, INT_MIN, INT_MAX));
}

void TVrRangeControl::stepByWheel(QWheelEvent* e)
{
    const qint64 notches = wheelNotches(e);
    const qint64 step = wheelStep();
    if (!wrapsAround()) {
        stepValue(notches * step);
        return;
    }
    const qint64 turn = (qint64(m_max) - m_min) / std::max<qint64>(step, 1) + 1;
    const qint64 count = std::min(std::abs(notches), turn);
    for (qint64 i = 0; i < count; ++i)
        stepValue(notches > 0 ? step : -step);
}

void TVrRangeControl::keyPressEvent(QKeyEvent* e)
{
    if (VrLook::isPlainKey(e)) {
        for (const KeyStep& k : keySteps()) {
            if (k.key != e->key())
                continue;
            switch (k.action) {
            case KeyAction::Add: stepValue(k.amount); break;
            case KeyAction::ToMin: setRangeValue(m_min); break;
            case KeyAction::ToMax: setRangeValue(m_max); break;
            }
            return;
        }
    }
    e->ignore();
}

void TVrRangeControl::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    if (!isScrollPosition(e->position()))
        return;
    m_scrolling = true;
    if (scrollStarted(e->position()))
        setRangeValue(scrolledTo(e->position()));
}

void TVrRangeControl::mouseMoveEvent(QMouseEvent* e)
{
    if (m_scrolling)
        setRangeValue(scrolledTo(clipPointer(e->position())));
}

void TVrRangeControl::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !m_scrolling)
        return;
    if (scrollsOnRelease())
        setRangeValue(scrolledTo(e->position()));
    m_scrolling = false;
    scrollEnded();
}
