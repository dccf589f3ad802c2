// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures and read-outs at the ends of the ranges: the time graph and
// the spectra keep their shape, the read-outs their whole text, the
// response window finite axes.
#include "tests/app/boundstest.h"

// Which curves or bars a row compares.
enum Series { InputSeries = 1, OutputSeries = 2, BothSeries = 3 };

void BoundsTest::timeGraphShape_data()
{
    QTest::addColumn<QString>("fullScale");
    QTest::addColumn<QString>("gain");
    QTest::addColumn<QString>("ordinaryFullScale");
    QTest::addColumn<QString>("ordinaryGain");
    QTest::addColumn<int>("series");

    // The input and the output drawn over it, the output through the
    // sharpest resonance, on harmonic 3.
    QTest::newRow("full scale 1e100") << "1e100" << "1" << "1" << "1" << int(BothSeries);
    QTest::newRow("full scale 1e-100") << "1e-100" << "1" << "1" << "1" << int(BothSeries);
    QTest::newRow("full scale 1e100, gain -1") << "1e100" << "-1" << "1" << "-1" << int(BothSeries);
    // Beside a gain of 1e4 or more the input is lost on the zero line, by
    // a fraction of a pixel that decides on which side of it: the input is
    // drawn in the background colour and the output compared.
    QTest::newRow("gain 1e100") << "1" << "1e100" << "1" << "1e4" << int(OutputSeries);
    QTest::newRow("gain -1e100") << "1" << "-1e100" << "1" << "-1e4" << int(OutputSeries);
    QTest::newRow("gain 1e100 at full scale 1e100") << "1e100" << "1e100" << "1" << "1e4" << int(OutputSeries);
    QTest::newRow("gain -1e100 at full scale 1e-100") << "1e-100" << "-1e100" << "1" << "-1e4" << int(OutputSeries);
    // Beside the input, a gain of 1e-100 leaves the output on the zero
    // line, exactly as a gain of 0 does.
    QTest::newRow("gain 1e-100") << "1" << "1e-100" << "1" << "0" << int(BothSeries);
    QTest::newRow("gain -1e-100 at full scale 1e100") << "1e100" << "-1e-100" << "1" << "0" << int(BothSeries);
    QTest::newRow("gain 1e-100 at full scale 1e-100") << "1e-100" << "1e-100" << "1" << "0" << int(BothSeries);
}

// The time graph at the ends of the ranges: the curves lie on exactly the
// pixels they take at an ordinary value; only the value labels differ.
void BoundsTest::timeGraphShape()
{
    QFETCH(QString, fullScale);
    QFETCH(QString, gain);
    QFETCH(QString, ordinaryFullScale);
    QFETCH(QString, ordinaryGain);
    QFETCH(int, series);

    Click(U().FilterLed[1]); // "Passe-bas  ordre2 "
    TypeCutoff(QStringLiteral("300"));
    U().VrTrackBar1->setPosition(0); // m = 0.0001
    // A mean of 23 % puts no point of the curves on the line between two
    // rows, where the last bit of a value would choose the row (30 % does,
    // at t = 0, and full scales 1 and 1e100 round it apart).
    U().VrSlidermoy->setPosition(23);
    DisplaySettings& d = S().Display;
    if (!(series & InputSeries))
        d.SynthesisColour = 0x000000;
    auto picture = [&](const QString& a, const QString& g) {
        Type(FullScale, a);
        Type(StaticGain, g);
        return G().Picture();
    };
    const QImage ordinary = picture(ordinaryFullScale, ordinaryGain);
    const QImage bound = picture(fullScale, gain);
    bound.save(QStringLiteral(PICTURE_DIR "/bounds-time-%1.png").arg(QTest::currentDataTag()).replace(' ', '-'));
    QVERIFY2(m_dialogs.Errors.isEmpty() && m_dialogs.Messages.isEmpty(),
             qPrintable((m_dialogs.Errors + m_dialogs.Messages).join('|')));
    CheckFinite();

    for (int which : {InputSeries, OutputSeries}) {
        if (!(series & which))
            continue;
        const QImage want = Mask(ordinary, which == InputSeries ? d.SynthesisColour : d.OutputColour);
        QVERIFY(Count(want) > 100);
        QCOMPARE(Mask(bound, which == InputSeries ? d.SynthesisColour : d.OutputColour), want);
    }
}

void BoundsTest::spectraShape_data()
{
    QTest::addColumn<QString>("fullScale");
    QTest::addColumn<QString>("gain");
    QTest::addColumn<QString>("ordinaryGain");
    QTest::addColumn<int>("series");

    QTest::newRow("full scale 1e100") << "1e100" << "1" << "1" << int(BothSeries);
    QTest::newRow("full scale 1e-100") << "1e-100" << "1" << "1" << int(BothSeries);
    // Beside the output at a gain of 1e4 the input bars have no height.
    QTest::newRow("gain 1e100 at full scale 1e100") << "1e100" << "1e100" << "1e4" << int(OutputSeries);
    QTest::newRow("gain -1e100 at full scale 1e-100") << "1e-100" << "-1e100" << "-1e4" << int(OutputSeries);
    // Nor the output bars beside the input at a gain of 1e-4.
    QTest::newRow("gain 1e-100 at full scale 1e100") << "1e100" << "1e-100" << "1e-4" << int(InputSeries);
}

// Both spectra in peak values ("Ampl") at the ends of the ranges: the bars
// stand on the pixels they take at full scale 1. The largest bar is 97 %,
// no whole number of graduations, so that the top of the scale does not
// hang on the last bit of a sum of steps: at a bar of exactly 100 % the
// sum reaches just above it and the top meets the bar at full scales 2,
// 0.01 or 1e-100 alike, and a little above it at 1 or 1e100.
void BoundsTest::spectraShape()
{
    QFETCH(QString, fullScale);
    QFETCH(QString, gain);
    QFETCH(QString, ordinaryGain);
    QFETCH(int, series);

    U().Vramp[1]->setPosition(97);
    U().VrSlidermoy->setPosition(30);
    Click(U().VrCheckLed20);
    Click(U().VrCheckLed21);
    Click(U().VrDemoButton2);
    Click(U().Form2.RadioButton[2]);
    QCOMPARE(S().Display.SpectrumMode, SpectrumMode::Amplitude);
    Click(U().Form2.OKbutt);
    auto picture = [&](const QString& a, const QString& g) {
        Type(FullScale, a);
        Type(StaticGain, g);
        return m_program->fenspectres().Picture();
    };
    const QImage ordinary = picture(QStringLiteral("1"), ordinaryGain);
    const QImage bound = picture(fullScale, gain);
    bound.save(QStringLiteral(PICTURE_DIR "/bounds-spectra-%1.png").arg(QTest::currentDataTag()).replace(' ', '-'));
    QVERIFY(m_dialogs.Errors.isEmpty() && m_dialogs.Messages.isEmpty());
    CheckFinite();

    const DisplaySettings& d = S().Display;
    for (int which : {InputSeries, OutputSeries}) {
        if (!(series & which))
            continue;
        const Colour c = which == InputSeries ? d.InputSpectrumColour : d.OutputSpectrumColour;
        const QImage want = Mask(ordinary, c);
        QVERIFY(Count(want) > 50);
        QCOMPARE(Mask(bound, c), want);
    }
}

void BoundsTest::readoutsShowTheirWholeText_data()
{
    QTest::addColumn<QString>("fundamental");
    QTest::addColumn<QString>("fullScale");
    QTest::addColumn<QString>("gain");
    QTest::addColumn<QString>("cutoff");

    // The longest texts the ranges give: " 1.23E-100", "-1.23E-100",
    // " 1.23E5Hz", "999.999" kHz.
    QTest::newRow("longest") << "999999" << "1.23e-100" << "-1.23e-100" << "123456";
    QTest::newRow("upper ends") << "999999" << "9.99e99" << "-9.99e99" << "999999";
    QTest::newRow("lower ends") << "1" << "1e-100" << "1e-100" << "1";
    QTest::newRow("ordinary") << "100" << "1" << "1" << "440";
}

// The full scale after "Val pour 100%:", the static gain and the typed
// cut-off show their whole text, inside their panel and clear of their
// neighbours, at every value the ranges allow.
void BoundsTest::readoutsShowTheirWholeText()
{
    QFETCH(QString, fundamental);
    QFETCH(QString, fullScale);
    QFETCH(QString, gain);
    QFETCH(QString, cutoff);

    Type(Fundamental, fundamental);
    Type(FullScale, fullScale);
    Type(StaticGain, gain);
    Type(Cutoff, cutoff);
    QVERIFY(m_dialogs.Errors.isEmpty() && m_dialogs.Messages.isEmpty());
    QCOMPARE(U().Label5->text(), QString::fromStdString(FormatNumber(S().Signal.FullScaleValue)));

    // The full scale and the fundamental: captions of their panel, sized to
    // their text.
    QWidget* panel = U().Label5->parentWidget();
    const QRect inside = panel->rect().adjusted(2, 2, -2, -2);
    const QList<QLabel*> captions = panel->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    for (const QLabel* l : captions) {
        QVERIFY2(l->width() >= l->fontMetrics().horizontalAdvance(l->text()), qPrintable(l->text()));
        QVERIFY2(inside.contains(l->geometry()), qPrintable(l->text()));
        for (const QLabel* other : captions)
            if (other != l)
                QVERIFY2(!l->geometry().intersects(other->geometry()), qPrintable(l->text() + " / " + other->text()));
    }

    // The click-to-change values: their text in full within the box, in a
    // font made smaller only as far as it stays readable.
    for (const TVrClickValue* v : {U().Label17, U().Label12}) {
        const QFont f = v->fittedFont();
        QVERIFY2(QFontMetrics(f).horizontalAdvance(v->Caption()) <= v->width() - 8, qPrintable(v->Caption()));
        QVERIFY2(f.pixelSize() >= 10, qPrintable(v->Caption()));
    }
    QVERIFY(U().Label12->isVisible());
    W().grab().save(QStringLiteral(PICTURE_DIR "/bounds-main-%1.png").arg(QTest::currentDataTag()).replace(' ', '-'));
}

void BoundsTest::responseAtTheBounds_data()
{
    QTest::addColumn<int>("led"); // the model's LED, 0 .. 6
    QTest::addColumn<QString>("gain");

    for (int led = 0; led < 7; ++led)
        for (const char* g : {"1e100", "-1e100", "1e-100", "-1e-100", "0"})
            QTest::addRow("%d gain %s", led, g) << led << QString::fromLatin1(g);
}

// The response window at the ends of the gain range, with the sharpest
// resonance: finite axes and curve, the gain in dB where it belongs.
void BoundsTest::responseAtTheBounds()
{
    QFETCH(int, led);
    QFETCH(QString, gain);

    Type(FullScale, QStringLiteral("1e100"));
    Click(U().FilterLed[led]);
    if (led != 0) {
        TypeCutoff(QStringLiteral("300"));
        U().VrTrackBar1->setPosition(0);
    }
    Type(StaticGain, gain);
    Click(U().VrBitmapImage1);
    const Tfenreponse& r = m_program->fenreponse();
    QVERIFY(r.isVisible());
    QVERIFY(m_dialogs.Errors.isEmpty() && m_dialogs.Messages.isEmpty());
    CheckFinite();

    const ResponseView& view = r.View();
    for (const ValueAxis& a : {view.Db, view.Deg})
        QVERIFY(std::isfinite(a.Min) && std::isfinite(a.Max) && a.Min < a.Max && a.Step > 0);
    const double g0 = std::fabs(S().Filter.StaticGain);
    if (g0 > 0) {
        // The top of the gain axis is within one graduation of the largest gain.
        const double peakDb = GainToDb(led >= 1 && led <= 2 ? g0 / (2 * 0.0001) : g0);
        QVERIFY2(view.Db.Max >= peakDb && view.Db.Max <= peakDb + 2 * view.Db.Step,
                 qPrintable(QStringLiteral("%1 dB axis for a peak of %2 dB").arg(view.Db.Max).arg(peakDb)));
    }
    for (const ResponseSample& p : view.Curve)
        QVERIFY(std::isfinite(p.Log10Hz) && std::isfinite(p.PhaseDeg) && !std::isnan(p.GainDb));
    QVERIFY(!r.Picture().isNull());
}
