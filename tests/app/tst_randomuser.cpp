// SPDX-License-Identifier: GPL-3.0-or-later
// A random user: a seeded generator drives the real program, off screen,
// through every visible, enabled, named control of every window on screen
// (clicks, double clicks, drags, wheel turns, keys, typed and pasted
// texts), resizes, minimises and closes the windows, quits and starts the
// program again, and answers every input box with a hostile text, every
// picker with a random choice or a cancel. After each action the shared
// state, the controls, the pictures and the messages shown are checked.
//
// RANDOM_USER_SEED and RANDOM_USER_ACTIONS choose the run (the seed is
// taken from the clock and printed when not given); a failure prints the
// seed, the action and every action before it, one line each, which the
// same two variables replay in the same build. RANDOM_USER_HANG_SECONDS
// (120) is how long one action may run before it counts as a hang,
// RANDOM_USER_RSS_MB (1024) how much resident memory the process may take;
// RANDOM_USER_LOG names a file that receives every action of the run.

#include "tests/app/programtest.h"

#include "filter/filtercontrols.h"
#include "filter/responsewindow.h"
#include "plot/sampling.h"
#include "settings/settingsrules.h"
#include "signal/presets.h"
#include "numeric/rounding.h"
#include "signal/signallimits.h"
#include "tests/common/fakesoundport.h"
#include "widgets/pictureview.h"
#include "widgets/tvrnumedit.h"
#include "widgets/tvrstredit.h"

#include <QClipboard>
#include <QFile>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

// ---------------------------------------------------------------------------
// The action log, kept where a fatal signal, a sanitizer's report or the
// hang watchdog can still print it.

struct RunLog {
    std::uint64_t Seed = 0;
    std::vector<std::string> Lines; // one per action, reserved up front
    std::atomic<long long> Index{-1}; // the action running now
    std::atomic<bool> Acting{false};
};
RunLog g_log;

void Write(const char* s, std::size_t n)
{
    while (n > 0) {
        const ssize_t w = ::write(2, s, n);
        if (w <= 0)
            return;
        s += w;
        n -= static_cast<std::size_t>(w);
    }
}

void Write(const char* s)
{
    Write(s, std::strlen(s));
}

void WriteNumber(unsigned long long v)
{
    char buf[24];
    int i = sizeof buf;
    do {
        buf[--i] = char('0' + v % 10);
        v /= 10;
    } while (v && i > 0);
    Write(buf + i, sizeof buf - i);
}

// Prints why the run stopped, the seed, the action and every action so far.
// Allocates nothing, so that a signal handler may call it.
void DumpLog(const char* why)
{
    const long long index = g_log.Index.load();
    Write("\n=== random user stopped: ");
    Write(why);
    Write("\n=== seed ");
    WriteNumber(g_log.Seed);
    Write(", at action #");
    WriteNumber(static_cast<unsigned long long>(index < 0 ? 0 : index));
    Write("\n=== replay: RANDOM_USER_SEED=");
    WriteNumber(g_log.Seed);
    Write(" RANDOM_USER_ACTIONS=");
    WriteNumber(static_cast<unsigned long long>(index + 1));
    Write(" (same build)\n=== actions so far:\n");
    for (const std::string& line : g_log.Lines) {
        Write(line.data(), line.size());
        Write("\n", 1);
    }
    Write("=== end of actions\n");
}

struct sigaction g_previous[32];
const int FatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

extern "C" void OnFatalSignal(int sig)
{
    DumpLog(sig == SIGABRT ? "abort" : "fatal signal");
    sigaction(sig, &g_previous[sig], nullptr);
    raise(sig);
}

#if defined(__SANITIZE_ADDRESS__)
extern "C" void OnSanitizerDeath()
{
    DumpLog("sanitizer report (above)");
}
#endif

void InstallCrashReport()
{
    struct sigaction sa {};
    sa.sa_handler = OnFatalSignal;
    sigemptyset(&sa.sa_mask);
    for (int sig : FatalSignals)
        sigaction(sig, &sa, &g_previous[sig]);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(OnSanitizerDeath);
#endif
}

void RemoveCrashReport()
{
    for (int sig : FatalSignals)
        sigaction(sig, &g_previous[sig], nullptr);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(nullptr);
#endif
}

// The report in place for the life of a run, however the run ends.
struct CrashReport {
    CrashReport() { InstallCrashReport(); }
    ~CrashReport() { RemoveCrashReport(); }
    CrashReport(const CrashReport&) = delete;
    CrashReport& operator=(const CrashReport&) = delete;
};

// Stops the process, with the log, when one action runs longer than the limit.
class HangWatchdog {
public:
    explicit HangWatchdog(int seconds) : m_thread([this, seconds] { Watch(seconds); }) {}
    ~HangWatchdog()
    {
        m_stop = true;
        m_thread.join();
    }

private:
    void Watch(int seconds)
    {
        long long last = -2;
        int still = 0;
        while (!m_stop) {
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
            const long long now = g_log.Index.load();
            if (now != last || !g_log.Acting) {
                last = now;
                still = 0;
            } else if (++still >= seconds * 4) {
                DumpLog("one action ran too long: a hang");
                _exit(3);
            }
        }
    }

    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// ---------------------------------------------------------------------------
// Hostile answers.

QString Quoted(const QString& text)
{
    QString shown = text;
    if (shown.size() > 24)
        shown = shown.left(12) + QStringLiteral("…(%1 characters)").arg(text.size());
    shown.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    return QLatin1Char('\'') + shown + QLatin1Char('\'');
}

// Texts that every box of the program must take without harm: empty,
// signs alone, beyond the doubles' range, not numbers, letters, very long,
// blanks, and values at the limits of the fields and just beyond them.
const QStringList& HostileTexts()
{
    static const QStringList texts = [] {
        QStringList t = {
            "", "-", "+", ".", "-.", "e", "1e", "--1", "1e999", "-1e999", "1e308", "1.7976931348623157e308",
            "nan", "NaN", "-nan", "inf", "-inf", "Infinity", "0", "-0", "0.0", "1e-320", "4.9e-324", "-1e-320",
            "abc", "1,5,6", "1,5", "0x10", "0b1", "1e5x", "12abc", " ", "   ", "\t", " 5 ", "5 ", "1 2",
            "1", "2", "3", "-3", "0.5", "0.49", "0.001", "0.0005", "0.999", "999", "1000", "1001", "1666",
            "1667", "9.99", "10", "10.5", "25", "29.9", "30", "31", "100", "101", "400", "401", "999999",
            "999999.4", "999999.5", "1000000", "1000001", "1e6", "-1", "-100", "1.3", "1.35", "50", "51",
            "-5", "9", "9.5", "1e-3", "2e-3", "٣", "１２", "½", "€", "∞", "1e+", "+1e+1", "1.2.3",
            "1e100", "-1e100", "1.0000000000000002e100", "1e-100", "-1e-100", "9.999999999999999e-101",
            "1e-290", "9.999999999999999e-291", "1e-400", "6", "16", "17",
        };
        t << QString(10000, QLatin1Char('9')) << QString(10000, QLatin1Char('a'))
          << QStringLiteral("0.") + QString(5000, QLatin1Char('0')) + QStringLiteral("1")
          << QString(300, QLatin1Char(' ')) + QStringLiteral("7");
        return t;
    }();
    return texts;
}

// ---------------------------------------------------------------------------
// The dialogs, answered at random and logged.

class RandomDialogs : public FakeDialogs {
public:
    struct Interaction {
        QString Caption; // the box's caption; "colour picker", "font picker"
        bool Cancelled = false;
    };

    std::mt19937_64* Rng = nullptr;
    QString* Line = nullptr;               // the current action's log line
    const SharedState* State = nullptr;    // the running program's
    const SoundStudyState* Study = nullptr; // its sound window's
    QList<Interaction> ThisAction;
    QStringList Problems; // messages shown where none was due, with why
    QStringList Families;

    std::optional<QString> InputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                    const QString& defaultText) override
    {
        std::optional<QString> answer;
        const int roll = Int(0, 99);
        if (roll < 10)
            answer = std::nullopt;
        else if (roll < 15)
            answer = defaultText;
        else if (roll < 35)
            answer = RandomNumberText();
        else
            answer = HostileTexts()[Int(0, int(HostileTexts().size()) - 1)];
        Answers = {};
        Answers.push(answer);
        ThisAction.append({caption, !answer});
        m_cutoffAsked = State ? State->Filter.CutoffHz : 0;
        m_gainAsked = State ? State->Filter.StaticGain : 0;
        m_durationAsked = Study ? Study->DurationSeconds : 0;
        Note(QStringLiteral("input box '%1' %2").arg(caption, answer ? "answered " + Quoted(*answer) : "cancelled"));
        return FakeDialogs::InputBox(parent, caption, prompt, defaultText);
    }

    std::optional<QColor> ChooseColour(QWidget* parent, const QColor& initial) override
    {
        std::optional<QColor> c;
        if (Int(0, 4) != 0)
            c = QColor(QRgb(Int(0, 0xFFFFFF)));
        Colours = {};
        Colours.push(c);
        ThisAction.append({QStringLiteral("colour picker"), !c});
        Note(c ? QStringLiteral("colour picker answered %1").arg(c->name()) : QStringLiteral("colour picker cancelled"));
        return FakeDialogs::ChooseColour(parent, initial);
    }

    std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) override
    {
        std::optional<QFont> f;
        if (Int(0, 4) != 0) {
            const QString family = Families.isEmpty() || Int(0, 9) == 0
                                       ? QStringLiteral("No Such Font")
                                       : Families[Int(0, int(Families.size()) - 1)];
            QFont font(family);
            const int roll = Int(0, 9);
            if (roll == 0)
                font.setPixelSize(Int(1, 200)); // a size in pixels only
            else
                font.setPointSize(roll == 1 ? Int(100, 512) : Int(1, 40));
            f = font;
        }
        Fonts = {};
        Fonts.push(f);
        ThisAction.append({QStringLiteral("font picker"), !f});
        Note(f ? QStringLiteral("font picker answered '%1' %2%3")
                     .arg(f->family())
                     .arg(f->pointSize() > 0 ? f->pointSize() : f->pixelSize())
                     .arg(f->pointSize() > 0 ? "pt" : "px")
               : QStringLiteral("font picker cancelled"));
        return FakeDialogs::ChooseFont(parent, initial);
    }

    void Message(QWidget* parent, const QString& text) override
    {
        Note(QStringLiteral("message '%1'").arg(text));
        // "Mauvaise entrée" answers a refused typed cut-off, static gain or
        // sound duration, which stays as it was.
        if (text == QStringLiteral("Mauvaise entrée")) {
            const QString box = ThisAction.isEmpty() || ThisAction.last().Cancelled ? QString() : ThisAction.last().Caption;
            if (box == QStringLiteral("Fréquence particulière")) {
                if (State && State->Filter.CutoffHz != m_cutoffAsked)
                    Problems << QStringLiteral("\"Mauvaise entrée\", yet the cut-off changed");
            } else if (box == QStringLiteral("Entrée de l amplification statique")) {
                if (State && State->Filter.StaticGain != m_gainAsked)
                    Problems << QStringLiteral("\"Mauvaise entrée\", yet the static gain changed");
            } else if (box == QStringLiteral("Entrée durée du son")) {
                if (Study && Study->DurationSeconds != m_durationAsked)
                    Problems << QStringLiteral("\"Mauvaise entrée\", yet the duration changed");
            } else {
                Problems << QStringLiteral("\"Mauvaise entrée\" with no cut-off, gain or duration typed");
            }
        }
        FakeDialogs::Message(parent, text);
    }

    void Error(QWidget* parent, const QString& text) override
    {
        Note(QStringLiteral("error '%1'").arg(text));
        FakeDialogs::Error(parent, text);
    }

private:
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(*Rng); }

    // A number spread over many decades, either sign, in one of the usual
    // notations.
    QString RandomNumberText()
    {
        const double magnitude = std::pow(10.0, std::uniform_real_distribution<double>(-8, 9)(*Rng));
        const double v = Int(0, 4) == 0 ? -magnitude : magnitude;
        switch (Int(0, 3)) {
        case 0:
            return QString::number(v, 'g', Int(1, 17));
        case 1:
            return QString::number(v, 'f', Int(0, 6));
        case 2:
            return QString::number(v, 'e', Int(0, 6));
        default:
            return QString::number(std::llround(v));
        }
    }

    double m_cutoffAsked = 0;
    double m_gainAsked = 0;
    double m_durationAsked = 0;

    void Note(const QString& s)
    {
        if (Line)
            *Line += QStringLiteral("; ") + s;
    }
};

// ---------------------------------------------------------------------------
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

// Everything a handler may leave in the state, field by field, to tell
// whether an action changed anything at all.
QByteArray StateBytes(const SharedState& s)
{
    QByteArray b;
    auto add = [&b](const auto& x) { b.append(reinterpret_cast<const char*>(&x), sizeof x); };
    const SignalState& g = s.Signal;
    add(g.FundamentalHz), add(g.FullScaleValue), add(g.MeanPercent), add(g.MeanValue), add(g.Preset),
        add(g.DutyCycle), add(g.Harmonics.AmplitudePercent), add(g.Harmonics.PhaseRad), add(g.Harmonics.Shown);
    const FilterState& f = s.Filter;
    add(f.Kind), add(f.CutoffHz), add(f.Damping), add(f.StaticGain), add(f.BandwidthHz);
    const DisplaySettings& d = s.Display;
    add(d.Plot.AxesAtOrigin), add(d.Plot.GridOn), add(d.Plot.GridDotted), add(d.Plot.AxisColour),
        add(d.Plot.HarmonicColour), add(d.Plot.FontSize), add(d.Plot.GraduationLength);
    b.append(d.Plot.FontName.data(), qsizetype(d.Plot.FontName.size()));
    add(d.SynthesisColour), add(d.SignalColour), add(d.OutputColour), add(d.InputSpectrumColour),
        add(d.OutputSpectrumColour), add(d.BlackBackground), add(d.CopyWidthPx), add(d.CopyHeightPx),
        add(d.SpectrumMode), add(d.ShowLineValues), add(d.OutputScaleFactor), add(d.ShowIdealSignal),
        add(d.SuperposeOutput), add(d.ShowInputSpectrum), add(d.ShowOutputSpectrum);
    const TimeGraphView& v = s.View;
    add(v.TimeStart), add(v.TimeEnd), add(v.TimeStep), add(v.PeriodsShown);
    return b;
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

bool Finite(double x)
{
    return std::isfinite(x);
}

// Some pixel of the picture differs from `background`.
bool HasInk(const QImage& picture, QRgb background)
{
    const QImage img = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if ((line[x] & 0xFFFFFF) != (background & 0xFFFFFF))
                return true;
    }
    return false;
}

const std::pair<Qt::Key, const char*> Keys[] = {
    {Qt::Key_Up, "Up"},         {Qt::Key_Down, "Down"},         {Qt::Key_Left, "Left"},
    {Qt::Key_Right, "Right"},   {Qt::Key_PageUp, "PageUp"},     {Qt::Key_PageDown, "PageDown"},
    {Qt::Key_Home, "Home"},     {Qt::Key_End, "End"},           {Qt::Key_Space, "Space"},
    {Qt::Key_Return, "Return"}, {Qt::Key_Enter, "Enter"},       {Qt::Key_Tab, "Tab"},
    {Qt::Key_Backtab, "Backtab"}, {Qt::Key_Escape, "Escape"},   {Qt::Key_Backspace, "Backspace"},
    {Qt::Key_Delete, "Delete"}, {Qt::Key_Minus, "Minus"},       {Qt::Key_Period, "Period"},
    {Qt::Key_Comma, "Comma"},   {Qt::Key_Plus, "Plus"},
};

} // namespace

// ---------------------------------------------------------------------------

class RandomUserTest : public QObject {
    Q_OBJECT

private slots:
    void randomUser();

private:
    // What is known before an action, to judge what it did.
    struct Before {
        qsizetype Messages = 0;
        qsizetype Errors = 0;
        QByteArray State;
    };

    void Start();
    void Stop();
    QList<QWidget*> Windows() const;
    QString WindowName(const QWidget* w) const;
    static QList<QWidget*> Controls(QWidget* window);

    void Act();
    void ActOnWindow(QWidget* window);
    void ActOnControl(QWidget* window, QWidget* control);
    void Click(QWidget* window, QWidget* control, bool twice);
    void Drag(QWidget* window, QWidget* control);
    void Wheel(QWidget* window, QWidget* control);
    void Key(QWidget* window, QWidget* control);
    void TypeText(QLineEdit* edit);
    void PasteText(QLineEdit* edit);
    void Resize(QWidget* window);

    // The widget a real pointer at `point` of `control` would hit, and the
    // point in its coordinates.
    QWidget* HitAt(QWidget* window, QWidget* control, QPoint point, QPoint& local) const;
    QString Where(QWidget* control, QPoint point, QWidget* hit) const;

    QStringList Check(const Before& before);
    void CheckState(QStringList& bad);
    void CheckControls(QStringList& bad);
    void CheckPictures(QStringList& bad);
    void CheckDialogs(const Before& before, QStringList& bad);
    void CheckTexts(QStringList& bad);
    void CheckCopy(QStringList& bad);

    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(m_rng); }

    std::mt19937_64 m_rng;
    RandomDialogs m_dialogs;
    FakeSoundPort m_sound;
    std::unique_ptr<Program> m_program;
    std::unique_ptr<Ui> m_ui;
    QString m_line; // the log line of the action running
    QWidget* m_actedOn = nullptr; // the window of the action
    QWidget* m_lastWindow = nullptr;
    std::size_t m_soundCallsBefore = 0;
    QMap<QString, int> m_perWindow;
    QMap<QString, int> m_perKind;
    int m_restarts = 0;
    bool m_clipboardChanged = false; // by the program, during the action
    bool m_pasting = false;          // the test itself is filling the clipboard
};

void RandomUserTest::Start()
{
    m_program = std::make_unique<Program>(m_dialogs, &m_sound);
    m_dialogs.State = &m_program->State();
    m_dialogs.Study = &m_program->fenetson().Study();
    m_ui = std::make_unique<Ui>(*m_program);
    m_program->Show();
    QCoreApplication::processEvents();
}

void RandomUserTest::Stop()
{
    m_ui.reset();
    m_program.reset();
    m_lastWindow = nullptr;
}

// The program's windows, in their start-up order, the response window last.
QList<QWidget*> RandomUserTest::Windows() const
{
    Program& p = *m_program;
    return {&p.fensynth(), &p.Form2(), &p.fengraphe(), &p.fenspectres(), &p.rappcycl(), &p.fenetson(),
            &p.fenreponse()};
}

QString RandomUserTest::WindowName(const QWidget* w) const
{
    static const char* const Names[] = {"main", "settings", "time graph", "spectra", "duty cycle", "sound",
                                        "response"};
    const QList<QWidget*> windows = Windows();
    const qsizetype i = windows.indexOf(const_cast<QWidget*>(w));
    return i < 0 ? QStringLiteral("?") : QString::fromLatin1(Names[i]);
}

// Every visible, enabled control of the window that has a name of its own.
QList<QWidget*> RandomUserTest::Controls(QWidget* window)
{
    QList<QWidget*> controls;
    for (QWidget* c : window->findChildren<QWidget*>()) {
        const QString name = c->objectName();
        if (c->isVisible() && c->isEnabled() && !name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
            controls << c;
    }
    return controls;
}

QWidget* RandomUserTest::HitAt(QWidget* window, QWidget* control, QPoint point, QPoint& local) const
{
    const QPoint inWindow = control->mapTo(window, point);
    QWidget* hit = window->childAt(inWindow);
    if (!hit)
        hit = window;
    local = hit->mapFrom(window, inWindow);
    return hit;
}

QString RandomUserTest::Where(QWidget* control, QPoint point, QWidget* hit) const
{
    QString s = QStringLiteral("%1 at (%2,%3)").arg(control->objectName()).arg(point.x()).arg(point.y());
    if (hit != control)
        s += QStringLiteral(" [hits %1]").arg(hit->objectName().isEmpty()
                                                  ? QString::fromLatin1(hit->metaObject()->className())
                                                  : hit->objectName());
    return s;
}

void RandomUserTest::Click(QWidget* window, QWidget* control, bool twice)
{
    const QPoint p(Int(0, std::max(0, control->width() - 1)), Int(0, std::max(0, control->height() - 1)));
    QPoint local;
    QWidget* hit = HitAt(window, control, p, local);
    m_line += QStringLiteral("%1 %2").arg(twice ? "double-click" : "click", Where(control, p, hit));
    ++m_perKind[twice ? "double-click" : "click"];
    if (twice)
        QTest::mouseDClick(hit, Qt::LeftButton, {}, local);
    else
        QTest::mouseClick(hit, Qt::LeftButton, {}, local);
}

// Press on a point of the control, move the held button over it and a
// little beyond, release: every move goes to the widget pressed, as the
// pointer is grabbed while the button is down.
void RandomUserTest::Drag(QWidget* window, QWidget* control)
{
    const QPoint p(Int(0, std::max(0, control->width() - 1)), Int(0, std::max(0, control->height() - 1)));
    QPoint local;
    QWidget* hit = HitAt(window, control, p, local);
    QList<QPoint> moves(Int(1, 6));
    for (QPoint& q : moves)
        q = QPoint(Int(-40, control->width() + 40), Int(-40, control->height() + 40));
    m_line += QStringLiteral("drag %1 through %2 moves to (%3,%4)")
                  .arg(Where(control, p, hit))
                  .arg(moves.size())
                  .arg(moves.last().x())
                  .arg(moves.last().y());
    ++m_perKind["drag"];
    QPointer<QWidget> pressed(hit);
    QTest::mousePress(hit, Qt::LeftButton, {}, local);
    for (const QPoint& q : moves)
        if (pressed)
            QTest::mouseMove(hit, hit->mapFrom(window, control->mapTo(window, q)));
    if (pressed)
        QTest::mouseRelease(hit, Qt::LeftButton, {}, hit->mapFrom(window, control->mapTo(window, moves.last())));
}

void RandomUserTest::Wheel(QWidget* window, QWidget* control)
{
    const QPoint p(Int(0, std::max(0, control->width() - 1)), Int(0, std::max(0, control->height() - 1)));
    QPoint local;
    QWidget* hit = HitAt(window, control, p, local);
    const int notches = (Int(0, 3) == 0 ? Int(1, 119) : 120 * Int(1, 3)) * (Chance(0.5) ? 1 : -1);
    const bool horizontal = Int(0, 9) == 0;
    const Qt::KeyboardModifiers mods = Int(0, 9) == 0 ? Qt::ControlModifier : Qt::NoModifier;
    const QPoint delta = horizontal ? QPoint(notches, 0) : QPoint(0, notches);
    QWheelEvent e(QPointF(local), QPointF(hit->mapToGlobal(local)), QPoint(), delta, Qt::NoButton, mods,
                  Qt::NoScrollPhase, false);
    m_line += QStringLiteral("wheel %1 %2 on %3%4")
                  .arg(horizontal ? "across" : "along")
                  .arg(notches)
                  .arg(Where(control, p, hit), mods ? QStringLiteral(" with Ctrl") : QString());
    ++m_perKind["wheel"];
    QSpontaneKeyEvent::setSpontaneous(&e);
    QApplication::instance()->notify(hit, &e);
}

// A key, typed as the user would: into the control after giving it the
// focus, or into whatever holds the focus in the window.
void RandomUserTest::Key(QWidget* window, QWidget* control)
{
    QWidget* target = control;
    if (control->focusPolicy() == Qt::NoFocus || Chance(0.2))
        target = window->focusWidget() ? window->focusWidget() : window;
    else
        control->setFocus(Qt::OtherFocusReason);
    Qt::Key key;
    QString name;
    const int roll = Int(0, 9);
    if (roll < 2) {
        const char c = char('A' + Int(0, 25));
        key = Qt::Key(Qt::Key_A + (c - 'A'));
        name = QString(QLatin1Char(c));
    } else if (roll < 4) {
        const int d = Int(0, 9);
        key = Qt::Key(Qt::Key_0 + d);
        name = QString::number(d);
    } else {
        const auto& k = Keys[Int(0, int(std::size(Keys)) - 1)];
        key = k.first;
        name = QString::fromLatin1(k.second);
    }
    Qt::KeyboardModifiers mods;
    switch (Int(0, 19)) {
    case 0:
        mods = Qt::ShiftModifier, name = "Shift+" + name;
        break;
    case 1:
        mods = Qt::ControlModifier, name = "Ctrl+" + name;
        break;
    case 2:
        mods = Qt::AltModifier, name = "Alt+" + name;
        break;
    case 3:
        mods = Qt::KeypadModifier, name = "keypad " + name;
        break;
    default:
        break;
    }
    const int times = Chance(0.15) ? Int(2, 12) : 1;
    m_line += QStringLiteral("key %1%2 on %3")
                  .arg(name, times > 1 ? QStringLiteral(" x%1").arg(times) : QString(),
                       target->objectName().isEmpty() ? QString::fromLatin1(target->metaObject()->className())
                                                      : target->objectName());
    ++m_perKind["key"];
    // The key goes where the focus is, which a key (Tab) may move.
    for (int i = 0; i < times; ++i) {
        QWidget* focus = i == 0 ? target : window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(focus, key, mods);
    }
}

// Short hostile texts typed key by key into a field.
void RandomUserTest::TypeText(QLineEdit* edit)
{
    QString text = HostileTexts()[Int(0, int(HostileTexts().size()) - 1)];
    if (text.size() > 40)
        text = text.left(40);
    const bool all = Chance(0.5);
    m_line += QStringLiteral("type %1 into %2%3").arg(Quoted(text), edit->objectName(), all ? " over its text" : "");
    ++m_perKind["type"];
    edit->setFocus(Qt::OtherFocusReason);
    if (all)
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier); // select all, so the text replaces it
    for (QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(edit, char(ch.unicode()));
        } else { // a character with no key of its own, as an input method types it
            for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent e(type, Qt::Key_unknown, Qt::NoModifier, QString(ch));
                QSpontaneKeyEvent::setSpontaneous(&e);
                QApplication::instance()->notify(edit, &e);
            }
        }
    }
}

// Any hostile text, long ones included, pasted from the clipboard.
void RandomUserTest::PasteText(QLineEdit* edit)
{
    const QString text = HostileTexts()[Int(0, int(HostileTexts().size()) - 1)];
    m_pasting = true;
    QGuiApplication::clipboard()->setText(text);
    m_pasting = false;
    const bool all = Chance(0.6);
    m_line += QStringLiteral("paste %1 into %2%3").arg(Quoted(text), edit->objectName(), all ? " over its text" : "");
    ++m_perKind["paste"];
    edit->setFocus(Qt::OtherFocusReason);
    if (all)
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

void RandomUserTest::Resize(QWidget* window)
{
    int w, h;
    switch (Int(0, 9)) {
    case 0:
    case 1:
        w = Int(0, 90), h = Int(0, 90); // tiny
        break;
    case 2:
        w = Int(150, 260), h = Int(200, 300); // about the spectra's smallest picture
        break;
    case 3:
        w = Int(1800, 3000), h = Int(1200, 2000); // huge
        break;
    default:
        w = Int(100, 1400), h = Int(100, 1000);
        break;
    }
    m_line += QStringLiteral("resize to %1x%2").arg(w).arg(h);
    ++m_perKind["resize"];
    window->resize(w, h);
    m_line += QStringLiteral(" (now %1x%2)").arg(window->width()).arg(window->height());
}

void RandomUserTest::ActOnControl(QWidget* window, QWidget* control)
{
    auto* edit = qobject_cast<QLineEdit*>(control);
    const int roll = Int(0, 99);
    if (edit && roll < 30)
        TypeText(edit);
    else if (edit && roll < 40)
        PasteText(edit);
    else if (roll < 52)
        Click(window, control, false);
    else if (roll < 55)
        Click(window, control, true);
    else if (roll < 67)
        Drag(window, control);
    else if (roll < 75)
        Wheel(window, control);
    else
        Key(window, control);
}

void RandomUserTest::ActOnWindow(QWidget* window)
{
    m_actedOn = window;
    m_lastWindow = window;
    m_line += WindowName(window) + QStringLiteral(": ");
    ++m_perWindow[WindowName(window)];
    if (window->isMinimized()) {
        window->showNormal();
        m_line += QStringLiteral("restored from minimised, then ");
    }
    if (QApplication::activeWindow() != window) {
        window->activateWindow();
        QCoreApplication::processEvents();
    }
    const bool resizable = window->minimumSize() != window->maximumSize();
    const int roll = Int(0, 99);
    if (roll < 4 && resizable) {
        Resize(window);
        return;
    }
    // Closing the main window ends the program: rarer than closing another.
    if (roll < 6 && (window != &m_program->fensynth() || Chance(0.1))) {
        m_line += QStringLiteral("close the window");
        window->close();
        ++m_perKind["close"];
        return;
    }
    if (roll < 7) {
        m_line += QStringLiteral("minimise the window");
        window->showMinimized();
        ++m_perKind["minimise"];
        return;
    }
    const QList<QWidget*> controls = Controls(window);
    if (controls.isEmpty()) {
        m_line += QStringLiteral("nothing to act on");
        return;
    }
    // What shows a pointing hand (values to click, sliders) and the fields
    // to type in are chosen eight times as often as what only shows
    // something, what takes the focus four times; a numbered family
    // (Vramp1 ... Vramp12) shares its weight, divided by the square root of
    // its size, so that twelve alike controls do not drown a single one.
    QMap<QString, int> family;
    auto stem = [](const QString& name) {
        qsizetype n = name.size();
        while (n > 0 && name[n - 1].isDigit())
            --n;
        return name.left(n);
    };
    for (QWidget* c : controls)
        ++family[stem(c->objectName())];
    std::vector<double> weights;
    for (QWidget* c : controls) {
        const double base = c->cursor().shape() == Qt::PointingHandCursor || qobject_cast<QLineEdit*>(c) ? 8
                            : c->focusPolicy() != Qt::NoFocus                                            ? 4
                                                                                                         : 1;
        weights.push_back(base / std::sqrt(double(family[stem(c->objectName())])));
    }
    ActOnControl(window, controls[std::discrete_distribution<int>(weights.begin(), weights.end())(m_rng)]);
}

void RandomUserTest::Act()
{
    if (Chance(0.005)) {
        m_sound.HasCard = !m_sound.HasCard;
        m_line += m_sound.HasCard ? QStringLiteral("(sound card plugged in) ") : QStringLiteral("(sound card gone) ");
    }
    // Each window on screen is chosen with a weight that grows with the
    // square root of its number of controls: the main window and the
    // settings dialog most often, but the small windows often enough.
    // A user works a while in one window: the window of the last action is
    // kept six times out of ten while it is on screen.
    QList<QWidget*> shown;
    std::vector<double> weights;
    for (QWidget* w : Windows())
        if (w->isVisible()) {
            shown << w;
            weights.push_back(std::sqrt(double(Controls(w).size()) + 1));
        }
    if (shown.contains(m_lastWindow) && !m_lastWindow->isMinimized() && Chance(0.6))
        ActOnWindow(m_lastWindow);
    else
        ActOnWindow(shown[std::discrete_distribution<int>(weights.begin(), weights.end())(m_rng)]);
    QCoreApplication::processEvents();
}

// ---------------------------------------------------------------------------
// Checks.

void RandomUserTest::CheckState(QStringList& bad)
{
    const SharedState& s = m_program->State();
    const SignalState& g = s.Signal;
    const HarmonicTable& h = g.Harmonics;
    const FilterState& f = s.Filter;
    const DisplaySettings& d = s.Display;
    const TimeGraphView& v = s.View;
    auto expect = [&bad](bool ok, const QString& what) {
        if (!ok)
            bad << what;
    };

    // Every real of the state is finite.
    const std::pair<double, const char*> reals[] = {
        {g.FullScaleValue, "FullScaleValue"}, {g.MeanValue, "MeanValue"},       {g.DutyCycle, "DutyCycle"},
        {f.CutoffHz, "CutoffHz"},             {f.Damping, "Damping"},           {f.StaticGain, "StaticGain"},
        {f.BandwidthHz, "BandwidthHz"},       {v.TimeStart, "TimeStart"},       {v.TimeEnd, "TimeEnd"},
        {v.ValueMin, "ValueMin"},             {v.ValueMax, "ValueMax"},         {v.TimeStep, "TimeStep"},
        {v.ValueStep, "ValueStep"},           {v.PeriodsShown, "PeriodsShown"}, {s.Spectra.SpectrumMax, "SpectrumMax"},
    };
    for (const auto& [x, name] : reals)
        expect(Finite(x), QStringLiteral("%1 = %2 is not finite").arg(name).arg(x));
    const std::pair<const std::array<double, RowCount>*, const char*> columns[] = {
        {&h.AmplitudePercent, "AmplitudePercent"},
        {&h.PhaseRad, "PhaseRad"},
        {&h.FilterGain, "FilterGain"},
        {&h.FilterPhaseRad, "FilterPhaseRad"},
        {&h.OutputAmplitudePercent, "OutputAmplitudePercent"},
        {&h.OutputPhaseRad, "OutputPhaseRad"},
    };
    for (const auto& [column, name] : columns)
        for (int k = 0; k < RowCount; ++k)
            expect(Finite((*column)[k]), QStringLiteral("%1[%2] = %3 is not finite").arg(name).arg(k).arg((*column)[k]));

    // The signal.
    expect(g.FundamentalHz >= 1 && g.FundamentalHz <= 999999, QStringLiteral("FundamentalHz %1 outside 1 … 999999").arg(g.FundamentalHz));
    expect(IsFullScaleAllowed(g.FullScaleValue), QStringLiteral("FullScaleValue %1 outside 1e-100 … 1e100").arg(g.FullScaleValue));
    expect(IsPresetCode(g.Preset), QStringLiteral("Preset %1 is no preset").arg(int(g.Preset)));
    expect(g.DutyCycle >= 0 && g.DutyCycle <= 1, QStringLiteral("DutyCycle %1 outside 0 … 1").arg(g.DutyCycle));
    expect(g.MeanPercent >= -999 && g.MeanPercent <= 999, QStringLiteral("MeanPercent %1 outside -999 … 999").arg(g.MeanPercent));
    // MeanValue = MeanPercent / 100 x FullScaleValue, up to the rounding of
    // the full-scale ratio (and saturated at the largest double).
    const double mean = SaturateToDouble(g.MeanPercent / 100.0L * g.FullScaleValue);
    expect(std::fabs(g.MeanValue - mean) <= 1e-9 * std::fabs(mean) + 1e-300,
           QStringLiteral("MeanValue %1 is not MeanPercent %2 / 100 x FullScaleValue %3")
               .arg(g.MeanValue, 0, 'g', 17)
               .arg(g.MeanPercent)
               .arg(g.FullScaleValue, 0, 'g', 17));
    expect(h.AmplitudePercent[0] == 0, QStringLiteral("AmplitudePercent[0] = %1").arg(h.AmplitudePercent[0]));
    for (int k = 1; k < RowCount; ++k) {
        const double a = h.AmplitudePercent[k];
        expect(a >= 0 && a <= 100 && a == std::round(a), QStringLiteral("AmplitudePercent[%1] = %2").arg(k).arg(a));
    }

    // The filter.
    expect(IsFilterCode(f.Kind), QStringLiteral("Kind %1 is no filter").arg(int(f.Kind)));
    expect(f.CutoffHz >= MinFrequencyHz && f.CutoffHz <= MaxFrequencyHz, QStringLiteral("CutoffHz %1 outside 0.001 … 999999").arg(f.CutoffHz));
    expect(f.Damping > 0 && f.Damping <= 5, QStringLiteral("Damping %1 outside (0, 5]").arg(f.Damping));
    expect(f.BandwidthHz >= MinFrequencyHz && f.BandwidthHz <= MaxFrequencyHz, QStringLiteral("BandwidthHz %1 outside 0.001 … 999999").arg(f.BandwidthHz));
    expect(IsStaticGainAllowed(f.StaticGain), QStringLiteral("StaticGain %1 neither 0 nor of magnitude 1e-100 … 1e100").arg(f.StaticGain));

    // The display.
    const std::int32_t factor = d.OutputScaleFactor;
    expect(factor == 1 || factor == 10 || factor == 100 || factor == 1000 || factor == 10000,
           QStringLiteral("OutputScaleFactor %1 is not a power of ten up to 10000").arg(factor));
    // Copy sizes: more than 50 pixels, less than 30 cm.
    for (std::int32_t px : {d.CopyWidthPx, d.CopyHeightPx})
        expect(px >= MinCopySizePx && px <= MaxCopySizePx, QStringLiteral("copy size %1 pixels outside 51 … 1135").arg(px));
    expect(IsGraduationLengthAllowed(d.Plot.GraduationLength), QStringLiteral("GraduationLength %1 outside 1 … 30").arg(d.Plot.GraduationLength));
    expect(IsGraduationFontSizeAllowed(d.Plot.FontSize), QStringLiteral("FontSize %1 outside 6 … 16").arg(d.Plot.FontSize));
    expect(d.SpectrumMode == SpectrumMode::Percent || d.SpectrumMode == SpectrumMode::Amplitude || d.SpectrumMode == SpectrumMode::Rms,
           QStringLiteral("SpectrumMode %1").arg(int(d.SpectrumMode)));

    // The time graph's frame.
    expect(v.TimeStart == 0, QStringLiteral("TimeStart %1 is not 0").arg(v.TimeStart));
    expect(v.TimeEnd > v.TimeStart && v.TimeStep > 0, QStringLiteral("time axis %1 … %2 step %3").arg(v.TimeStart).arg(v.TimeEnd).arg(v.TimeStep));
    expect(v.ValueMin < v.ValueMax && v.ValueStep > 0, QStringLiteral("value axis %1 … %2 step %3").arg(v.ValueMin).arg(v.ValueMax).arg(v.ValueStep));
    expect(IsPeriodsShownAllowed(v.PeriodsShown), QStringLiteral("PeriodsShown %1 outside 1e-290 … 10").arg(v.PeriodsShown));
    const std::int32_t points = PointCountForWidth(m_program->fengraphe().width());
    expect(v.PointCount == points, QStringLiteral("PointCount %1, the time-graph window's width gives %2").arg(v.PointCount).arg(points));
    expect(s.Spectra.SpectrumMax >= 0, QStringLiteral("SpectrumMax %1").arg(s.Spectra.SpectrumMax));

    // The sound study.
    const SoundStudyState& study = m_program->fenetson().Study();
    expect(study.DurationSeconds >= 0 && study.DurationSeconds <= 10, QStringLiteral("DurationSeconds %1 outside 0 … 10").arg(study.DurationSeconds));
    expect(!study.PlayInput && !study.PlayOutput, QStringLiteral("a play flag left set"));
    for (std::size_t i = m_soundCallsBefore; i < m_sound.Calls.size(); ++i) {
        const FakeSoundPort::Call& c = m_sound.Calls[i];
        if (c.name == "SOUNDOUT")
            expect(c.value >= 0 && c.value <= 440000 && c.value == Round(44000.0L * study.DurationSeconds),
                   QStringLiteral("SOUNDOUT of %1 samples for %2 s").arg(c.value).arg(study.DurationSeconds));
        if (c.name == "SOUNDSETRATE")
            expect(c.value == 44000, QStringLiteral("SOUNDSETRATE %1").arg(c.value));
    }
}

// The controls agree with the state, and every ranged control holds a value
// within its range.
void RandomUserTest::CheckControls(QStringList& bad)
{
    auto expect = [&bad](bool ok, const QString& what) {
        if (!ok)
            bad << what;
    };
    for (QWidget* window : Windows()) {
        for (QWidget* c : window->findChildren<QWidget*>()) {
            const QString name = WindowName(window) + QLatin1Char(' ') + c->objectName();
            if (auto* x = qobject_cast<TVrSlider*>(c))
                expect(x->MinValue() <= x->Position() && x->Position() <= x->MaxValue(),
                       QStringLiteral("%1 at %2 outside %3 … %4").arg(name).arg(x->Position()).arg(x->MinValue()).arg(x->MaxValue()));
            else if (auto* x = qobject_cast<TVrTrackBar*>(c))
                expect(x->MinValue() <= x->Position() && x->Position() <= x->MaxValue(),
                       QStringLiteral("%1 at %2 outside %3 … %4").arg(name).arg(x->Position()).arg(x->MinValue()).arg(x->MaxValue()));
            else if (auto* x = qobject_cast<TVrWheel*>(c))
                expect(x->MinValue() <= x->Position() && x->Position() <= x->MaxValue(),
                       QStringLiteral("%1 at %2 outside %3 … %4").arg(name).arg(x->Position()).arg(x->MinValue()).arg(x->MaxValue()));
            else if (auto* x = qobject_cast<TVrSwitch*>(c))
                expect(x->Offset() >= 0 && x->Offset() < x->Positions(), QStringLiteral("%1 at %2 of %3 positions").arg(name).arg(x->Offset()).arg(x->Positions()));
            else if (auto* x = qobject_cast<TVrNum*>(c))
                expect(x->Min() <= x->Value() && x->Value() <= x->Max(),
                       QStringLiteral("%1 shows %2 outside %3 … %4").arg(name).arg(x->Value()).arg(x->Min()).arg(x->Max()));
            else if (auto* x = qobject_cast<TVrDigitGroup*>(c))
                expect(Finite(x->Value()), QStringLiteral("%1 shows %2").arg(name).arg(x->Value()));
        }
    }

    const SharedState& s = m_program->State();
    const HarmonicTable& h = s.Signal.Harmonics;
    const Ui& u = *m_ui;
    for (int k = 1; k <= HarmonicCount; ++k) {
        expect(u.Vramp[k]->Position() == h.AmplitudePercent[k] && u.VrNumamp[k]->Value() == u.Vramp[k]->Position(),
               QStringLiteral("harmonic %1: slider %2, read-out %3, state %4").arg(k).arg(u.Vramp[k]->Position()).arg(u.VrNumamp[k]->Value()).arg(h.AmplitudePercent[k]));
        const int degrees = SwitchDegrees(u.VrSwitch[k]->Offset());
        expect(std::fabs(h.PhaseRad[k] - degrees * std::numbers::pi / 180) < 1e-12 && u.VrNumph[k]->Value() == degrees,
               QStringLiteral("phase %1: switch %2, read-out %3, state %4").arg(k).arg(u.VrSwitch[k]->Offset()).arg(u.VrNumph[k]->Value()).arg(h.PhaseRad[k]));
        expect(u.VrCheckLed[k]->Checked() == h.Shown[k], QStringLiteral("harmonic %1 shown %2, LED %3").arg(k).arg(h.Shown[k]).arg(u.VrCheckLed[k]->Checked()));
    }
    const TVrSlider* mean = u.VrSlidermoy;
    expect(mean->Position() == s.Signal.MeanPercent && u.VrNummoy->Value() == s.Signal.MeanPercent,
           QStringLiteral("mean slider %1, read-out %2, MeanPercent %3").arg(mean->Position()).arg(u.VrNummoy->Value()).arg(s.Signal.MeanPercent));
    expect(mean->MinValue() == -mean->MaxValue() && mean->MaxValue() >= 1 && mean->MaxValue() <= 999,
           QStringLiteral("mean slider range %1 … %2").arg(mean->MinValue()).arg(mean->MaxValue()));
    const int step = u.Vramp[1]->KeyIncrement;
    expect(step >= 1 && step <= 10 && mean->KeyIncrement == step, QStringLiteral("arrow-key steps %1 and %2").arg(step).arg(mean->KeyIncrement));

    int lit = 0;
    for (int i = 1; i <= 6; ++i)
        lit += u.VrPowerButton[i]->Active();
    expect(lit == 1, QStringLiteral("%1 preset buttons lit").arg(lit));
    static const FilterKind Kinds[7] = {FilterKind::Amplifier, FilterKind::LowPass2, FilterKind::HighPass2, FilterKind::BandPass,
                                        FilterKind::BandStop,  FilterKind::LowPass1, FilterKind::HighPass1};
    int filters = 0;
    for (int r = 0; r < 7; ++r)
        if (u.FilterLed[r]->Checked()) {
            ++filters;
            expect(s.Filter.Kind == Kinds[r], QStringLiteral("filter LED %1 lit, Kind %2").arg(r).arg(QChar(char(s.Filter.Kind))));
        }
    expect(filters == 1, QStringLiteral("%1 filter LEDs lit").arg(filters));
    expect(s.Filter.Damping == DampingForPosition(u.VrTrackBar1->Position()),
           QStringLiteral("Damping %1, track bar at %2").arg(s.Filter.Damping).arg(u.VrTrackBar1->Position()));
    const DisplaySettings& d = s.Display;
    expect(u.VrCheckLed13->Checked() == d.ShowIdealSignal && u.VrCheckLed19->Checked() == d.SuperposeOutput
               && u.VrCheckLed20->Checked() == d.ShowInputSpectrum && u.VrCheckLed21->Checked() == d.ShowOutputSpectrum,
           QStringLiteral("an LED of the main window disagrees with the state"));

    // Which windows are on screen.
    Program& p = *m_program;
    if (p.fensynth().isVisible())
        expect(u.VrCheckLed13->isVisible() == (s.Signal.Preset != PresetKind::Free),
               QStringLiteral("\"voir signal\" %1 with preset %2").arg(u.VrCheckLed13->isVisible() ? "shown" : "hidden").arg(QChar(char(s.Signal.Preset))));
    expect(s.Signal.Preset == PresetKind::Square || !p.rappcycl().isVisible(), QStringLiteral("the duty-cycle dialog is on screen without the square wave"));
    expect(d.ShowInputSpectrum || d.ShowOutputSpectrum || !p.fenspectres().isVisible(), QStringLiteral("the spectrum window is on screen with no spectrum selected"));
}

// Each picture has the size its window gives it, and is drawn.
void RandomUserTest::CheckPictures(QStringList& bad)
{
    const SharedState& s = m_program->State();
    const QRgb background = s.Display.BlackBackground ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    const bool axesShow = (s.Display.Plot.AxisColour & 0xFFFFFF) != (background & 0xFFFFFF);

    // Whether `picture` has the size `window` gives it.
    auto sized = [&](const char* what, const QWidget& window, const QImage& picture, QSize expected) {
        const QSize drawn = LogicalSize(picture);
        if (drawn == expected)
            return true;
        bad << QStringLiteral("%1 picture %2x%3 in a window %4x%5 that gives %6x%7")
                   .arg(QLatin1String(what)).arg(drawn.width()).arg(drawn.height()).arg(window.width())
                   .arg(window.height()).arg(expected.width()).arg(expected.height());
        return false;
    };

    const Tfengraphe& g = m_program->fengraphe();
    const GraphSize size = g.PictureSize();
    if (size.Drawable() && sized("time graph", g, g.Picture(), QSize(size.Width, size.Height)) && axesShow &&
        !HasInk(g.Picture(), background))
        bad << QStringLiteral("time graph picture blank");

    const Tfenspectres& sp = m_program->fenspectres();
    const QSize spSize = sp.PictureSize();
    if (sp.isVisible() && spSize.width() > 150 && spSize.height() > 150 && sized("spectra", sp, sp.Picture(), spSize) &&
        axesShow && sp.Layout().Drawn && !HasInk(sp.Picture(), background))
        bad << QStringLiteral("spectra picture blank");
    const SpectrumLayout& layout = sp.Layout();
    if (layout.Drawn) {
        if (!(layout.Step > 0 && layout.YMin < 0 && layout.YMax > 0 && Finite(layout.YMax) && Finite(layout.SpectrumMax)))
            bad << QStringLiteral("spectrum scale %1 … %2 step %3").arg(layout.YMin).arg(layout.YMax).arg(layout.Step);
        for (int k = 0; k < RowCount; ++k)
            if (!(layout.BarIn[k] >= 0 && layout.BarOut[k] >= 0 && Finite(layout.BarIn[k]) && Finite(layout.BarOut[k])
                  && Finite(layout.LabelIn[k]) && Finite(layout.LabelOut[k])))
                bad << QStringLiteral("spectrum bar %1: in %2 out %3").arg(k).arg(layout.BarIn[k]).arg(layout.BarOut[k]);
    }

    const Tfenreponse& r = m_program->fenreponse();
    const QSize rSize = r.PictureSize();
    if (r.isVisible() && rSize.width() > 50 && rSize.height() > 50) {
        sized("response", r, r.Picture(), rSize);
        const ResponseView& view = r.View();
        for (const ValueAxis& a : {view.Db, view.Deg})
            if (!(Finite(a.Min) && Finite(a.Max) && a.Min < a.Max && a.Step > 0))
                bad << QStringLiteral("response axis %1 … %2 step %3").arg(a.Min).arg(a.Max).arg(a.Step);
        if (view.Span.FirstDecade >= view.Span.LastDecade)
            bad << QStringLiteral("response span %1 … %2").arg(view.Span.FirstDecade).arg(view.Span.LastDecade);
        for (const ResponseSample& p : view.Curve)
            if (!Finite(p.Log10Hz) || !Finite(p.PhaseDeg) || std::isnan(p.GainDb)) {
                bad << QStringLiteral("response point at %1 Hz: %2 dB %3 degrees").arg(p.Hz).arg(p.GainDb).arg(p.PhaseDeg);
                break;
            }
    }
}

// A message or an error only where the program promises one.
void RandomUserTest::CheckDialogs(const Before& before, QStringList& bad)
{
    const SharedState& s = m_program->State();
    bad << m_dialogs.Problems;
    bool asked = false, played = false;
    for (std::size_t i = m_soundCallsBefore; i < m_sound.Calls.size(); ++i) {
        asked |= m_sound.Calls[i].name == "SOUNDIS";
        played |= m_sound.Calls[i].name == "SOUNDOUT";
    }
    for (qsizetype i = before.Messages; i < m_dialogs.Messages.size(); ++i) {
        const QString& m = m_dialogs.Messages[i];
        if (m == QStringLiteral("Mauvaise entrée")) {
            // judged box by box, as it was shown
        } else if (m == QStringLiteral("Attention :Carte son non détectée")) {
            if (!asked || m_sound.HasCard)
                bad << QStringLiteral("no-sound-card message with %1").arg(m_sound.HasCard ? "a card" : "no question asked");
        } else if (m == QStringLiteral("Ces signaux peuvent contenir des fréquences inaudibles")) {
            if (!played || 12 * s.Signal.FundamentalHz <= 20000)
                bad << QStringLiteral("inaudible-frequency warning at f0 = %1 Hz").arg(s.Signal.FundamentalHz);
        } else {
            bad << QStringLiteral("unexpected message '%1'").arg(m);
        }
    }
    static const QStringList SettingsErrors = {
        QStringLiteral("Entrer à nouveau la fréquence"),
        QStringLiteral("Entrer à nouveau l amplitude"),
        QStringLiteral("Entrer à nouveau le nombre de périodes"),
        QStringLiteral("Entrer à nouveau le coeff max de la valeur moyenne"),
        QStringLiteral("Entrer à nouveau le % incrémental"),
    };
    // The font message answers a font picked at a size the graphs are not
    // laid out for, which changes nothing.
    const bool fontPicked = std::any_of(m_dialogs.ThisAction.cbegin(), m_dialogs.ThisAction.cend(),
                                        [](const RandomDialogs::Interaction& i) {
                                            return i.Caption == QStringLiteral("font picker") && !i.Cancelled;
                                        });
    for (qsizetype i = before.Errors; i < m_dialogs.Errors.size(); ++i) {
        const QString& e = m_dialogs.Errors[i];
        const bool font = e == QString::fromUtf8(FontSizeMessage.data(), qsizetype(FontSizeMessage.size()));
        const bool known = SettingsErrors.contains(e) || (e.startsWith(QStringLiteral("« ")) && e.endsWith(QStringLiteral(" » n'est pas un nombre valide")))
                           || (font && fontPicked);
        if (!known || m_actedOn != &m_program->Form2())
            bad << QStringLiteral("unexpected error '%1'").arg(e);
        else if (!m_program->Form2().isVisible())
            bad << QStringLiteral("error '%1', yet the settings dialog went").arg(e);
        else if (font && StateBytes(s) != before.State)
            bad << QStringLiteral("font refused, yet the state changed");
    }
    // "Annuler" changes nothing.
    if (m_dialogs.ThisAction.size() == 1 && m_dialogs.ThisAction[0].Cancelled && StateBytes(s) != before.State)
        bad << QStringLiteral("the state changed although the %1 was cancelled").arg(m_dialogs.ThisAction[0].Caption);
}

// No text the program wrote on screen reads as a number gone wrong (the
// fields hold what the user typed).
void RandomUserTest::CheckTexts(QStringList& bad)
{
    static const QRegularExpression Wrong(QStringLiteral("\\b(nan|inf|infinity)\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    for (QWidget* window : Windows()) {
        for (QWidget* c : window->findChildren<QWidget*>()) {
            if (!c->isVisible())
                continue;
            QString text;
            if (auto* l = qobject_cast<QLabel*>(c))
                text = l->text();
            else if (auto* b = qobject_cast<TVrButtonBase*>(c))
                text = b->Caption();
            if (text.contains(Wrong))
                bad << QStringLiteral("%1 %2 reads '%3'").arg(WindowName(window), c->objectName(), text);
        }
    }
}

// A copy the program put on the clipboard is a picture of the copy size,
// with something drawn on it, and its SVG reads as XML of that size.
void RandomUserTest::CheckCopy(QStringList& bad)
{
    if (!m_clipboardChanged)
        return;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    // A field's own copy or cut (Ctrl+C, Shift+Delete...) puts its text there.
    if (data && data->formats() == QStringList{QStringLiteral("text/plain")}
        && qobject_cast<QLineEdit*>(QApplication::focusWidget()))
        return;
    if (!data || !data->hasFormat(QStringLiteral("image/svg+xml"))) {
        bad << QStringLiteral("the clipboard changed, but holds no vector copy");
        return;
    }
    const DisplaySettings& d = m_program->State().Display;
    const QImage png = qvariant_cast<QImage>(data->imageData());
    if (png.size() != QSize(d.CopyWidthPx, d.CopyHeightPx))
        bad << QStringLiteral("copy picture %1x%2, copy size %3x%4").arg(png.width()).arg(png.height()).arg(d.CopyWidthPx).arg(d.CopyHeightPx);
    else if (!HasInk(png, 0))
        bad << QStringLiteral("copy picture blank");
    QXmlStreamReader svg(data->data(QStringLiteral("image/svg+xml")));
    bool sized = false;
    while (!svg.atEnd()) {
        svg.readNext();
        if (svg.isStartElement() && svg.name() == QStringLiteral("svg"))
            sized = svg.attributes().value(QStringLiteral("width")) == QString::number(d.CopyWidthPx)
                    && svg.attributes().value(QStringLiteral("height")) == QString::number(d.CopyHeightPx);
    }
    if (svg.hasError())
        bad << QStringLiteral("copy SVG unreadable: %1").arg(svg.errorString());
    else if (!sized)
        bad << QStringLiteral("copy SVG not of the copy size %1x%2").arg(d.CopyWidthPx).arg(d.CopyHeightPx);
}

QStringList RandomUserTest::Check(const Before& before)
{
    QStringList bad;
    CheckState(bad);
    CheckControls(bad);
    CheckPictures(bad);
    CheckDialogs(before, bad);
    CheckTexts(bad);
    CheckCopy(bad);
    return bad;
}

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
#include "tst_randomuser.moc"
