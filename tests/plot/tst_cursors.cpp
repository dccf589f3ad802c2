// SPDX-License-Identifier: GPL-3.0-or-later
#include "filter/filterresponse.h"
#include "filter/responsedrawing.h"
#include "filter/responsewindow.h"
#include "plot/cursorcore.h"
#include "plot/cursorreadout.h"
#include "plot/graphcursors.h"
#include "plot/repres.h"
#include "plot/timegraph.h"
#include "spectrum/fenetspectres.h"
#include "spectrum/spectrumdrawing.h"
#include "tests/plot/graphstates.h"
#include "tests/plot/svgsummary.h"
#include "widgets/pictureview.h"

#include <QLabel>
#include <QtTest>

using namespace graphstates;

namespace {

// The square through the band-pass, harmonics 1 and 3 shown, the ideal
// waveform and the output on the graph.
SharedState Busy()
{
    SharedState s = SquareThroughBandPass();
    s.Signal.Harmonics.Shown[1] = true;
    s.Signal.Harmonics.Shown[3] = true;
    s.Display.ShowIdealSignal = true;
    s.Display.SuperposeOutput = true;
    Recompute(s);
    return s;
}

QString Text(CursorReadout* r, const char* key, int column)
{
    QLabel* l = r->Cell(QString::fromLatin1(key), column);
    return l ? l->text() : QStringLiteral("<none>");
}

QString Number(double v)
{
    return QString::fromStdString(ReadoutNumber(v));
}

// A curve's value as the read-out writes it: rounding noise, a billion
// times below the value axis, reads 0.
QString Value(const SharedState& s, double v)
{
    return QString::fromStdString(
        ReadoutNumber(v, 1e-9 * std::max(std::abs(s.View.ValueMin), std::abs(s.View.ValueMax))));
}

} // namespace

class CursorsTest : public QObject {
    Q_OBJECT

private slots:
    void nothingShownAtTheDefaults();
    void clickReadsTheEvaluators_data();
    void clickReadsTheEvaluators();
    void keyboardMoves();
    void secondCursorGivesTheInterval();
    void shiftClickSnaps();
    void cursorsFollowTheZoom();
    void copyDrawsTheCursors();
    void responseAtTheCutoff();
    void responseSnapsToItsPlaces();
    void spectraReadTheBars();
};

// Before the user asks, no cursor, no read-out, and the picture is the
// one the drawing routine makes.
void CursorsTest::nothingShownAtTheDefaults()
{
    SharedState s = Busy();
    Tfengraphe g(s);
    g.Redraw();
    auto* view = g.findChild<PictureView*>(QStringLiteral("Image1"));
    QVERIFY(view);
    QVERIFY(!g.Cursors()->Shown());
    QVERIFY(view->Marks().empty());
    QVERIFY(!g.Readout()->isVisible());
    QImage plain;
    DrawTimeGraph(plain, s, g.PictureSize().Width, g.PictureSize().Height, g.Picture().devicePixelRatio());
    QCOMPARE(g.Picture(), plain);
    // Shown and moved, the cursor leaves the picture as it is.
    QTest::keyClick(view, Qt::Key_C);
    QVERIFY(g.Cursors()->Shown());
    QTest::keyClick(view, Qt::Key_Right);
    QCOMPARE(g.Picture(), plain);
    QCOMPARE(view->Marks().size(), std::size_t(1));
    QTest::keyClick(view, Qt::Key_Escape);
    QVERIFY(view->Marks().empty());
    QVERIFY(!g.Readout()->isVisible());
}

void CursorsTest::clickReadsTheEvaluators_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("black");
    QTest::newRow("left end") << -1 << false;
    QTest::newRow("inside") << 137 << false;
    QTest::newRow("black background") << 250 << true;
    QTest::newRow("right end") << -2 << false;
}

void CursorsTest::clickReadsTheEvaluators()
{
    QFETCH(int, column);
    QFETCH(bool, black);
    SharedState s = Busy();
    s.Display.BlackBackground = black;
    Tfengraphe g(s);
    g.show();
    g.Redraw();
    auto* view = g.findChild<PictureView*>(QStringLiteral("Image1"));
    const PlotFrame f = TimeGraphFrame(s, g.PictureSize().Width, g.PictureSize().Height);
    const int x = column == -1 ? f.Left() : column == -2 ? f.Right() : column;
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(x, 100));
    const double t = ColumnToValue(f.Left(), f.Right(), x, s.View.TimeStart, s.View.TimeEnd);
    QCOMPARE(*g.Cursors()->At(0), t);
    QCOMPARE(view->Marks().size(), std::size_t(1));
    QCOMPARE(view->Marks()[0].Column, x);
    QCOMPARE(view->Marks()[0].Colour, CursorColour(s.Display, black));
    CursorReadout* r = g.Readout();
    QVERIFY(r->isVisible());
    QCOMPARE(Text(r, "T", 0), Number(t));
    QCOMPARE(Text(r, "Entree", 0), Value(s, EvaluateInput(s, t)));
    QCOMPARE(Text(r, "Sortie", 0), Value(s, EvaluateOutput(s, t)));
    QCOMPARE(Text(r, "Ideal", 0), Value(s, EvaluateIdealSignal(s, t)));
    QCOMPARE(Text(r, "H1", 0), Value(s, EvaluateHarmonic(s, 1, t)));
    QCOMPARE(Text(r, "H3", 0), Value(s, EvaluateHarmonic(s, 3, t)));
    QCOMPARE(r->Cell(QStringLiteral("H3"), 1), nullptr);
    QCOMPARE(r->Cell(QStringLiteral("Entree"), 0)->accessibleName(),
             QStringLiteral("Entrée, Curseur 1 : ") + Value(s, EvaluateInput(s, t)));
    // The read-out stands whole beside the graph's window, not over it.
    QVERIFY(!r->frameGeometry().intersects(g.frameGeometry()));
    for (QLabel* l : r->findChildren<QLabel*>())
        QVERIFY2(l->width() >= l->sizeHint().width(), qPrintable(l->objectName()));
}

void CursorsTest::keyboardMoves()
{
    SharedState s = Busy();
    Tfengraphe g(s);
    g.Redraw();
    auto* view = g.findChild<PictureView*>(QStringLiteral("Image1"));
    const PlotFrame f = TimeGraphFrame(s, g.PictureSize().Width, g.PictureSize().Height);
    const int middle = (f.Left() + f.Right()) / 2, tenth = (f.Right() - f.Left()) / 10;
    QTest::keyClick(view, Qt::Key_Right); // a move shows the cursor first
    QCOMPARE(g.Cursors()->Column(0), middle);
    QTest::keyClick(view, Qt::Key_Right);
    QCOMPARE(g.Cursors()->Column(0), middle + 1);
    QTest::keyClick(view, Qt::Key_Left);
    QTest::keyClick(view, Qt::Key_Left);
    QCOMPARE(g.Cursors()->Column(0), middle - 1);
    QTest::keyClick(view, Qt::Key_PageUp);
    QCOMPARE(g.Cursors()->Column(0), middle - 1 + tenth);
    QTest::keyClick(view, Qt::Key_PageDown);
    QTest::keyClick(view, Qt::Key_PageDown);
    QCOMPARE(g.Cursors()->Column(0), middle - 1 - tenth);
    QTest::keyClick(view, Qt::Key_End);
    QCOMPARE(*g.Cursors()->At(0), s.View.TimeEnd);
    QTest::keyClick(view, Qt::Key_Right); // held at the end
    QCOMPARE(*g.Cursors()->At(0), s.View.TimeEnd);
    QTest::keyClick(view, Qt::Key_Home);
    QCOMPARE(*g.Cursors()->At(0), s.View.TimeStart);
    QTest::keyClick(view, Qt::Key_Left);
    QCOMPARE(*g.Cursors()->At(0), s.View.TimeStart);
    QCOMPARE(Text(g.Readout(), "T", 0), Number(s.View.TimeStart));
    QTest::keyClick(view, Qt::Key_C);
    QVERIFY(!g.Cursors()->Shown());
}

void CursorsTest::secondCursorGivesTheInterval()
{
    SharedState s = Busy(); // 100 Hz
    Tfengraphe g(s);
    g.show();
    g.Redraw();
    auto* view = g.findChild<PictureView*>(QStringLiteral("Image1"));
    const PlotFrame f = TimeGraphFrame(s, g.PictureSize().Width, g.PictureSize().Height);
    const double step = (s.View.TimeEnd - s.View.TimeStart) / (f.Right() - f.Left());
    const int apart = static_cast<int>(std::lround(0.01 / step));
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(f.Left() + 3, 50));
    QTest::mouseClick(view, Qt::LeftButton, Qt::ControlModifier, QPoint(f.Left() + 3 + apart, 50));
    const double t1 = *g.Cursors()->At(0), t2 = *g.Cursors()->At(1);
    QVERIFY(std::abs((t2 - t1) - 0.01) <= step / 2);
    CursorReadout* r = g.Readout();
    QCOMPARE(Text(r, "T", 2), Number(t2 - t1));
    QCOMPARE(Text(r, "InverseT", 2), Number(1.0 / (t2 - t1)));
    QCOMPARE(Text(r, "Entree", 2), Value(s, EvaluateInput(s, t2) - EvaluateInput(s, t1)));
    QCOMPARE(r->findChild<QLabel*>(QStringLiteral("LectureTitre3"))->text(), QStringLiteral("Écart"));
    QCOMPARE(view->Marks().size(), std::size_t(2));
    QVERIFY(view->Marks()[1].Dashed);
    // Keys 1 and 2 choose what the arrows move.
    QTest::keyClick(view, Qt::Key_1);
    QTest::keyClick(view, Qt::Key_Right);
    QCOMPARE(g.Cursors()->Column(0), f.Left() + 4);
    QCOMPARE(*g.Cursors()->At(1), t2);
}

void CursorsTest::shiftClickSnaps()
{
    SharedState s = StartUp(); // the input alone: a sinusoid of 100 Hz
    s.Signal.Harmonics.AmplitudePercent[1] = 80;
    Recompute(s);
    Tfengraphe g(s);
    g.Redraw();
    auto* view = g.findChild<PictureView*>(QStringLiteral("Image1"));
    const PlotFrame f = TimeGraphFrame(s, g.PictureSize().Width, g.PictureSize().Height);
    // Near the crest at 2.5 ms, and near the zero crossing at 5 ms.
    QTest::mouseClick(view, Qt::LeftButton, Qt::ShiftModifier, QPoint(f.Column(0.0027), f.Row(0.8)));
    QVERIFY(std::abs(*g.Cursors()->At(0) - 0.0025) < 1e-10);
    QTest::mouseClick(view, Qt::LeftButton, Qt::ShiftModifier, QPoint(f.Column(0.0048), f.Row(0.0)));
    QVERIFY(std::abs(*g.Cursors()->At(0) - 0.005) < 1e-10);
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
    QVERIFY(std::abs(*g.Cursors()->At(0) - 0.0075) < 1e-10);
    QTest::keyClick(view, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_Left, Qt::ShiftModifier);
    QVERIFY(std::abs(*g.Cursors()->At(0) - 0.0025) < 1e-10);
}

void CursorsTest::cursorsFollowTheZoom()
{
    SharedState s = Busy();
    Tfengraphe g(s);
    g.Redraw();
    auto* view = g.findChild<PictureView*>(QStringLiteral("Image1"));
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(300, 50));
    const double t = *g.Cursors()->At(0);
    ZoomTimeRange(s.View, 2.0);
    g.Redraw();
    QCOMPARE(*g.Cursors()->At(0), t); // the same instant, at its new column
    const PlotFrame f = TimeGraphFrame(s, g.PictureSize().Width, g.PictureSize().Height);
    QCOMPARE(view->Marks()[0].Column, f.Column(t));
    ZoomTimeRange(s.View, 0.25); // the instant leaves the axis: the cursor stays at its end
    g.Redraw();
    QCOMPARE(*g.Cursors()->At(0), s.View.TimeEnd);
}

void CursorsTest::copyDrawsTheCursors()
{
    SharedState s = Busy();
    const double times[] = {0.002, 0.007};
    const QByteArray without = VectorDocument(600, 300, [&](QPaintDevice& d) { DrawTimeGraphVector(d, s, 600, 300); });
    QVERIFY(!without.contains("#900090"));
    const QByteArray with =
        VectorDocument(600, 300, [&](QPaintDevice& d) { DrawTimeGraphVector(d, s, 600, 300, times); });
    QVERIFY(with.contains("#900090"));
    s.Display.PaperPalette = true;
    const QByteArray paper =
        VectorDocument(600, 300, [&](QPaintDevice& d) { DrawTimeGraphVector(d, s, 600, 300, times); });
    QVERIFY(paper.contains("#202020"));
    QVERIFY(!paper.contains("#900090"));
    // The response's copy, likewise.
    const double places[] = {2.0};
    const QByteArray response = VectorDocument(
        600, 400, [&](QPaintDevice& d) { DrawFilterResponseVector(d, s, false, 600, 400, places); });
    QVERIFY(response.contains("#202020"));
    const QByteArray plainResponse =
        VectorDocument(600, 400, [&](QPaintDevice& d) { DrawFilterResponseVector(d, s, false, 600, 400); });
    QVERIFY(!plainResponse.contains("#202020"));
}

void CursorsTest::responseAtTheCutoff()
{
    SharedState s = StartUp();
    s.Signal.Harmonics.AmplitudePercent[1] = 100;
    s.Filter.Kind = FilterKind::LowPass1;
    s.Filter.CutoffHz = 1000;
    ApplyFilter(s);
    Tfenreponse r(s);
    r.show();
    r.Redraw();
    r.Cursors()->Place(0, 3.0); // 1000 Hz
    CursorReadout* out = r.Readout();
    QVERIFY(out->isVisible());
    QCOMPARE(Text(out, "F", 0), QStringLiteral("1E3")); // above 400: the exponent form
    QCOMPARE(Text(out, "Gain", 0), QStringLiteral("-3.01"));
    QCOMPARE(Text(out, "Phase", 0), QStringLiteral("-45"));
    QCOMPARE(Text(out, "Rang", 0), QStringLiteral("10"));
    QVERIFY(!out->frameGeometry().intersects(r.frameGeometry()));
    // Closing the window takes the read-out with it; showing it again
    // brings it back.
    r.hide();
    QVERIFY(!out->isVisible());
    r.show();
    QVERIFY(out->isVisible());
    r.Cursors()->HideAll();
    QVERIFY(!out->isVisible());
}

void CursorsTest::responseSnapsToItsPlaces()
{
    SharedState s = StartUp();
    s.Signal.Harmonics.AmplitudePercent[1] = 100;
    s.Filter.Kind = FilterKind::BandPass;
    s.Filter.CutoffHz = 500;
    s.Filter.Damping = 0.5;
    ApplyFilter(s);
    Tfenreponse r(s);
    r.show();
    r.Redraw();
    auto* view = r.findChild<PictureView*>(QStringLiteral("Image1"));
    r.Cursors()->Place(0, 2.0);
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier); // the lower -3 dB point
    QCOMPARE(Text(r.Readout(), "Gain", 0), QStringLiteral("-3.01"));
    QVERIFY(std::abs(*r.Cursors()->At(0) - std::log10(500 * (std::sqrt(1.25) - 0.5))) < 1e-9);
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier); // the centre
    QCOMPARE(Text(r.Readout(), "F", 0), QStringLiteral("5E2"));
    QCOMPARE(Text(r.Readout(), "Gain", 0), QStringLiteral("0"));
    QCOMPARE(Text(r.Readout(), "Phase", 0), QStringLiteral("0"));
}

void CursorsTest::spectraReadTheBars()
{
    SharedState s = SquareThroughBandPass();
    Tfenspectres w(s);
    w.show();
    w.Redraw();
    auto* view = w.findChild<PictureView*>(QStringLiteral("Image1"));
    QLabel* line = w.RankReadout();
    QVERIFY(!line->isVisible());
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Right);
    QCOMPARE(w.ReadRank(), 1);
    QVERIFY(line->isVisible());
    QCOMPARE(line->text(), QStringLiteral("Rang 1 : 100 Hz — en % de la pleine échelle : entrée %1, sortie %2")
                               .arg(Number(w.Layout().LabelIn[1]), Number(w.Layout().LabelOut[1])));
    // The mouse over the bar of rank 3; the line stays whole under the picture.
    const PlotFrame f = SpectrumRankFrame(s.Display, w.PictureSize().width(), w.PictureSize().height());
    QTest::mouseMove(view, QPoint(f.Column(3) + 1, 60));
    QCOMPARE(w.ReadRank(), 3);
    QVERIFY(line->text().startsWith(QStringLiteral("Rang 3 : 300 Hz")));
    QVERIFY(line->geometry().top() >= view->geometry().bottom());
    QVERIFY(line->geometry().right() < w.width() && line->geometry().bottom() < w.height());
    QCOMPARE(line->accessibleName(), QStringLiteral("Raie : ") + line->text());
    // A narrow window puts the line on two lines, still whole.
    w.resize(320, 288);
    QVERIFY(line->geometry().right() < w.width() && line->geometry().bottom() < w.height());
    QVERIFY(line->height() >= line->heightForWidth(line->width()));
    QVERIFY(line->height() > line->fontMetrics().height());
    // Escape puts the line away.
    QTest::keyClick(view, Qt::Key_Escape);
    QVERIFY(!line->isVisible());
}

QTEST_MAIN(CursorsTest)
#include "tst_cursors.moc"
