// SPDX-License-Identifier: GPL-3.0-or-later
// The recompute-and-redraw cycle seen from every place a change comes in:
// how many times it runs, the point count it leaves, and which pictures it
// draws again.
#include "tests/app/programtest.h"

#include "plot/sampling.h"

namespace {

// What each row does, after the program has started.
enum class Entry {
    AmplitudeSlider,
    MeanSlider,
    HalveTime,
    DoubleTime,
    Resize,
    ResizeTooSmall,
    DutyCycleBar,
    SettingsOk,
    PresetButton,
    FactorUp,
    FactorDownAtOne,
    SpectrumLed,
};

// A point count no window width gives: a row that leaves it has not set it.
constexpr std::int32_t Unset = -7;

} // namespace

Q_DECLARE_METATYPE(Entry)

class RedrawCycleTest : public ProgramTest {
    Q_OBJECT

private slots:
    void init() { StartProgram(); }
    void cleanup() { StopProgram(); }
    void everyEntryPoint_data();
    void everyEntryPoint();

private:
    Tfenspectres& Spectra() { return m_program->fenspectres(); }
    void Prepare(Entry entry);
    void Run(Entry entry);
};

void RedrawCycleTest::everyEntryPoint_data()
{
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<int>("redraws");
    QTest::addColumn<int>("points"); // after the change; Unset: left as it was
    QTest::addColumn<bool>("timeGraph");
    QTest::addColumn<bool>("spectra");
    // The start-up window is 523 pixels wide: Round(503 / 2) = 252 points.
    QTest::addRow("amplitude slider") << Entry::AmplitudeSlider << 1 << 252 << true << false;
    QTest::addRow("mean slider") << Entry::MeanSlider << 1 << 252 << true << false;
    QTest::addRow("\"/ 2\"") << Entry::HalveTime << 1 << 252 << true << false;
    QTest::addRow("\"x 2\"") << Entry::DoubleTime << 1 << 252 << true << false;
    QTest::addRow("window resized to 700 x 400") << Entry::Resize << 1 << 340 << true << false;
    // Too small for a picture: the cycle runs, the point count follows the
    // width, the last picture stays.
    QTest::addRow("window resized to 80 x 300") << Entry::ResizeTooSmall << 1 << 30 << false << false;
    // From the square at 50 % to 30 %: the mean slider, the amplitude
    // sliders of harmonics 1 to 4, 6 to 9, 11 and 12 and the switches of
    // harmonics 3 and 5 to 8 each redraw on their way, then the bar's own
    // redraw.
    QTest::addRow("duty-cycle bar") << Entry::DutyCycleBar << 1 + 10 + 5 + 1 << 252 << true << true;
    QTest::addRow("settings OK") << Entry::SettingsOk << 1 << 252 << true << false;
    // The triangle from start-up: six sliders and three switches, then the
    // button's own redraw.
    QTest::addRow("preset button") << Entry::PresetButton << 10 << 252 << true << false;
    QTest::addRow("output factor up") << Entry::FactorUp << 1 << 252 << true << false;
    QTest::addRow("output factor down at 1") << Entry::FactorDownAtOne << 1 << 252 << true << false;
    // The spectra alone are drawn; nothing is recomputed.
    QTest::addRow("spectrum LED") << Entry::SpectrumLed << 0 << Unset << false << true;
}

void RedrawCycleTest::Prepare(Entry entry)
{
    if (entry == Entry::DutyCycleBar) {
        Click(U().VrPowerButton[2]); // the square, with the spectra on
        Click(U().VrCheckLed20);
    }
    if (entry == Entry::SettingsOk) {
        Click(U().VrDemoButton2);
        QVERIFY(m_program->Form2().isVisible());
    }
}

void RedrawCycleTest::Run(Entry entry)
{
    switch (entry) {
    case Entry::AmplitudeSlider:
        U().Vramp[3]->setPosition(40);
        break;
    case Entry::MeanSlider:
        U().VrSlidermoy->setPosition(25);
        break;
    case Entry::HalveTime:
        Click(U().XiButton2);
        break;
    case Entry::DoubleTime:
        Click(U().XiButton3);
        break;
    case Entry::Resize:
        G().resize(700, 400);
        break;
    case Entry::ResizeTooSmall:
        G().resize(80, 300);
        break;
    case Entry::DutyCycleBar:
        U().delta->setPosition(30);
        break;
    case Entry::SettingsOk:
        Click(Ui::Get<QWidget>(m_program->Form2(), "OKbutt"));
        QVERIFY(!m_program->Form2().isVisible());
        break;
    case Entry::PresetButton:
        Click(U().VrPowerButton[3]);
        break;
    case Entry::FactorUp:
        Click(U().UpDown1->Up());
        break;
    case Entry::FactorDownAtOne:
        Click(U().UpDown1->Down());
        break;
    case Entry::SpectrumLed:
        Click(U().VrCheckLed20);
        break;
    }
}

void RedrawCycleTest::everyEntryPoint()
{
    QFETCH(Entry, entry);
    QFETCH(int, redraws);
    QFETCH(int, points);
    QFETCH(bool, timeGraph);
    QFETCH(bool, spectra);
    Prepare(entry);
    // Each change sets the point count afresh from the time-graph window,
    // whatever it was.
    S().View.PointCount = Unset;
    const int before = RedrawCount();
    const qint64 graphKey = G().Picture().cacheKey();
    const qint64 spectraKey = Spectra().Picture().cacheKey();
    Run(entry);
    QCOMPARE(RedrawCount() - before, redraws);
    QCOMPARE(S().View.PointCount, points);
    QCOMPARE(G().Picture().cacheKey() != graphKey, timeGraph);
    QCOMPARE(Spectra().Picture().cacheKey() != spectraKey, spectra);
    if (timeGraph) {
        const GraphSize size = G().PictureSize();
        QCOMPARE(LogicalSize(G().Picture()), QSize(size.Width, size.Height));
    }
}

QTEST_MAIN(RedrawCycleTest)
#include "tst_redrawcycle.moc"
