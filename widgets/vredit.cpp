// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/vredit.h"

#include "widgets/vrlook.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

namespace VrEdit {

void setUp(QLineEdit& edit)
{
    edit.setFrame(false);
    edit.setTextMargins(4, 2, 4, 2);
    edit.setFont(VrLook::font(13));
    QPalette pal = edit.palette();
    pal.setColor(QPalette::Base, QColor(0x08, 0x0C, 0x08));
    pal.setColor(QPalette::Text, VrLook::SegmentHigh);
    pal.setColor(QPalette::Highlight, QColor(0x2A, 0x6A, 0x2A));
    pal.setColor(QPalette::HighlightedText, QColor(0xF0, 0xFF, 0xF0));
    edit.setPalette(pal);
}

void setTextColor(QLineEdit& edit, const QColor& color)
{
    QPalette pal = edit.palette();
    pal.setColor(QPalette::Text, color);
    edit.setPalette(pal);
}

void paintBevel(QLineEdit& edit)
{
    QPainter p(&edit);
    const QRectF r = edit.rect();
    VrLook::bevel(p, r, VrLook::Shadow, VrLook::Highlight, 1);
    VrLook::bevel(p, r.adjusted(1, 1, -1, -1), VrLook::DarkShadow, VrLook::Face, 1);
    if (edit.hasFocus()) {
        p.setPen(QPen(VrLook::Focus, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(VrLook::crisp(r.adjusted(2, 2, -2, -2)));
    }
}

bool typesCharacter(const QKeyEvent* e)
{
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString t = e->text();
    if (t.isEmpty())
        return false;
    for (QChar c : t)
        if (!c.isPrint())
            return false;
    return true;
}

}  // namespace VrEdit
