// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Parts that the main window's builders share.

#include "widgets/tvrnum.h"

class QWidget;

// A seven-segment read-out named `name`, of `digits` digits over min..max,
// showing 0, placed at (x, y) with the given size.
TVrNum* Readout(QWidget* parent, const char* name, int digits, int min, int max, int x, int y, int w, int h,
                TVrNum::TVrNumStyle style = TVrNum::ns7x13);
