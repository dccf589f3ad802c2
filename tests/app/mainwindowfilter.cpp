// SPDX-License-Identifier: GPL-3.0-or-later
// The filter controls of the main window: the model selector, the cut-off
// wheel and the damping track bar, the typed cut-off and the static gain.
#include "tests/app/mainwindowtest.h"

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
