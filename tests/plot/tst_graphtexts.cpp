// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of every graph is whole and apart: drawn over a table of hard
// cases (picture sizes from the smallest drawn to full screen and the copy
// sizes, every label font the settings allow, many periods and zooms, the
// three spectrum modes with their values, long numbers, a large output
// scale factor), the ink of each text lies inside the picture, and no two
// texts meet: their inks keep a pixel between them and no text's cell
// covers another's ink.

#include "filter/responsedrawing.h"
#include "plot/plottext.h"
#include "plot/surface.h"
#include "plot/textlayout.h"
#include "plot/timegraph.h"
#include "spectrum/spectrumbars.h"
#include "spectrum/spectrumdrawing.h"
#include "tests/plot/graphstates.h"
#include "tests/plot/graphtextcases.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include <functional>
#include <vector>

using namespace graphstates;
using namespace graphtextcases;

namespace {

using Texts = std::vector<TextRecorder::Text>;

QString Show(const QRect& r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// What is wrong with the texts of a w x h picture; empty when nothing is.
QString Faults(const Texts& texts, QSize size)
{
    QStringList faults;
    const QRect picture(QPoint(0, 0), size);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const TextRecorder::Text& t = texts[i];
        if (t.Ink.isEmpty())
            continue;
        if (!picture.contains(t.Ink))
            faults << QStringLiteral("\"%1\" %2 leaves the picture").arg(t.String, Show(t.Ink));
        for (std::size_t j = 0; j < i; ++j) {
            const TextRecorder::Text& u = texts[j];
            if (u.Ink.isEmpty())
                continue;
            if (t.Ink.adjusted(-1, -1, 1, 1).intersects(u.Ink) || t.Cell.intersects(u.Ink) ||
                u.Cell.intersects(t.Ink))
                faults << QStringLiteral("\"%1\" %2 meets \"%3\" %4").arg(t.String, Show(t.Ink), u.String, Show(u.Ink));
        }
    }
    return faults.join(QStringLiteral("; "));
}

Texts Record(const std::function<void()>& draw)
{
    TextRecorder recorder;
    draw();
    return recorder.Texts();
}

int Count(const Texts& texts, const QString& s)
{
    return static_cast<int>(std::count_if(texts.begin(), texts.end(), [&](const auto& t) { return t.String == s; }));
}

} // namespace

class GraphTextsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QDir().mkpath(PICTURE_DIR); }
    void aCollisionIsSeen();
    void timeGraph_data();
    void timeGraph();
    void spectra_data();
    void spectra();
    void response_data();
    void response();
    void defaultsShowEveryText();
    void savePictures();
};

// The check itself finds two texts written over each other, and one cut
// by the edge.
void GraphTextsTest::aCollisionIsSeen()
{
    QImage img(100, 40, QImage::Format_RGB32);
    const Texts texts = Record([&] {
        QPainter painter(&img);
        painter.setFont(PointFont("Arial", 8));
        WriteText(painter, 10, 5, "1.1E-3", Qt::white, SurfaceStyle{true, Qt::black});
        WriteText(painter, 40, 5, "1.3E-3", Qt::white, SurfaceStyle{true, Qt::black});
        WriteBareText(painter, 90, 20, "12", Qt::white);
    });
    QCOMPARE(int(texts.size()), 3);
    const QString faults = Faults(texts, img.size());
    QVERIFY2(faults.contains("\"1.3E-3\"") && faults.contains("meets \"1.1E-3\""), qPrintable(faults));
    QVERIFY2(faults.contains("\"12\"") && faults.contains("leaves the picture"), qPrintable(faults));
    QVERIFY(Faults({texts[0]}, img.size()).isEmpty());
}

void GraphTextsTest::timeGraph_data()
{
    QTest::addColumn<int>("font");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("zoomed");
    const std::vector<Case> states = TimeStates(), zoomed = ZoomedStates();
    for (int f = 0; f < int(std::size(Fonts)); ++f) {
        for (int i = 0; i < int(states.size()); ++i)
            QTest::addRow("%s %d pt, %s", Fonts[f].Family, Fonts[f].Points, qPrintable(states[i].Name)) << f << i << false;
        for (int i = 0; i < int(zoomed.size()); ++i)
            QTest::addRow("%s %d pt, %s", Fonts[f].Family, Fonts[f].Points, qPrintable(zoomed[i].Name)) << f << i << true;
    }
}

// Pictures from the smallest the window draws (51 x 51) to full screen,
// and the copies.
void GraphTextsTest::timeGraph()
{
    QFETCH(int, font);
    QFETCH(int, state);
    QFETCH(bool, zoomed);
    SharedState s = StartUp();
    SetFont(s, Fonts[font]);
    if (zoomed) {
        ZoomedStates()[state].Apply(s);
    } else {
        TimeStates()[state].Apply(s);
        SetFont(s, Fonts[font]);
        Recompute(s);
    }
    QImage img;
    for (const QSize size : {QSize(51, 51), QSize(60, 120), QSize(150, 51), QSize(250, 90), QSize(TimeW, TimeH),
                             QSize(700, 300), QSize(1890, 970)}) {
        const Texts texts = Record([&] { DrawTimeGraph(img, s, size.width(), size.height()); });
        const QString faults = Faults(texts, size);
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1x%2: %3").arg(size.width()).arg(size.height()).arg(faults)));
        if (size.width() >= TimeW) // and the labels of both axes
            QVERIFY2(Count(texts, "t (s)") == 1 && texts.size() >= 5,
                     qPrintable(QStringLiteral("%1 texts at %2").arg(texts.size()).arg(size.width())));
    }
    for (const QSize size : CopySizes) {
        QImage copy(size, QImage::Format_ARGB32_Premultiplied);
        const Texts texts = Record([&] { DrawTimeGraphVector(copy, s, size.width(), size.height()); });
        const QString faults = Faults(texts, size);
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("copy %1x%2: %3").arg(size.width()).arg(size.height()).arg(faults)));
    }
}

void GraphTextsTest::spectra_data()
{
    QTest::addColumn<int>("font");
    QTest::addColumn<int>("state");
    const std::vector<Case> states = SpectrumStates();
    for (int f = 0; f < int(std::size(Fonts)); ++f)
        for (int i = 0; i < int(states.size()); ++i)
            QTest::addRow("%s %d pt, %s", Fonts[f].Family, Fonts[f].Points, qPrintable(states[i].Name)) << f << i;
}

// Both series, each alone, values shown or not; pictures from the smallest
// the window draws (151 x 151) to full screen, and the copies.
void GraphTextsTest::spectra()
{
    QFETCH(int, font);
    QFETCH(int, state);
    SharedState base = StartUp();
    SpectrumStates()[state].Apply(base);
    SetFont(base, Fonts[font]);
    Recompute(base);
    QImage img;
    for (const auto& [input, output] : {std::pair(true, true), std::pair(true, false), std::pair(false, true)})
        for (bool values : {true, false}) {
            SharedState s = base;
            s.Display.ShowInputSpectrum = input;
            s.Display.ShowOutputSpectrum = output;
            s.Display.ShowLineValues = values;
            const QString what = QStringLiteral("%1%2%3").arg(input ? "input " : "", output ? "output " : "",
                                                              values ? "values " : "");
            for (const QSize size : {QSize(151, 151), QSize(250, 160), QSize(SpectraW, SpectraH), QSize(800, 300),
                                     QSize(1870, 980)}) {
                const Texts texts = Record([&] { DrawSpectra(img, s, size.width(), size.height()); });
                const QString faults = Faults(texts, size);
                QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1%2x%3: %4")
                                                          .arg(what)
                                                          .arg(size.width())
                                                          .arg(size.height())
                                                          .arg(faults)));
                if (size.width() < SpectraW)
                    continue;
                // From the default size up, the legend, the units and every
                // value keep their room.
                const int legend = Count(texts, "Entree") + Count(texts, "Sortx" + NumberText(s.Display.OutputScaleFactor));
                const int units =
                    Count(texts, "*" + NumberText(s.Signal.FundamentalHz) + "Hz") + Count(texts, "%") +
                    Count(texts, "AMP") + Count(texts, "RMS");
                QVERIFY2(legend == int(input) + int(output) && units == 2,
                         qPrintable(QStringLiteral("%1%2x%3: legend %4, units %5")
                                        .arg(what)
                                        .arg(size.width())
                                        .arg(size.height())
                                        .arg(legend)
                                        .arg(units)));
                if (values)
                    QVERIFY2(int(texts.size()) >= legend + units + 13 * (int(input) + int(output)),
                             qPrintable(QStringLiteral("%1%2x%3: %4 texts").arg(what).arg(size.width()).arg(size.height()).arg(texts.size())));
            }
            for (const QSize size : CopySizes) {
                QImage copy(size, QImage::Format_ARGB32_Premultiplied);
                const Texts texts = Record([&] { DrawSpectraVector(copy, s, size.width(), size.height()); });
                const QString faults = Faults(texts, size);
                QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1copy %2x%3: %4")
                                                          .arg(what)
                                                          .arg(size.width())
                                                          .arg(size.height())
                                                          .arg(faults)));
            }
        }
}

void GraphTextsTest::response_data()
{
    QTest::addColumn<int>("font");
    QTest::addColumn<int>("state");
    const std::vector<Case> states = ResponseStates();
    for (int f = 0; f < int(std::size(Fonts)); ++f)
        for (int i = 0; i < int(states.size()); ++i)
            QTest::addRow("%s %d pt, %s", Fonts[f].Family, Fonts[f].Points, qPrintable(states[i].Name)) << f << i;
}

// From the smallest picture the window draws (424 x 200) to full screen,
// and the copies.
void GraphTextsTest::response()
{
    QFETCH(int, font);
    QFETCH(int, state);
    SharedState s = StartUp();
    ResponseStates()[state].Apply(s);
    SetFont(s, Fonts[font]);
    Recompute(s);
    QImage img;
    ResponseView view;
    for (bool asymptotes : {false, true}) {
        for (const QSize size : {QSize(424, 200), QSize(576, 300), QSize(1904, 850)}) {
            const Texts texts =
                Record([&] { DrawFilterResponse(img, s, asymptotes, size.width(), size.height(), view); });
            const QString faults = Faults(texts, size);
            QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1x%2: %3").arg(size.width()).arg(size.height()).arg(faults)));
            QVERIFY2(Count(texts, "Gain (dB)") == 1 && Count(texts, QString::fromUtf8("Phase (\u00B0)")) == 1 &&
                         Count(texts, "Hz") == 2 && Count(texts, "fc") == int(view.HasCutoff),
                     qPrintable(QStringLiteral("titles at %1x%2").arg(size.width()).arg(size.height())));
        }
        for (const QSize size : CopySizes) {
            QImage copy(size, QImage::Format_ARGB32_Premultiplied);
            const Texts texts =
                Record([&] { DrawFilterResponseVector(copy, s, asymptotes, size.width(), size.height()); });
            const QString faults = Faults(texts, size);
            QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("copy %1x%2: %3").arg(size.width()).arg(size.height()).arg(faults)));
        }
    }
}

// Thinning is the exception: at the default sizes and font the graphs keep
// their texts.
void GraphTextsTest::defaultsShowEveryText()
{
    QImage img;
    const Texts time = Record([&] { DrawTimeGraph(img, StartUp(), TimeW, TimeH); });
    for (const char* label : {"t (s)", " 1E-3", " 3E-3", " 5E-3", " 7E-3", " 9E-3", "1", ".6", "0", "-0.2", "-1"})
        QVERIFY2(Count(time, label) == 1, label);

    SharedState s = SquareThroughBandPass();
    s.Display.ShowInputSpectrum = s.Display.ShowOutputSpectrum = s.Display.ShowLineValues = true;
    s.Display.SpectrumMode = SpectrumMode::Rms;
    LongPercents(s);
    Recompute(s);
    const Texts spectra = Record([&] { DrawSpectra(img, s, SpectraW, SpectraH); });
    SharedState copy = s;
    const SpectrumLayout l = ComputeSpectrumLayout(copy);
    for (int k = 0; k < RowCount; ++k)
        for (double v : {l.LabelIn[k], l.LabelOut[k]})
            QVERIFY2(Count(spectra, NumberText(v)) >= 1, qPrintable(QStringLiteral("value of rank %1").arg(k)));
    for (const char* text : {"Entree", "Sortx1", "RMS", "*100Hz", "0", "2", "10", "12"})
        QVERIFY2(Count(spectra, text) >= 1, text);
}

void GraphTextsTest::savePictures()
{
    QImage img;
    SharedState s = SquareThroughBandPass();
    s.Display.ShowInputSpectrum = s.Display.ShowOutputSpectrum = s.Display.ShowLineValues = true;
    LongPercents(s);
    Recompute(s);
    DrawSpectra(img, s, SpectraW, SpectraH);
    QVERIFY(img.save(PicturePath("texts-spectra-values.png")));
    s.Display.SpectrumMode = SpectrumMode::Rms;
    s.Signal.FullScaleValue = 0.01;
    s.Display.OutputScaleFactor = 10;
    Recompute(s);
    DrawSpectra(img, s, SpectraW, SpectraH);
    QVERIFY(img.save(PicturePath("texts-spectra-values-rms.png")));
    SetFont(s, {"Arial", 14});
    DrawSpectra(img, s, SpectraW, SpectraH);
    QVERIFY(img.save(PicturePath("texts-spectra-values-14pt.png")));

    SharedState t = SquareThroughBandPass();
    t.View.PeriodsShown = 2.5;
    Recompute(t);
    DrawTimeGraph(img, t, TimeW, TimeH);
    QVERIFY(img.save(PicturePath("texts-timegraph-2.5-periods.png")));
    Zoom(t, 2, 2);
    DrawTimeGraph(img, t, TimeW, TimeH);
    QVERIFY(img.save(PicturePath("texts-timegraph-2.5-periods-x4.png")));
    t = SquareThroughBandPass();
    SetFont(t, {"Arial", 14});
    Recompute(t);
    DrawTimeGraph(img, t, TimeW, TimeH);
    QVERIFY(img.save(PicturePath("texts-timegraph-14pt.png")));
    QImage copy(945, 756, QImage::Format_RGB32);
    copy.fill(Qt::white);
    DrawTimeGraphVector(copy, t, 945, 756);
    QVERIFY(copy.save(PicturePath("texts-timegraph-14pt-copy-25cm.png")));

    SharedState r = SquareThroughBandPass();
    r.Filter.Kind = FilterKind::LowPass2;
    r.Filter.Damping = 0.2;
    SetFont(r, {"Arial", 14});
    Recompute(r);
    ResponseView view;
    DrawFilterResponse(img, r, true, 576, 300, view);
    QVERIFY(img.save(PicturePath("texts-response-14pt.png")));
}

QTEST_MAIN(GraphTextsTest)
#include "tst_graphtexts.moc"
