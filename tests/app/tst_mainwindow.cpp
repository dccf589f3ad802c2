#include "fakedialogs.h"

#include "etudson.h"
#include "fenetspectres.h"
#include "parsignalsimple.h"
#include "program.h"
#include "rappcyclique.h"
#include "repres.h"
#include "simplefour.h"
#include "tvrbitmapimage.h"
#include "tvrbitmaplist.h"
#include "tvrcheckled.h"
#include "tvrdemobutton.h"
#include "tvrdigitgroup.h"
#include "tvrdisplay.h"
#include "tvrnum.h"
#include "tvrpowerbutton.h"
#include "tvrslider.h"
#include "tvrswitch.h"
#include "tvrtrackbar.h"
#include "tvrwheel.h"
#include "txibutton.h"

#include "numbers.h"

#include <QToolButton>
#include <QtTest>

#include <memory>
#include <numbers>

using IntList = QList<int>;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startUpState();
    void presets_data();
    void presets();
    void samePresetTwiceMovesNothing();
    void presetRedrawCount();
    void enterKeyLightsWithoutApplying();
    void dutyCycleBar();
    void filterSelection_data();
    void filterSelection();
    void wheel();
    void typedFrequency_data();
    void typedFrequency();
    void staticGain();
    void timeZoom();
    void outputFactor();
    void smallTimeGraphWindow();
    void harmonicControls();
    void closingWindows();

private:
    Tfensynth& W() { return *m_program->fensynth; }
    SharedState& S() { return m_program->State(); }
    static void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

    FakeDialogs m_dialogs;
    std::unique_ptr<Program> m_program;
};

void MainWindowTest::init()
{
    m_dialogs = FakeDialogs();
    m_program = std::make_unique<Program>(m_dialogs);
    m_program->Show();
    QVERIFY(QTest::qWaitForWindowExposed(m_program->fengraphe));
}

void MainWindowTest::cleanup()
{
    m_program.reset();
}

void MainWindowTest::startUpState()
{
    const SharedState& s = S();
    QCOMPARE(s.Signal.FundamentalHz, 100);
    QCOMPARE(s.Signal.FullScaleValue, 1.0);
    QCOMPARE(s.Signal.MeanValue, 0.0);
    QCOMPARE(s.Signal.Preset, PresetKind::Free);
    for (int k = 1; k <= 12; ++k) {
        QCOMPARE(s.Signal.Harmonics.AmplitudePercent[k], 0.0);
        QCOMPARE(s.Signal.Harmonics.PhaseRad[k], 0.0);
        QCOMPARE(W().Vramp[k]->Position(), 0);
        QCOMPARE(W().VrSwitch[k]->Offset(), 1);
    }
    QCOMPARE(s.Filter.Kind, FilterKind::Amplifier);
    QCOMPARE(s.Filter.StaticGain, 1.0);
    QCOMPARE(s.Filter.CutoffHz, 1.0);
    QCOMPARE(s.Filter.Damping, 0.705); // the track bar's handler ran
    QCOMPARE(s.Filter.BandwidthHz, 1.41);
    QCOMPARE(W().VrTrackBar1->Position(), 141);
    QCOMPARE(W().VrDigitGroup1->Value(), 0.705);
    QCOMPARE(W().VrNum1->Value(), 1);
    QCOMPARE(W().VrNum3->Value(), 1);
    QCOMPARE(W().Label13->text(), QStringLiteral("Hz"));
    QCOMPARE(W().Label6->text(), QStringLiteral("100"));
    QCOMPARE(W().Label2->text(), QStringLiteral("Hz"));
    QCOMPARE(W().Label5->text(), QStringLiteral("1"));
    QCOMPARE(s.Display.OutputScaleFactor, 1);
    QVERIFY(s.Display.SuperposeOutput);
    QVERIFY(!s.Display.ShowInputSpectrum && !s.Display.ShowOutputSpectrum);
    QCOMPARE(s.Display.CopyWidthPx, 567);
    QVERIFY(s.Display.BlackBackground);
    QVERIFY(W().VrPowerButton[1]->Active());
    for (int i = 2; i <= 6; ++i)
        QVERIFY(!W().VrPowerButton[i]->Active());
    QVERIFY(W().FilterLed[0]->Checked());
    QVERIFY(!W().VrCheckLed13->isVisible());
    QVERIFY(!W().GroupBox3->isVisible() && !W().VrWheel1->isVisible() && !W().VrTrackBar1->isVisible());

    // Only the main window and the time-graph window are on screen.
    QVERIFY(W().isVisible());
    QVERIFY(m_program->fengraphe->isVisible());
    QVERIFY(!m_program->Form2->isVisible());
    QVERIFY(!m_program->fenspectres->isVisible());
    QVERIFY(!m_program->rappcycl->isVisible());
    QVERIFY(!m_program->fenetson->isVisible());
    QCOMPARE(W().size(), QSize(854, 459));

    // The first size event drew a flat zero over one period.
    QCOMPARE(s.View.TimeStart, 0.0);
    QCOMPARE(s.View.TimeStep, 0.001);
    QVERIFY(qAbs(s.View.TimeEnd - 0.011) < 1e-15);
    QVERIFY(qAbs(s.View.ValueMax - 1.1) < 1e-12 && qAbs(s.View.ValueMin + 1.1) < 1e-12);
    QCOMPARE(s.View.PointCount, 252);
    QCOMPARE(m_program->fengraphe->Picture().size(), QSize(493, 209));
    QCOMPARE(m_program->fengraphe->Image1->size(), QSize(493, 209));
}

void MainWindowTest::presets_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("duty"); // per cent; -1: the button alone
    QTest::addColumn<int>("mean");
    QTest::addColumn<IntList>("amplitudes");
    QTest::addColumn<IntList>("degrees"); // -1000: any (an amplitude of 0)
    const int x = -1000;
    QTest::addRow("Synth libre") << 1 << -1 << 0 << IntList{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}
                                 << IntList{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::addRow("Carré 50 %%") << 2 << -1 << 50 << IntList{64, 0, 21, 0, 13, 0, 9, 0, 7, 0, 6, 0}
                                << IntList{90, x, -90, x, 90, x, -90, x, 90, x, -90, x};
    QTest::addRow("Carré 25 %%") << 2 << 25 << 25 << IntList{45, 32, 15, 0, 9, 11, 6, 0, 5, 6, 4, 0}
                                << IntList{90, 90, 90, x, -90, -90, -90, x, 90, 90, 90, x};
    QTest::addRow("Carré 0 %%") << 2 << 0 << 0 << IntList{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}
                               << IntList{-90, -90, -90, -90, -90, -90, -90, -90, -90, -90, -90, -90};
    QTest::addRow("Triangle") << 3 << -1 << 0 << IntList{100, 0, 11, 0, 4, 0, 2, 0, 1, 0, 1, 0}
                              << IntList{0, 0, 180, 0, 0, 0, 180, 0, 0, 0, 180, 0};
    QTest::addRow("Monoalt") << 4 << -1 << 64 << IntList{100, 42, 0, 8, 0, 4, 0, 2, 0, 1, 0, 1}
                             << IntList{90, 90, 0, -90, 0, 90, 0, -90, 0, 90, 0, -90};
    QTest::addRow("Bialt") << 5 << -1 << 150 << IntList{0, 100, 0, 31, 0, 13, 0, 7, 0, 5, 0, 3}
                           << IntList{0, 90, 0, -90, 0, 90, 0, -90, 0, 90, 0, -90};
    QTest::addRow("Red tri") << 6 << -1 << 400 << IntList{0, 0, 100, 0, 0, 23, 0, 0, 10, 0, 0, 6}
                             << IntList{0, 0, 90, 0, 0, -90, 0, 0, 90, 0, 0, -90};
}

void MainWindowTest::presets()
{
    QFETCH(int, button);
    QFETCH(int, duty);
    QFETCH(int, mean);
    QFETCH(IntList, amplitudes);
    QFETCH(IntList, degrees);
    // Start from another waveform, so that the preset has something to move.
    Click(W().VrPowerButton[button == 4 ? 5 : 4]);
    Click(W().VrPowerButton[button]);
    if (duty >= 0)
        m_program->rappcycl->delta->setPosition(duty);
    const SharedState& s = S();
    for (int i = 1; i <= 6; ++i)
        QCOMPARE(W().VrPowerButton[i]->Active(), i == button);
    QCOMPARE(W().VrSlidermoy->Position(), mean);
    QCOMPARE(s.Signal.MeanPercent, mean);
    QCOMPARE(s.Signal.MeanValue, mean / 100.0);
    QCOMPARE(W().VrNummoy->Value(), mean);
    for (int k = 1; k <= 12; ++k) {
        QCOMPARE(W().Vramp[k]->Position(), amplitudes[k - 1]);
        QCOMPARE(s.Signal.Harmonics.AmplitudePercent[k], double(amplitudes[k - 1]));
        QCOMPARE(W().VrNumamp[k]->Value(), amplitudes[k - 1]);
        if (degrees[k - 1] != -1000) {
            QCOMPARE(W().VrNumph[k]->Value(), degrees[k - 1]);
            QCOMPARE(s.Signal.Harmonics.PhaseRad[k], degrees[k - 1] * std::numbers::pi / 180);
        }
    }
    QCOMPARE(m_program->rappcycl->isVisible(), button == 2);
    QCOMPARE(W().VrCheckLed13->isVisible(), button != 1);
    // The time axis is back to one period.
    QVERIFY(qAbs(s.View.TimeEnd - 0.011) < 1e-15);
}

void MainWindowTest::samePresetTwiceMovesNothing()
{
    Click(W().VrPowerButton[4]);
    const SharedState before = S();
    const int redraws = W().RedrawCount();
    Click(W().VrPowerButton[4]);
    QCOMPARE(W().RedrawCount(), redraws + 1); // the button's own redraw only
    QCOMPARE(S().Signal.Harmonics.AmplitudePercent, before.Signal.Harmonics.AmplitudePercent);
    QCOMPARE(S().Signal.Harmonics.PhaseRad, before.Signal.Harmonics.PhaseRad);
    QCOMPARE(S().Signal.MeanValue, before.Signal.MeanValue);
    QVERIFY(W().VrPowerButton[4]->Active()); // still lit after its second click
}

void MainWindowTest::presetRedrawCount()
{
    // "Synth libre" right after start-up moves nothing: one redraw.
    int redraws = W().RedrawCount();
    Click(W().VrPowerButton[1]);
    QCOMPARE(W().RedrawCount(), redraws + 1);
    // The triangle moves six sliders and three switches, each redrawing,
    // then the button redraws once.
    redraws = W().RedrawCount();
    Click(W().VrPowerButton[3]);
    QCOMPARE(W().RedrawCount(), redraws + 10);
    // From the triangle to the three-pulse: the mean slider, nine sliders
    // and seven switches.
    redraws = W().RedrawCount();
    Click(W().VrPowerButton[6]);
    QCOMPARE(W().RedrawCount(), redraws + 1 + 9 + 5 + 1);
}

void MainWindowTest::enterKeyLightsWithoutApplying()
{
    Click(W().VrPowerButton[3]);
    QTest::keyClick(W().VrPowerButton[5], Qt::Key_Return);
    QVERIFY(W().VrPowerButton[5]->Active());
    QVERIFY(!W().VrPowerButton[3]->Active());
    QCOMPARE(W().Vramp[1]->Position(), 100); // still the triangle's
    QCOMPARE(S().Signal.Preset, PresetKind::Triangle);
}

void MainWindowTest::dutyCycleBar()
{
    Click(W().VrPowerButton[2]);
    TVrTrackBar* delta = m_program->rappcycl->delta;
    QVERIFY(m_program->rappcycl->isVisible());
    W().VrSlidermoy->setMinValue(-200); // as a narrower range from the settings would
    W().VrSlidermoy->setMaxValue(200);
    const int redraws = W().RedrawCount();
    delta->setPosition(37);
    QCOMPARE(S().Signal.DutyCycle, 0.37);
    QCOMPARE(m_program->rappcycl->VrNum1->Value(), 37);
    QCOMPARE(W().VrSlidermoy->MinValue(), -400);
    QCOMPARE(W().VrSlidermoy->MaxValue(), 400);
    QCOMPARE(W().VrSlidermoy->Position(), 37);
    QVERIFY(W().RedrawCount() > redraws);
    delta->setPosition(100);
    QCOMPARE(S().Signal.DutyCycle, 1.0);
    QCOMPARE(W().VrSlidermoy->Position(), 100);
    // The square button brings the duty cycle back to 50 %, the bar stays.
    Click(W().VrPowerButton[2]);
    QCOMPARE(S().Signal.DutyCycle, 0.5);
    QCOMPARE(delta->Position(), 100);
    Click(W().VrPowerButton[3]);
    QVERIFY(!m_program->rappcycl->isVisible());
}

void MainWindowTest::filterSelection_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<char>("kind");
    QTest::addColumn<bool>("frequency");
    QTest::addColumn<bool>("damping");
    QTest::addColumn<bool>("bandwidth");
    QTest::addRow("Passe-bas  ordre2 ") << 1 << 'B' << true << true << false;
    QTest::addRow("Passe-haut ordre2") << 2 << 'H' << true << true << false;
    QTest::addRow("Passe-bande ") << 3 << 'P' << true << true << true;
    QTest::addRow("Coupe-bande") << 4 << 'C' << true << true << false;
    QTest::addRow("Passe-bas   ") << 5 << 'A' << true << false << false;
    QTest::addRow("Passe-haut ") << 6 << 'D' << true << false << false;
}

void MainWindowTest::filterSelection()
{
    QFETCH(int, row);
    QFETCH(char, kind);
    QFETCH(bool, frequency);
    QFETCH(bool, damping);
    QFETCH(bool, bandwidth);
    const int redraws = W().RedrawCount();
    Click(W().FilterLed[row]);
    QCOMPARE(W().RedrawCount(), redraws + 1);
    QCOMPARE(char(S().Filter.Kind), kind);
    for (int r = 0; r < 7; ++r)
        QCOMPARE(W().FilterLed[r]->Checked(), r == row);
    QCOMPARE(W().VrBitmapImage1->BitmapIndex(), row);
    QCOMPARE(W().VrWheel1->isVisible(), frequency);
    QCOMPARE(W().VrNum1->isVisible(), frequency);
    QCOMPARE(W().VrTrackBar1->isVisible(), damping);
    QCOMPARE(W().VrDigitGroup1->isVisible(), damping);
    QCOMPARE(W().GroupBox3->isVisible(), bandwidth);
    Click(W().FilterLed[0]);
    QCOMPARE(S().Filter.Kind, FilterKind::Amplifier);
    QVERIFY(!W().VrWheel1->isVisible() && !W().GroupBox3->isVisible());
}

void MainWindowTest::wheel()
{
    Click(W().FilterLed[3]); // band-pass
    TVrWheel* wheel = W().VrWheel1;
    wheel->setPosition(550);
    QCOMPARE(S().Filter.CutoffHz, 6.0);
    QCOMPARE(W().VrNum1->Value(), 6);
    QCOMPARE(W().Label11->text(), QStringLiteral(" Hz"));
    wheel->setPosition(333);
    QCOMPARE(S().Filter.CutoffHz, 3.0);
    // Up past the end: the next decade.
    wheel->setPosition(1000);
    wheel->setPosition(100);
    QCOMPARE(W().WheelDecade, 2);
    QCOMPARE(S().Filter.CutoffHz, 10.0);
    // Back down past the start.
    wheel->setPosition(1000);
    QCOMPARE(W().WheelDecade, 1);
    QCOMPARE(S().Filter.CutoffHz, 10.0);
    // Down once more, from the start: below 1 Hz in millihertz, kept exact.
    wheel->setPosition(500);
    wheel->setPosition(100);
    QCOMPARE(W().WheelDecade, 1);
    wheel->setPosition(1000);
    QCOMPARE(W().WheelDecade, 0);
    wheel->setPosition(500);
    QCOMPARE(S().Filter.CutoffHz, 0.5);
    QCOMPARE(W().VrNum1->Value(), 500);
    QCOMPARE(W().Label11->text(), QStringLiteral("mHz"));
    // In decade 4, kilohertz; the bandwidth follows.
    W().WheelDecade = 4;
    wheel->setPosition(123);
    QCOMPARE(S().Filter.CutoffHz, 1000.0);
    QCOMPARE(W().VrNum1->Value(), 1);
    QCOMPARE(W().Label11->text(), QStringLiteral("KHz"));
    QCOMPARE(S().Filter.BandwidthHz, 1410.0);
    QCOMPARE(W().VrNum3->Value(), 1);
    QCOMPARE(W().Label13->text(), QStringLiteral("KHz"));
    // The damping track bar.
    W().VrTrackBar1->setPosition(0);
    QCOMPARE(S().Filter.Damping, 0.0001);
    W().VrTrackBar1->setPosition(400);
    QCOMPARE(S().Filter.Damping, 2.0);
    QCOMPARE(W().VrDigitGroup1->Value(), 2.0);
}

void MainWindowTest::typedFrequency_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("cutoff");
    QTest::addRow("one million") << "1000000" << true << 999999.0;
    QTest::addRow("whole hertz") << "440.4" << true << 440.0;
    QTest::addRow("negative") << "-5" << false << 1.0;
    QTest::addRow("letters") << "abc" << false << 1.0;
    QTest::addRow("above one million") << "1000001" << false << 1.0;
    QTest::addRow("rounds to 0 Hz") << "0.3" << false << 1.0;
    QTest::addRow("empty") << "" << false << 1.0;
}

void MainWindowTest::typedFrequency()
{
    QFETCH(QString, answer);
    QFETCH(bool, accepted);
    QFETCH(double, cutoff);
    Click(W().FilterLed[1]);
    m_dialogs.Answers.push(answer);
    const int redraws = W().RedrawCount();
    Click(W().VrNum1);
    QCOMPARE(m_dialogs.Boxes.size(), 1);
    QCOMPARE(m_dialogs.Boxes[0].caption, QStringLiteral("Fréquence particulière"));
    QCOMPARE(m_dialogs.Boxes[0].prompt, QStringLiteral("Entrer une 1e6>frequence >0 "));
    QCOMPARE(m_dialogs.Boxes[0].defaultText, QStringLiteral("1"));
    QCOMPARE(S().Filter.CutoffHz, cutoff);
    if (accepted) {
        QVERIFY(m_dialogs.Messages.isEmpty());
        QCOMPARE(W().RedrawCount(), redraws + 1);
        QVERIFY(!W().VrNum1->isVisible());
        QVERIFY(W().Label12->isVisible());
        QCOMPARE(W().Label12->text(), QString::fromStdString(FormatNumber(cutoff)) + "Hz");
        // A second entry through the typed text, cancelled: its default is
        // the current value, which is kept.
        m_dialogs.Answers.push(std::nullopt);
        Click(W().Label12);
        QCOMPARE(m_dialogs.Boxes.size(), 2);
        QCOMPARE(S().Filter.CutoffHz, cutoff);
    } else {
        QCOMPARE(m_dialogs.Messages, QStringList{QStringLiteral("Mauvaise entrée")});
        QCOMPARE(W().RedrawCount(), redraws);
        QVERIFY(W().VrNum1->isVisible());
    }
}

void MainWindowTest::staticGain()
{
    m_dialogs.Answers.push(QStringLiteral("2.5"));
    Click(W().Label17);
    QCOMPARE(m_dialogs.Boxes.size(), 1);
    QCOMPARE(m_dialogs.Boxes[0].caption, QStringLiteral("Entrée de l amplification statique"));
    QCOMPARE(m_dialogs.Boxes[0].prompt, QStringLiteral("valeur numérique:"));
    QCOMPARE(m_dialogs.Boxes[0].defaultText, QStringLiteral("1"));
    QCOMPARE(S().Filter.StaticGain, 2.5);
    QCOMPARE(W().Label17->text(), QStringLiteral("2.5"));
    // Its preset text is always "1", but cancelling changes nothing.
    m_dialogs.Answers.push(std::nullopt);
    Click(W().Label17);
    QCOMPARE(m_dialogs.Boxes[1].defaultText, QStringLiteral("1"));
    QCOMPARE(S().Filter.StaticGain, 2.5);
    QCOMPARE(W().Label17->text(), QStringLiteral("2.5"));
    // Anything is read, nothing refused.
    m_dialogs.Answers.push(QStringLiteral("1e300"));
    Click(W().Label17);
    QCOMPARE(S().Filter.StaticGain, 1e300);
    QCOMPARE(W().Label17->text(), QStringLiteral(" 1E300"));
    QVERIFY(m_dialogs.Messages.isEmpty());
    QVERIFY(std::isfinite(S().View.ValueMax));
    // Beyond the range of a double, the largest double; letters read as 0.
    W().Vramp[1]->setPosition(100);
    m_dialogs.Answers.push(QStringLiteral("-1e999"));
    Click(W().Label17);
    QCOMPARE(W().Label17->text(), QStringLiteral("-1.8E308"));
    QVERIFY(std::isfinite(S().View.ValueMin) && S().View.ValueMin < S().View.ValueMax);
    m_dialogs.Answers.push(QStringLiteral("nan"));
    Click(W().Label17);
    QCOMPARE(S().Filter.StaticGain, 0.0);
}

void MainWindowTest::timeZoom()
{
    Tfengraphe* g = m_program->fengraphe;
    Click(g->XiButton3);
    QVERIFY(qAbs(S().View.TimeEnd - 0.023) < 1e-15);
    Click(g->XiButton3);
    QVERIFY(qAbs(S().View.TimeEnd - 0.05) < 1e-15); // 0.046 widened by its step 0.01
    Click(W().VrPowerButton[1]);
    QVERIFY(qAbs(S().View.TimeEnd - 0.011) < 1e-15);
    Click(g->XiButton2);
    QVERIFY(qAbs(S().View.TimeEnd - 0.006) < 1e-15);
    for (int i = 0; i < 1200; ++i)
        g->XiButton2Click(g->XiButton2);
    QVERIFY(S().View.TimeEnd > 0);
    QCOMPARE(g->Picture().size(), QSize(493, 209));
}

void MainWindowTest::outputFactor()
{
    Tfengraphe* g = m_program->fengraphe;
    QToolButton* up = g->UpDown1->Up();
    QToolButton* down = g->UpDown1->Down();
    const QStringList labels{"10", "100", " 1E3", " 1E4", " 1E4"};
    const int factors[] = {10, 100, 1000, 10000, 10000};
    for (int i = 0; i < 5; ++i) {
        const int redraws = W().RedrawCount();
        Click(up);
        QCOMPARE(S().Display.OutputScaleFactor, factors[i]);
        QCOMPARE(g->Label1->text(), labels[i]);
        QCOMPARE(W().RedrawCount(), redraws + 1);
    }
    // The value axis followed the output, ten thousand times the input (0).
    for (int i = 0; i < 6; ++i)
        Click(down);
    QCOMPARE(S().Display.OutputScaleFactor, 1);
    QCOMPARE(g->Label1->text(), QStringLiteral("1"));
}

void MainWindowTest::smallTimeGraphWindow()
{
    Tfengraphe* g = m_program->fengraphe;
    Click(W().VrPowerButton[3]);
    const QImage before = g->Picture();
    g->resize(80, 300);
    QCOMPARE(S().View.PointCount, 30);
    QCOMPARE(g->Picture(), before); // no redraw at 80 pixels
    int redraws = W().RedrawCount();
    W().VrSlidermoy->setPosition(120);
    QCOMPARE(S().Signal.MeanValue, 1.2); // the state follows, nothing is recomputed
    QCOMPARE(W().RedrawCount(), redraws);
    W().Vramp[2]->setPosition(40);
    QCOMPARE(W().RedrawCount(), redraws + 1);
    QCOMPARE(S().Signal.Harmonics.OutputAmplitudePercent[2], 40.0);
    QCOMPARE(g->Picture(), before);

    g->resize(300, 160);
    QCOMPARE(g->Picture(), before);
    g->resize(81, 161); // just large enough again
    QCOMPARE(g->Picture().size(), QSize(51, 51));
    g->resize(523, 319);
    QCOMPARE(g->Picture().size(), QSize(493, 209));
}

void MainWindowTest::harmonicControls()
{
    W().VrSwitch[3]->setOffset(2);
    QCOMPARE(W().VrNumph[3]->Value(), 90);
    QCOMPARE(S().Signal.Harmonics.PhaseRad[3], std::numbers::pi / 2);
    QTest::keyClick(W().Vramp[3], Qt::Key_Up);
    QCOMPARE(W().Vramp[3]->Position(), 5);
    QCOMPARE(S().Signal.Harmonics.AmplitudePercent[3], 5.0);
    Click(W().VrCheckLed[3]);
    QVERIFY(S().Signal.Harmonics.Shown[3]);
    Click(W().VrCheckLed19);
    QVERIFY(!S().Display.SuperposeOutput);
    Click(W().VrPowerButton[2]);
    Click(W().VrCheckLed13);
    QVERIFY(S().Display.ShowIdealSignal);
}

void MainWindowTest::closingWindows()
{
    // The time-graph window only minimizes; "Quitter" closes the main window.
    m_program->fengraphe->close();
    QVERIFY(m_program->fengraphe->isVisible());
    QVERIFY(m_program->fengraphe->isMinimized());
    Click(W().VrDemoButton1);
    QVERIFY(!W().isVisible());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
