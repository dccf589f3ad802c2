// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tvrwheel.h"

#include "widgets/vrlook.h"

#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr int KnurlCount = 40;

double wrap360(double a)
{
    a = std::fmod(a, 360.0);
    return a < 0 ? a + 360.0 : a;
}
}  // namespace

TVrWheel::TVrWheel(QWidget* parent) : TVrRangeControl(0, 100, 0, parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::OpenHandCursor);
}

QString TVrWheel::rangeErrorText()
{
    return QStringLiteral("Value out of range.");
}

bool TVrWheel::refuseCrossedRange()
{
    emit OnError(this, rangeErrorText());
    return true;
}

QSize TVrWheel::sizeHint() const
{
    return QSize(85, 85);
}

QSize TVrWheel::minimumSizeHint() const
{
    return QSize(32, 32);
}

double TVrWheel::handleAngle() const
{
    return fraction() * 360.0 >= 360.0 ? 0.0 : fraction() * 360.0;
}

double TVrWheel::pointerAngle(QPointF pt) const
{
    const QPointF d = pt - QRectF(rect()).center();
    if (std::hypot(d.x(), d.y()) < 3)
        return -1;
    return wrap360(std::atan2(d.x(), -d.y()) * 180.0 / std::numbers::pi);
}

bool TVrWheel::scrollStarted(QPointF pos)
{
    const double a = pointerAngle(pos);
    m_dragAngle = fraction() * 360.0;
    m_lastPointer = a < 0 ? 0 : a;
    setCursor(Qt::ClosedHandCursor);
    return false;
}

qint64 TVrWheel::scrolledTo(QPointF pos)
{
    const double a = pointerAngle(pos);
    if (a < 0)
        return rangeValue();
    double delta = a - m_lastPointer;
    if (delta > 180)
        delta -= 360;
    else if (delta < -180)
        delta += 360;
    if (delta == 0)
        return rangeValue();
    m_lastPointer = a;
    m_dragAngle += delta;
    // Position follows the angle over the whole turn; the last fraction of a
    // degree before the top already reads MaxValue, the top itself MinValue.
    return valueAtFraction(wrap360(m_dragAngle) / 360.0);
}

void TVrWheel::scrollEnded()
{
    setCursor(Qt::OpenHandCursor);
}

QList<TVrRangeControl::KeyStep> TVrWheel::keySteps() const
{
    return {{Qt::Key_Up, KeyAction::Add, 1},       {Qt::Key_Right, KeyAction::Add, 1},
            {Qt::Key_Down, KeyAction::Add, -1},    {Qt::Key_Left, KeyAction::Add, -1},
            {Qt::Key_PageUp, KeyAction::Add, PageStep},  {Qt::Key_PageDown, KeyAction::Add, -PageStep}};
}

void TVrWheel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paint(p, rect());
}

void TVrWheel::paint(QPainter& p, const QRect& r) const
{
    const qreal side = std::min(r.width(), r.height());
    if (side < 8)
        return;
    const QPointF c = QRectF(r).center();
    const qreal R = side / 2 - 1;

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);

    // Dial: a sunken ring with graduation marks, one major mark per tenth of a turn.
    QRadialGradient well(c, R);
    well.setColorAt(0.8, VrLook::Silver.darker(108));
    well.setColorAt(1, VrLook::Silver.lighter(106));
    p.setPen(QPen(VrLook::Shadow, 1));
    p.setBrush(well);
    p.drawEllipse(c, R, R);
    for (int i = 0; i < 40; ++i) {
        const double a = i * 9.0 * std::numbers::pi / 180.0;
        const bool major = i % 4 == 0;
        const qreal r0 = R * (major ? 0.80 : 0.86), r1 = R * 0.95;
        const QPointF u(std::sin(a), -std::cos(a));
        p.setPen(QPen(i == 0 ? VrLook::Pointer.darker(115) : VrLook::Ink, major ? 1.4 : 0.8));
        p.drawLine(c + u * r0, c + u * r1);
    }

    // Handle: a knurled metal knob with a pointer, turned by handleAngle().
    const qreal K = R * 0.74;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(c + QPointF(1.5, 2), K, K);

    const double turn = handleAngle();
    QPainterPath knurl;
    for (int i = 0; i < KnurlCount; ++i) {
        const double a0 = (turn + i * 360.0 / KnurlCount) * std::numbers::pi / 180.0;
        const double a1 = a0 + 0.5 * 2 * std::numbers::pi / KnurlCount;
        const QPointF u0(std::sin(a0), -std::cos(a0)), u1(std::sin(a1), -std::cos(a1));
        if (i == 0)
            knurl.moveTo(c + u0 * K);
        else
            knurl.lineTo(c + u0 * K);
        knurl.lineTo(c + u1 * (K * 0.93));
    }
    knurl.closeSubpath();
    QConicalGradient metal(c, 135);
    metal.setColorAt(0.0, QColor(0xF4, 0xF4, 0xF4));
    metal.setColorAt(0.25, QColor(0x88, 0x88, 0x88));
    metal.setColorAt(0.5, QColor(0xE0, 0xE0, 0xE0));
    metal.setColorAt(0.75, QColor(0x70, 0x70, 0x70));
    metal.setColorAt(1.0, QColor(0xF4, 0xF4, 0xF4));
    p.setBrush(metal);
    p.setPen(QPen(VrLook::DarkShadow, 0.8));
    p.drawPath(knurl);

    // Cap.
    const qreal capR = K * 0.80;
    QRadialGradient cap(c - QPointF(capR * 0.35, capR * 0.45), capR * 1.4);
    cap.setColorAt(0, QColor(0xFA, 0xFA, 0xFA));
    cap.setColorAt(0.55, QColor(0xC8, 0xC8, 0xC8));
    cap.setColorAt(1, QColor(0x84, 0x84, 0x84));
    p.setBrush(cap);
    p.setPen(QPen(VrLook::Shadow, 0.8));
    p.drawEllipse(c, capR, capR);

    // Pointer: an engraved line ending in a lamp-coloured dot.
    const double a = turn * std::numbers::pi / 180.0;
    const QPointF u(std::sin(a), -std::cos(a));
    p.setPen(QPen(VrLook::DarkShadow, std::max(1.5, K * 0.08), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + u * (capR * 0.25), c + u * (capR * 0.78));
    p.setPen(Qt::NoPen);
    p.setBrush(VrLook::Pointer);
    p.drawEllipse(c + u * (capR * 0.78), K * 0.09, K * 0.09);

    if (hasFocus()) {
        p.setPen(QPen(VrLook::Focus, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, R + 0.0, R + 0.0);
    }
    p.restore();
}
