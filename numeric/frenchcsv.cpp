// SPDX-License-Identifier: GPL-3.0-or-later
#include "numeric/frenchcsv.h"

#include <charconv>
#include <cmath>

std::string CsvNumber(double x)
{
    if (!std::isfinite(x))
        return {};
    if (x == 0)
        return "0"; // -0 too
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, x);
    if (error != std::errc())
        return {};
    std::string text(buffer, end);
    for (char& c : text) {
        if (c == '.')
            c = ',';
        else if (c == 'e')
            c = 'E';
    }
    return text;
}

std::string CsvField(std::string_view text)
{
    const bool quoted = text.find_first_of(";\"\r\n") != std::string_view::npos
        || (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quoted)
        return std::string(text);
    std::string field = "\"";
    for (const char c : text) {
        field += c;
        if (c == '"')
            field += '"';
    }
    field += '"';
    return field;
}

std::string CsvLine(const std::vector<std::string>& fields)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ';';
        line += CsvField(fields[i]);
    }
    line += "\r\n";
    return line;
}
