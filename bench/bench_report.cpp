// SPDX-License-Identifier: GPL-3.0-or-later
// The exports and the report from the program's windows, off screen:
// targets CSV <= 2 ms, report <= 300 ms.

#include "app/exports.h"
#include "app/program.h"
#include "app/reportpage.h"
#include "app/simplefour.h"
#include "bench/benchprogram.h"
#include "report/reportcore.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

Program* g_program = nullptr;
QTemporaryDir* g_dir = nullptr;

// A square wave through a band-pass, three harmonics shown.
void SetUpLesson(Program& p)
{
    SharedState& s = p.State();
    s.Signal.Preset = PresetKind::Square;
    s.Signal.DutyCycle = 0.3;
    p.fensynth().ApplyPreset();
    s.Filter.Kind = FilterKind::BandPass;
    s.Filter.CutoffHz = 300;
    s.Filter.Damping = 0.2;
    for (int k : {1, 3, 5})
        s.Signal.Harmonics.Shown[k] = true;
    p.Cycle().Redraw();
}

void BM_CsvText(benchmark::State& st)
{
    const SharedState& s = g_program->State();
    for (auto _ : st)
        benchmark::DoNotOptimize(ReportCsv(s));
}
BENCHMARK(BM_CsvText)->Unit(benchmark::kMicrosecond);

// The command: recompute, text, atomic write.
void BM_ExportCsvFile(benchmark::State& st)
{
    const QString path = g_dir->filePath(QStringLiteral("t.csv"));
    for (auto _ : st)
        benchmark::DoNotOptimize(ExportCsv(*g_program, path));
}
BENCHMARK(BM_ExportCsvFile)->Unit(benchmark::kMicrosecond);

void BM_ReportPdf(benchmark::State& st)
{
    for (auto _ : st)
        benchmark::DoNotOptimize(ReportPdfBytes(*g_program, QDate(2026, 12, 10)));
}
BENCHMARK(BM_ReportPdf)->Unit(benchmark::kMillisecond);

void BM_ExportReportPdfFile(benchmark::State& st)
{
    const QString path = g_dir->filePath(QStringLiteral("r.pdf"));
    for (auto _ : st)
        benchmark::DoNotOptimize(ExportReportPdf(*g_program, path));
}
BENCHMARK(BM_ExportReportPdfFile)->Unit(benchmark::kMillisecond);

void BM_ExportGraphsSvg(benchmark::State& st)
{
    const QString folder = g_dir->filePath(QStringLiteral("svg"));
    for (auto _ : st)
        benchmark::DoNotOptimize(ExportGraphsSvg(*g_program, folder));
}
BENCHMARK(BM_ExportGraphsSvg)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir dir;
    g_dir = &dir;
    return RunProgramBenchmarks(argc, argv, ProgramShown::No, [](Program& program) {
        g_program = &program;
        SetUpLesson(program);
    });
}
