// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The common look of the program's windows: a silver instrument panel with
// captions and controls placed at given pixel positions.

#include "widgets/vrlook.h"

#include <QColor>
#include <QLabel>
#include <QString>

class QPixmap;
class QWidget;
class TVrDisplay;
class TXiButton;

namespace VrPanel {

// Gives a window the silver background and the caption font of the set.
void Silver(QWidget* window, int fontPx = 12);

// A caption at (x, y) in "Arial" at `px` pixels, sized to its text.
QLabel* Text(QWidget* parent, const QString& text, int x, int y, int px = 12, bool bold = false,
             const QColor& colour = VrLook::Ink);

// Replaces a caption's text and sizes the caption to it.
void SetText(QLabel* label, const QString& text);

// Gives a control its name, its objectName, by which the window's tests and
// accessibility tools find it; gives w back.
template <typename W>
W* Named(W* w, const char* name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// Puts w at (x, y) with the given size; gives w back.
template <typename W>
W* Place(W* w, int x, int y, int width, int height)
{
    w->setGeometry(x, y, width, height);
    return w;
}

// The same for a control, which also takes its name.
template <typename W>
W* Place(W* w, const char* name, int x, int y, int width, int height)
{
    return Place(Named(w, name), x, y, width, height);
}

// A bevelled panel named `name` with its caption at (8, 4), holding a
// group of controls, placed at (x, y) with the given size.
TVrDisplay* Group(QWidget* parent, const char* name, const QString& caption, int x, int y, int width, int height,
                  int captionPx = 12);

// A caption button of the graph windows, 113 x 57 at (x, 0), named `name`,
// with its hint and a glyph left of the caption.
TXiButton* CaptionButton(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                         const QPixmap& glyph, int x);

} // namespace VrPanel
