// The vector copy: its SVG and PNG forms, the clipboard data, and a copy
// that fails leaving the clipboard as it was.

#include "graphstates.h"
#include "svgsummary.h"
#include "timegraph.h"
#include "vectorcopy.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QPaintDevice>
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
    QTest::addColumn<QString>("widthMm");
    QTest::addRow("default 15 x 11 cm") << 567 << 416 << QStringLiteral("150");
    QTest::addRow("smallest accepted") << 51 << 51 << QStringLiteral("13");
    QTest::addRow("wide") << 1133 << 300 << QStringLiteral("300");
}

void VectorCopyTest::svgDeclaresTheCopySize()
{
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(QString, widthMm);
    const SharedState s = SquareThroughBandPass();
    VectorCopy copy;
    QVERIFY(RenderVectorCopy(TimeGraphOf(s), w, h, copy));
    const SvgSummary svg = ReadSvg(copy.Svg);
    QCOMPARE(svg.viewBox, QStringLiteral("0 0 %1 %2").arg(w).arg(h));
    // Width in millimetres at 96 dpi: the pasted size follows the settings.
    const QRegularExpression width(QStringLiteral("<svg[^>]*width=\"([0-9.]+)mm\""));
    const auto m = width.match(QString::fromUtf8(copy.Svg));
    QVERIFY(m.hasMatch());
    QCOMPARE(QString::number(qRound(m.captured(1).toDouble())), widthMm);
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
