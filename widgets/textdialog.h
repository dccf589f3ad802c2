// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A text of several lines in a dialog of its own: written by the user (OK,
// Annuler) or shown to be read (Fermer). The text scrolls inside a box sized
// to the screen, however long it is; Tab leaves the text for the buttons,
// and Ctrl+Entrée confirms an edited text.

#include <QString>

#include <optional>

class QWidget;

// The dialog for writing a text, opened on `initial`. Gives the text
// confirmed with OK, or nothing when cancelled.
std::optional<QString> EditLongText(QWidget* parent, const QString& caption, const QString& prompt,
                                    const QString& initial);

// The dialog for reading a text, with its caption and a line saying what it
// is above it.
void ShowLongText(QWidget* parent, const QString& caption, const QString& prompt, const QString& text);
