// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingsrules.h"

#include "numeric/numbers.h"
#include "numeric/rounding.h"
#include "plot/sampling.h"
#include "signal/signallimits.h"

#include <charconv>
#include <cmath>

namespace {

// Longest part of a typed text that a message quotes, in characters.
constexpr std::size_t QuotedTextLimit = 40;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// `commit` as it stands, ended by a refusal with `message`.
SignalCommit Refused(SignalCommit commit, std::string_view message)
{
    commit.Message = std::string(message);
    return commit;
}

} // namespace

std::string NotANumberMessage(std::string_view text)
{
    // Cut after QuotedTextLimit characters, never inside one (UTF-8).
    std::size_t characters = 0, end = 0;
    while (end < text.size() && characters < QuotedTextLimit) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
        ++characters;
    }
    std::string quoted(text.substr(0, end));
    if (end < text.size())
        quoted += "…";
    return "« " + quoted + " » n'est pas un nombre valide";
}

SignalCommit CommitSignalFields(SharedState& state, const SignalFields& fields)
{
    SignalState& sig = state.Signal;
    SignalCommit commit;

    // A fractional frequency is rounded; one that rounds to 0 Hz or to a
    // million is refused like 0 and 1000000 themselves.
    if (!fields.Fundamental.Value)
        return Refused(commit, NotANumberMessage(fields.Fundamental.Text));
    const double v = *fields.Fundamental.Value;
    const std::int32_t f0 = Round(v);
    if (!(v > 0 && v < 1000000) || f0 < MinFundamentalHz || f0 > MaxFundamentalHz)
        return Refused(commit, FrequencyMessage);
    sig.FundamentalHz = f0;
    ResetTimeRange(state);

    // The mean keeps its percentage of full scale.
    const double a = ParseNumber(fields.FullScale);
    if (!IsFullScaleAllowed(a))
        return Refused(commit, AmplitudeMessage);
    const long double r = static_cast<long double>(a) / sig.FullScaleValue;
    sig.FullScaleValue = a;
    sig.MeanValue = SaturateToDouble(sig.MeanValue * r);

    const double p = ParseNumber(fields.Periods);
    if (!IsPeriodsShownAllowed(p))
        return Refused(commit, PeriodsMessage);
    state.View.PeriodsShown = p;
    ResetTimeRange(state);

    // The mean slider's bound must round to a position its read-out shows.
    if (!fields.MeanCoefficient.Value)
        return Refused(commit, NotANumberMessage(fields.MeanCoefficient.Text));
    const double c = *fields.MeanCoefficient.Value;
    const std::int32_t bound = Round(100.0L * c);
    if (!(c > 0 && c < 10) || bound < 1 || bound > MaxMeanBound)
        return Refused(commit, CoefficientMessage);
    commit.MeanBound = bound;

    // A step that rounds to 0 would leave the arrow keys dead.
    if (!fields.KeyStep.Value)
        return Refused(commit, NotANumberMessage(fields.KeyStep.Text));
    const double k = *fields.KeyStep.Value;
    const std::int32_t step = Round(k);
    if (!(k > 0 && k < 10) || step < MinKeyStep || step > MaxKeyStep)
        return Refused(commit, KeyStepMessage);
    commit.KeyStep = step;
    return commit;
}

double MeanCoefficientForBound(std::int32_t bound)
{
    return bound / 100.0;
}

std::optional<std::int32_t> ReadWholeNumber(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return std::nullopt;
    }
    std::int32_t n = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), n, 10);
    if (res.ec != std::errc() || res.ptr != text.data() + text.size())
        return std::nullopt;
    return n;
}

bool IsGraduationLengthAllowed(std::int32_t pixels)
{
    return pixels >= MinGraduationLength && pixels <= MaxGraduationLength;
}

std::int32_t FontPoints(int pointSize, int pixelSize)
{
    if (pointSize > 0)
        return pointSize;
    if (pixelSize > 0)
        return Round(pixelSize * 72.0L / 96.0L);
    return 0;
}

bool IsGraduationFontSizeAllowed(std::int32_t points)
{
    return points >= MinGraduationFontPoints && points <= MaxGraduationFontPoints;
}

std::optional<std::int32_t> CopySizeFromText(std::string_view text)
{
    const double x = ParseNumber(text);
    const long double pixels = x / CmPerPixel;
    if (!(std::trunc(pixels) > MinCopySizePx - 1 && x < CopySizeLimitCm))
        return std::nullopt;
    return Round(pixels);
}

std::string CopySizeText(std::int32_t px)
{
    return FormatNumber(RoundToDigits(2, static_cast<double>(px * CmPerPixel)));
}
