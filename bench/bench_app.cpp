// SPDX-License-Identifier: GPL-3.0-or-later
// Whole redraws through the real windows, off screen.

#include "app/program.h"
#include "app/simplefour.h"
#include "bench/benchprogram.h"
#include "filter/responsewindow.h"
#include "plot/repres.h"
#include "widgets/tvrcheckled.h"
#include "widgets/tvrpowerbutton.h"
#include "widgets/tvrslider.h"
#include "widgets/tvrswitch.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

Program* g_program = nullptr;

// A control of the main window by its name.
template <typename T>
T* Control(Program& p, const QString& name)
{
    return p.fensynth().findChild<T*>(name);
}

// The square wave through a band-pass, with the output, the ideal waveform
// and three harmonics shown, set through the controls.
void BusyWindows(Program& p)
{
    Control<TVrPowerButton>(p, "VrPowerButton2")->click();
    Control<TVrCheckLed>(p, "VrCheckLed17")->setChecked(true); // band-pass
    Control<TVrCheckLed>(p, "VrCheckLed13")->setChecked(true);
    for (int k : {1, 3, 5})
        Control<TVrCheckLed>(p, QStringLiteral("VrCheckLed%1").arg(k))->setChecked(true);
}

void BM_RecomputeAndRedraw(benchmark::State& st)
{
    Program& p = *g_program;
    p.fengraphe().resize(static_cast<int>(st.range(0)), static_cast<int>(st.range(1)));
    BusyWindows(p);
    for (auto _ : st)
        p.Cycle().RecomputeAndRedraw(true);
    p.fengraphe().resize(523, 319);
}
BENCHMARK(BM_RecomputeAndRedraw)->Args({523, 319})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

// A preset that moves all 25 controls: the mean slider, twelve amplitude
// sliders and twelve switches, each redrawing, then the button's redraw.
void BM_PresetMoving25Controls(benchmark::State& st)
{
    Program& p = *g_program;
    BusyWindows(p);
    TVrPowerButton* halfWave = Control<TVrPowerButton>(p, "VrPowerButton4");
    for (auto _ : st) {
        st.PauseTiming();
        Control<TVrSlider>(p, "VrSlidermoy")->setPosition(10);
        for (int k = 1; k <= 12; ++k) {
            Control<TVrSlider>(p, QStringLiteral("Vramp%1").arg(k))->setPosition(50);
            Control<TVrSwitch>(p, QStringLiteral("VrSwitch%1").arg(k))->setOffset(3);
        }
        const int before = p.Cycle().RedrawCount();
        st.ResumeTiming();
        halfWave->click(); // half-wave: every control moves
        st.PauseTiming();
        if (p.Cycle().RedrawCount() - before != 26)
            st.SkipWithError("the preset did not move 25 controls");
        st.ResumeTiming();
    }
}
BENCHMARK(BM_PresetMoving25Controls)->Unit(benchmark::kMillisecond);

// One redraw of the response window with a picture of the given size: the
// response laid out and drawn, handed to the image, and the ten
// measurements computed and written.
void BM_ResponseWindowRedraw(benchmark::State& st)
{
    Program& p = *g_program;
    Tfenreponse& r = p.fenreponse();
    BusyWindows(p);
    p.Cycle().Redraw();
    r.Open();
    const QSize frame = r.size() - r.PictureSize();
    r.resize(frame + QSize(static_cast<int>(st.range(0)), static_cast<int>(st.range(1))));
    QApplication::processEvents();
    if (r.PictureSize() != QSize(static_cast<int>(st.range(0)), static_cast<int>(st.range(1))))
        st.SkipWithError("the window did not take the size");
    for (auto _ : st)
        r.Redraw();
    r.hide();
}
BENCHMARK(BM_ResponseWindowRedraw)->Args({600, 400})->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return RunProgramBenchmarks(argc, argv, ProgramShown::Yes, [](Program& program) { g_program = &program; });
}
