// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a screen reader learns about the instrument controls of the set.
//
// Each kind of control answers with a role, a French name, its state, its
// value (with its unit, read the way it is spoken: "21 %", "1,41 kHz") and
// the actions a user can take on it. The name is the control's caption when
// it has one; otherwise the window that places the control gives it one with
// setAccessibleName(). A value set through a screen reader goes through the
// control's own value rule, as a key press does.

class QString;

// Registers the description of every kind once for the whole program (the
// program's start and each test fixture call it; calling it again does nothing).
void InstallAccessibility();

// A number as a French reader speaks it: `significant` digits at most,
// decimal comma, "indéfini" for what is not a number.
QString SpokenNumber(double value, int significant = 6);

// A number written by the program (decimal point, maybe an exponent) as a
// French reader speaks it: blanks dropped, decimal comma.
QString SpokenNumberText(const QString& shown);
