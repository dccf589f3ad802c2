// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tvrtrackbar.h"

#include "widgets/vrlook.h"

#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {
constexpr qreal ThumbHalf = VrLook::TrackInset - 2;  // half width of the thumb along the travel
constexpr qreal MinTickSpacing = 3;                    // pixels; denser ticks are thinned

}  // namespace

TVrTrackBar::TVrTrackBar(QWidget* parent) : TVrRangeControl(0, 100, 0, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void TVrTrackBar::setOrientation(Qt::Orientation orientation)
{
    if (orientation == m_orientation)
        return;
    m_orientation = orientation;
    updateGeometry();
    update();
}

void TVrTrackBar::setFrequency(int frequency)
{
    if (frequency == m_frequency)
        return;
    m_frequency = frequency;
    update();
}

QSize TVrTrackBar::sizeHint() const
{
    return m_orientation == Qt::Horizontal ? QSize(200, 40) : QSize(40, 120);
}

QSize TVrTrackBar::minimumSizeHint() const
{
    return m_orientation == Qt::Horizontal ? QSize(40, 28) : QSize(28, 40);
}

qreal TVrTrackBar::along(QPointF pt) const
{
    return m_orientation == Qt::Horizontal ? pt.x() : height() - pt.y();
}

qreal TVrTrackBar::travelLength() const
{
    const qreal len = m_orientation == Qt::Horizontal ? width() : height();
    return std::max<qreal>(1, len - 2 * VrLook::TrackInset);
}

qreal TVrTrackBar::thumbCentre() const
{
    return VrLook::TrackInset + fraction() * travelLength();
}

bool TVrTrackBar::scrollStarted(QPointF pos)
{
    const qreal offset = along(pos) - thumbCentre();
    m_grabOffset = std::fabs(offset) <= ThumbHalf ? offset : 0;
    return true;
}

qint64 TVrTrackBar::scrolledTo(QPointF pos)
{
    const qreal c = along(pos) - m_grabOffset;
    return valueAtFraction((c - VrLook::TrackInset) / travelLength());
}

QList<TVrRangeControl::KeyStep> TVrTrackBar::keySteps() const
{
    const bool horizontal = m_orientation == Qt::Horizontal;
    return {{Qt::Key_Home, KeyAction::ToMax},
            {Qt::Key_End, KeyAction::ToMin},
            {horizontal ? Qt::Key_Right : Qt::Key_Up, KeyAction::Add, m_frequency},
            {horizontal ? Qt::Key_Left : Qt::Key_Down, KeyAction::Add, -qint64(m_frequency)}};
}

void TVrTrackBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paint(p, rect());
}

void TVrTrackBar::paint(QPainter& p, const QRect& r) const
{
    const bool horizontal = m_orientation == Qt::Horizontal;
    const qreal len = horizontal ? r.width() : r.height();
    const qreal across = horizontal ? r.height() : r.width();
    const qreal inset = VrLook::TrackInset;
    const qreal travel = std::max<qreal>(1, len - 2 * inset);

    p.save();
    p.translate(r.topLeft());
    // Frame: x along the travel toward MaxValue, y across it (ticks below).
    if (!horizontal) {
        // Vertical: MaxValue at the top, ticks on the right.
        p.translate(0, r.height());
        p.rotate(-90);
    }

    const qreal grooveY = std::floor(across * 0.32);
    const QRectF groove(inset - 3, grooveY - 2, travel + 6, 5);
    VrLook::sunkenWell(p, groove, VrLook::Groove);

    // Ticks: one every Frequency positions, thinned to stay legible.
    const qint64 span = qint64(MaxValue()) - MinValue();
    if (m_frequency > 0 && span > 0) {
        qint64 step = m_frequency;
        while (step < span && travel * double(step) / double(span) < MinTickSpacing)
            step *= 2;
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(VrLook::Ink, 1));
        const qreal y0 = grooveY + 9;
        for (qint64 k = 0; k <= span; k += step) {
            const qreal x = std::round(inset + travel * double(k) / double(span)) + 0.5;
            const bool major = (k / step) % 5 == 0;
            p.drawLine(QPointF(x, y0), QPointF(x, y0 + (major ? 5 : 3)));
        }
        const qreal xEnd = std::round(inset + travel) + 0.5;
        p.drawLine(QPointF(xEnd, y0), QPointF(xEnd, y0 + 5));
    }

    // Thumb: a metal block pointing at the ticks.
    const qreal c = std::round(inset + fraction() * travel);
    const qreal top = grooveY - 8, shoulder = grooveY + 4, tip = grooveY + 8;
    QPainterPath thumb;
    thumb.moveTo(c - ThumbHalf, top);
    thumb.lineTo(c + ThumbHalf, top);
    thumb.lineTo(c + ThumbHalf, shoulder);
    thumb.lineTo(c, tip);
    thumb.lineTo(c - ThumbHalf, shoulder);
    thumb.closeSubpath();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 55));
    p.drawPath(thumb.translated(1.2, 1.2));
    QLinearGradient g(QPointF(c - ThumbHalf, 0), QPointF(c + ThumbHalf, 0));
    g.setColorAt(0, VrLook::Highlight);
    g.setColorAt(0.5, VrLook::Face);
    g.setColorAt(1, VrLook::Shadow);
    p.setBrush(g);
    p.setPen(QPen(VrLook::DarkShadow, 1));
    p.drawPath(thumb.translated(0.5, 0.5));
    p.setPen(QPen(VrLook::Pointer.darker(120), 1.5));
    p.drawLine(QPointF(c + 0.5, top + 3), QPointF(c + 0.5, shoulder));

    p.restore();
    if (hasFocus()) {
        p.save();
        p.translate(r.topLeft());
        VrLook::focusMark(p, QRectF(0, 0, r.width(), r.height()));
        p.restore();
    }
}
