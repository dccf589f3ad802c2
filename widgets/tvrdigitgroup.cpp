// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tvrdigitgroup.h"

#include <QAccessible>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {
constexpr int Margin = 3;
constexpr double Aspect = 0.55;  // digit width / height
constexpr double Largest = 1e15; // values from here on are not written out
}

TVrDigitGroup::TVrDigitGroup(QWidget* parent) : QWidget(parent)
{
}

void TVrDigitGroup::setValue(double value)
{
    if (value == m_value || (std::isnan(value) && std::isnan(m_value)))
        return;
    m_value = value;
    update();
    QAccessibleValueChangeEvent spoken(this, m_value);
    QAccessible::updateAccessibility(&spoken);
}

void TVrDigitGroup::setDigits(int digits)
{
    digits = std::clamp(digits, 1, 15);
    if (digits == m_digits)
        return;
    m_digits = digits;
    updateGeometry();
    update();
}

void TVrDigitGroup::setDecimals(int decimals)
{
    decimals = std::clamp(decimals, 0, 10);
    if (decimals == m_decimals)
        return;
    m_decimals = decimals;
    update();
}

void TVrDigitGroup::setLeadingZero(bool leadingZero)
{
    if (leadingZero == m_leadingZero)
        return;
    m_leadingZero = leadingZero;
    update();
}

void TVrDigitGroup::setActiveOnly(bool activeOnly)
{
    if (activeOnly == m_activeOnly)
        return;
    m_activeOnly = activeOnly;
    update();
}

void TVrDigitGroup::setPalette(const TVrPalette& palette)
{
    if (palette == m_palette)
        return;
    m_palette = palette;
    update();
}

void TVrDigitGroup::setColor(const QColor& color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

QString TVrDigitGroup::displayText() const
{
    const int intPlaces = std::max(1, m_digits - m_decimals);
    if (!std::isfinite(m_value) || std::fabs(m_value) >= Largest) {
        QString dashes(intPlaces, QLatin1Char('-'));
        if (m_decimals > 0)
            dashes += QLatin1Char('.') + QString(m_decimals, QLatin1Char('-'));
        return dashes;
    }
    QString text = QString::number(std::fabs(m_value), 'f', m_decimals);
    const bool negative = m_value < 0 && text.contains(QRegularExpression(QStringLiteral("[1-9]")));
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const qsizetype intDigits = point < 0 ? text.size() : point;
    const QChar pad = m_leadingZero ? QLatin1Char('0') : QLatin1Char(' ');
    if (intDigits < intPlaces)
        text.prepend(QString(intPlaces - intDigits, pad));
    if (negative) {
        // The minus takes the blank place nearest the number, or a place of its own.
        const qsizetype firstInk = text.indexOf(QRegularExpression(QStringLiteral("[0-9]")));
        if (firstInk > 0 && text.at(firstInk - 1) == QLatin1Char(' '))
            text[firstInk - 1] = QLatin1Char('-');
        else
            text.prepend(QLatin1Char('-'));
    }
    return text;
}

QSize TVrDigitGroup::sizeHint() const
{
    const int h = 24;
    const double cw = (h - 2 * Margin - 2) * Aspect;
    return QSize(int(std::ceil(m_digits * cw * 1.4)) + 2 * Margin + 4, h);
}

QSize TVrDigitGroup::minimumSizeHint() const
{
    return QSize(m_digits * 7 + 2 * Margin + 4, 14);
}

void TVrDigitGroup::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paint(p, rect());
}

void TVrDigitGroup::paint(QPainter& p, const QRect& r) const
{
    VrLook::sunkenWell(p, r, m_color);
    const QRectF inside = QRectF(r).adjusted(Margin, Margin, -Margin, -Margin);
    VrLook::readoutRow(p, inside, displayText(), Aspect, false, m_palette.High, m_palette.Low, !m_activeOnly);
}
