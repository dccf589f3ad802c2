// SPDX-License-Identifier: GPL-3.0-or-later
// The random user's run: the seed and the number of actions, each action
// followed by its checks, the log printed on a failure, a crash or a hang,
// the program started again when the user quits it.
#include "tests/app/randomuser.h"
#include "tests/app/randomuserlog.h"

#include <QClipboard>
#include <QFile>
#include <QFontDatabase>
#include <QRegularExpression>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

using namespace RandomUser;

namespace {

// The state in one line, for the failure report.

QString StateText(const SharedState& s)
{
    const SignalState& g = s.Signal;
    const FilterState& f = s.Filter;
    const DisplaySettings& d = s.Display;
    const TimeGraphView& v = s.View;
    QStringList amp, ph;
    for (int k = 1; k < RowCount; ++k) {
        amp << QString::number(g.Harmonics.AmplitudePercent[k]);
        ph << QString::number(g.Harmonics.PhaseRad[k], 'g', 4);
    }
    return QStringLiteral("f0=%1 full=%2 mean%=%3 mean=%4 preset=%5 duty=%6 amp=[%7] phase=[%8] | "
                          "filter=%9 fc=%10 m=%11 G0=%12 bw=%13 | factor=%14 copy=%15x%16 font='%17' %18pt "
                          "grad=%19 mode=%20 | view t=%21..%22/%23 v=%24..%25/%26 points=%27 periods=%28 | "
                          "spectrumMax=%29")
        .arg(g.FundamentalHz)
        .arg(g.FullScaleValue, 0, 'g', 17)
        .arg(g.MeanPercent)
        .arg(g.MeanValue, 0, 'g', 17)
        .arg(QChar(char(g.Preset)))
        .arg(g.DutyCycle)
        .arg(amp.join(','), ph.join(','))
        .arg(QChar(char(f.Kind)))
        .arg(f.CutoffHz, 0, 'g', 17)
        .arg(f.Damping, 0, 'g', 17)
        .arg(f.StaticGain, 0, 'g', 17)
        .arg(f.BandwidthHz, 0, 'g', 17)
        .arg(d.OutputScaleFactor)
        .arg(d.CopyWidthPx)
        .arg(d.CopyHeightPx)
        .arg(QString::fromStdString(d.Plot.FontName))
        .arg(d.Plot.FontSize)
        .arg(d.Plot.GraduationLength)
        .arg(QChar(char(d.SpectrumMode)))
        .arg(v.TimeStart, 0, 'g', 17)
        .arg(v.TimeEnd, 0, 'g', 17)
        .arg(v.TimeStep, 0, 'g', 17)
        .arg(v.ValueMin, 0, 'g', 17)
        .arg(v.ValueMax, 0, 'g', 17)
        .arg(v.ValueStep, 0, 'g', 17)
        .arg(v.PointCount)
        .arg(v.PeriodsShown, 0, 'g', 17)
        .arg(s.Spectra.SpectrumMax, 0, 'g', 17);
}

#if !defined(__SANITIZE_ADDRESS__)
// VmRSS of /proc/self/status in MB; -1 when unreadable.
long ResidentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    static const QRegularExpression rss(QStringLiteral("^VmRSS:\\s+(\\d+)\\s+kB"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = rss.match(QString::fromLatin1(status.readAll()));
    return m.hasMatch() ? m.captured(1).toLong() / 1024 : -1;
}
#endif

} // namespace

void RandomUserTest::randomUser()
{
    const QByteArray seedText = qgetenv("RANDOM_USER_SEED");
    const std::uint64_t seed = seedText.isEmpty()
                                   ? std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count()) % 1000000007ULL
                                   : seedText.toULongLong();
    const QByteArray countText = qgetenv("RANDOM_USER_ACTIONS");
    const long long actions = countText.isEmpty() ? 1000 : countText.toLongLong();
    const QByteArray hangText = qgetenv("RANDOM_USER_HANG_SECONDS");
    const int hangSeconds = hangText.isEmpty() ? 120 : std::max(1, hangText.toInt());
#if !defined(__SANITIZE_ADDRESS__) // the sanitizer's own memory would count
    const QByteArray rssText = qgetenv("RANDOM_USER_RSS_MB");
    const long rssLimitMb = rssText.isEmpty() ? 1024 : rssText.toLong();
#endif
    std::fprintf(stderr, "random user: seed %llu, %lld actions%s\n", static_cast<unsigned long long>(seed), actions,
                 seedText.isEmpty() ? " (seed from the clock; RANDOM_USER_SEED replays it)" : "");

    m_rng.seed(seed);
    m_dialogs.Rng = &m_rng;
    m_dialogs.Line = &m_line;
    m_dialogs.Families = QFontDatabase::families();
    g_log.Seed = seed;
    g_log.Lines.clear();
    g_log.Lines.reserve(std::size_t(std::max(0LL, actions)) + 1);
    const CrashReport crashReport;
    HangWatchdog watchdog(hangSeconds);

    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        if (!m_pasting)
            m_clipboardChanged = true;
    });

    m_sound.HasCard = Chance(0.8);
    Start();
    QVERIFY(QTest::qWaitForWindowExposed(&m_program->fengraphe()));
    const auto started = std::chrono::steady_clock::now();
    for (long long i = 0; i < actions; ++i) {
        Before before;
        before.Messages = m_dialogs.Messages.size();
        before.Errors = m_dialogs.Errors.size();
        before.State = StateBytes(m_program->State());
        m_dialogs.ThisAction.clear();
        m_dialogs.Problems.clear();
        m_soundCallsBefore = m_sound.Calls.size();
        m_actedOn = nullptr;
        m_clipboardChanged = false;
        m_line = QStringLiteral("#%1 ").arg(i);

        g_log.Index = i;
        g_log.Acting = true;
        g_log.Lines.push_back(m_line.toStdString() + "…"); // what a crash during the action shows
        Act();
        g_log.Acting = false;
        g_log.Lines.back() = m_line.toStdString();

        QStringList bad = Check(before);
#if !defined(__SANITIZE_ADDRESS__)
        if (i % 100 == 0 && ResidentMb() > rssLimitMb)
            bad << QStringLiteral("resident memory %1 MB, above %2 MB").arg(ResidentMb()).arg(rssLimitMb);
#endif
        if (!bad.isEmpty()) {
            DumpLog("a check failed");
            std::fprintf(stderr, "=== state: %s\n", qPrintable(StateText(m_program->State())));
            QFAIL(qPrintable(QStringLiteral("action #%1 (%2), seed %3: %4").arg(i).arg(m_line).arg(seed).arg(bad.join(QStringLiteral("; ")))));
        }

        // Quitting ends the program; the user starts it again.
        if (!m_program->fensynth().isVisible()) {
            Stop();
            m_sound.HasCard = Chance(0.8);
            Start();
            ++m_restarts;
            g_log.Lines.back() += m_sound.HasCard ? "; the program ended and was started again"
                                                  : "; the program ended and was started again, with no sound card";
        }
        // The fake port keeps copies of the sounds; only this action's matter.
        m_sound.Calls.clear();
        if (i > 0 && i % 10000 == 0)
            std::fprintf(stderr, "random user: %lld actions\n", i);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    QStringList windows, kinds;
    for (auto it = m_perWindow.cbegin(); it != m_perWindow.cend(); ++it)
        windows << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    for (auto it = m_perKind.cbegin(); it != m_perKind.cend(); ++it)
        kinds << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    std::fprintf(stderr,
                 "random user: seed %llu, %lld actions in %.1f s; %lld input boxes, %lld messages, %lld errors, "
                 "%d restarts\n  windows: %s\n  actions: %s\n",
                 static_cast<unsigned long long>(seed), actions, seconds, static_cast<long long>(m_dialogs.Boxes.size()),
                 static_cast<long long>(m_dialogs.Messages.size()), static_cast<long long>(m_dialogs.Errors.size()),
                 m_restarts, qPrintable(windows.join(", ")), qPrintable(kinds.join(", ")));
    // The windows as the run left them, to look at.
    QDir().mkpath(PICTURE_DIR);
    for (QWidget* w : Windows())
        if (w->isVisible() && !w->isMinimized() && w->width() > 0 && w->height() > 0)
            w->grab().save(QStringLiteral(PICTURE_DIR "/randomuser-%1.png").arg(WindowName(w).replace(' ', '-')));

    const QByteArray logPath = qgetenv("RANDOM_USER_LOG");
    if (!logPath.isEmpty()) {
        QFile log(QString::fromLocal8Bit(logPath));
        if (log.open(QIODevice::WriteOnly | QIODevice::Text))
            for (const std::string& line : g_log.Lines)
                log.write(line.data(), qint64(line.size())), log.write("\n");
    }
    Stop();
}

QTEST_MAIN(RandomUserTest)
