// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tvrswitch.h"

#include "widgets/vrlook.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
constexpr qreal LeverLength = 10;
constexpr qreal EndMargin = 4;

}  // namespace

TVrSwitch::TVrSwitch(QWidget* parent) : TVrRangeControl(0, 3, 0, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void TVrSwitch::setPositions(int positions)
{
    setRangeMax(std::max(1, positions) - 1);
}

void TVrSwitch::setOrientation(Qt::Orientation orientation)
{
    if (orientation == m_orientation)
        return;
    m_orientation = orientation;
    updateGeometry();
    update();
}

void TVrSwitch::setLedColor(const QColor& color)
{
    if (color == m_ledColor)
        return;
    m_ledColor = color;
    update();
}

QSize TVrSwitch::sizeHint() const
{
    const int len = std::max(50, int(EndMargin * 2 + Positions() * 11));
    return m_orientation == Qt::Vertical ? QSize(25, len) : QSize(len, 25);
}

QSize TVrSwitch::minimumSizeHint() const
{
    const int len = std::max(20, int(EndMargin * 2 + Positions() * 4));
    return m_orientation == Qt::Vertical ? QSize(16, len) : QSize(len, 16);
}

qreal TVrSwitch::stopAt(int i, qreal length) const
{
    const int n = Positions();
    const qreal first = EndMargin + LeverLength / 2;
    const qreal travel = std::max<qreal>(0, length - 2 * first);
    return n <= 1 ? length / 2 : first + travel * i / (n - 1);
}

qint64 TVrSwitch::scrolledTo(QPointF pos)
{
    const bool vertical = m_orientation == Qt::Vertical;
    const qreal length = vertical ? height() : width();
    const qreal a = vertical ? height() - pos.y() : pos.x();
    int best = 0;
    qreal bestDistance = 1e300;
    for (int i = 0; i < Positions(); ++i) {
        const qreal d = std::fabs(stopAt(i, length) - a);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

QList<TVrRangeControl::KeyStep> TVrSwitch::keySteps() const
{
    return {{Qt::Key_Home, KeyAction::ToMin}, {Qt::Key_End, KeyAction::ToMax},
            {Qt::Key_Right, KeyAction::Add, 1},   {Qt::Key_Up, KeyAction::Add, 1},
            {Qt::Key_Left, KeyAction::Add, -1},   {Qt::Key_Down, KeyAction::Add, -1}};
}

void TVrSwitch::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paint(p, rect());
}

void TVrSwitch::paint(QPainter& p, const QRect& r) const
{
    const bool vertical = m_orientation == Qt::Vertical;
    const qreal len = vertical ? r.height() : r.width();
    const qreal across = vertical ? r.width() : r.height();

    p.save();
    p.translate(r.topLeft());
    if (vertical) {
        p.translate(0, r.height());
        p.rotate(-90);
    }
    // Frame: x along the travel toward the last position, y across.

    // Plate.
    const QRectF plate(0, 0, len, across);
    VrLook::raisedFace(p, plate, VrLook::Face, false);

    // Lamps on one side, slot on the other.
    const qreal lampSize = std::clamp<qreal>(across * 0.26, 4, 8);
    const qreal lampY = 3 + lampSize / 2;
    const qreal slotW = std::max<qreal>(4, across * 0.24);
    const qreal slotY = std::min(across - slotW / 2 - 4, across * 0.62);
    const qreal first = stopAt(0, len), last = stopAt(Positions() - 1, len);
    VrLook::sunkenWell(p, QRectF(std::floor(first - 3), std::floor(slotY - slotW / 2),
                                 std::ceil(last - first + 6), std::ceil(slotW)), VrLook::Groove);
    for (int i = 0; i < Positions(); ++i) {
        const qreal x = stopAt(i, len);
        VrLook::led(p, QRectF(x - lampSize / 2, lampY - lampSize / 2, lampSize, lampSize), m_ledColor,
                    i == Offset(), true);
    }

    // Lever.
    const qreal x = std::round(stopAt(Offset(), len));
    const qreal leverW = std::min<qreal>(across - 6, slotW + 10);
    const QRectF lever(x - LeverLength / 2, std::round(slotY - leverW / 2), LeverLength, std::round(leverW));
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(lever.translated(1, 1), 2, 2);
    QLinearGradient g(lever.topLeft(), lever.topRight());
    g.setColorAt(0, VrLook::Highlight);
    g.setColorAt(0.5, VrLook::Face.darker(105));
    g.setColorAt(1, VrLook::Shadow);
    p.setBrush(g);
    p.setPen(QPen(VrLook::DarkShadow, 1));
    p.drawRoundedRect(VrLook::crisp(lever), 2, 2);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(VrLook::Ink, 1));
    p.drawLine(QPointF(x + 0.5, lever.top() + 2), QPointF(x + 0.5, lever.bottom() - 2));

    if (hasFocus())
        VrLook::focusMark(p, plate.adjusted(2, 2, -2, -2));
    p.restore();
}
