// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tvrnumedit.h"

#include "numeric/rounding.h"
#include "widgets/vredit.h"
#include "widgets/vrlook.h"

#include <QKeyEvent>
#include <QLocale>

#include <algorithm>
#include <cmath>

TVrNumEdit::TVrNumEdit(QWidget* parent) : QLineEdit(parent)
{
    VrEdit::setUp(*this);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

QLocale TVrNumEdit::numberLocale() const
{
    QLocale l = locale();
    l.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return l;
}

double TVrNumEdit::Value(bool* ok) const
{
    if (ok)
        *ok = true;
    if (text().isEmpty())
        return m_min;
    bool parsed = false;
    const double v = numberLocale().toDouble(text(), &parsed);
    if (!parsed || !std::isfinite(v)) {
        if (ok)
            *ok = false;
        return m_min;
    }
    return v;
}

void TVrNumEdit::setValue(double v)
{
    if (!std::isfinite(v))
        return;
    if (v == 0)
        v = 0;  // no "-0"
    setText(numberLocale().toString(v, 'f', QLocale::FloatingPointShortest));
    if (!hasFocus())
        m_savedText = text();
}

QString TVrNumEdit::conversionError() const
{
    bool ok = true;
    Value(&ok);
    if (ok)
        return QString();
    return QStringLiteral("\u00AB %1 \u00BB n'est pas une valeur num\u00E9rique correcte.").arg(text());
}

void TVrNumEdit::setDecimals(int decimals)
{
    m_decimals = std::clamp(decimals, 0, 15);
}

void TVrNumEdit::setTextColor(const QColor& color)
{
    VrEdit::setTextColor(*this, color);
}

QSize TVrNumEdit::sizeHint() const
{
    const QSize s = QLineEdit::sizeHint();
    return QSize(std::max(s.width(), 90), std::max(s.height(), 24));
}

void TVrNumEdit::toggleMinus()
{
    const QString minus = numberLocale().negativeSign();
    QString t = text();
    int caret = cursorPosition();
    if (t.startsWith(minus)) {
        t.remove(0, minus.size());
        caret = std::max(0, caret - int(minus.size()));
    } else if (t.startsWith(QLatin1Char('-'))) {
        t.remove(0, 1);
        caret = std::max(0, caret - 1);
    } else {
        t.prepend(minus);
        caret += int(minus.size());
    }
    setText(t);
    setCursorPosition(caret);
}

void TVrNumEdit::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape && m_restoreOnEsc && e->modifiers() == Qt::NoModifier) {
        setText(m_savedText);
        e->accept();
        return;
    }
    if (!VrEdit::typesCharacter(e)) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    const QString t = e->text();
    const QLocale l = numberLocale();
    e->accept();
    if (t.size() == 1 && t.at(0) >= QLatin1Char('0') && t.at(0) <= QLatin1Char('9')) {
        QLineEdit::keyPressEvent(e);
    } else if (t == l.decimalPoint()) {
        if (m_decimals > 0 && !text().contains(l.decimalPoint()))
            QLineEdit::keyPressEvent(e);
    } else if (t == QLatin1String("-") || t == l.negativeSign()) {
        toggleMinus();
    }
}

void TVrNumEdit::focusInEvent(QFocusEvent* e)
{
    m_savedText = text();
    QLineEdit::focusInEvent(e);
}

void TVrNumEdit::focusOutEvent(QFocusEvent* e)
{
    // A popup or another window taking the focus does not leave the field.
    if (e->reason() == Qt::PopupFocusReason || e->reason() == Qt::ActiveWindowFocusReason) {
        QLineEdit::focusOutEvent(e);
        return;
    }
    bool ok = false;
    const double v = Value(&ok);
    if (ok && v >= m_min && v <= m_max) {
        const double shown = m_decimals == 0 ? RoundHalfEven(v) : v;
        setText(numberLocale().toString(shown == 0 ? 0.0 : shown, 'f', m_decimals));
    } else {
        emit OnError(this);
    }
    QLineEdit::focusOutEvent(e);
}

void TVrNumEdit::paintEvent(QPaintEvent* e)
{
    QLineEdit::paintEvent(e);
    VrEdit::paintBevel(*this);
}
