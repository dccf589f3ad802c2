// SPDX-License-Identifier: GPL-3.0-or-later
// The windows on a high-density screen: run under QT_SCALE_FACTOR=2 and 1.5
// (and without it), every graph is drawn at the screen's device pixel ratio
// in the geometry it has at ratio 1, with texts and slopes drawn at the
// screen's resolution rather than magnified.
#include "tests/app/programtest.h"

#include "filter/responsedrawing.h"
#include "filter/responsewindow.h"

#include "plot/timegraph.h"
#include "spectrum/spectrumdrawing.h"
#include "widgets/pictureview.h"

#include <cmath>

namespace {

qreal ScaleFactor()
{
    bool ok = false;
    const qreal f = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && f > 0 ? f : 1.0;
}

QString RatioName(qreal r)
{
    return QString::number(r).replace('.', '_') + QStringLiteral("x");
}

int Distance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// How a picture drawn at ratio r compares with the same picture drawn at
// ratio 1 and magnified r times, pixel by pixel (each pixel of the large
// picture against the 1x pixel it lies in).
struct Comparison {
    double Agreeing = 0; // share of pixels within 48 levels of the magnified 1x pixel
    int InkBlocks = 0;   // r x r blocks (whole r only) of the large picture not all background
    int SplitBlocks = 0; // of those, blocks whose pixels are not all one colour
};

Comparison Compare(const QImage& large, const QImage& one, QRgb background)
{
    Comparison c;
    const qreal r = large.devicePixelRatio();
    const QImage a = large.convertToFormat(QImage::Format_RGB32);
    const QImage b = one.convertToFormat(QImage::Format_RGB32);
    long long agreeing = 0, all = 0;
    for (int y = 0; y < a.height(); ++y) {
        const int oy = std::min(b.height() - 1, static_cast<int>(y / r));
        for (int x = 0; x < a.width(); ++x) {
            const int ox = std::min(b.width() - 1, static_cast<int>(x / r));
            agreeing += Distance(a.pixel(x, y), b.pixel(ox, oy)) <= 48;
            ++all;
        }
    }
    c.Agreeing = all ? static_cast<double>(agreeing) / all : 0;
    const int n = static_cast<int>(r);
    if (n != r || n < 2) {
        qInfo("agreeing %.4f", c.Agreeing);
        return c;
    }
    for (int y = 0; y + n <= a.height(); y += n)
        for (int x = 0; x + n <= a.width(); x += n) {
            bool ink = false, split = false;
            const QRgb first = a.pixel(x, y);
            for (int dy = 0; dy < n; ++dy)
                for (int dx = 0; dx < n; ++dx) {
                    const QRgb p = a.pixel(x + dx, y + dy);
                    ink = ink || (p & 0xFFFFFF) != (background & 0xFFFFFF);
                    split = split || p != first;
                }
            c.InkBlocks += ink;
            c.SplitBlocks += split;
        }
    qInfo("agreeing %.4f, blocks split %d of %d with ink", c.Agreeing, c.SplitBlocks, c.InkBlocks);
    return c;
}

void Save(const QImage& picture, const QString& name)
{
    QDir().mkpath(QStringLiteral(PICTURE_DIR));
    QVERIFY(picture.save(QStringLiteral(PICTURE_DIR "/%1.png").arg(name)));
}

// The window as it is on screen, and as it is at ratio 1.
QImage OnScreen(QWidget& w)
{
    return w.grab().toImage();
}

QImage AtRatioOne(QWidget& w)
{
    QImage image(w.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    w.render(&image);
    return image;
}

} // namespace

class HighDensityTest : public ProgramTest {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { StopProgram(); }
    void windowsAtTheScreenRatio();
    void graphsKeepTheirGeometry_data();
    void graphsKeepTheirGeometry();
    void textsAreDrawnAtTheScreenResolution();
    void picturesFollowTheirScreen();

private:
    Tfenspectres& Spectra() { return m_program->fenspectres(); }
    Tfenreponse& Response() { return m_program->fenreponse(); }
    struct Graph {
        QWidget* Window;
        QImage Picture; // as the window drew it
        QImage One;     // the same state drawn at ratio 1
        QSize Size;     // logical
    };
    Graph GraphOf(int which);
};

void HighDensityTest::initTestCase()
{
    StartProgram();
    Click(U().VrPowerButton[2]); // a square: labels, steep edges and bars
    Click(U().VrCheckLed20);     // the spectra
    Click(U().VrCheckLed21);
    QVERIFY(QTest::qWaitForWindowExposed(&Spectra()));
    Click(U().VrBitmapImage1); // the filter's response
    QVERIFY(QTest::qWaitForWindowExposed(&Response()));
}

HighDensityTest::Graph HighDensityTest::GraphOf(int which)
{
    Graph g;
    if (which == 0) {
        const GraphSize size = G().PictureSize();
        g = {&G(), G().Picture(), {}, QSize(size.Width, size.Height)};
        DrawTimeGraph(g.One, S(), size.Width, size.Height);
    } else if (which == 1) {
        g = {&Spectra(), Spectra().Picture(), {}, Spectra().PictureSize()};
        DrawSpectra(g.One, S(), g.Size.width(), g.Size.height());
    } else {
        g = {&Response(), Response().Picture(), {}, Response().PictureSize()};
        ResponseView view;
        const bool asymptotes = Ui::Get<TVrCheckLed>(Response(), "VrCheckLed1")->Checked();
        DrawFilterResponse(g.One, S(), asymptotes, g.Size.width(), g.Size.height(), view);
    }
    return g;
}

void HighDensityTest::windowsAtTheScreenRatio()
{
    const qreal r = ScaleFactor();
    for (QWidget* w : std::initializer_list<QWidget*>{&W(), &G(), &Spectra(), &Response(), &D()})
        QCOMPARE(w->devicePixelRatioF(), r);
    // Every control is painted at the screen's ratio too.
    QCOMPARE(OnScreen(W()).size(), (QSizeF(W().size()) * r).toSize());
}

void HighDensityTest::graphsKeepTheirGeometry_data()
{
    QTest::addColumn<int>("which");
    QTest::addRow("time graph") << 0;
    QTest::addRow("spectra") << 1;
    QTest::addRow("filter response") << 2;
}

void HighDensityTest::graphsKeepTheirGeometry()
{
    QFETCH(int, which);
    const qreal r = ScaleFactor();
    const Graph g = GraphOf(which);
    QVERIFY(!g.Picture.isNull());
    QCOMPARE(g.Picture.devicePixelRatio(), r);
    QCOMPARE(g.Picture.size(), QSize(std::ceil(g.Size.width() * r), std::ceil(g.Size.height() * r)));
    QCOMPARE(LogicalSize(g.Picture), g.Size);
    // The picture fills the same place of its window at every ratio, and
    // the window shows it pixel for pixel.
    PictureView* view = g.Window->findChild<PictureView*>("Image1");
    QCOMPARE(view->size(), g.Size);
    if (r == std::round(r)) {
        const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), g.Picture.size());
        QVERIFY(shown == g.Picture.convertToFormat(QImage::Format_RGB32));
    }
    Save(g.Picture, QStringLiteral("graph-%1-%2").arg(which).arg(RatioName(r)));
    // The background reaches every edge, also the last device pixel that a
    // fractional ratio leaves partly outside the logical picture.
    const QRgb background = S().Display.BlackBackground ? 0xFF000000 : 0xFFFFFFFF;
    const QImage rgb = g.Picture.convertToFormat(QImage::Format_RGB32);
    for (int x = 0; x < rgb.width(); ++x)
        for (int y : {0, rgb.height() - 1})
            QCOMPARE(rgb.pixel(x, y), background);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x : {0, rgb.width() - 1})
            QCOMPARE(rgb.pixel(x, y), background);
    if (r == 1) {
        QCOMPARE(g.Picture, g.One); // today's pictures, pixel for pixel
        return;
    }
    // Frame, axes, ticks, bars, labels where they are at ratio 1: the
    // pictures differ only along slopes and glyph edges.
    const Comparison c = Compare(g.Picture, g.One, S().Display.BlackBackground ? 0xFF000000 : 0xFFFFFFFF);
    QVERIFY2(c.Agreeing > 0.97, qPrintable(QString::number(c.Agreeing)));
}

void HighDensityTest::textsAreDrawnAtTheScreenResolution()
{
    // At a whole ratio, a magnified picture is made of uniform r x r
    // blocks; a picture drawn at the screen's resolution splits many of the
    // blocks that carry ink along the edges of glyphs and slopes.
    const qreal r = ScaleFactor();
    Save(OnScreen(W()), QStringLiteral("main-window-%1").arg(RatioName(r)));
    Save(OnScreen(G()), QStringLiteral("time-graph-window-%1").arg(RatioName(r)));
    Save(AtRatioOne(W()), QStringLiteral("main-window-1x-beside-%1").arg(RatioName(r)));
    if (r != 2)
        QSKIP("the blocks are compared at a ratio of 2");
    const QImage window = OnScreen(W());
    const Comparison controls = Compare(window, AtRatioOne(W()), W().palette().color(QPalette::Window).rgb());
    QVERIFY2(controls.Agreeing > 0.9, qPrintable(QString::number(controls.Agreeing)));
    QVERIFY2(controls.SplitBlocks > controls.InkBlocks / 4,
             qPrintable(QStringLiteral("%1 of %2").arg(controls.SplitBlocks).arg(controls.InkBlocks)));
    for (int which = 0; which < 3; ++which) {
        const Graph g = GraphOf(which);
        const Comparison c = Compare(g.Picture, g.One, S().Display.BlackBackground ? 0xFF000000 : 0xFFFFFFFF);
        QVERIFY2(c.SplitBlocks > c.InkBlocks / 10,
                 qPrintable(QStringLiteral("graph %1: %2 of %3").arg(which).arg(c.SplitBlocks).arg(c.InkBlocks)));
    }
}

void HighDensityTest::picturesFollowTheirScreen()
{
    // Run with two screens, the second of twice the density: a graph window
    // moved from one to the other draws its picture again for its new screen.
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() < 2)
        QSKIP("one screen only");
    for (int which = 0; which < 3; ++which) {
        QWidget* window = GraphOf(which).Window;
        const QSize size = GraphOf(which).Size;
        for (QScreen* screen : {screens[1], screens[0], screens[1]}) {
            window->move(screen->geometry().topLeft() + QPoint(40, 40));
            QTRY_COMPARE(window->screen(), screen);
            const Graph g = GraphOf(which);
            QCOMPARE(g.Picture.devicePixelRatio(), screen->devicePixelRatio());
            QCOMPARE(LogicalSize(g.Picture), size);
        }
    }
}

QTEST_MAIN(HighDensityTest)
#include "tst_highdensity.moc"
