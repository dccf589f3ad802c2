// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson reader on any bytes: it must answer, never crash, and give a
// message exactly when it takes nothing. What it takes is a lesson whose
// every field is within its bounds, so writing it and reading it back gives
// the same lesson and, written again, the same bytes.

#include "fuzz/fuzzcheck.h"
#include "lesson/lessonfile.h"

#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const LessonReadResult r = ReadLesson(bytes);
    FUZZ_CHECK(r.Read.has_value() == r.Message.empty(), "taken %d, message \"%s\"", r.Read.has_value(),
               r.Message.c_str());
    if (!r.Read)
        return 0;
    const std::string written = WriteLesson(*r.Read);
    const LessonReadResult again = ReadLesson(written);
    FUZZ_CHECK(again.Read.has_value(), "its own file refused: %s", again.Message.c_str());
    FUZZ_CHECK(*again.Read == *r.Read, "the lesson changed on the way back");
    FUZZ_CHECK(WriteLesson(*again.Read) == written, "the bytes changed on the way back");
    return 0;
}
