// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tvrscale.h"

#include "numeric/rounding.h"
#include "widgets/vrlook.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

TVrScale::TVrScale(QWidget* parent) : QWidget(parent), m_inset(VrLook::TrackInset)
{
    setFont(VrLook::font(11));
}

template <typename T> void TVrScale::assign(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    updateGeometry();
    update();
}

void TVrScale::setMinValue(int v) { assign(m_min, v); }
void TVrScale::setMaxValue(int v) { assign(m_max, v); }
void TVrScale::setTicks(int ticks) { assign(m_ticks, std::clamp(ticks, 1, 1000)); }
void TVrScale::setTicksHeight(int height) { assign(m_ticksHeight, std::clamp(height, 0, 1000)); }
void TVrScale::setTickMarks(TVrTickMarks marks) { assign(m_tickMarks, marks); }
void TVrScale::setDigits(int digits) { assign(m_digits, std::clamp(digits, 1, 10)); }
void TVrScale::setShowSign(bool show) { assign(m_showSign, show); }
void TVrScale::setPeakLevel(int level)
{
    m_peakLevel = level;
    update();
}
void TVrScale::setPeakColor(const QColor& color) { assign(m_peakColor, color); }
void TVrScale::setTextColor(const QColor& color) { assign(m_textColor, color); }
void TVrScale::setTickColor(const QColor& color) { assign(m_tickColor, color); }
void TVrScale::setInset(int inset) { assign(m_inset, std::max(0, inset)); }

qint64 TVrScale::tickValue(int i) const
{
    i = std::clamp(i, 0, m_ticks);
    const double v = double(m_min) + (double(m_max) - double(m_min)) * i / m_ticks;
    return qint64(RoundHalfEven(v));
}

QString TVrScale::label(int i) const
{
    const qint64 v = tickValue(i);
    QString text = QString::number(std::llabs(v)).rightJustified(m_digits, QLatin1Char('0'));
    if (v < 0)
        text.prepend(QLatin1Char('-'));
    else if (v > 0 && m_showSign)
        text.prepend(QLatin1Char('+'));
    return text;
}

QSize TVrScale::sizeHint() const
{
    const QFontMetrics fm(font());
    const int sides = m_tickMarks == tmBoth ? 2 : 1;
    return QSize(std::max(100, (m_ticks + 1) * (fm.horizontalAdvance(label(m_ticks)) + 4)),
                 fm.height() + sides * (m_ticksHeight + 2) + 2);
}

QSize TVrScale::minimumSizeHint() const
{
    const QFontMetrics fm(font());
    const int sides = m_tickMarks == tmBoth ? 2 : 1;
    return QSize(40, fm.height() + sides * (m_ticksHeight + 1));
}

void TVrScale::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::FontChange) {
        updateGeometry();
        update();
    }
    QWidget::changeEvent(e);
}

void TVrScale::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paint(p, rect());
}

void TVrScale::paint(QPainter& p, const QRect& r) const
{
    const qreal x0 = r.left() + m_inset;
    const qreal span = std::max<qreal>(1, r.width() - 2 * m_inset);
    auto xAt = [&](int i) { return std::round(x0 + span * i / m_ticks) + 0.5; };

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    const bool top = m_tickMarks != tmBottomRight;
    const bool bottom = m_tickMarks != tmTopLeft;
    const qreal pitch = span / m_ticks;

    // Marks, thinned when closer than 2 pixels; every fifth one is the same length
    // as the others, so the graduation stays quiet under the numbers.
    int markStep = 1;
    while (markStep < m_ticks && pitch * markStep < 2)
        markStep *= 2;
    p.setPen(QPen(m_tickColor, 1));
    for (int i = 0; i <= m_ticks; i += markStep) {
        const qreal x = xAt(i);
        if (top && m_ticksHeight > 0)
            p.drawLine(QPointF(x, r.top()), QPointF(x, r.top() + m_ticksHeight - 1));
        if (bottom && m_ticksHeight > 0)
            p.drawLine(QPointF(x, r.bottom() - m_ticksHeight + 1), QPointF(x, r.bottom()));
    }

    // Numbers: every tick when they fit, else every second, fifth, tenth … tick.
    const QFontMetrics fm(font());
    int widest = 0;
    for (int i = 0; i <= m_ticks; ++i)
        widest = std::max(widest, fm.horizontalAdvance(label(i)));
    int labelStep = 1;
    for (int k : {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000}) {
        labelStep = k;
        if (pitch * k >= widest + 4)
            break;
    }
    const QRectF band(r.left(), r.top() + (top ? m_ticksHeight : 0), r.width(),
                      r.height() - (top ? m_ticksHeight : 0) - (bottom ? m_ticksHeight : 0));
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(font());
    for (int i = 0; i <= m_ticks; i += labelStep) {
        const QString text = label(i);
        const qreal w = fm.horizontalAdvance(text);
        qreal x = xAt(i) - w / 2;
        x = std::clamp<qreal>(x, r.left(), r.right() + 1 - w);
        p.setPen(tickValue(i) > PeakLevel() ? m_peakColor : m_textColor);
        p.drawText(QRectF(x, band.top(), w + 1, band.height()), Qt::AlignHCenter | Qt::AlignVCenter, text);
    }
    p.restore();
}
