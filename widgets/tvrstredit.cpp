// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tvrstredit.h"

#include "widgets/vredit.h"

#include <QKeyEvent>

#include <algorithm>

TVrStrEdit::TVrStrEdit(QWidget* parent) : QLineEdit(parent)
{
    VrEdit::setUp(*this);
}

void TVrStrEdit::setTextColor(const QColor& color)
{
    VrEdit::setTextColor(*this, color);
}

QSize TVrStrEdit::sizeHint() const
{
    const QSize s = QLineEdit::sizeHint();
    return QSize(std::max(s.width(), 120), std::max(s.height(), 24));
}

void TVrStrEdit::keyPressEvent(QKeyEvent* e)
{
    if (!m_validKeys.isEmpty() && VrEdit::typesCharacter(e)) {
        const QString t = e->text();
        if (!std::all_of(t.begin(), t.end(), [&](QChar c) { return m_validKeys.contains(c); })) {
            e->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(e);
}

void TVrStrEdit::paintEvent(QPaintEvent* e)
{
    QLineEdit::paintEvent(e);
    VrEdit::paintBevel(*this);
}
