// SPDX-License-Identifier: GPL-3.0-or-later
// The main window, the time-graph window and the duty-cycle dialog at work:
// start-up, presets, the harmonic controls, the time-graph window's buttons,
// the redraw cycle.
#include "tests/app/mainwindowtest.h"

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

// A freshly made state holds the start-up values: the main window's start-up
// (the program made, nothing shown yet, so nothing drawn) changes only the
// fields it derives from them.
void MainWindowTest::startUpDerivesOnlyItsOwnFields()
{
    FakeDialogs dialogs;
    Program program(dialogs);
    SharedState started = program.State();
    const SharedState fresh;

    // What start-up derives: the filter kind, once the filter panel is set;
    // the damping of the track bar's position Round(0.707 x 200) = 141 and
    // its bandwidth; the time axis over one period of f0 and the value axis
    // of a zero signal.
    QCOMPARE(started.Filter.Kind, FilterKind::Amplifier);
    QCOMPARE(started.Filter.Damping, 0.705);
    QCOMPARE(started.Filter.BandwidthHz, 1.41);
    QCOMPARE(started.View.TimeStart, 0.0);
    QCOMPARE(started.View.TimeStep, 0.001);
    QVERIFY(qAbs(started.View.TimeEnd - 0.011) < 1e-15);
    QVERIFY(qAbs(started.View.ValueMax - 1.1) < 1e-12 && qAbs(started.View.ValueMin + 1.1) < 1e-12);
    QVERIFY(started.View.ValueStep > 0);
    started.Filter.Kind = fresh.Filter.Kind;
    started.Filter.Damping = fresh.Filter.Damping;
    started.Filter.BandwidthHz = fresh.Filter.BandwidthHz;
    started.View.TimeEnd = fresh.View.TimeEnd;
    started.View.TimeStep = fresh.View.TimeStep;
    started.View.ValueMin = fresh.View.ValueMin;
    started.View.ValueMax = fresh.View.ValueMax;
    started.View.ValueStep = fresh.View.ValueStep;

    // Everything else is as the records' defaults have it, record by record.
    QVERIFY(started.Signal.Harmonics == fresh.Signal.Harmonics);
    QVERIFY(started.Signal == fresh.Signal);
    QVERIFY(started.Filter == fresh.Filter);
    QVERIFY(started.Display.Plot == fresh.Display.Plot);
    QVERIFY(started.Display == fresh.Display);
    QVERIFY(started.View == fresh.View);
    QVERIFY(started.Spectra == fresh.Spectra);
    QVERIFY(started == fresh);
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
