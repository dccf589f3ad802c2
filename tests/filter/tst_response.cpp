// SPDX-License-Identifier: GPL-3.0-or-later
#include "filter/responsedrawing.h"
#include "plot/plottext.h"
#include "plot/surface.h"
#include "tests/plot/graphstates.h"
#include "tests/plot/svgsummary.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QtTest>

#include <cfloat>
#include <cmath>
#include <limits>

using namespace graphstates;

namespace {

constexpr int W = 600, H = 400;

QRgb Rgb(Colour c)
{
    return ToQColor(c).rgb();
}

// The square at 50 % through `kind` at 300 Hz, f0 = 100 Hz, m = 0.2.
SharedState SquareThrough(FilterKind kind)
{
    SharedState s = SquareThroughBandPass();
    s.Filter.Kind = kind;
    s.Filter.Damping = 0.2;
    Recompute(s);
    return s;
}

struct Picture {
    QImage image;
    ResponseView view;
    ResponsePanels panels;
};

Picture Draw(const SharedState& s, bool asymptotes = false, int w = W, int h = H)
{
    Picture p;
    DrawFilterResponse(p.image, s, asymptotes, w, h, p.view);
    p.panels = ResponseLayout(p.view, w, h);
    return p;
}

QByteArray VectorCopy(const SharedState& s, bool asymptotes, int w, int h)
{
    return VectorDocument(w, h, [&](QPaintDevice& d) { DrawFilterResponseVector(d, s, asymptotes, w, h); });
}

} // namespace

class ResponseTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QDir().mkpath(PICTURE_DIR); }
    void markersInTheHarmonicColours_data();
    void markersInTheHarmonicColours();
    void curveThroughItsVertices();
    void cutoffLine_data();
    void cutoffLine();
    void asymptotesAxesAndBackground_data();
    void asymptotesAxesAndBackground();
    void vectorCopyStructure();
    void hostileStatesDrawNothingOutside();
    void textCellsPaintWhatTheGlyphsPaint_data();
    void textCellsPaintWhatTheGlyphsPaint();
    void savePictures();
};

void ResponseTest::markersInTheHarmonicColours_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("g0");
    QTest::addColumn<bool>("black");
    QTest::addRow("low-pass 2") << int(FilterKind::LowPass2) << 1.0 << true;
    QTest::addRow("band-pass on white") << int(FilterKind::BandPass) << 1.0 << false;
    QTest::addRow("inverting amplifier") << int(FilterKind::Amplifier) << -2.0 << true;
}

void ResponseTest::markersInTheHarmonicColours()
{
    QFETCH(int, kind);
    QFETCH(double, g0);
    QFETCH(bool, black);
    SharedState s = SquareThrough(FilterKind(kind));
    s.Filter.StaticGain = g0;
    s.Display.BlackBackground = black;
    Recompute(s);
    const Picture p = Draw(s);
    QCOMPARE(p.view.Markers.size(), 6u);
    for (const ResponseMarker& m : p.view.Markers) {
        const int x = p.panels.Gain.Column(std::log10(m.Hz));
        QCOMPARE(x, p.panels.Phase.Column(std::log10(m.Hz)));
        const QRgb colour = Rgb(s.Display.Plot.HarmonicColour[m.K]);
        QCOMPARE(p.image.pixel(x, p.panels.Gain.Row(m.GainDb)), colour);
        QCOMPARE(p.image.pixel(x, p.panels.Phase.Row(m.PhaseDeg)), colour);
        // The points are the cycle's values.
        QCOMPARE(m.Gain, s.Signal.Harmonics.FilterGain[m.K]);
        QCOMPARE(m.PhaseRad, s.Signal.Harmonics.FilterPhaseRad[m.K]);
    }
}

void ResponseTest::curveThroughItsVertices()
{
    const SharedState s = SquareThrough(FilterKind::LowPass2);
    const Picture p = Draw(s, true);
    const QRgb curve = Rgb(s.Display.OutputColour);
    auto nearMarker = [&](int x) {
        for (const ResponseMarker& m : p.view.Markers)
            if (std::abs(p.panels.Gain.Column(std::log10(m.Hz)) - x) <= 12)
                return true;
        return false;
    };
    int checked = 0;
    for (const ResponseSample& v : p.view.Curve) {
        const int x = p.panels.Gain.Column(v.Log10Hz);
        if (nearMarker(x))
            continue;
        if (v.GainDb >= p.view.Db.Min)
            QCOMPARE(p.image.pixel(x, p.panels.Gain.Row(v.GainDb)), curve);
        QCOMPARE(p.image.pixel(x, p.panels.Phase.Row(v.PhaseDeg)), curve);
        ++checked;
    }
    QVERIFY(checked > 200);
    // Both ends on the frame's edges, but the gain's steep tail (-101 dB at
    // 10^5 Hz) leaves through the bottom of the frame and is cut there.
    QCOMPARE(p.panels.Gain.Column(p.view.Curve.front().Log10Hz), 15);
    QCOMPARE(p.panels.Gain.Column(p.view.Curve.back().Log10Hz), W - 15);
    QVERIFY(p.view.Curve.back().GainDb < p.view.Db.Min);
    const int bottom = H / 2 - 10;
    int onBottom = 0;
    for (int x = 15; x <= W - 15; ++x)
        onBottom += p.image.pixel(x, bottom) == curve;
    QVERIFY(onBottom >= 1 && onBottom < 10);
    for (int y = 10; y < bottom; ++y)
        QVERIFY(p.image.pixel(W - 15, y) != curve);
}

void ResponseTest::cutoffLine_data()
{
    QTest::addColumn<int>("kind");
    QTest::addRow("low-pass 2") << int(FilterKind::LowPass2);
    QTest::addRow("high-pass 1") << int(FilterKind::HighPass1);
    QTest::addRow("amplifier") << int(FilterKind::Amplifier);
}

void ResponseTest::cutoffLine()
{
    QFETCH(int, kind);
    const SharedState s = SquareThrough(FilterKind(kind));
    const Picture p = Draw(s);
    const bool line = FilterKind(kind) != FilterKind::Amplifier;
    QCOMPARE(p.view.HasCutoff, line);
    // A dotted line: one pixel in three of the phase panel in the axis colour.
    const int c = p.panels.Phase.Column(std::log10(300.0));
    const QRgb axis = Rgb(s.Display.Plot.AxisColour);
    const int top = p.panels.Phase.Top + 10, bottom = H - 10;
    auto count = [&](int x) {
        int n = 0;
        for (int y = top; y <= bottom; ++y)
            n += p.image.pixel(x, y) == axis;
        return n;
    };
    const int expected = (bottom - top) / 3;
    if (line)
        QVERIFY2(std::abs(count(c) - expected) <= 8, qPrintable(QString::number(count(c))));
    else
        QVERIFY2(count(c) <= 2, qPrintable(QString::number(count(c))));
    QVERIFY(count(c + 1) <= 2);
    const SvgSummary svg = ReadSvg(VectorCopy(s, false, W, H));
    QCOMPARE(svg.texts.contains("fc"), line);
}

void ResponseTest::asymptotesAxesAndBackground_data()
{
    QTest::addColumn<bool>("asymptotes");
    QTest::addColumn<bool>("black");
    QTest::addColumn<bool>("atOrigin");
    QTest::addRow("plain") << false << true << true;
    QTest::addRow("asymptotes") << true << true << true;
    QTest::addRow("white, axes inside the corner") << true << false << false;
}

void ResponseTest::asymptotesAxesAndBackground()
{
    QFETCH(bool, asymptotes);
    QFETCH(bool, black);
    QFETCH(bool, atOrigin);
    SharedState s = SquareThrough(FilterKind::LowPass2);
    s.Display.BlackBackground = black;
    s.Display.Plot.AxesAtOrigin = atOrigin;
    const Picture p = Draw(s, asymptotes);
    const QRgb background = black ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    for (const QPoint corner : {QPoint(0, H - 1), QPoint(W - 1, H / 2 + 20), QPoint(W - 1, H - 1)})
        QCOMPARE(p.image.pixel(corner), background);

    const QRgb axis = Rgb(s.Display.Plot.AxisColour);
    const QRgb yellow = Rgb(s.Display.SynthesisColour);
    const ResponsePanel& gain = p.panels.Gain;
    const ResponsePanel& phase = p.panels.Phase;
    const int c = gain.Column(std::log10(300.0));
    // The frequency axes: along 0 dB and 0 degrees, or one step above the bottom.
    const int gainAxis = gain.Row(atOrigin ? 0.0 : p.view.Db.Min + p.view.Db.Step);
    const int phaseAxis = phase.Row(atOrigin ? 0.0 : p.view.Deg.Min + p.view.Deg.Step);
    QCOMPARE(p.image.pixel(gain.Column(4.3), gainAxis), axis);
    QCOMPARE(p.image.pixel(phase.Column(atOrigin ? 4.3 : 1.5), phaseAxis), axis); // off the curve
    // The asymptotes: flat at 0 dB up to fc, then the phase steps from 0 to
    // -180 degrees at fc.
    QCOMPARE(p.image.pixel(c - 5, gain.Row(0.0)) == yellow, asymptotes);
    QCOMPARE(p.image.pixel(c, phase.Row(-45.0)) == yellow, asymptotes);
    QCOMPARE(p.image.pixel(c + 20, phase.Row(-180.0)) == yellow, asymptotes);
}

void ResponseTest::vectorCopyStructure()
{
    const SharedState s = SquareThrough(FilterKind::LowPass2);
    const int w = s.Display.CopyWidthPx, h = s.Display.CopyHeightPx;
    const QByteArray copy = VectorCopy(s, true, w, h);
    QVERIFY(QSvgRenderer(copy).isValid());
    const SvgSummary svg = ReadSvg(copy);
    QCOMPARE(svg.viewBox, QStringLiteral("0 0 567 416"));
    // The gain and the phase curves, from the left margin to the right one;
    // the gain's tail is cut on the bottom of its frame.
    QCOMPARE(svg.curves.size(), 2);
    for (const QPolygonF& curve : svg.curves) {
        QVERIFY(curve.size() >= ResponseSampleCount(w) - 5);
        QCOMPARE(curve.first().x(), 15.0);
    }
    QCOMPARE(svg.curves[0].last().y(), h / 2 - 10.0);
    QVERIFY(svg.curves[0].last().x() < w - 15);
    QCOMPARE(svg.curves[1].last().x(), w - 15.0);
    // No background: every filled rectangle is a text cell.
    for (const QRectF& r : svg.rects)
        QVERIFY2(r.width() < 100 && r.height() < 40, qPrintable(QString("%1x%2").arg(r.width()).arg(r.height())));
    const QStringList texts = svg.texts;
    for (const char* label : {"100", " 1E3", " 1E4", " 1E5", "Hz"})
        QCOMPARE(texts.count(label), 2);
    QVERIFY(!texts.contains("10")); // the first decade is not labelled
    for (const char* label : {"20", "0", "-20", "-40", "-60", "-80", "-100", "-90", "-180"})
        QVERIFY2(texts.contains(label), label);
    for (const char* label : {"Gain (dB)", "Phase (°)", "fc", "1", "3", "5", "7", "11"})
        QVERIFY2(texts.contains(QString::fromUtf8(label)), label);
}

void ResponseTest::hostileStatesDrawNothingOutside()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<SharedState> states;
    for (FilterKind kind : {FilterKind::Amplifier, FilterKind::LowPass1, FilterKind::BandStop, FilterKind::None}) {
        SharedState s = SquareThrough(kind);
        s.Filter.StaticGain = 0;
        Recompute(s);
        states.push_back(s);
        s.Filter.CutoffHz = nan;
        s.Filter.Damping = nan;
        s.Filter.StaticGain = DBL_MAX;
        s.Signal.FullScaleValue = DBL_MAX;
        Recompute(s);
        states.push_back(s);
        s.Signal.FundamentalHz = 0;
        s.Signal.Harmonics.FilterGain.fill(nan);
        s.Signal.Harmonics.FilterPhaseRad.fill(-nan);
        s.Display.Plot.GraduationLength = 100000;
        s.Display.Plot.FontSize = 0;
        states.push_back(s);
    }
    for (const SharedState& s : states) {
        for (const QSize size : {QSize(1, 1), QSize(20, 15), QSize(31, 3), QSize(W, H)}) {
            const Picture p = Draw(s, true, size.width(), size.height());
            QCOMPARE(p.image.size(), size);
        }
        const QByteArray copy = VectorCopy(s, true, W, H);
        QVERIFY(!copy.contains("nan") && !copy.contains("inf"));
        for (const QPolygonF& curve : ReadSvg(copy).curves)
            for (const QPointF& v : curve)
                QVERIFY2(v.x() >= 15 && v.x() <= W - 15 && v.y() >= 0 && v.y() <= H,
                         qPrintable(QString("%1,%2").arg(v.x()).arg(v.y())));
    }
    QImage untouched(7, 7, QImage::Format_RGB32);
    ResponseView view;
    DrawFilterResponse(untouched, states.front(), false, 0, 100, view);
    DrawFilterResponse(untouched, states.front(), false, 100, -3, view);
    QCOMPARE(untouched.size(), QSize(7, 7));
}

void ResponseTest::textCellsPaintWhatTheGlyphsPaint_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("opaque");
    QTest::addRow("digit on its cell") << "0" << 8 << true;
    QTest::addRow("exponent on its cell") << "-1.5E-3" << 8 << true;
    QTest::addRow("title, large") << QString::fromUtf8("Phase (\u00B0) fj") << 20 << true;
    QTest::addRow("bare number") << "11" << 8 << false;
    QTest::addRow("bare, large") << "Wjq" << 20 << false;
    QTest::addRow("empty") << "" << 8 << true;
}

// On a raster picture a text is copied from the pixels it painted the
// first time; a pixmap takes the glyphs straight. Both must agree, over a
// striped background that shows any difference in the cell or the glyphs.
void ResponseTest::textCellsPaintWhatTheGlyphsPaint()
{
    QFETCH(QString, text);
    QFETCH(int, points);
    QFETCH(bool, opaque);
    const SurfaceStyle style{true, QColor(20, 40, 60)};
    auto paint = [&](QPaintDevice& device) {
        QPainter painter(&device);
        for (int y = 0; y < 60; y += 2)
            painter.fillRect(0, y, 200, 1, QColor(200, 100, 0));
        painter.setFont(PointFont("Arial", points));
        for (int i = 0; i < 2; ++i) { // the second time from the kept cell
            const QColor colour = i ? QColor(255, 255, 0) : QColor(0, 255, 255);
            if (opaque)
                WriteText(painter, 7 + 90 * i, 11, text, colour, style);
            else
                WriteBareText(painter, 7 + 90 * i, 11, text, colour);
        }
        painter.translate(3, 30); // whole-pixel offsets keep the copies
        WriteText(painter, 7, 0, text, Qt::white, style);
    };
    QImage image(200, 60, QImage::Format_RGB32);
    image.fill(Qt::black);
    paint(image);
    QPixmap pixmap(200, 60);
    pixmap.fill(Qt::black);
    paint(pixmap);
    const QImage direct = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x)
            differing += image.pixel(x, y) != direct.pixel(x, y);
    QCOMPARE(differing, 0);
}

void ResponseTest::savePictures()
{
    const SharedState lowPass = SquareThrough(FilterKind::LowPass2);
    QVERIFY(Draw(lowPass).image.save(PicturePath("response-square-lowpass2.png")));
    QVERIFY(Draw(lowPass, true).image.save(PicturePath("response-square-lowpass2-asymptotes.png")));
    const SharedState bandPass = SquareThrough(FilterKind::BandPass);
    QVERIFY(Draw(bandPass, true).image.save(PicturePath("response-square-bandpass.png")));
    SharedState white = bandPass;
    white.Display.BlackBackground = false;
    white.Display.Plot.GridOn = true;
    QVERIFY(Draw(white).image.save(PicturePath("response-square-bandpass-white-grid.png")));

    const QByteArray copy = VectorCopy(lowPass, true, lowPass.Display.CopyWidthPx, lowPass.Display.CopyHeightPx);
    QFile svg(PicturePath("response-square-lowpass2.svg"));
    QVERIFY(svg.open(QIODevice::WriteOnly));
    svg.write(copy);
    QImage pasted(QSize(lowPass.Display.CopyWidthPx, lowPass.Display.CopyHeightPx), QImage::Format_RGB32);
    pasted.fill(Qt::white);
    QPainter painter(&pasted);
    QSvgRenderer(copy).render(&painter);
    painter.end();
    QVERIFY(pasted.save(PicturePath("response-square-lowpass2-copy.png")));
}

QTEST_MAIN(ResponseTest)
#include "tst_response.moc"
