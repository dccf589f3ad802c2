// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/vrlook.h"

#include <QColor>

// Segment colours of a seven-segment read-out: Low for unlit segments
// (kept faintly visible), High for lit ones.
struct TVrPalette
{
    QColor Low = VrLook::SegmentLow;
    QColor High = VrLook::SegmentHigh;

    friend bool operator==(const TVrPalette&, const TVrPalette&) = default;
};
