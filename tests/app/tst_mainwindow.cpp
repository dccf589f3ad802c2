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
#include "tvrclickvalue.h"
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

#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
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
    void closingEndsTheProgram_data();
    void closingEndsTheProgram();
    void windowCaptions();
    void captionsFitTheirBoxes();
    void tabReachesEveryControl();
    void ledKeys();
    void wheelKeys();
    void enterOpensTheBox_data();
    void enterOpensTheBox();
    void clickableValuesShowIt();
    void litFilterLedStaysLit();
    void typedCutoffRefreshesBandwidth();
    void cutoffShownOnce_data();
    void cutoffShownOnce();
    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void defaultTextIsAnAnswer();
    void dutyCycleTyped_data();
    void dutyCycleTyped();
    void savePictures();

private:
    Tfensynth& W() { return *m_program->fensynth; }
    SharedState& S() { return m_program->State(); }
    static void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    // Type a cut-off in the box of the f0 read-out.
    void TypeCutoff(const QString& text)
    {
        m_dialogs.Answers.push(text);
        Click(W().VrNum1->isVisible() ? static_cast<QWidget*>(W().VrNum1) : W().Label12);
    }
    // Which of the cut-off's displays are on screen: the read-out with its
    // unit, the typed value.
    QString CutoffShown()
    {
        QStringList shown;
        if (W().VrNum1->isVisible() && W().Label11->isVisible())
            shown << "read-out";
        if (W().Label12->isVisible())
            shown << "typed";
        return shown.join(',');
    }

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
        QCOMPARE(W().Label12->Caption(), QString::fromStdString(FormatNumber(cutoff)) + "Hz");
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
    QCOMPARE(W().Label17->Caption(), QStringLiteral("2.5"));
    // Its preset text is always "1", but cancelling changes nothing.
    m_dialogs.Answers.push(std::nullopt);
    Click(W().Label17);
    QCOMPARE(m_dialogs.Boxes[1].defaultText, QStringLiteral("1"));
    QCOMPARE(S().Filter.StaticGain, 2.5);
    QCOMPARE(W().Label17->Caption(), QStringLiteral("2.5"));
    // Anything is read, nothing refused.
    m_dialogs.Answers.push(QStringLiteral("1e300"));
    Click(W().Label17);
    QCOMPARE(S().Filter.StaticGain, 1e300);
    QCOMPARE(W().Label17->Caption(), QStringLiteral(" 1E300"));
    QVERIFY(m_dialogs.Messages.isEmpty());
    QVERIFY(std::isfinite(S().View.ValueMax));
    // Beyond the range of a double, the largest double; letters read as 0.
    W().Vramp[1]->setPosition(100);
    m_dialogs.Answers.push(QStringLiteral("-1e999"));
    Click(W().Label17);
    QCOMPARE(W().Label17->Caption(), QStringLiteral("-1.8E308"));
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

void MainWindowTest::closingEndsTheProgram_data()
{
    QTest::addColumn<int>("how");
    QTest::addRow("Quitter") << 0;
    QTest::addRow("close box or window manager") << 1;
    QTest::addRow("with the duty-cycle dialog open") << 2;
}

void MainWindowTest::closingEndsTheProgram()
{
    // The program leaves its event loop when the main window closes, even
    // though the time-graph window refuses to close.
    QFETCH(int, how);
    QSignalSpy closed(&W(), &Tfensynth::Closed);
    if (how == 2) {
        Click(W().VrPowerButton[2]);
        QVERIFY(m_program->rappcycl->isVisible());
    }
    if (how == 0)
        Click(W().VrDemoButton1);
    else
        QVERIFY(W().close());
    QCOMPARE(closed.count(), 1);
    QVERIFY(!W().isVisible());
}

void MainWindowTest::windowCaptions()
{
    QCOMPARE(W().windowTitle(), QStringLiteral("Fourier et filtres"));
    QCOMPARE(m_program->fengraphe->windowTitle(), QStringLiteral("Graphes temporels"));
    QCOMPARE(m_program->fenspectres->windowTitle(), QStringLiteral("Spectre(s)"));
    QCOMPARE(m_program->rappcycl->windowTitle(), QStringLiteral("Signal carré rapport cyclique variable"));
    // Qt would add the display name after every caption on the screen.
    QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
}

void MainWindowTest::captionsFitTheirBoxes()
{
    // Every control visible once: the band-pass shows all the filter controls.
    Click(W().VrPowerButton[2]);
    Click(W().FilterLed[3]);
    for (QWidget* window : {static_cast<QWidget*>(&W()), static_cast<QWidget*>(m_program->fengraphe),
                            static_cast<QWidget*>(m_program->rappcycl)}) {
        for (QLabel* l : window->findChildren<QLabel*>()) {
            if (l->text().isEmpty() || !l->parentWidget())
                continue;
            const QRect text(l->pos(), QSize(l->fontMetrics().horizontalAdvance(l->text().trimmed()), l->height()));
            // Inside the box, clear of a panel's frame on the right.
            const QWidget* box = l->parentWidget();
            QVERIFY2(box->rect().contains(text) && text.right() < box->width() - box->contentsMargins().right(),
                     qPrintable(QStringLiteral("\"%1\" runs out of its box").arg(l->text())));
        }
        for (QWidget* c : window->findChildren<QWidget*>()) {
            if (qobject_cast<TVrCheckLed*>(c) || qobject_cast<TVrPowerButton*>(c) || qobject_cast<TVrDemoButton*>(c))
                QVERIFY2(c->sizeHint().width() <= c->width(), qPrintable(c->metaObject()->className()));
        }
    }
}

void MainWindowTest::tabReachesEveryControl()
{
    Click(W().VrPowerButton[2]); // "voir signal" on screen
    Click(W().FilterLed[3]);     // every filter control on screen
    W().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&W()));
    W().VrPowerButton[1]->setFocus(Qt::TabFocusReason);
    QList<QWidget*> expected;
    for (int i = 1; i <= 6; ++i)
        expected << W().VrPowerButton[i];
    expected << W().VrCheckLed13 << W().VrDemoButton2 << W().VrSlidermoy << W().VrDemoButton1 << W().BitBtn1;
    for (int k = 1; k <= 12; ++k)
        expected << W().VrCheckLed[k] << W().Vramp[k] << W().VrSwitch[k];
    for (TVrCheckLed* led : W().FilterLed)
        expected << led;
    expected << W().Label17 << W().VrNum1 << W().VrWheel1 << W().VrTrackBar1 << W().VrCheckLed19
             << W().VrCheckLed20 << W().VrCheckLed21;
    QList<QWidget*> reached{QApplication::focusWidget()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget();
    }
    QCOMPARE(reached, expected);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), W().VrPowerButton[1]); // round again
}

void MainWindowTest::ledKeys()
{
    QTest::keyClick(W().VrCheckLed[4], Qt::Key_Space);
    QVERIFY(S().Signal.Harmonics.Shown[4]);
    QTest::keyClick(W().VrCheckLed[4], Qt::Key_Space);
    QVERIFY(!S().Signal.Harmonics.Shown[4]);
    QTest::keyClick(W().VrCheckLed19, Qt::Key_Space);
    QVERIFY(!S().Display.SuperposeOutput);

    // The filter group moves as radio buttons do, round its ends.
    W().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&W()));
    W().FilterLed[0]->setFocus();
    QTest::keyClick(W().FilterLed[0], Qt::Key_Down);
    QCOMPARE(S().Filter.Kind, FilterKind::LowPass2);
    QVERIFY(W().FilterLed[1]->Checked() && !W().FilterLed[0]->Checked());
    QCOMPARE(QApplication::focusWidget(), W().FilterLed[1]);
    QVERIFY(W().VrWheel1->isVisible());
    QTest::keyClick(W().FilterLed[1], Qt::Key_Up);
    QTest::keyClick(W().FilterLed[0], Qt::Key_Left);
    QCOMPARE(S().Filter.Kind, FilterKind::HighPass1);
    QCOMPARE(QApplication::focusWidget(), W().FilterLed[6]);
    QCOMPARE(W().VrBitmapImage1->BitmapIndex(), 6);
}

void MainWindowTest::wheelKeys()
{
    Click(W().FilterLed[3]);
    TVrWheel* wheel = W().VrWheel1;
    for (int i = 0; i < 45; ++i)
        QTest::keyClick(wheel, Qt::Key_PageUp);
    QCOMPARE(wheel->Position(), 550);
    QCOMPARE(S().Filter.CutoffHz, 6.0); // through the wheel's handler
    QCOMPARE(W().VrNum1->Value(), 6);
    QTest::keyClick(wheel, Qt::Key_Down);
    QCOMPARE(wheel->Position(), 549);
    QCOMPARE(S().Filter.CutoffHz, 5.0);
    QTest::keyClick(wheel, Qt::Key_Right);
    QCOMPARE(wheel->Position(), 550);
    // Down past the start: round to the end of the turn, one decade lower.
    for (int i = 0; i < 45; ++i)
        QTest::keyClick(wheel, Qt::Key_PageDown);
    QCOMPARE(wheel->Position(), 100);
    QTest::keyClick(wheel, Qt::Key_PageDown);
    QCOMPARE(wheel->Position(), 991);
    QCOMPARE(S().Filter.CutoffHz, 0.991);
    QCOMPARE(W().Label11->text(), QStringLiteral("mHz"));
    // And up again past the end.
    QTest::keyClick(wheel, Qt::Key_PageUp);
    QCOMPARE(wheel->Position(), 100);
    QCOMPARE(S().Filter.CutoffHz, 1.0);
    QCOMPARE(S().Filter.BandwidthHz, 1.41);
}

void MainWindowTest::enterOpensTheBox_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::addRow("f0 read-out") << "VrNum1" << "Fréquence particulière";
    QTest::addRow("typed cut-off") << "Label12" << "Fréquence particulière";
    QTest::addRow("static gain") << "Label17" << "Entrée de l amplification statique";
    QTest::addRow("duty cycle") << "rappcycl" << "Rapport cyclique";
}

void MainWindowTest::enterOpensTheBox()
{
    QFETCH(QString, control);
    QFETCH(QString, caption);
    Click(W().FilterLed[1]);
    QWidget* target = nullptr;
    if (control == "VrNum1") {
        target = W().VrNum1;
    } else if (control == "Label12") {
        TypeCutoff("50");
        target = W().Label12;
    } else if (control == "Label17") {
        target = W().Label17;
    } else {
        Click(W().VrPowerButton[2]);
        target = m_program->rappcycl->VrNum1;
    }
    QVERIFY(target->isVisible());
    QCOMPARE(target->focusPolicy(), Qt::StrongFocus);
    const qsizetype before = m_dialogs.Boxes.size();
    QTest::keyClick(target, Qt::Key_Return);
    QCOMPARE(m_dialogs.Boxes.size(), before + 1);
    QCOMPARE(m_dialogs.Boxes.last().caption, caption);
    QTest::keyClick(target, Qt::Key_Enter);
    QCOMPARE(m_dialogs.Boxes.size(), before + 2);
}

void MainWindowTest::clickableValuesShowIt()
{
    // The whole box of the static gain takes the click, not only its glyph.
    QCOMPARE(W().Label17->geometry(), QRect(678, 148, 62, 30));
    m_dialogs.Answers.push(QStringLiteral("3"));
    QTest::mouseClick(W().Label17, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(S().Filter.StaticGain, 3.0);
    for (QWidget* w : {static_cast<QWidget*>(W().Label17), static_cast<QWidget*>(W().Label12),
                       static_cast<QWidget*>(W().VrNum1)})
        QCOMPARE(w->cursor().shape(), Qt::PointingHandCursor);
    // Under the pointer the value's box lights up.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(W().Label17, &leave);
    const QImage idle = W().Label17->grab().toImage();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(W().Label17, &enter);
    QVERIFY(W().Label17->grab().toImage() != idle);
}

void MainWindowTest::litFilterLedStaysLit()
{
    for (int row : {0, 3}) {
        if (row != 0)
            Click(W().FilterLed[row]);
        const int redraws = W().RedrawCount();
        Click(W().FilterLed[row]);
        QTest::keyClick(W().FilterLed[row], Qt::Key_Space);
        QVERIFY(W().FilterLed[row]->Checked());
        QCOMPARE(W().RedrawCount(), redraws);
        QCOMPARE(W().VrBitmapImage1->BitmapIndex(), row);
    }
    QCOMPARE(S().Filter.Kind, FilterKind::BandPass);
}

void MainWindowTest::typedCutoffRefreshesBandwidth()
{
    Click(W().FilterLed[3]);
    TypeCutoff("440.4");
    QCOMPARE(S().Filter.CutoffHz, 440.0);
    QCOMPARE(S().Filter.BandwidthHz, 2 * 440 * 0.705);
    QCOMPARE(W().VrNum3->Value(), 620);
    QCOMPARE(W().Label13->text(), QStringLiteral("Hz"));
}

void MainWindowTest::cutoffShownOnce_data()
{
    // A sequence of user actions: a filter row to choose ("f3"), a typed
    // cut-off ("t440.4") or a wheel position ("w550"); then what shows the
    // cut-off.
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("shown");
    QTest::addRow("typed") << QStringList{"f3", "t440.4"} << "typed";
    QTest::addRow("typed, then low-pass") << QStringList{"f3", "t440.4", "f5"} << "typed";
    QTest::addRow("typed, then amplifier") << QStringList{"f3", "t440.4", "f0"} << "";
    QTest::addRow("typed, amplifier, band-stop") << QStringList{"f1", "t440.4", "f0", "f4"} << "typed";
    QTest::addRow("typed, then the wheel") << QStringList{"f3", "t440.4", "w550"} << "read-out";
    QTest::addRow("typed, wheel, other model") << QStringList{"f3", "t440.4", "w550", "f6"} << "read-out";
    QTest::addRow("wheel, then typed") << QStringList{"f2", "w550", "t12"} << "typed";
    QTest::addRow("amplifier at start") << QStringList{"f0"} << "";
}

void MainWindowTest::cutoffShownOnce()
{
    QFETCH(QStringList, actions);
    QFETCH(QString, shown);
    for (const QString& a : actions) {
        const QString arg = a.mid(1);
        if (a.startsWith('f'))
            Click(W().FilterLed[arg.toInt()]);
        else if (a.startsWith('t'))
            TypeCutoff(arg);
        else
            W().VrWheel1->setPosition(arg.toInt());
    }
    QCOMPARE(CutoffShown(), shown);
    QCOMPARE(W().Label9->isVisible(), !shown.isEmpty());
}

void MainWindowTest::cancelChangesNothing_data()
{
    QTest::addColumn<QString>("box");
    QTest::addRow("static gain") << "gain";
    QTest::addRow("cut-off") << "cutoff";
    QTest::addRow("duty cycle") << "duty";
}

void MainWindowTest::cancelChangesNothing()
{
    QFETCH(QString, box);
    Click(W().FilterLed[3]);
    Click(W().VrPowerButton[2]);
    m_dialogs.Answers.push(QStringLiteral("2.5"));
    Click(W().Label17);
    TypeCutoff("12346");
    m_program->rappcycl->delta->setPosition(37);
    const SharedState before = S();
    const int redraws = W().RedrawCount();
    m_dialogs.Answers.push(std::nullopt);
    if (box == "gain")
        Click(W().Label17);
    else if (box == "cutoff")
        Click(W().Label12);
    else
        Click(m_program->rappcycl->VrNum1);
    QCOMPARE(m_dialogs.Answers.size(), size_t(0)); // the box was asked
    QCOMPARE(S().Filter.StaticGain, 2.5);
    QCOMPARE(S().Filter.CutoffHz, 12346.0);
    QCOMPARE(S().Signal.DutyCycle, 0.37);
    QCOMPARE(S().Signal.Harmonics.AmplitudePercent, before.Signal.Harmonics.AmplitudePercent);
    QCOMPARE(W().Label17->Caption(), QStringLiteral("2.5"));
    QCOMPARE(W().Label12->Caption(), QString::fromStdString(FormatNumber(12346)) + "Hz");
    QCOMPARE(m_program->rappcycl->delta->Position(), 37);
    QCOMPARE(W().RedrawCount(), redraws);
}

void MainWindowTest::defaultTextIsAnAnswer()
{
    // Confirming a box with its text untouched processes that text: the
    // cut-off's three significant digits, the gain's "1".
    Click(W().FilterLed[3]);
    TypeCutoff("12346");
    const QString shown = QString::fromStdString(FormatNumber(12346));
    TypeCutoff(shown);
    QCOMPARE(m_dialogs.Boxes.last().defaultText, shown);
    QCOMPARE(S().Filter.CutoffHz, 12300.0);
    m_dialogs.Answers.push(QStringLiteral("2.5"));
    Click(W().Label17);
    m_dialogs.Answers.push(QStringLiteral("1"));
    Click(W().Label17);
    QCOMPARE(S().Filter.StaticGain, 1.0);
}

void MainWindowTest::dutyCycleTyped_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("position");
    QTest::addRow("a whole per cent") << "25" << 25;
    QTest::addRow("rounded") << "33.5" << 34;
    QTest::addRow("the ends") << "100" << 100;
    QTest::addRow("above 100: ignored") << "101" << 50;
    QTest::addRow("negative: ignored") << "-1" << 50;
    QTest::addRow("letters: ignored") << "abc" << 50;
    QTest::addRow("hostile: ignored") << "1e999" << 50;
}

void MainWindowTest::dutyCycleTyped()
{
    QFETCH(QString, answer);
    QFETCH(int, position);
    Click(W().VrPowerButton[2]);
    Trappcycl* dialog = m_program->rappcycl;
    m_dialogs.Answers.push(answer);
    Click(dialog->VrNum1);
    QCOMPARE(m_dialogs.Boxes.last().defaultText, QStringLiteral("50"));
    QCOMPARE(dialog->delta->Position(), position);
    QCOMPARE(dialog->VrNum1->Value(), position);
    QCOMPARE(S().Signal.DutyCycle, position / 100.0); // through the bar's own handler
    QVERIFY(m_dialogs.Messages.isEmpty());
}

void MainWindowTest::savePictures()
{
    // The main window as it is on screen, and its read-outs magnified twice
    // with every pixel kept, to be judged as from the back of a classroom.
    Click(W().VrPowerButton[2]);
    Click(W().FilterLed[3]);
    W().VrWheel1->setPosition(550);
    QDir().mkpath(PICTURE_DIR);
    const QImage window = W().grab().toImage();
    QVERIFY(window.save(PICTURE_DIR "/main-window.png"));
    const QRect areas[] = {QRect(8, 96, 480, 40), QRect(8, 382, 480, 26), QRect(500, 120, 345, 112)};
    QImage sheet(2 * 480, 2 * (40 + 26 + 112), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    int y = 0;
    for (const QRect& a : areas) {
        p.drawImage(0, y, window.copy(a).scaled(a.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        y += 2 * a.height();
    }
    p.end();
    QVERIFY(sheet.save(PICTURE_DIR "/main-readouts-2x.png"));
    const QImage dialog = m_program->rappcycl->grab().toImage();
    QVERIFY(dialog.save(PICTURE_DIR "/duty-cycle-dialog.png"));
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
