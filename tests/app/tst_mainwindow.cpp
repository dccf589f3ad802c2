// SPDX-License-Identifier: GPL-3.0-or-later
// The main window, the time-graph window and the duty-cycle dialog at work:
// start-up, presets, filter controls, the redraw cycle.
#include "tests/app/programtest.h"

using IntList = QList<int>;

class MainWindowTest : public ProgramTest {
    Q_OBJECT

private slots:
    void init() { StartProgram(); }
    void cleanup() { StopProgram(); }

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
    void everyControlIsNamed();
};

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
        QCOMPARE(U().Vramp[k]->Position(), 0);
        QCOMPARE(U().VrSwitch[k]->Offset(), 1);
    }
    QCOMPARE(s.Filter.Kind, FilterKind::Amplifier);
    QCOMPARE(s.Filter.StaticGain, 1.0);
    QCOMPARE(s.Filter.CutoffHz, 1.0);
    QCOMPARE(s.Filter.Damping, 0.705); // the track bar's handler ran
    QCOMPARE(s.Filter.BandwidthHz, 1.41);
    QCOMPARE(U().VrTrackBar1->Position(), 141);
    QCOMPARE(U().VrDigitGroup1->Value(), 0.705);
    QCOMPARE(U().VrNum1->Value(), 1);
    QCOMPARE(U().VrNum3->Value(), 1);
    QCOMPARE(U().Label13->text(), QStringLiteral("Hz"));
    QCOMPARE(U().Label6->text(), QStringLiteral("100"));
    QCOMPARE(U().Label2->text(), QStringLiteral("Hz"));
    QCOMPARE(U().Label5->text(), QStringLiteral("1"));
    QCOMPARE(s.Display.OutputScaleFactor, 1);
    QVERIFY(s.Display.SuperposeOutput);
    QVERIFY(!s.Display.ShowInputSpectrum && !s.Display.ShowOutputSpectrum);
    QCOMPARE(s.Display.CopyWidthPx, 567);
    QVERIFY(s.Display.BlackBackground);
    QVERIFY(U().VrPowerButton[1]->Active());
    for (int i = 2; i <= 6; ++i)
        QVERIFY(!U().VrPowerButton[i]->Active());
    QVERIFY(U().FilterLed[0]->Checked());
    QVERIFY(!U().VrCheckLed13->isVisible());
    QVERIFY(!U().GroupBox3->isVisible() && !U().VrWheel1->isVisible() && !U().VrTrackBar1->isVisible());

    // Only the main window and the time-graph window are on screen.
    QVERIFY(W().isVisible());
    QVERIFY(G().isVisible());
    QVERIFY(!m_program->Form2().isVisible());
    QVERIFY(!m_program->fenspectres().isVisible());
    QVERIFY(!D().isVisible());
    QVERIFY(!m_program->fenetson().isVisible());
    QCOMPARE(W().size(), QSize(854, 459));

    // The first size event drew a flat zero over one period.
    QCOMPARE(s.View.TimeStart, 0.0);
    QCOMPARE(s.View.TimeStep, 0.001);
    QVERIFY(qAbs(s.View.TimeEnd - 0.011) < 1e-15);
    QVERIFY(qAbs(s.View.ValueMax - 1.1) < 1e-12 && qAbs(s.View.ValueMin + 1.1) < 1e-12);
    QCOMPARE(s.View.PointCount, 252);
    QCOMPARE(G().Picture().size(), QSize(493, 209));
    QCOMPARE(U().Image1->size(), QSize(493, 209));
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
    QTest::addRow("Bialt") << 5 << -1 << 150 << IntList{0, 100, 0, 20, 0, 9, 0, 5, 0, 3, 0, 2}
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
    Click(U().VrPowerButton[button == 4 ? 5 : 4]);
    Click(U().VrPowerButton[button]);
    if (duty >= 0)
        U().delta->setPosition(duty);
    const SharedState& s = S();
    for (int i = 1; i <= 6; ++i)
        QCOMPARE(U().VrPowerButton[i]->Active(), i == button);
    QCOMPARE(U().VrSlidermoy->Position(), mean);
    QCOMPARE(s.Signal.MeanPercent, mean);
    QCOMPARE(s.Signal.MeanValue, mean / 100.0);
    QCOMPARE(U().VrNummoy->Value(), mean);
    for (int k = 1; k <= 12; ++k) {
        QCOMPARE(U().Vramp[k]->Position(), amplitudes[k - 1]);
        QCOMPARE(s.Signal.Harmonics.AmplitudePercent[k], double(amplitudes[k - 1]));
        QCOMPARE(U().VrNumamp[k]->Value(), amplitudes[k - 1]);
        if (degrees[k - 1] != -1000) {
            QCOMPARE(U().VrNumph[k]->Value(), degrees[k - 1]);
            QCOMPARE(s.Signal.Harmonics.PhaseRad[k], degrees[k - 1] * std::numbers::pi / 180);
        }
    }
    QCOMPARE(D().isVisible(), button == 2);
    QCOMPARE(U().VrCheckLed13->isVisible(), button != 1);
    // The time axis is back to one period.
    QVERIFY(qAbs(s.View.TimeEnd - 0.011) < 1e-15);
}

void MainWindowTest::samePresetTwiceMovesNothing()
{
    Click(U().VrPowerButton[4]);
    const SharedState before = S();
    const int redraws = RedrawCount();
    Click(U().VrPowerButton[4]);
    QCOMPARE(RedrawCount(), redraws + 1); // the button's own redraw only
    QCOMPARE(S().Signal.Harmonics.AmplitudePercent, before.Signal.Harmonics.AmplitudePercent);
    QCOMPARE(S().Signal.Harmonics.PhaseRad, before.Signal.Harmonics.PhaseRad);
    QCOMPARE(S().Signal.MeanValue, before.Signal.MeanValue);
    QVERIFY(U().VrPowerButton[4]->Active()); // still lit after its second click
}

void MainWindowTest::presetRedrawCount()
{
    // "Synth libre" right after start-up moves nothing: one redraw.
    int redraws = RedrawCount();
    Click(U().VrPowerButton[1]);
    QCOMPARE(RedrawCount(), redraws + 1);
    // The triangle moves six sliders and three switches, each redrawing,
    // then the button redraws once.
    redraws = RedrawCount();
    Click(U().VrPowerButton[3]);
    QCOMPARE(RedrawCount(), redraws + 10);
    // From the triangle to the three-pulse: the mean slider, nine sliders
    // and seven switches.
    redraws = RedrawCount();
    Click(U().VrPowerButton[6]);
    QCOMPARE(RedrawCount(), redraws + 1 + 9 + 5 + 1);
}

void MainWindowTest::enterKeyLightsWithoutApplying()
{
    Click(U().VrPowerButton[3]);
    QTest::keyClick(U().VrPowerButton[5], Qt::Key_Return);
    QVERIFY(U().VrPowerButton[5]->Active());
    QVERIFY(!U().VrPowerButton[3]->Active());
    QCOMPARE(U().Vramp[1]->Position(), 100); // still the triangle's
    QCOMPARE(S().Signal.Preset, PresetKind::Triangle);
}

void MainWindowTest::dutyCycleBar()
{
    Click(U().VrPowerButton[2]);
    TVrTrackBar* delta = U().delta;
    QVERIFY(D().isVisible());
    U().VrSlidermoy->setMinValue(-200); // as a narrower range from the settings would
    U().VrSlidermoy->setMaxValue(200);
    const int redraws = RedrawCount();
    delta->setPosition(37);
    QCOMPARE(S().Signal.DutyCycle, 0.37);
    QCOMPARE(U().DutyVrNum1->Value(), 37);
    QCOMPARE(U().VrSlidermoy->MinValue(), -400);
    QCOMPARE(U().VrSlidermoy->MaxValue(), 400);
    QCOMPARE(U().VrSlidermoy->Position(), 37);
    QVERIFY(RedrawCount() > redraws);
    delta->setPosition(100);
    QCOMPARE(S().Signal.DutyCycle, 1.0);
    QCOMPARE(U().VrSlidermoy->Position(), 100);
    // The square button brings the duty cycle back to 50 %, the bar stays.
    Click(U().VrPowerButton[2]);
    QCOMPARE(S().Signal.DutyCycle, 0.5);
    QCOMPARE(delta->Position(), 100);
    Click(U().VrPowerButton[3]);
    QVERIFY(!D().isVisible());
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
    const int redraws = RedrawCount();
    Click(U().FilterLed[row]);
    QCOMPARE(RedrawCount(), redraws + 1);
    QCOMPARE(char(S().Filter.Kind), kind);
    for (int r = 0; r < 7; ++r)
        QCOMPARE(U().FilterLed[r]->Checked(), r == row);
    QCOMPARE(U().VrBitmapImage1->BitmapIndex(), row);
    QCOMPARE(U().VrWheel1->isVisible(), frequency);
    QCOMPARE(U().VrNum1->isVisible(), frequency);
    QCOMPARE(U().VrTrackBar1->isVisible(), damping);
    QCOMPARE(U().VrDigitGroup1->isVisible(), damping);
    QCOMPARE(U().GroupBox3->isVisible(), bandwidth);
    Click(U().FilterLed[0]);
    QCOMPARE(S().Filter.Kind, FilterKind::Amplifier);
    QVERIFY(!U().VrWheel1->isVisible() && !U().GroupBox3->isVisible());
}

void MainWindowTest::wheel()
{
    Click(U().FilterLed[3]); // band-pass
    TVrWheel* wheel = U().VrWheel1;
    wheel->setPosition(550);
    QCOMPARE(S().Filter.CutoffHz, 6.0);
    QCOMPARE(U().VrNum1->Value(), 6);
    QCOMPARE(U().Label11->text(), QStringLiteral(" Hz"));
    wheel->setPosition(333);
    QCOMPARE(S().Filter.CutoffHz, 3.0);
    // Up past the end: the next decade.
    wheel->setPosition(1000);
    wheel->setPosition(100);
    QCOMPARE(WheelDecade(), 2);
    QCOMPARE(S().Filter.CutoffHz, 10.0);
    // Back down past the start.
    wheel->setPosition(1000);
    QCOMPARE(WheelDecade(), 1);
    QCOMPARE(S().Filter.CutoffHz, 10.0);
    // Down once more, from the start: below 1 Hz in millihertz, kept exact.
    wheel->setPosition(500);
    wheel->setPosition(100);
    QCOMPARE(WheelDecade(), 1);
    wheel->setPosition(1000);
    QCOMPARE(WheelDecade(), 0);
    wheel->setPosition(500);
    QCOMPARE(S().Filter.CutoffHz, 0.5);
    QCOMPARE(U().VrNum1->Value(), 500);
    QCOMPARE(U().Label11->text(), QStringLiteral("mHz"));
    // Four turns up to decade 4: kilohertz; the bandwidth follows.
    for (int turn = 0; turn < 4; ++turn)
        for (int position : {500, 950, 100})
            wheel->setPosition(position);
    QCOMPARE(WheelDecade(), 4);
    wheel->setPosition(123);
    QCOMPARE(S().Filter.CutoffHz, 1000.0);
    QCOMPARE(U().VrNum1->Value(), 1);
    QCOMPARE(U().Label11->text(), QStringLiteral("KHz"));
    QCOMPARE(S().Filter.BandwidthHz, 1410.0);
    QCOMPARE(U().VrNum3->Value(), 1);
    QCOMPARE(U().Label13->text(), QStringLiteral("KHz"));
    // The damping track bar.
    U().VrTrackBar1->setPosition(0);
    QCOMPARE(S().Filter.Damping, 0.0001);
    U().VrTrackBar1->setPosition(400);
    QCOMPARE(S().Filter.Damping, 2.0);
    QCOMPARE(U().VrDigitGroup1->Value(), 2.0);
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
    Click(U().FilterLed[1]);
    m_dialogs.Answers.push(answer);
    const int redraws = RedrawCount();
    Click(U().VrNum1);
    QCOMPARE(m_dialogs.Boxes.size(), 1);
    QCOMPARE(m_dialogs.Boxes[0].caption, QStringLiteral("Fréquence particulière"));
    QCOMPARE(m_dialogs.Boxes[0].prompt, QStringLiteral("Entrer une 1e6>frequence >0 "));
    QCOMPARE(m_dialogs.Boxes[0].defaultText, QStringLiteral("1"));
    QCOMPARE(S().Filter.CutoffHz, cutoff);
    if (accepted) {
        QVERIFY(m_dialogs.Messages.isEmpty());
        QCOMPARE(RedrawCount(), redraws + 1);
        QVERIFY(!U().VrNum1->isVisible());
        QVERIFY(U().Label12->isVisible());
        QCOMPARE(U().Label12->Caption(), QString::fromStdString(FormatNumber(cutoff)) + "Hz");
        // A second entry through the typed text, cancelled: its default is
        // the current value, which is kept.
        m_dialogs.Answers.push(std::nullopt);
        Click(U().Label12);
        QCOMPARE(m_dialogs.Boxes.size(), 2);
        QCOMPARE(S().Filter.CutoffHz, cutoff);
    } else {
        QCOMPARE(m_dialogs.Messages, QStringList{QStringLiteral("Mauvaise entrée")});
        QCOMPARE(RedrawCount(), redraws);
        QVERIFY(U().VrNum1->isVisible());
    }
}

void MainWindowTest::staticGain()
{
    m_dialogs.Answers.push(QStringLiteral("2.5"));
    Click(U().Label17);
    QCOMPARE(m_dialogs.Boxes.size(), 1);
    QCOMPARE(m_dialogs.Boxes[0].caption, QStringLiteral("Entrée de l amplification statique"));
    QCOMPARE(m_dialogs.Boxes[0].prompt, QStringLiteral("valeur numérique:"));
    QCOMPARE(m_dialogs.Boxes[0].defaultText, QStringLiteral("1"));
    QCOMPARE(S().Filter.StaticGain, 2.5);
    QCOMPARE(U().Label17->Caption(), QStringLiteral("2.5"));
    // Its preset text is always "1", but cancelling changes nothing.
    m_dialogs.Answers.push(std::nullopt);
    Click(U().Label17);
    QCOMPARE(m_dialogs.Boxes[1].defaultText, QStringLiteral("1"));
    QCOMPARE(S().Filter.StaticGain, 2.5);
    QCOMPARE(U().Label17->Caption(), QStringLiteral("2.5"));
    // 0 and negative gains are taken; a text that is no number, or a gain
    // beyond 1e100 or below 1e-100 in magnitude, gets "Mauvaise entrée" and
    // the gain stays.
    U().Vramp[1]->setPosition(100);
    m_dialogs.Answers.push(QStringLiteral("-1e100"));
    Click(U().Label17);
    QCOMPARE(S().Filter.StaticGain, -1e100);
    QCOMPARE(U().Label17->Caption(), QStringLiteral("-1E100"));
    QVERIFY(m_dialogs.Messages.isEmpty());
    QVERIFY(std::isfinite(S().View.ValueMin) && S().View.ValueMin < S().View.ValueMax);
    m_dialogs.Answers.push(QStringLiteral("-1e999"));
    Click(U().Label17);
    QCOMPARE(m_dialogs.Messages, QStringList{QStringLiteral("Mauvaise entrée")});
    QCOMPARE(S().Filter.StaticGain, -1e100);
    QCOMPARE(U().Label17->Caption(), QStringLiteral("-1E100"));
    m_dialogs.Answers.push(QStringLiteral("0"));
    Click(U().Label17);
    QCOMPARE(S().Filter.StaticGain, 0.0);
    QCOMPARE(U().Label17->Caption(), QStringLiteral("0"));
}

void MainWindowTest::timeZoom()
{
    Tfengraphe* g = &G();
    Click(U().XiButton3);
    QVERIFY(qAbs(S().View.TimeEnd - 0.023) < 1e-15);
    Click(U().XiButton3);
    QVERIFY(qAbs(S().View.TimeEnd - 0.05) < 1e-15); // 0.046 widened by its step 0.01
    Click(U().VrPowerButton[1]);
    QVERIFY(qAbs(S().View.TimeEnd - 0.011) < 1e-15);
    Click(U().XiButton2);
    QVERIFY(qAbs(S().View.TimeEnd - 0.006) < 1e-15);
    for (int i = 0; i < 1200; ++i)
        U().XiButton2->click();
    QVERIFY(S().View.TimeEnd > 0);
    QCOMPARE(g->Picture().size(), QSize(493, 209));
}

void MainWindowTest::outputFactor()
{
    QToolButton* up = U().UpDown1->Up();
    QToolButton* down = U().UpDown1->Down();
    const QStringList labels{"10", "100", " 1E3", " 1E4", " 1E4"};
    const int factors[] = {10, 100, 1000, 10000, 10000};
    for (int i = 0; i < 5; ++i) {
        const int redraws = RedrawCount();
        Click(up);
        QCOMPARE(S().Display.OutputScaleFactor, factors[i]);
        QCOMPARE(U().FactorLabel1->text(), labels[i]);
        QCOMPARE(RedrawCount(), redraws + 1);
    }
    // The value axis followed the output, ten thousand times the input (0).
    for (int i = 0; i < 6; ++i)
        Click(down);
    QCOMPARE(S().Display.OutputScaleFactor, 1);
    QCOMPARE(U().FactorLabel1->text(), QStringLiteral("1"));
}

void MainWindowTest::smallTimeGraphWindow()
{
    Tfengraphe* g = &G();
    Click(U().VrPowerButton[3]);
    const QImage before = g->Picture();
    g->resize(80, 300);
    QCOMPARE(S().View.PointCount, 30);
    QCOMPARE(g->Picture(), before); // no redraw at 80 pixels
    int redraws = RedrawCount();
    U().VrSlidermoy->setPosition(120);
    QCOMPARE(S().Signal.MeanValue, 1.2); // the state follows, nothing is recomputed
    QCOMPARE(RedrawCount(), redraws);
    U().Vramp[2]->setPosition(40);
    QCOMPARE(RedrawCount(), redraws + 1);
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
    U().VrSwitch[3]->setOffset(2);
    QCOMPARE(U().VrNumph[3]->Value(), 90);
    QCOMPARE(S().Signal.Harmonics.PhaseRad[3], std::numbers::pi / 2);
    QTest::keyClick(U().Vramp[3], Qt::Key_Up);
    QCOMPARE(U().Vramp[3]->Position(), 5);
    QCOMPARE(S().Signal.Harmonics.AmplitudePercent[3], 5.0);
    Click(U().VrCheckLed[3]);
    QVERIFY(S().Signal.Harmonics.Shown[3]);
    Click(U().VrCheckLed19);
    QVERIFY(!S().Display.SuperposeOutput);
    Click(U().VrPowerButton[2]);
    Click(U().VrCheckLed13);
    QVERIFY(S().Display.ShowIdealSignal);
}

void MainWindowTest::closingWindows()
{
    // The time-graph window only minimizes; "Quitter" closes the main window.
    G().close();
    QVERIFY(G().isVisible());
    QVERIFY(G().isMinimized());
    Click(U().VrDemoButton1);
    QVERIFY(!W().isVisible());
}

void MainWindowTest::everyControlIsNamed()
{
    // Tools find the controls by name: every control of the four windows
    // has one, and no two controls of a window share it.
    for (QWidget* window : {static_cast<QWidget*>(&W()), static_cast<QWidget*>(&G()), static_cast<QWidget*>(&D()),
                            static_cast<QWidget*>(&m_program->fenspectres())}) {
        QStringList names;
        for (QWidget* c : window->findChildren<QWidget*>()) {
            const bool control = c->focusPolicy() != Qt::NoFocus || qobject_cast<TVrNum*>(c)
                                 || qobject_cast<TVrDigitGroup*>(c) || qobject_cast<TVrDisplay*>(c)
                                 || qobject_cast<TVrBitmapImage*>(c) || qobject_cast<TVrScale*>(c)
                                 || c->objectName() == "Image1";
            if (!control || qobject_cast<QToolButton*>(c))
                continue; // the arrows are parts of UpDown1
            QVERIFY2(!c->objectName().isEmpty(), c->metaObject()->className());
            names << c->objectName();
        }
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
    }
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
