// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/panelparts.h"

#include "widgets/vrpanel.h"

TVrNum* Readout(QWidget* parent, const char* name, int digits, int min, int max, int x, int y, int w, int h,
                TVrNum::TVrNumStyle style)
{
    auto* n = new TVrNum(parent);
    n->setDigits(digits);
    n->setMax(max);
    n->setMin(min);
    n->setStyle(style);
    n->setValue(0);
    return VrPanel::Place(n, name, x, y, w, h);
}
