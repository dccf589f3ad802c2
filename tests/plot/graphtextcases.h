// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The hard cases over which the texts of every graph are checked: the label
// fonts, the copy sizes and the states of the time graph, the spectra and
// the filter's response.

#include "signal/sharedstate.h"

#include <QSize>
#include <QString>

#include <functional>
#include <vector>

namespace graphtextcases {

struct Font {
    const char* Family;
    int Points;
};

// Every size the settings allow, in the default face, and the extremes in
// faces of other widths and shapes.
extern const Font Fonts[11];

// Copy sizes from 51 pixels (the smallest the settings take) to 30 cm.
extern const QSize CopySizes[5];

using Change = std::function<void(SharedState&)>;

void SetFont(SharedState& s, const Font& f);

// A free synthesis whose amplitudes have four decimals.
void LongPercents(SharedState& s);

// The time range zoomed `times` times by `factor`, the value axis rescaled.
void Zoom(SharedState& s, double factor, int times);

struct Case {
    QString Name;
    Change Apply;
};

std::vector<Case> TimeStates();
std::vector<Case> ZoomedStates();
std::vector<Case> SpectrumStates();
std::vector<Case> ResponseStates();

} // namespace graphtextcases
