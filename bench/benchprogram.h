// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole program for the benchmarks that time it: made off screen, with
// the real dialogs, shown or not, handed to `ready` before the benchmarks of
// the file run.

#include "app/program.h"
#include "widgets/dialogservice.h"

#include <QApplication>

#include <benchmark/benchmark.h>

enum class ProgramShown { No, Yes };

template <typename Ready>
int RunProgramBenchmarks(int argc, char** argv, ProgramShown shown, Ready ready)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QtDialogService dialogs;
    Program program(dialogs);
    if (shown == ProgramShown::Yes) {
        program.Show();
        QApplication::processEvents();
    }
    ready(program);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
