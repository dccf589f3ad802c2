// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/vrpanel.h"

#include "widgets/tvrdisplay.h"
#include "widgets/txibutton.h"

#include <QPalette>
#include <QWidget>

namespace VrPanel {

void Silver(QWidget* window, int fontPx)
{
    window->setAutoFillBackground(true);
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, VrLook::Silver);
    window->setPalette(pal);
    window->setFont(VrLook::font(fontPx));
}

QLabel* Text(QWidget* parent, const QString& text, int x, int y, int px, bool bold, const QColor& colour)
{
    auto* l = new QLabel(text, parent);
    l->setFont(VrLook::font(px, bold));
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    l->move(x, y);
    l->adjustSize();
    return l;
}

void SetText(QLabel* label, const QString& text)
{
    label->setText(text);
    label->adjustSize();
}

TVrDisplay* Group(QWidget* parent, const char* name, const QString& caption, int x, int y, int width, int height,
                  int captionPx)
{
    auto* panel = Place(new TVrDisplay(parent), name, x, y, width, height);
    Text(panel, caption, 8, 4, captionPx, true);
    return panel;
}

TXiButton* CaptionButton(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                         const QPixmap& glyph, int x)
{
    auto* b = Place(new TXiButton(caption, parent), name, x, 0, 113, 57);
    b->setFont(VrLook::font(13));
    b->setToolTip(hint);
    b->setGlyph(glyph);
    return b;
}

} // namespace VrPanel
