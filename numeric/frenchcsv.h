// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tables written for a French spreadsheet: UTF-8, fields separated by ";",
// a decimal comma, lines ended by CR LF, so that a double click opens them
// in columns without an import dialog.

#include <string>
#include <string_view>
#include <vector>

// The shortest text that reads back to exactly x, with a decimal comma:
// 0.1 -> "0,1", -2.5e-07 -> "-2,5E-07", 100 -> "100". NaN and the
// infinities, which no spreadsheet reads, give an empty field.
std::string CsvNumber(double x);

// One field: quoted (inner quotes doubled) when it holds ";", a quote, a
// line break or leading/trailing blanks; as it stands otherwise.
std::string CsvField(std::string_view text);

// One line: the fields through CsvField, joined by ";", ended by CR LF.
std::string CsvLine(const std::vector<std::string>& fields);

// The first bytes of every file (the UTF-8 byte order mark, by which a
// spreadsheet knows the encoding without asking).
inline constexpr std::string_view CsvFileStart = "\xEF\xBB\xBF";
