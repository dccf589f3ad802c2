// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Lesson files on disk: read with every check of the reader and the file
// system's own failures named in French; written atomically, so that a
// failed save leaves the file that was there whole.

#include "lesson/lesson.h"

#include <QString>

#include <optional>

struct LessonLoad {
    std::optional<Lesson> Read;
    QString Message; // why not, when not read
};

LessonLoad ReadLessonFile(const QString& path);

// Empty on success, else the message of the failure.
QString WriteLessonFile(const QString& path, const Lesson& lesson);

// The file picker's filter: "Séances (*.seance)".
QString LessonFileFilter();
