// SPDX-License-Identifier: GPL-3.0-or-later
// The spectrum window in the running program: the two LEDs, the resize
// rule, "Valeurs" and "Copier".

#include "plot/plottext.h"
#include "tests/app/programtest.h"
#include "tests/plot/svgsummary.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

class SpectrumWindowTest : public ProgramTest {
    Q_OBJECT

private slots:
    void init() { StartProgram(); }
    void cleanup() { StopProgram(); }
    void ledsShowRedrawAndHide();
    void closeBoxPutsTheLedsOut_data();
    void closeBoxPutsTheLedsOut();
    void resizeRule_data();
    void resizeRule();
    void valuesTwiceRestoreThePicture();
    void copyOfTheOutputOnly();
    void copySizeFromTheSettings();

private:
    Tfenspectres& Spectra() { return m_program->fenspectres(); }
    TXiButton* Button(const char* name) { return Ui::Get<TXiButton>(Spectra(), QString::fromLatin1(name)); }
    QByteArray ClipboardSvg() { return QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("image/svg+xml")); }
};

void SpectrumWindowTest::ledsShowRedrawAndHide()
{
    Click(U().VrPowerButton[2]); // a square: bars in both series
    Click(U().VrCheckLed20);
    QVERIFY(Spectra().isVisible());
    QVERIFY(S().Display.ShowInputSpectrum);
    Click(U().VrCheckLed21);
    const QImage both = Spectra().Picture();
    // The input off while the output stays: the window keeps the output only.
    Click(U().VrCheckLed20);
    QVERIFY(Spectra().isVisible());
    QVERIFY(!S().Display.ShowInputSpectrum && S().Display.ShowOutputSpectrum);
    QVERIFY(Spectra().Picture() != both);
    // A slider moved: the spectra follow.
    const QImage before = Spectra().Picture();
    U().Vramp[2]->setPosition(80);
    QVERIFY(Spectra().Picture() != before);
    Click(U().VrCheckLed21);
    QVERIFY(!Spectra().isVisible());
}

void SpectrumWindowTest::closeBoxPutsTheLedsOut_data()
{
    QTest::addColumn<bool>("input");
    QTest::addColumn<bool>("output");
    QTest::addRow("input") << true << false;
    QTest::addRow("output") << false << true;
    QTest::addRow("both") << true << true;
}

void SpectrumWindowTest::closeBoxPutsTheLedsOut()
{
    // Closed as the window manager asks: it goes, and so do the LEDs and the
    // choice they stand for, as if the user had put them out.
    QFETCH(bool, input);
    QFETCH(bool, output);
    if (input)
        Click(U().VrCheckLed20);
    if (output)
        Click(U().VrCheckLed21);
    QVERIFY(Spectra().isVisible());
    QVERIFY(Spectra().close());
    QVERIFY(!Spectra().isVisible());
    QVERIFY(!U().VrCheckLed20->Checked() && !U().VrCheckLed21->Checked());
    QVERIFY(!S().Display.ShowInputSpectrum && !S().Display.ShowOutputSpectrum);
    // Lit again, it comes back.
    Click(U().VrCheckLed21);
    QVERIFY(Spectra().isVisible());
    QVERIFY(S().Display.ShowOutputSpectrum);
}

void SpectrumWindowTest::resizeRule_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<bool>("redrawn");
    QTest::addRow("200 x 400: the picture stays") << QSize(200, 400) << false;
    QTest::addRow("400 x 250: the picture stays") << QSize(400, 250) << false;
    QTest::addRow("201 x 251: 151 x 151") << QSize(201, 251) << true;
    QTest::addRow("800 x 500") << QSize(800, 500) << true;
}

void SpectrumWindowTest::resizeRule()
{
    QFETCH(QSize, window);
    QFETCH(bool, redrawn);
    Click(U().VrCheckLed20);
    const QImage before = Spectra().Picture();
    Spectra().resize(window);
    QCOMPARE(Spectra().size(), window);
    if (redrawn)
        QCOMPARE(Spectra().Picture().size(), window - QSize(50, 100));
    else
        QCOMPARE(Spectra().Picture(), before);
}

void SpectrumWindowTest::valuesTwiceRestoreThePicture()
{
    Click(U().VrPowerButton[3]);
    Click(U().VrCheckLed20);
    const QImage plain = Spectra().Picture();
    Click(Button("XiButton2"));
    QVERIFY(S().Display.ShowLineValues);
    QVERIFY(Spectra().Picture() != plain);
    // While the values are on, the copy carries them too.
    Click(Button("XiButton1"));
    QVERIFY(ReadSvg(ClipboardSvg()).texts.contains(QStringLiteral("100")));
    Click(Button("XiButton2"));
    QVERIFY(!S().Display.ShowLineValues);
    QCOMPARE(Spectra().Picture(), plain);
}

void SpectrumWindowTest::copyOfTheOutputOnly()
{
    Click(U().VrPowerButton[2]);
    Click(U().VrCheckLed21);
    QVERIFY(S().Display.BlackBackground);
    Click(Button("XiButton1"));
    const QByteArray svg = ClipboardSvg();
    const SvgSummary summary = ReadSvg(svg);
    QCOMPARE(summary.viewBox, QStringLiteral("0 0 567 416"));
    QVERIFY(summary.texts.contains(QStringLiteral("Sortiex1")));
    QVERIFY(!summary.texts.contains(QStringLiteral("Sortx1")));
    // No black fill in the copy, and the window's picture is untouched.
    QVERIFY(!svg.contains("fill=\"#000000\""));
    QCOMPARE(Spectra().Picture().size(), QSize(515, 188));
    QImage png;
    QVERIFY(png.loadFromData(QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("image/png")), "PNG"));
    QCOMPARE(png.size(), QSize(567, 416));
    // The output legend's line at y = 37 in the copy.
    const QColor red = ToQColor(S().Display.OutputSpectrumColour);
    bool legend = false;
    for (int x = 0; x < 60 && !legend; ++x)
        legend = png.pixelColor(x, 37) == red;
    QVERIFY(legend);
}

void SpectrumWindowTest::copySizeFromTheSettings()
{
    Click(U().VrCheckLed20);
    const QImage window = Spectra().Picture();
    S().Display.CopyWidthPx = 800;
    S().Display.CopyHeightPx = 300;
    Click(Button("XiButton1"));
    QCOMPARE(ReadSvg(ClipboardSvg()).viewBox, QStringLiteral("0 0 800 300"));
    QCOMPARE(Spectra().Picture(), window);
    // The time graph's copy follows the same size.
    Click(U().XiButton1);
    QCOMPARE(ReadSvg(ClipboardSvg()).viewBox, QStringLiteral("0 0 800 300"));
    QVERIFY(ReadSvg(ClipboardSvg()).texts.contains(QStringLiteral("t (s)")));
}

QTEST_MAIN(SpectrumWindowTest)
#include "tst_spectrumwindow.moc"
