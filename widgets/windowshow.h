// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Shows a window that follows a choice made in another window (a spectrum
// LED, a preset button, the filter picture) without taking the keyboard from
// the window the user is working in, so that the next key goes on where the
// choice was made. The window comes up in front, at its normal size if it was
// minimised. The window system is asked not to activate it; where it
// activates it all the same (some window managers, the off-screen platform),
// the window that was active gets the activation back.
void ShowWithoutActivating(QWidget* window);
