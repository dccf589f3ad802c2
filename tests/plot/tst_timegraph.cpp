// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/plottext.h"
#include "plot/surface.h"
#include "plot/timegraph.h"
#include "tests/plot/graphstates.h"
#include "tests/plot/svgsummary.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QtTest>

#include <cfloat>
#include <new>

using namespace graphstates;

namespace {

QRgb Rgb(Colour c)
{
    return ToQColor(c).rgb();
}

QByteArray VectorCopy(const SharedState& s, int w, int h)
{
    return VectorDocument(w, h, [&](QPaintDevice& d) { DrawTimeGraphVector(d, s, w, h); });
}

} // namespace

class TimeGraphTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QDir().mkpath(PICTURE_DIR); }
    void axesWhereTheMappingPutsThem();
    void ticksOrGrid_data();
    void ticksOrGrid();
    void curvePassesThroughTheSampledPixels();
    void background_data();
    void background();
    void curvesInDrawingOrder();
    void vectorCopyStructure();
    void hostileSizesAndValues();
    void failingDrawingStillDelivers();
    void largePictureRedrawnInPlace_data();
    void largePictureRedrawnInPlace();
    void hugeFontsKeepTextMemoryBounded();
    void savePictures();
};

// A constant input of 0.5 keeps the curves off both axes.
static SharedState OffsetState()
{
    SharedState s = StartUp();
    s.Signal.MeanPercent = 50;
    s.Signal.MeanValue = 0.5;
    Recompute(s);
    return s;
}

void TimeGraphTest::axesWhereTheMappingPutsThem()
{
    const SharedState s = OffsetState();
    QImage img;
    DrawTimeGraph(img, s, TimeW, TimeH);
    QCOMPARE(img.size(), QSize(TimeW, TimeH));
    const int row = ValueToRow(10, TimeH - 10, 0, s.View.ValueMin, s.View.ValueMax);
    const int column = ValueToColumn(15, TimeW - 15, 0, s.View.TimeStart, s.View.TimeEnd);
    QCOMPARE(row, 172);
    QCOMPARE(column, 15);
    const int curveRow = ValueToRow(10, TimeH - 10, 0.5, s.View.ValueMin, s.View.ValueMax);
    const QRgb axis = Rgb(s.Display.Plot.AxisColour);
    for (int x = 15; x <= TimeW - 15; ++x)
        QCOMPARE(img.pixel(x, row), axis);
    for (int y = 10; y <= TimeH - 10; ++y)
        if (y != curveRow)
            QCOMPARE(img.pixel(column, y), axis);
    QCOMPARE(img.pixel(14, row), qRgb(0, 0, 0));
    QCOMPARE(img.pixel(TimeW - 14, row), qRgb(0, 0, 0));
}

void TimeGraphTest::ticksOrGrid_data()
{
    QTest::addColumn<bool>("grid");
    QTest::addColumn<bool>("dotted");
    QTest::addRow("ticks") << false << true;
    QTest::addRow("dotted grid") << true << true;
    QTest::addRow("solid grid") << true << false;
}

void TimeGraphTest::ticksOrGrid()
{
    QFETCH(bool, grid);
    QFETCH(bool, dotted);
    SharedState s = OffsetState();
    s.Display.Plot.GridOn = grid;
    s.Display.Plot.GridDotted = dotted;
    QImage img;
    DrawTimeGraph(img, s, TimeW, TimeH);
    const QRgb axis = Rgb(s.Display.Plot.AxisColour);
    const QRgb silver = qRgb(0xC0, 0xC0, 0xC0);
    const int row = 172;
    // Graduations of the time axis from 0 by 0.001 s; the eleventh step
    // accumulates to just above the end of the axis and is not drawn.
    for (int i = 1; i <= 10; ++i) {
        const int c = ValueToColumn(15, TimeW - 15, i * 0.001, 0, s.View.TimeEnd);
        for (int dy = 1; dy <= 3; ++dy)
            QCOMPARE(img.pixel(c, row + dy) == axis, !grid);
        int silverPixels = 0;
        for (int y = 10; y <= TimeH - 10; ++y)
            silverPixels += img.pixel(c, y) == silver;
        if (!grid)
            QCOMPARE(silverPixels, 0);
        else if (dotted)
            QVERIFY2(silverPixels > 40 && silverPixels < 120, qPrintable(QString::number(silverPixels)));
        else
            QVERIFY2(silverPixels > 150, qPrintable(QString::number(silverPixels)));
    }
    // Graduations of the value axis: ticks to the right of column 15.
    const int r = ValueToRow(10, TimeH - 10, 0.3, s.View.ValueMin, s.View.ValueMax);
    for (int dx = 1; dx <= 3; ++dx)
        QCOMPARE(img.pixel(15 + dx, r) == axis, !grid);
}

void TimeGraphTest::curvePassesThroughTheSampledPixels()
{
    SharedState s = StartUp();
    s.Signal.Harmonics.AmplitudePercent[1] = 100;
    s.Display.SuperposeOutput = false;
    Recompute(s);
    QImage img;
    DrawTimeGraph(img, s, TimeW, TimeH);
    const PlotFrame frame{s.View.TimeStart, s.View.TimeEnd, s.View.ValueMin, s.View.ValueMax,
                          s.View.TimeStep, s.View.ValueStep, TimeW, TimeH};
    std::vector<PixelPoint> points;
    SampleCurve(s.View, frame, HarmonicSeries::Input(s), points);
    QCOMPARE(int(points.size()), 253);
    for (const PixelPoint& p : points)
        QVERIFY2(img.pixel(p.x, p.y) == Rgb(s.Display.SynthesisColour), qPrintable(QString("%1,%2").arg(p.x).arg(p.y)));
    // The peak of the sine lies where s(0.0025) = 1 maps.
    QCOMPARE(img.pixel(frame.Column(0.0025), frame.Row(1.0)), Rgb(s.Display.SynthesisColour));
}

void TimeGraphTest::background_data()
{
    QTest::addColumn<bool>("black");
    QTest::addRow("black") << true;
    QTest::addRow("white") << false;
}

void TimeGraphTest::background()
{
    QFETCH(bool, black);
    SharedState s = StartUp();
    s.Display.BlackBackground = black;
    QImage img;
    DrawTimeGraph(img, s, TimeW, TimeH);
    const QRgb bg = black ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    for (const QPoint p : {QPoint(0, 0), QPoint(TimeW - 1, TimeH - 1), QPoint(200, 40), QPoint(5, 150)})
        QCOMPARE(img.pixel(p), bg);
}

void TimeGraphTest::curvesInDrawingOrder()
{
    // Output over synthesis over harmonic over ideal waveform: with all four
    // equal to the fundamental, only the output colour shows.
    SharedState s = StartUp();
    s.Signal.Harmonics.AmplitudePercent[1] = 100;
    s.Signal.Harmonics.Shown[1] = true;
    s.Signal.Preset = PresetKind::Triangle;
    s.Display.ShowIdealSignal = true;
    Recompute(s);
    QImage img;
    DrawTimeGraph(img, s, TimeW, TimeH);
    const PlotFrame frame{s.View.TimeStart, s.View.TimeEnd, s.View.ValueMin, s.View.ValueMax,
                          s.View.TimeStep, s.View.ValueStep, TimeW, TimeH};
    QCOMPARE(img.pixel(frame.Column(0.005), frame.Row(0.0)), Rgb(s.Display.OutputColour));
    // The free synthesis draws no ideal waveform, even when asked to.
    s.Signal.Preset = PresetKind::Free;
    s.Signal.Harmonics.AmplitudePercent[1] = 0;
    s.Signal.Harmonics.Shown[1] = false;
    Recompute(s);
    DrawTimeGraph(img, s, TimeW, TimeH);
    for (int y = 0; y < TimeH; ++y)
        for (int x = 0; x < TimeW; ++x)
            QVERIFY(img.pixel(x, y) != Rgb(s.Display.SignalColour) || img.pixel(x, y) == Rgb(s.Display.Plot.AxisColour));
}

void TimeGraphTest::vectorCopyStructure()
{
    SharedState s = SquareThroughBandPass();
    s.Signal.Harmonics.Shown[1] = true;
    s.Signal.Harmonics.Shown[3] = true;
    const QByteArray svg = VectorCopy(s, s.Display.CopyWidthPx, s.Display.CopyHeightPx);
    QVERIFY(QSvgRenderer(svg).isValid());
    const SvgSummary sum = ReadSvg(svg);
    QCOMPARE(sum.viewBox, QStringLiteral("0 0 567 416"));
    // Ideal waveform, harmonics 1 and 3, synthesis, output.
    QCOMPARE(sum.curves.size(), 5);
    for (const QPolygonF& curve : sum.curves) {
        QCOMPARE(curve.size(), s.View.PointCount + 1);
        QCOMPARE(curve.first().x(), 15.0);
        QCOMPARE(curve.last().x(), 567.0 - 15);
    }
    // No background: every filled rectangle is a small text cell.
    for (const QRectF& r : sum.rects)
        QVERIFY2(r.width() < 100 && r.height() < 40, qPrintable(QString("%1x%2").arg(r.width()).arg(r.height())));
    const QStringList texts = sum.texts;
    QVERIFY(texts.contains("t (s)"));
    for (const char* label : {" 1E-3", " 3E-3", " 5E-3", " 7E-3", " 9E-3"})
        QVERIFY2(texts.contains(label), label);
    QVERIFY2(!texts.contains(" 1E-2"), "0.01 is not among the labelled graduations");

    // The value axis of the start-up graph, -1.1 .. 1.1 by 0.1: every second
    // graduation from the top, and a plain 0 at the origin.
    const QStringList startUp = ReadSvg(VectorCopy(StartUp(), 567, 416)).texts;
    for (const char* label : {"1", ".8", ".6", ".4", ".2", "0", "-0.2", "-0.4", "-0.6", "-0.8", "-1"})
        QVERIFY2(startUp.contains(label), label);
    for (const QString& t : startUp)
        QVERIFY2(!t.contains("E-1"), qPrintable(t));
    QVERIFY(!startUp.contains("1.1") && !startUp.contains(".9"));
}

void TimeGraphTest::hostileSizesAndValues()
{
    SharedState s = StartUp();
    QImage img(7, 7, QImage::Format_RGB32);
    img.fill(Qt::red);
    for (const QSize size : {QSize(0, 100), QSize(100, 0), QSize(-5, -5)}) {
        DrawTimeGraph(img, s, size.width(), size.height());
        QCOMPARE(img.size(), QSize(7, 7)); // nothing drawn, the last picture stays
    }
    // Tiny pictures whose margins cross, huge values beyond the frame.
    s.Signal.FullScaleValue = DBL_MAX;
    s.Signal.MeanValue = DBL_MAX;
    for (int k = 1; k <= 12; ++k) {
        s.Signal.Harmonics.AmplitudePercent[k] = 100;
        s.Signal.Harmonics.Shown[k] = true;
    }
    Recompute(s);
    s.View.ValueMin = -1; // a frame that the values overshoot by far
    s.View.ValueMax = 1;
    for (const QSize size : {QSize(1, 1), QSize(20, 15), QSize(TimeW, TimeH)}) {
        DrawTimeGraph(img, s, size.width(), size.height());
        QCOMPARE(img.size(), size);
    }
    QVERIFY(!VectorCopy(s, 50, 30).isEmpty());
}

// The pixels kept for the labels stay within their budget, however large
// the font the user picks and however many different labels the graphs
// show: at 375 points every label once took megabytes, kept by hundreds.
void TimeGraphTest::hugeFontsKeepTextMemoryBounded()
{
    SharedState s = StartUp();
    s.Signal.Harmonics.AmplitudePercent[1] = 100;
    QImage img;
    for (int points : {375, 100, 40, 8}) {
        s.Display.Plot.FontSize = points;
        for (int i = 1; i <= 40; ++i) { // new value labels at each full scale
            s.Signal.FullScaleValue = 0.37 * i;
            Recompute(s);
            DrawTimeGraph(img, s, 1200, 800);
            QVERIFY2(TextCellBytes() <= TextCellBudget,
                     qPrintable(QStringLiteral("%1 bytes kept at %2 points").arg(TextCellBytes()).arg(points)));
        }
    }
    QCOMPARE(img.size(), QSize(1200, 800));
}

void TimeGraphTest::failingDrawingStillDelivers()
{
    QImage target;
    auto failing = [](QPainter& p) {
        p.fillRect(0, 0, 5, 5, Qt::red);
        throw std::bad_alloc();
    };
    QVERIFY_THROWS_EXCEPTION(std::bad_alloc, PaintOnRaster(target, 20, 10, failing));
    QCOMPARE(target.size(), QSize(20, 10));
    QCOMPARE(target.pixel(2, 2), qRgb(255, 0, 0));
    QCOMPARE(target.pixel(10, 8), qRgb(255, 255, 255));

    QImage device(20, 10, QImage::Format_RGB32);
    QVERIFY_THROWS_EXCEPTION(std::bad_alloc, PaintOnDevice(device, 20, 10, failing));
    QVERIFY(!device.paintingActive());
    QCOMPARE(device.pixel(2, 2), qRgb(255, 0, 0));
}

void TimeGraphTest::largePictureRedrawnInPlace_data()
{
    QTest::addColumn<double>("ratio");
    QTest::addRow("1x") << 1.0;
    QTest::addRow("1.5x") << 1.5;
    QTest::addRow("2x") << 2.0;
}

void TimeGraphTest::largePictureRedrawnInPlace()
{
    // A redraw of the same size paints over the picture it replaces (a new
    // picture of tens of megabytes costs more in fresh memory pages than
    // the drawing), unless someone else still holds that picture.
    QFETCH(double, ratio);
    SharedState s = SquareThroughBandPass();
    Recompute(s, 2851);
    QImage target;
    DrawTimeGraph(target, s, 2821, 1734, ratio);
    QCOMPARE(target.size(), QSize(std::ceil(2821 * ratio), std::ceil(1734 * ratio)));
    const QImage first = target.copy();
    const uchar* pixels = target.constBits();
    DrawTimeGraph(target, s, 2821, 1734, ratio);
    QCOMPARE(target.constBits(), pixels);
    QVERIFY(target == first); // all painted again, nothing left over

    const QImage held = target;
    s.Display.BlackBackground = !s.Display.BlackBackground;
    DrawTimeGraph(target, s, 2821, 1734, ratio);
    QVERIFY(held == first);
    QVERIFY(target != first);
    QCOMPARE(target.devicePixelRatio(), ratio);
}

void TimeGraphTest::savePictures()
{
    QImage img;
    DrawTimeGraph(img, StartUp(), TimeW, TimeH);
    QVERIFY(img.save(PicturePath("timegraph-startup.png")));
    SharedState square = SquareThroughBandPass();
    square.Signal.Harmonics.Shown[1] = true;
    square.Signal.Harmonics.Shown[3] = true;
    DrawTimeGraph(img, square, TimeW, TimeH);
    QVERIFY(img.save(PicturePath("timegraph-square-bandpass.png")));
    square.Display.BlackBackground = false;
    square.Display.Plot.GridOn = true;
    DrawTimeGraph(img, square, TimeW, TimeH);
    QVERIFY(img.save(PicturePath("timegraph-square-white-grid.png")));
    QFile svg(PicturePath("timegraph-square-bandpass.svg"));
    QVERIFY(svg.open(QIODevice::WriteOnly));
    const QByteArray copy = VectorCopy(square, square.Display.CopyWidthPx, square.Display.CopyHeightPx);
    svg.write(copy);
    // The copy as a document shows it: on white.
    QImage pasted(QSize(square.Display.CopyWidthPx, square.Display.CopyHeightPx), QImage::Format_RGB32);
    pasted.fill(Qt::white);
    QPainter painter(&pasted);
    QSvgRenderer(copy).render(&painter);
    painter.end();
    QVERIFY(pasted.save(PicturePath("timegraph-square-bandpass-copy.png")));
}

QTEST_MAIN(TimeGraphTest)
#include "tst_timegraph.moc"
