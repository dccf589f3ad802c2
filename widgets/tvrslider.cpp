// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tvrslider.h"

#include "widgets/vrlook.h"

#include <QCursor>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {
constexpr qreal ThumbLength = 14;  // along the travel
constexpr qreal ThumbWidth = 27;   // across it
constexpr qreal EndMargin = 3;

}  // namespace

TVrSlider::TVrSlider(QWidget* parent) : TVrRangeControl(0, 100, 0, parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void TVrSlider::setOptions(TVrSliderOptions options)
{
    if (options == m_options)
        return;
    m_options = options;
    if (m_options & soHandPoint)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    update();
}

void TVrSlider::setOrientation(Qt::Orientation orientation)
{
    if (orientation == m_orientation)
        return;
    m_orientation = orientation;
    updateGeometry();
    update();
}

QSize TVrSlider::sizeHint() const
{
    return m_orientation == Qt::Vertical ? QSize(33, 185) : QSize(185, 33);
}

QSize TVrSlider::minimumSizeHint() const
{
    return m_orientation == Qt::Vertical ? QSize(21, 40) : QSize(40, 21);
}

qreal TVrSlider::travelStart() const
{
    return ThumbLength / 2 + EndMargin;
}

qreal TVrSlider::travelLength() const
{
    const qreal len = m_orientation == Qt::Vertical ? height() : width();
    return std::max<qreal>(1, len - 2 * travelStart());
}

qreal TVrSlider::along(QPointF pt) const
{
    return m_orientation == Qt::Vertical ? height() - pt.y() : pt.x();
}

QRectF TVrSlider::thumbRect() const
{
    const qreal c = travelStart() + fraction() * travelLength();
    if (m_orientation == Qt::Vertical) {
        const qreal w = std::min<qreal>(ThumbWidth, width() - 2);
        return QRectF((width() - w) / 2, height() - c - ThumbLength / 2, w, ThumbLength);
    }
    const qreal h = std::min<qreal>(ThumbWidth, height() - 2);
    return QRectF(c - ThumbLength / 2, (height() - h) / 2, ThumbLength, h);
}

bool TVrSlider::isScrollPosition(QPointF pos) const
{
    return (m_options & soActiveClick) || thumbRect().contains(pos);
}

bool TVrSlider::scrollStarted(QPointF pos)
{
    const QRectF thumb = thumbRect();
    const bool onThumb = thumb.contains(pos);
    m_grabOffset = onThumb ? along(pos) - along(thumb.center()) : 0;
    return !onThumb;
}

qint64 TVrSlider::scrolledTo(QPointF pos)
{
    const qreal centre = along(pos) - m_grabOffset;
    return valueAtFraction((centre - travelStart()) / travelLength());
}

// With soMouseClip the pointer is brought back inside the control.
QPointF TVrSlider::clipPointer(QPointF pos)
{
    if (!(m_options & soMouseClip) || rect().contains(pos.toPoint()))
        return pos;
    pos.setX(std::clamp<qreal>(pos.x(), 0, width() - 1));
    pos.setY(std::clamp<qreal>(pos.y(), 0, height() - 1));
    QCursor::setPos(mapToGlobal(pos.toPoint()));
    return pos;
}

QList<TVrRangeControl::KeyStep> TVrSlider::keySteps() const
{
    const bool vertical = m_orientation == Qt::Vertical;
    return {{Qt::Key_Home, KeyAction::ToMin},
            {Qt::Key_End, KeyAction::ToMax},
            {vertical ? Qt::Key_Up : Qt::Key_Right, KeyAction::Add, KeyIncrement},
            {vertical ? Qt::Key_Down : Qt::Key_Left, KeyAction::Add, -qint64(KeyIncrement)}};
}

void TVrSlider::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paint(p, rect());
}

void TVrSlider::paint(QPainter& p, const QRect& r) const
{
    const bool vertical = m_orientation == Qt::Vertical;
    const qreal len = vertical ? r.height() : r.width();
    const qreal across = vertical ? r.width() : r.height();
    const qreal start = travelStart();
    const qreal travel = std::max<qreal>(1, len - 2 * start);

    p.save();
    p.translate(r.topLeft());
    // Work in a frame where x runs along the travel (toward MaxValue) and y across it.
    if (vertical) {
        p.translate(0, r.height());
        p.rotate(-90);
    }

    // Graduation: eleven marks on both sides of the groove, longer at the ends and the middle.
    p.setRenderHint(QPainter::Antialiasing, false);
    const qreal mid = std::floor(across / 2);
    p.setPen(QPen(VrLook::Ink, 1));
    for (int i = 0; i <= 10; ++i) {
        const qreal x = std::round(start + travel * i / 10.0) + 0.5;
        const qreal reach = (i % 5 == 0) ? across / 2 - 2 : across / 2 - 6;
        const qreal inner = 5;
        if (reach <= inner)
            continue;
        p.drawLine(QPointF(x, mid - reach), QPointF(x, mid - inner));
        p.drawLine(QPointF(x, mid + inner), QPointF(x, mid + reach));
    }

    // Groove.
    const QRectF groove(start - 2, mid - 2, travel + 4, 5);
    VrLook::sunkenWell(p, groove, VrLook::Groove);

    // Thumb: a fader cap with ridges and a centre line.
    const qreal c = start + fraction() * travel;
    const qreal tw = std::min<qreal>(ThumbWidth, across - 2);
    const QRectF thumb(std::round(c - ThumbLength / 2), std::round((across - tw) / 2), ThumbLength, std::round(tw));
    p.setRenderHint(QPainter::Antialiasing, true);
    if (m_options & soThumbOpaque) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawRoundedRect(thumb.translated(1.5, 1.5), 2, 2);
    }
    QLinearGradient g(thumb.topLeft(), thumb.topRight());
    QColor light = VrLook::Highlight, dark = VrLook::Shadow, face = VrLook::Face;
    if (!(m_options & soThumbOpaque)) {
        light.setAlpha(150);
        dark.setAlpha(150);
        face.setAlpha(150);
    }
    g.setColorAt(0, light);
    g.setColorAt(0.45, face);
    g.setColorAt(1, dark);
    p.setBrush(g);
    p.setPen(QPen(VrLook::DarkShadow, 1));
    p.drawRoundedRect(VrLook::crisp(thumb), 2, 2);
    p.setRenderHint(QPainter::Antialiasing, false);
    const qreal cx = thumb.left() + std::floor(ThumbLength / 2);
    for (int k : {-4, -2, 2, 4}) {
        p.setPen(QPen(k < 0 ? VrLook::Shadow : VrLook::Highlight, 1));
        p.drawLine(QPointF(cx + k + 0.5, thumb.top() + 3), QPointF(cx + k + 0.5, thumb.bottom() - 3));
    }
    p.setPen(QPen(VrLook::Ink, 1));
    p.drawLine(QPointF(cx + 0.5, thumb.top() + 2), QPointF(cx + 0.5, thumb.bottom() - 2));

    if (hasFocus())
        VrLook::focusMark(p, QRectF(0, 0, len, across));
    p.restore();
}
