// SPDX-License-Identifier: GPL-3.0-or-later
// Lesson files: reading and writing the JSON, and opening and saving a
// lesson in the running program (file, checks, every window set, the
// redraw), off screen.

#include "app/lessonio.h"
#include "app/lessonsession.h"
#include "app/program.h"
#include "bench/benchprogram.h"
#include "lesson/lessonfile.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

Program* g_program = nullptr;
QTemporaryDir* g_dir = nullptr;

// Two lessons that differ in every control, so that each open moves them.
Lesson Example(bool other)
{
    Lesson l;
    l.Preset = other ? PresetKind::Triangle : PresetKind::Square;
    l.DutyCycle = 0.3;
    for (int k = 1; k <= HarmonicCount; ++k) {
        l.AmplitudePercent[k] = other ? 100 / k : 50;
        l.PhaseDegrees[k] = other ? 90 : -90;
        l.Shown[k] = other && k < 4;
    }
    l.MeanPercent = other ? 20 : -20;
    l.Filter = other ? FilterKind::BandPass : FilterKind::LowPass2;
    l.CutoffHz = other ? 300 : 2000;
    l.Damping = other ? 0.5 : 0.1;
    l.Display.ShowInputSpectrum = l.Display.ShowOutputSpectrum = true;
    l.Consigne = "Comparez les spectres d'entrée et de sortie.";
    return l;
}

void BM_ReadLesson(benchmark::State& st)
{
    const std::string bytes = WriteLesson(Example(false));
    for (auto _ : st)
        benchmark::DoNotOptimize(ReadLesson(bytes));
}
BENCHMARK(BM_ReadLesson)->Unit(benchmark::kMicrosecond);

void BM_WriteLesson(benchmark::State& st)
{
    const Lesson lesson = Example(false);
    for (auto _ : st)
        benchmark::DoNotOptimize(WriteLesson(lesson));
}
BENCHMARK(BM_WriteLesson)->Unit(benchmark::kMicrosecond);

// "Ouvrir…" after the picker: the file read and checked, the program set
// to it through its windows and redrawn. Target: 5 ms.
void BM_OpenLesson(benchmark::State& st)
{
    const QString paths[2] = {g_dir->filePath("a.seance"), g_dir->filePath("b.seance")};
    for (int i = 0; i < 2; ++i)
        WriteLessonFile(paths[i], Example(i == 1));
    int i = 0;
    for (auto _ : st)
        g_program->Session().Open(paths[i++ % 2], false);
}
BENCHMARK(BM_OpenLesson)->Unit(benchmark::kMillisecond);

// "Enregistrer": the lesson taken from the program and written atomically.
// Target: 5 ms.
void BM_SaveLesson(benchmark::State& st)
{
    g_program->Session().Restore(Example(true));
    const QString path = g_dir->filePath("c.seance");
    for (auto _ : st)
        benchmark::DoNotOptimize(WriteLessonFile(path, g_program->Session().Capture()));
}
BENCHMARK(BM_SaveLesson)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir dir;
    g_dir = &dir;
    return RunProgramBenchmarks(argc, argv, ProgramShown::Yes, [](Program& program) { g_program = &program; });
}
