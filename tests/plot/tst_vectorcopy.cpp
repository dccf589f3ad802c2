// SPDX-License-Identifier: GPL-3.0-or-later
// The vector copy: its SVG and PNG forms, the clipboard data, and a copy
// that fails leaving the clipboard as it was.

#include "plot/plottext.h"
#include "plot/timegraph.h"
#include "plot/vectorcopy.h"
#include "tests/plot/graphstates.h"
#include "tests/plot/svgsummary.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QPaintDevice>
#include <QProcess>
#include <QStandardPaths>
#include <QRegularExpression>
#include <QTest>

#include <stdexcept>

using namespace graphstates;

class VectorCopyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QDir().mkpath(PICTURE_DIR); }
    void svgDeclaresTheCopySize_data();
    void svgDeclaresTheCopySize();
    void pngIsTheSamePictureOnTransparency();
    void anotherRendererDrawsTheSamePicture();
    void clipboardHoldsEveryForm();
    void secondCopyReplacesTheFirst();
    void failureLeavesTheClipboard_data();
    void failureLeavesTheClipboard();
};

namespace {

VectorDrawing TimeGraphOf(const SharedState& s)
{
    return [&s](QPaintDevice& device, int w, int h) { DrawTimeGraphVector(device, s, w, h); };
}

} // namespace

void VectorCopyTest::svgDeclaresTheCopySize_data()
{
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addRow("default 15 x 11 cm") << 567 << 416;
    QTest::addRow("smallest accepted") << 51 << 51;
    QTest::addRow("wide") << 1133 << 300;
}

void VectorCopyTest::svgDeclaresTheCopySize()
{
    QFETCH(int, w);
    QFETCH(int, h);
    const SharedState s = SquareThroughBandPass();
    VectorCopy copy;
    QVERIFY(RenderVectorCopy(TimeGraphOf(s), w, h, copy));
    const SvgSummary svg = ReadSvg(copy.Svg);
    QCOMPARE(svg.viewBox, QStringLiteral("0 0 %1 %2").arg(w).arg(h));
    // Width and height in pixels (1/96 inch): the pasted size follows the
    // settings, 567 x 416 pixels pasting as 15 x 11 cm.
    const QRegularExpression size(QStringLiteral("<svg[^>]*\\swidth=\"(\\d+)\"\\s+height=\"(\\d+)\""));
    const auto m = size.match(QString::fromUtf8(copy.Svg));
    QVERIFY(m.hasMatch());
    QCOMPARE(m.captured(1).toInt(), w);
    QCOMPARE(m.captured(2).toInt(), h);
    QVERIFY(svg.texts.contains(QStringLiteral("t (s)")));
    QCOMPARE(copy.Png.size(), QSize(w, h));
}

void VectorCopyTest::pngIsTheSamePictureOnTransparency()
{
    SharedState s = SquareThroughBandPass();
    s.Display.BlackBackground = true;
    VectorCopy copy;
    QVERIFY(RenderVectorCopy(TimeGraphOf(s), 567, 416, copy));
    copy.Png.save(PicturePath(QStringLiteral("copy-timegraph.png")));
    QFile svgFile(PicturePath(QStringLiteral("copy-timegraph.svg")));
    QVERIFY(svgFile.open(QIODevice::WriteOnly));
    svgFile.write(copy.Svg);

    // No black fill: the corners are transparent.
    QCOMPARE(qAlpha(copy.Png.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(copy.Png.pixel(566, 415)), 0);
    // The curves keep their screen colours.
    bool synthesis = false, output = false;
    for (int y = 0; y < copy.Png.height(); ++y)
        for (int x = 0; x < copy.Png.width(); ++x) {
            const QColor c = copy.Png.pixelColor(x, y);
            synthesis = synthesis || c == ToQColor(s.Display.SynthesisColour);
            output = output || c == ToQColor(s.Display.OutputColour);
        }
    QVERIFY(synthesis);
    QVERIFY(output);
    // The SVG carries the same curves: every synthesis point lies in the frame.
    const SvgSummary svg = ReadSvg(copy.Svg);
    QVERIFY(!svg.curves.isEmpty());
    for (const QPolygonF& curve : svg.curves)
        for (const QPointF& p : curve)
            QVERIFY(p.x() >= 0 && p.x() <= 567 && p.y() >= -1 && p.y() <= 417);
}

namespace {

// The span of rows of a curve's pixels in each column (empty where it has
// none): a steep stretch covers many rows, a flat one a few.
QList<QPair<int, int>> CurveRows(const QImage& picture, const QColor& colour)
{
    QList<QPair<int, int>> rows;
    for (int x = 0; x < picture.width(); ++x) {
        int top = -1, bottom = -1;
        for (int y = 0; y < picture.height(); ++y) {
            const QColor c = picture.pixelColor(x, y);
            if (qAbs(c.red() - colour.red()) < 60 && qAbs(c.green() - colour.green()) < 60
                && qAbs(c.blue() - colour.blue()) < 60 && c.alpha() > 128) {
                if (top < 0)
                    top = y;
                bottom = y;
            }
        }
        rows << qMakePair(top, bottom);
    }
    return rows;
}

} // namespace

// The SVG, rendered by a program we did not write, shows the window's
// picture: the synthesis curve runs where the raster picture has it.
void VectorCopyTest::anotherRendererDrawsTheSamePicture()
{
    const QString rsvg = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
    if (rsvg.isEmpty())
        QSKIP("rsvg-convert is not installed");
    SharedState s = SquareThroughBandPass();
    s.Display.SuperposeOutput = false;
    s.Display.ShowIdealSignal = false;
    VectorCopy copy;
    QVERIFY(RenderVectorCopy(TimeGraphOf(s), 567, 416, copy));
    QProcess process;
    process.start(rsvg, {QStringLiteral("--format=png"), QStringLiteral("--dpi-x=96"), QStringLiteral("--dpi-y=96")});
    QVERIFY(process.waitForStarted());
    process.write(copy.Svg);
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitCode(), 0);
    QImage rendered;
    QVERIFY(rendered.loadFromData(process.readAllStandardOutput(), "PNG"));
    rendered.save(PicturePath(QStringLiteral("copy-timegraph-rsvg.png")));
    QCOMPARE(rendered.size(), QSize(567, 416));

    QImage raster;
    DrawTimeGraph(raster, s, 567, 416);
    const QColor yellow = ToQColor(s.Display.SynthesisColour);
    const auto expected = CurveRows(raster, yellow);
    const auto got = CurveRows(rendered, yellow);
    int compared = 0, close = 0;
    for (int x = 20; x < 547; ++x) {
        if (expected[x].first < 0)
            continue;
        ++compared;
        close += got[x].first >= 0 && got[x].first <= expected[x].second + 2 && got[x].second >= expected[x].first - 2;
    }
    QVERIFY(compared > 400);
    QVERIFY2(close >= compared * 95 / 100, qPrintable(QStringLiteral("%1 of %2 columns agree").arg(close).arg(compared)));
}

void VectorCopyTest::clipboardHoldsEveryForm()
{
    const SharedState s = SquareThroughBandPass();
    QVERIFY(CopyAsVector(TimeGraphOf(s), 567, 416));
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    QVERIFY(data->hasFormat(QStringLiteral("image/svg+xml")));
    QVERIFY(data->hasFormat(QStringLiteral("image/png")));
    QVERIFY(data->hasImage());
    QImage png;
    QVERIFY(png.loadFromData(data->data(QStringLiteral("image/png")), "PNG"));
    QCOMPARE(png.size(), QSize(567, 416));
    QVERIFY(png.hasAlphaChannel());
    QCOMPARE(ReadSvg(data->data(QStringLiteral("image/svg+xml"))).viewBox, QStringLiteral("0 0 567 416"));
}

void VectorCopyTest::secondCopyReplacesTheFirst()
{
    const SharedState s = SquareThroughBandPass();
    QVERIFY(CopyAsVector(TimeGraphOf(s), 567, 416));
    QVERIFY(CopyAsVector(TimeGraphOf(s), 300, 200));
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(ReadSvg(data->data(QStringLiteral("image/svg+xml"))).viewBox, QStringLiteral("0 0 300 200"));
    QImage png;
    QVERIFY(png.loadFromData(data->data(QStringLiteral("image/png")), "PNG"));
    QCOMPARE(png.size(), QSize(300, 200));
}

void VectorCopyTest::failureLeavesTheClipboard_data()
{
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<bool>("throws");
    QTest::addRow("zero width") << 0 << 416 << false;
    QTest::addRow("negative height") << 567 << -1 << false;
    QTest::addRow("too large to allocate") << 1 << 0x7fffffff << false;
    QTest::addRow("drawing fails") << 567 << 416 << true;
}

void VectorCopyTest::failureLeavesTheClipboard()
{
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(bool, throws);
    QGuiApplication::clipboard()->setText(QStringLiteral("avant"));
    const SharedState s = SquareThroughBandPass();
    const VectorDrawing draw = [&](QPaintDevice& device, int dw, int dh) {
        DrawTimeGraphVector(device, s, dw, dh);
        if (throws)
            throw std::runtime_error("drawing failed");
    };
    QVERIFY(!CopyAsVector(draw, w, h));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("avant"));
}

QTEST_MAIN(VectorCopyTest)
#include "tst_vectorcopy.moc"
