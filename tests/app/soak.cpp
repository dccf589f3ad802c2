// SPDX-License-Identifier: GPL-3.0-or-later
// The soak: the real program, off screen, redraws both graphs (the time
// graph and the spectra) 100 000 times through its recompute-and-redraw
// cycle, with a state that changes between redraws, and puts 1 000 vector
// copies of them on the clipboard. The process's resident memory is read
// after a warm-up and at the end; the run fails when it has grown by more
// than 500 kB.
//
// SOAK_REDRAWS and SOAK_COPIES change the counts (100000 and 1000), SOAK_
// LIMIT_KB the allowed growth (500).

#include "tests/common/fakedialogs.h"
#include "tests/common/fakesoundport.h"

#include "plot/plottext.h"

#include "app/program.h"
#include "app/simplefour.h"
#include "plot/repres.h"
#include "plot/sampling.h"
#include "spectrum/fenetspectres.h"
#include "widgets/tvrcheckled.h"
#include "widgets/txibutton.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>

#include <chrono>
#include <cstdio>
#include <malloc.h>

namespace {

// VmRSS of /proc/self/status, in kB, after the allocator has handed its
// free pages back; -1 when it cannot be read.
long ResidentKb()
{
    malloc_trim(0);
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    static const QRegularExpression rss(QStringLiteral("^VmRSS:\\s+(\\d+)\\s+kB"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = rss.match(QString::fromLatin1(status.readAll()));
    return m.hasMatch() ? m.captured(1).toLong() : -1;
}

long long EnvCount(const char* name, long long fallback)
{
    const QByteArray v = qgetenv(name);
    return v.isEmpty() ? fallback : v.toLongLong();
}

class Soak {
public:
    explicit Soak(Program& p) : m_p(p)
    {
        // Both spectra on screen, through the main window's LEDs.
        for (const char* led : {"VrCheckLed20", "VrCheckLed21"})
            m_p.fensynth().findChild<TVrCheckLed*>(QString::fromLatin1(led))->setChecked(true);
        QCoreApplication::processEvents();
    }

    // Redraw i: harmonics, mean, full-scale value, fundamental, output
    // factor and spectrum mode move from one redraw to the next, so the
    // curves, the scales and their labels keep changing, through a cycle of
    // Period states (few enough that the labels' kept pixels hold them all);
    // the pictures are painted on the windows as they would be on screen.
    static constexpr long long Period = 60;
    void Redraw(long long i)
    {
        const long long j = i % Period;
        SharedState& s = m_p.State();
        HarmonicTable& h = s.Signal.Harmonics;
        for (int k = 1; k < RowCount; ++k) {
            h.AmplitudePercent[k] = double((j * (k + 3) + k * 17) % 101);
            h.Shown[k] = (j + k) % 5 == 0;
        }
        s.Signal.MeanPercent = int(j % 12) * 50 - 300;
        s.Signal.FullScaleValue = j % 2 ? 1.0 : 2.5;
        s.Signal.MeanValue = s.Signal.MeanPercent / 100.0 * s.Signal.FullScaleValue;
        s.Signal.FundamentalHz = j % 3 == 0 ? 100 : j % 3 == 1 ? 440 : 1000;
        s.Display.SpectrumMode = j % 4 == 0 ? SpectrumMode::Amplitude : j % 4 == 1 ? SpectrumMode::Rms : SpectrumMode::Percent;
        s.Display.OutputScaleFactor = j % 5 == 0 ? 10 : 1;
        ResetTimeRange(s);
        m_p.Cycle().RecomputeAndRedraw(true);
        QCoreApplication::processEvents();
    }

    // Copy c: the time graph and the spectra in turn, through their "Copier".
    void Copy(long long c)
    {
        QWidget& window = c % 2 == 0 ? static_cast<QWidget&>(m_p.fengraphe()) : m_p.fenspectres();
        window.findChild<TXiButton*>(QStringLiteral("XiButton1"))->click();
    }

private:
    Program& m_p;
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const long long redraws = EnvCount("SOAK_REDRAWS", 100000);
    const long long copies = EnvCount("SOAK_COPIES", 1000);
    const long long limitKb = EnvCount("SOAK_LIMIT_KB", 500);

    FakeDialogs dialogs;
    FakeSoundPort sound;
    Program program(dialogs, &sound);
    program.Show();
    QCoreApplication::processEvents();
    Soak soak(program);

    // Redraws with a copy every copyEvery of them; the states and the two
    // kinds of copy run on from one call to the next.
    const long long copyEvery = copies > 0 ? std::max<long long>(1, redraws / copies) : 0;
    long long redrawn = 0, copied = 0;
    auto run = [&](long long count, long long copyCount) {
        for (long long i = 0; i < count; ++i) {
            soak.Redraw(redrawn++);
            if (copyEvery && i % copyEvery == 0 && copyCount > 0)
                soak.Copy(copied++), --copyCount;
        }
        while (copyCount-- > 0)
            soak.Copy(copied++);
    };

    // Warm-up: the same run, long enough for every state and copy to come
    // round several times, so every cache of the drawing and of the
    // clipboard has seen what the soak will show.
    const long long warmCopies = copies > 0 ? 30 : 0;
    run(std::max<long long>(30 * copyEvery, 20 * Soak::Period), warmCopies);
    const long before = ResidentKb();
    const qsizetype cellsBefore = TextCellBytes();

    const auto start = std::chrono::steady_clock::now();
    run(redraws, copies);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long after = ResidentKb();
    const qsizetype cellsAfter = TextCellBytes();

    const long growth = after - before;
    std::printf("soak: %lld redraws of both graphs and %lld vector copies in %.1f s (%.3f ms a redraw)\n"
                "soak: VmRSS after the warm-up %ld kB, at the end %ld kB, growth %ld kB (limit %lld kB)\n"
                "soak: label pixels kept %lld kB after the warm-up, %lld kB at the end\n",
                redraws, copied - warmCopies, seconds, redraws ? seconds * 1000 / double(redraws) : 0.0, before, after, growth,
                limitKb, static_cast<long long>(cellsBefore / 1024), static_cast<long long>(cellsAfter / 1024));
    if (before < 0 || after < 0) {
        std::printf("soak: FAIL, /proc/self/status unreadable\n");
        return 1;
    }
    if (growth > limitKb) {
        std::printf("soak: FAIL, the resident memory grew by %ld kB\n", growth);
        return 1;
    }
    std::printf("soak: PASS\n");
    return 0;
}
