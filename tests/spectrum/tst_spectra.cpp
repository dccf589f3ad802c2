// SPDX-License-Identifier: GPL-3.0-or-later
#include "../plot/graphstates.h"
#include "../plot/svgsummary.h"
#include "plot/plottext.h"
#include "spectrum/spectrumbars.h"
#include "spectrum/spectrumdrawing.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QtTest>

#include <cfloat>

using namespace graphstates;

namespace {

QRgb Rgb(Colour c)
{
    return ToQColor(c).rgb();
}

// The square at 50 % through an amplifier of gain 0.5, both series shown.
SharedState BothSeries()
{
    SharedState s = SquareThroughBandPass();
    s.Filter.Kind = FilterKind::Amplifier;
    s.Filter.StaticGain = 0.5;
    s.Display.ShowInputSpectrum = true;
    s.Display.ShowOutputSpectrum = true;
    Recompute(s);
    return s;
}

QByteArray VectorCopy(SharedState& s, int w, int h)
{
    return VectorDocument(w, h, [&](QPaintDevice& d) { DrawSpectraVector(d, s, w, h); });
}

} // namespace

class SpectraTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QDir().mkpath(PICTURE_DIR); }
    void barsOccupyTheirColumns_data();
    void barsOccupyTheirColumns();
    void legendAndBackground_data();
    void legendAndBackground();
    void vectorCopy();
    void copyFromTheWindowsNumbers();
    void hostileSizesAndValues();
    void savePictures();
};

void SpectraTest::barsOccupyTheirColumns_data()
{
    QTest::addColumn<bool>("input");
    QTest::addColumn<bool>("output");
    QTest::addRow("both") << true << true;
    QTest::addRow("input only") << true << false;
    QTest::addRow("output only") << false << true;
}

void SpectraTest::barsOccupyTheirColumns()
{
    QFETCH(bool, input);
    QFETCH(bool, output);
    SharedState s = BothSeries();
    s.Display.ShowInputSpectrum = input;
    s.Display.ShowOutputSpectrum = output;
    QImage img;
    DrawSpectra(img, s, SpectraW, SpectraH);
    QCOMPARE(img.size(), QSize(SpectraW, SpectraH));

    SharedState copy = s;
    const SpectrumLayout l = ComputeSpectrumLayout(copy);
    QCOMPARE(l.YMax, input ? 70.0 : 40.0); // 64 % in, 32 % out
    const int expectedX[] = {52, 90, 127, 164, 202, 239, 276, 313, 351, 388, 425, 463, 500};
    auto Y = [&](double v) { return ValueToRow(10, SpectraH - 10, v, l.YMin, l.YMax); };
    const int zero = Y(0);
    const QRgb in = Rgb(s.Display.InputSpectrumColour), out = Rgb(s.Display.OutputSpectrumColour);
    for (int k = 0; k <= 12; ++k) {
        const int x = ValueToColumn(15, SpectraW - 15, k, -1, 12);
        QCOMPARE(x, expectedX[k]);
        const struct {
            bool shown;
            int first;
            double bar;
            QRgb colour;
        } series[] = {{input, x - 2, l.BarIn[k], in}, {output, x + 1, l.BarOut[k], out}};
        for (const auto& ser : series) {
            const int top = Y(ser.bar);
            for (int c = ser.first; c < ser.first + 3; ++c)
                for (int y = 10; y <= SpectraH - 10; ++y) {
                    const bool inBar = ser.shown && ser.bar > 0 && y >= top && y <= zero;
                    if (inBar)
                        QVERIFY2(img.pixel(c, y) == ser.colour, qPrintable(QString("rank %1 (%2, %3)").arg(k).arg(c).arg(y)));
                    else
                        QVERIFY2(img.pixel(c, y) != ser.colour, qPrintable(QString("rank %1 (%2, %3)").arg(k).arg(c).arg(y)));
                }
        }
        // Nothing of a bar spills into the columns beside the pair.
        QVERIFY(img.pixel(x - 3, zero - 1) != in && img.pixel(x - 3, zero - 1) != out);
        QVERIFY(img.pixel(x + 4, zero - 1) != in && img.pixel(x + 4, zero - 1) != out);
    }
}

void SpectraTest::legendAndBackground_data()
{
    QTest::addColumn<bool>("black");
    QTest::addRow("black") << true;
    QTest::addRow("white") << false;
}

void SpectraTest::legendAndBackground()
{
    QFETCH(bool, black);
    SharedState s = BothSeries();
    s.Display.BlackBackground = black;
    QImage img;
    DrawSpectra(img, s, SpectraW, SpectraH);
    const QRgb bg = black ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    QCOMPARE(img.pixel(0, SpectraH - 1), bg);
    QCOMPARE(img.pixel(SpectraW - 1, 0), bg);
    // Legend lines from x 15 to 35 at L + 5 and L + 27, L = 28.
    for (int x = 15; x <= 35; ++x) {
        QCOMPARE(img.pixel(x, 33), Rgb(s.Display.InputSpectrumColour));
        QCOMPARE(img.pixel(x, 55), Rgb(s.Display.OutputSpectrumColour));
    }
    QVERIFY(img.pixel(36, 33) != Rgb(s.Display.InputSpectrumColour));
}

void SpectraTest::vectorCopy()
{
    SharedState s = BothSeries();
    s.Display.ShowInputSpectrum = false;
    s.Display.ShowLineValues = true;
    const QByteArray svg = VectorCopy(s, s.Display.CopyWidthPx, s.Display.CopyHeightPx);
    QVERIFY(QSvgRenderer(svg).isValid());
    const SvgSummary c = ReadSvg(svg);
    QCOMPARE(c.viewBox, QStringLiteral("0 0 567 416"));
    QVERIFY(c.texts.contains("Sortiex1"));
    QVERIFY(!c.texts.contains("Entree"));
    QVERIFY(c.texts.contains("*100Hz"));
    QVERIFY(c.texts.contains("%"));
    QVERIFY(c.texts.contains("32")); // output value of the fundamental
    QVERIFY(c.texts.contains("25")); // output mean
    // No background fill, whatever BlackBackground says: only text cells and
    // bars, the bars standing on the zero row of the copy's own frame.
    bool anyBar = false;
    for (const QRectF& r : c.rects) {
        QVERIFY2(r.width() < 200 && r.height() < 416 - 20, "a rectangle as large as the picture");
        if (r.width() == 3) {
            anyBar = true;
            QVERIFY(r.bottom() <= 416 - 10 + 1);
        }
    }
    QVERIFY(anyBar);

    s.Display.ShowInputSpectrum = true;
    s.Display.ShowOutputSpectrum = false;
    s.Display.OutputScaleFactor = 10;
    const SvgSummary input = ReadSvg(VectorCopy(s, 567, 416));
    QVERIFY(input.texts.contains("Entree"));
    QVERIFY(input.texts.contains("64"));
    QVERIFY(input.texts.contains("50"));
    QVERIFY(!input.texts.contains("Sortiex10"));
}

void SpectraTest::copyFromTheWindowsNumbers()
{
    // With nothing selected each drawing sizes the scale again from the
    // stored maximum, so every drawing moves it up; a copy drawn from the
    // numbers of the window's picture shows that picture's scale and moves
    // nothing.
    SharedState s = BothSeries();
    s.Display.ShowInputSpectrum = false;
    s.Display.ShowOutputSpectrum = false;
    s.Spectra.SpectrumMax = 64;
    QImage img;
    const SpectrumLayout shown = DrawSpectra(img, s, SpectraW, SpectraH);
    QCOMPARE(shown.YMax, 70.0);
    QCOMPARE(s.Spectra.SpectrumMax, 70.0);
    const SvgSummary copy = ReadSvg(VectorDocument(567, 416, [&](QPaintDevice& d) {
        DrawSpectraVector(d, std::as_const(s), shown, 567, 416);
    }));
    QCOMPARE(s.Spectra.SpectrumMax, 70.0);
    QVERIFY(copy.texts.contains("60") && !copy.texts.contains("70")); // labels of the scale 0..70
    // Drawn anew, the copy's scale would have moved on.
    const SvgSummary anew = ReadSvg(VectorCopy(s, 567, 416));
    QCOMPARE(s.Spectra.SpectrumMax, 80.0);
    QVERIFY(anew.texts.contains("70"));
}

void SpectraTest::hostileSizesAndValues()
{
    SharedState s = BothSeries();
    QImage img(3, 3, QImage::Format_RGB32);
    for (const QSize size : {QSize(0, 10), QSize(10, -1)}) {
        DrawSpectra(img, s, size.width(), size.height());
        QCOMPARE(img.size(), QSize(3, 3));
    }
    s.Signal.FullScaleValue = DBL_MAX;
    s.Signal.MeanValue = DBL_MAX;
    s.Filter.StaticGain = DBL_MAX;
    s.Display.OutputScaleFactor = 10000;
    s.Display.ShowLineValues = true;
    Recompute(s);
    for (SpectrumMode m : {SpectrumMode::Percent, SpectrumMode::Amplitude, SpectrumMode::Rms}) {
        s.Display.SpectrumMode = m;
        for (const QSize size : {QSize(1, 1), QSize(30, 25), QSize(SpectraW, SpectraH)}) {
            DrawSpectra(img, s, size.width(), size.height());
            QCOMPARE(img.size(), size);
        }
    }
    QVERIFY(!VectorCopy(s, 40, 40).isEmpty());
}

void SpectraTest::savePictures()
{
    SharedState s = BothSeries();
    s.Display.ShowLineValues = true;
    QImage img;
    DrawSpectra(img, s, SpectraW, SpectraH);
    QVERIFY(img.save(PicturePath("spectra-both-values.png")));
    SharedState band = SquareThroughBandPass();
    band.Display.ShowInputSpectrum = true;
    band.Display.ShowOutputSpectrum = true;
    band.Display.SpectrumMode = SpectrumMode::Rms;
    DrawSpectra(img, band, SpectraW, SpectraH);
    QVERIFY(img.save(PicturePath("spectra-bandpass-rms.png")));
    QFile svg(PicturePath("spectra-both-values.svg"));
    QVERIFY(svg.open(QIODevice::WriteOnly));
    const QByteArray copy = VectorCopy(s, s.Display.CopyWidthPx, s.Display.CopyHeightPx);
    svg.write(copy);
    // The copy as a document shows it: on white.
    QImage pasted(QSize(s.Display.CopyWidthPx, s.Display.CopyHeightPx), QImage::Format_RGB32);
    pasted.fill(Qt::white);
    QPainter painter(&pasted);
    QSvgRenderer(copy).render(&painter);
    painter.end();
    QVERIFY(pasted.save(PicturePath("spectra-both-values-copy.png")));
}

QTEST_MAIN(SpectraTest)
#include "tst_spectra.moc"
