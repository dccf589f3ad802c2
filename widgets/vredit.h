// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLineEdit;
class QKeyEvent;
class QColor;

// Look and key sorting shared by the two edit fields of the set.
namespace VrEdit {

// Gives a field the instrument look: a dark sunken well with lime text.
void setUp(QLineEdit& edit);
// Sets the colour the field's text is written in.
void setTextColor(QLineEdit& edit, const QColor& color);
// Draws the sunken bevel over the field's edges (after the field painted itself).
void paintBevel(QLineEdit& edit);
// True when e types a character (as opposed to an editing or shortcut key).
bool typesCharacter(const QKeyEvent* e);

}  // namespace VrEdit
