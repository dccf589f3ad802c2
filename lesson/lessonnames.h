// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The words the lesson file uses for the codes of the state, and the
// colours as "#RRGGBB".

#include "signal/sharedstate.h"

#include <optional>
#include <string>
#include <string_view>

std::string_view PresetWord(PresetKind kind);
std::optional<PresetKind> PresetFromWord(std::string_view word);

std::string_view FilterWord(FilterKind kind);
std::optional<FilterKind> FilterFromWord(std::string_view word);

std::string_view SpectrumModeWord(SpectrumMode mode);
std::optional<SpectrumMode> SpectrumModeFromWord(std::string_view word);

// "#RRGGBB", upper-case hexadecimal.
std::string ColourText(Colour colour);
// Exactly "#" and six hexadecimal digits (either case).
std::optional<Colour> ColourFromText(std::string_view text);
