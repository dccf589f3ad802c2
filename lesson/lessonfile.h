// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The lesson file: UTF-8 JSON, an object whose "format" names it and whose
// "version" says which layout it follows (LessonFormatVersion). The writer
// always gives the same bytes for the same lesson; the reader takes nothing
// it cannot trust: every value is checked against the bounds of the field
// the user types it in, and the first problem found gives a French message
// naming it.

#include "lesson/lesson.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::string_view LessonFormatName = "fourierfiltre-seance";
inline constexpr int LessonFormatVersion = 1;
// The file's extension and media type.
inline constexpr std::string_view LessonExtension = "seance";
inline constexpr std::string_view LessonMimeType = "application/x-fourierfiltre-seance";

// The largest file the reader takes; checked before parsing.
inline constexpr std::size_t MaxLessonBytes = 1024 * 1024;
// The longest note and font name, in bytes.
inline constexpr std::size_t MaxConsigneBytes = 20000;
inline constexpr std::size_t MaxFontNameBytes = 100;

// The lesson as JSON, two-space indented, ending with a line feed.
std::string WriteLesson(const Lesson& lesson);

struct LessonReadResult {
    std::optional<Lesson> Read; // set when the file was taken
    std::string Message;        // otherwise, why not (French)
};

// The lesson in `bytes`, or the message of the first problem found:
// "Fichier de séance illisible : …", or, for a later layout, the message
// asking for a newer program.
LessonReadResult ReadLesson(std::string_view bytes);

// The message for a file larger than MaxLessonBytes.
std::string TooLargeMessage(std::size_t bytes);
