// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/lessonnames.h"

#include <array>
#include <utility>

namespace {

constexpr std::pair<PresetKind, std::string_view> PresetWords[] = {
    {PresetKind::Free, "synthese_libre"}, {PresetKind::Square, "carre"},
    {PresetKind::Triangle, "triangle"},   {PresetKind::HalfWave, "monoalternance"},
    {PresetKind::FullWave, "bialternance"}, {PresetKind::ThreePulse, "redressement_triphase"},
};

constexpr std::pair<FilterKind, std::string_view> FilterWords[] = {
    {FilterKind::Amplifier, "amplificateur"}, {FilterKind::LowPass1, "passe_bas_ordre1"},
    {FilterKind::HighPass1, "passe_haut_ordre1"}, {FilterKind::LowPass2, "passe_bas_ordre2"},
    {FilterKind::HighPass2, "passe_haut_ordre2"}, {FilterKind::BandPass, "passe_bande"},
    {FilterKind::BandStop, "coupe_bande"},
};

constexpr std::pair<SpectrumMode, std::string_view> SpectrumWords[] = {
    {SpectrumMode::Percent, "pourcent"}, {SpectrumMode::Amplitude, "crete"}, {SpectrumMode::Rms, "efficace"},
};

template <typename Code, std::size_t N>
std::string_view WordOf(const std::pair<Code, std::string_view> (&table)[N], Code code)
{
    for (const auto& [c, w] : table)
        if (c == code)
            return w;
    return {};
}

template <typename Code, std::size_t N>
std::optional<Code> CodeOf(const std::pair<Code, std::string_view> (&table)[N], std::string_view word)
{
    for (const auto& [c, w] : table)
        if (w == word)
            return c;
    return std::nullopt;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::string_view PresetWord(PresetKind kind) { return WordOf(PresetWords, kind); }
std::optional<PresetKind> PresetFromWord(std::string_view word) { return CodeOf(PresetWords, word); }
std::string_view FilterWord(FilterKind kind) { return WordOf(FilterWords, kind); }
std::optional<FilterKind> FilterFromWord(std::string_view word) { return CodeOf(FilterWords, word); }
std::string_view SpectrumModeWord(SpectrumMode mode) { return WordOf(SpectrumWords, mode); }
std::optional<SpectrumMode> SpectrumModeFromWord(std::string_view word) { return CodeOf(SpectrumWords, word); }

std::string ColourText(Colour colour)
{
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string text = "#";
    for (int shift = 20; shift >= 0; shift -= 4)
        text += Digits[(colour >> shift) & 0xF];
    return text;
}

std::optional<Colour> ColourFromText(std::string_view text)
{
    if (text.size() != 7 || text[0] != '#')
        return std::nullopt;
    Colour colour = 0;
    for (char c : text.substr(1)) {
        const int d = HexDigit(c);
        if (d < 0)
            return std::nullopt;
        colour = colour << 4 | static_cast<Colour>(d);
    }
    return colour;
}
