// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Réponse du filtre" inside the running program: opened from
// the main window's filter picture, redrawn by every recompute while it is
// on screen, its copy and its measurement table.

#include "tests/app/programtest.h"
#include "tests/plot/svgsummary.h"

#include "app/program.h"
#include "app/simplefour.h"
#include "filter/responsedrawing.h"
#include "filter/responsewindow.h"
#include "plot/repres.h"
#include "settings/parsignalsimple.h"
#include "signal/rappcyclique.h"
#include "widgets/tvrbitmapimage.h"
#include "widgets/tvrbitmaplist.h"
#include "widgets/tvrcheckled.h"
#include "widgets/tvrclickvalue.h"
#include "widgets/tvrdemobutton.h"
#include "widgets/tvrnum.h"
#include "widgets/tvrnumedit.h"
#include "widgets/tvrpowerbutton.h"
#include "widgets/tvrslider.h"
#include "widgets/tvrtrackbar.h"
#include "widgets/txibutton.h"

#include <QClipboard>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QMimeData>
#include <QToolButton>
#include <QtTest>

#include <cmath>
#include <memory>

using Texts = QStringList;

namespace {

// Rows of the filter selector.
constexpr int LowPass2Led = 1, BandPassLed = 3;

QRgb Rgb(Colour c)
{
    return QColor(int((c >> 16) & 0xFF), int((c >> 8) & 0xFF), int(c & 0xFF)).rgb();
}

} // namespace

class ResponseWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QDir().mkpath(PICTURE_DIR);
    }
    void init();
    void cleanup()
    {
        m_ui.reset();
        m_program.reset();
    }

    void clickingThePictureOpensIt();
    void redrawsOnlyWhileVisible_data();
    void redrawsOnlyWhileVisible();
    void resizeRedraws();
    void markersFollowF0();
    void copyPutsSvgAndPng();
    void measurements_data();
    void measurements();
    void savePictures_data();
    void savePictures();

private:
    Ui& W() { return *m_ui; }
    Tfenreponse& R() { return m_program->fenreponse(); }
    // The response window's controls, by their names.
    template <typename T>
    T* Control(const char* name) { return Ui::Get<T>(R(), QString::fromLatin1(name)); }
    TXiButton* Copier() { return Control<TXiButton>("XiButton1"); }
    TVrCheckLed* Asymptotes() { return Control<TVrCheckLed>("VrCheckLed1"); }
    QWidget* Image1() { return Control<PictureView>("Image1"); }
    QWidget* Mesures() { return Control<QFrame>("Mesures"); }
    TForm2& F() { return m_program->Form2(); }
    int RedrawCount() { return m_program->Cycle().RedrawCount(); }
    SharedState& S() { return m_program->State(); }
    static void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    void Open()
    {
        Click(W().VrBitmapImage1);
        QVERIFY(QTest::qWaitForWindowExposed(&R()));
    }
    // Answers the next input box with `text` and clicks `w`, which opens it.
    void Type(QWidget* w, const QString& text)
    {
        m_dialogs.Answers.push(text);
        Click(w);
    }
    // The square at 50 % through filter `led` at 300 Hz, m = 0.2.
    void SquareThrough(int led)
    {
        Click(W().VrPowerButton[2]);
        m_program->rappcycl().hide();
        Click(W().FilterLed[led]);
        Type(W().VrNum1, QStringLiteral("300"));
        W().VrTrackBar1->setPosition(40);
        QCOMPARE(S().Filter.CutoffHz, 300.0);
        QCOMPARE(S().Filter.Damping, 0.2);
    }
    // One change of kind `action`, different each time `n` differs.
    void Act(int action, int n);

    FakeDialogs m_dialogs;
    std::unique_ptr<Program> m_program;
    std::unique_ptr<Ui> m_ui;
};

void ResponseWindowTest::init()
{
    m_dialogs = FakeDialogs();
    m_program = std::make_unique<Program>(m_dialogs);
    m_ui = std::make_unique<Ui>(*m_program);
    m_program->Show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_program->fengraphe()));
}

void ResponseWindowTest::clickingThePictureOpensIt()
{
    QVERIFY(!R().isVisible());
    QCOMPARE(R().windowTitle(), QStringLiteral("Réponse du filtre"));
    QCOMPARE(W().VrBitmapImage1->toolTip(), QStringLiteral("Cliquer pour voir la réponse du filtre"));
    QCOMPARE(W().VrBitmapImage1->cursor().shape(), Qt::PointingHandCursor);
    // A press that leaves the picture before its release is no click.
    QTest::mousePress(W().VrBitmapImage1, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(W().VrBitmapImage1, Qt::LeftButton, {}, QPoint(-5, 5));
    QVERIFY(!R().isVisible());
    QCOMPARE(R().RedrawCount(), 0);

    Open();
    QCOMPARE(R().RedrawCount(), 1);
    QCOMPARE(R().Picture().size(), R().PictureSize());
    QCOMPARE(Image1()->geometry(), QRect(QPoint(8, 64), R().PictureSize()));
    QCOMPARE(Mesures()->geometry().bottom(), R().height() - 9);
    QVERIFY(Mesures()->geometry().top() > Image1()->geometry().bottom());
    for (const char* name : {"XiButton1", "VrCheckLed1", "Image1", "Mesures", "MoyenneEntree", "CreteSortie"})
        QVERIFY2(R().findChild<QWidget*>(QString::fromLatin1(name)), name);
    QCOMPARE(Copier()->toolTip(), QStringLiteral("Copie vectorielle"));
    QCOMPARE(Asymptotes()->Caption(), QStringLiteral("Asymptotes"));
    QVERIFY(!Asymptotes()->Checked());

    // "Asymptotes" redraws at once; a click on the picture of an open
    // window brings it back in front without closing it.
    SquareThrough(LowPass2Led);
    const QImage without = R().Picture();
    const int redraws = R().RedrawCount();
    Click(Asymptotes());
    QCOMPARE(R().RedrawCount(), redraws + 1);
    QVERIFY(R().Picture() != without);
    Click(W().VrBitmapImage1);
    QVERIFY(R().isVisible());

    // Closing hides it; the next click shows it again, drawn afresh.
    R().close();
    QVERIFY(!R().isVisible());
    Open();
    QCOMPARE(R().View().Kind, FilterKind::LowPass2);
}

void ResponseWindowTest::Act(int action, int n)
{
    switch (action) {
    case 0: // an amplitude slider
        W().Vramp[3]->setPosition(10 * n);
        break;
    case 1: // the filter selector, then the damping
        Click(W().FilterLed[1 + n % 2]);
        W().VrTrackBar1->setPosition(20 * n);
        break;
    case 2: // the background colour, through the settings dialog's OK
        Click(W().VrDemoButton2);
        Click(W().Form2.CheckBox1);
        Click(W().Form2.OKbutt);
        QVERIFY(!F().isVisible());
        break;
    }
}

void ResponseWindowTest::redrawsOnlyWhileVisible_data()
{
    QTest::addColumn<int>("action");
    QTest::addRow("slider") << 0;
    QTest::addRow("filter control") << 1;
    QTest::addRow("setting") << 2;
}

void ResponseWindowTest::redrawsOnlyWhileVisible()
{
    QFETCH(int, action);
    int cycles = RedrawCount();
    Act(action, 1);
    QVERIFY(RedrawCount() > cycles);
    QCOMPARE(R().RedrawCount(), 0);

    Open();
    for (int n = 2; n <= 3; ++n) {
        cycles = RedrawCount();
        const int redraws = R().RedrawCount();
        const QImage before = R().Picture();
        const QString rms = R().Value(MeasureRow::Rms, MeasureColumn::Input)->text();
        Act(action, n);
        QVERIFY(RedrawCount() > cycles);
        // One redraw of the window for each recompute, showing the new state.
        QCOMPARE(R().RedrawCount() - redraws, RedrawCount() - cycles);
        // A new amplitude changes the measurements (the amplifier's line
        // stays); a new filter or background changes the picture.
        if (action == 0)
            QVERIFY(R().Value(MeasureRow::Rms, MeasureColumn::Input)->text() != rms);
        else
            QVERIFY(R().Picture() != before);
        QCOMPARE(R().View().Kind, S().Filter.Kind);
        if (action == 0) {
            QCOMPARE(R().View().Markers.size(), size_t(1));
            QCOMPARE(R().View().Markers[0].K, 3);
        }
    }

    R().hide();
    const int redraws = R().RedrawCount();
    Act(action, 4);
    QCOMPARE(R().RedrawCount(), redraws);
}

void ResponseWindowTest::resizeRedraws()
{
    SquareThrough(BandPassLed);
    Open();
    const QSize before = R().PictureSize();
    const int redraws = R().RedrawCount();
    R().resize(R().width() + 100, R().height() + 60);
    QTRY_COMPARE(R().RedrawCount(), redraws + 1);
    QCOMPARE(R().PictureSize(), before + QSize(100, 60));
    QCOMPARE(R().Picture().size(), R().PictureSize());
    QCOMPARE(Mesures()->geometry().bottom(), R().height() - 9);

    // No smaller than a readable picture.
    R().resize(100, 100);
    QTRY_COMPARE(R().size(), R().minimumSize());
    QVERIFY(R().PictureSize().width() >= 400 && R().PictureSize().height() >= 200);
    QCOMPARE(R().Picture().size(), R().PictureSize());
}

void ResponseWindowTest::markersFollowF0()
{
    SquareThrough(LowPass2Led);
    Open();
    auto columns = [this] {
        const ResponsePanels panels = ResponseLayout(R().View(), R().Picture().width(), R().Picture().height());
        QList<int> xs;
        for (const ResponseMarker& m : R().View().Markers) {
            const int x = panels.Gain.Column(m.Log10Hz);
            const QRgb colour = Rgb(S().Display.Plot.HarmonicColour[m.K]);
            if (R().Picture().pixel(x, panels.Gain.Row(m.GainDb)) != colour ||
                R().Picture().pixel(x, panels.Phase.Row(m.PhaseDeg)) != colour)
                return QList<int>();
            // The point is the cycle's own value.
            if (m.Gain != S().Signal.Harmonics.FilterGain[m.K] ||
                m.PhaseRad != S().Signal.Harmonics.FilterPhaseRad[m.K])
                return QList<int>();
            xs << x;
        }
        return xs;
    };
    auto harmonics = [this] {
        QList<double> hz;
        for (const ResponseMarker& m : R().View().Markers)
            hz << m.Hz;
        return hz;
    };
    QCOMPARE(harmonics(), (QList<double>{100, 300, 500, 700, 900, 1100}));
    const QList<int> at100 = columns();
    QCOMPARE(at100.size(), 6);

    Click(W().VrDemoButton2);
    W().Form2.VrNumEdit1->setText(QStringLiteral("200"));
    Click(W().Form2.OKbutt);
    QCOMPARE(S().Signal.FundamentalHz, 200);
    QCOMPARE(harmonics(), (QList<double>{200, 600, 1000, 1400, 1800, 2200}));
    const QList<int> at200 = columns();
    QCOMPARE(at200.size(), 6);
    for (int i = 0; i < 6; ++i)
        QVERIFY(at200[i] > at100[i]);
}

void ResponseWindowTest::copyPutsSvgAndPng()
{
    SquareThrough(BandPassLed);
    Open();
    Click(Asymptotes());
    S().Display.CopyWidthPx = 500;
    S().Display.CopyHeightPx = 380;
    const QImage window = R().Picture();
    Click(Copier());
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    QVERIFY(data->hasFormat(QStringLiteral("image/svg+xml")));
    QVERIFY(data->hasFormat(QStringLiteral("image/png")));
    const SvgSummary svg = ReadSvg(data->data(QStringLiteral("image/svg+xml")));
    QCOMPARE(svg.viewBox, QStringLiteral("0 0 500 380"));
    for (const char* text : {"fc", "Hz", "Gain (dB)", "3"})
        QVERIFY2(svg.texts.contains(QString::fromUtf8(text)), text);
    QImage png;
    QVERIFY(png.loadFromData(data->data(QStringLiteral("image/png")), "PNG"));
    QCOMPARE(png.size(), QSize(500, 380));
    QVERIFY(png.hasAlphaChannel());
    QCOMPARE(R().Picture(), window); // the window's own picture is untouched
}

void ResponseWindowTest::measurements_data()
{
    // Values of the input, then of the output: mean, RMS, alternating RMS,
    // distortion, crest factor.
    QTest::addColumn<int>("preset");  // button, 0: none
    QTest::addColumn<int>("fundamental"); // Vramp1's position, -1: as set
    QTest::addColumn<int>("second");      // Vramp2's position, -1: as set
    QTest::addColumn<QString>("gain");
    QTest::addColumn<bool>("factor10");
    QTest::addColumn<Texts>("input");
    QTest::addColumn<Texts>("output");
    const Texts square{".5", ".7026", ".4936", "43.5262 %", "1.1988"};
    QTest::addRow("square 50 %%") << 2 << -1 << -1 << "1" << false << square << square;
    QTest::addRow("square, G0 = -2, factor 10")
        << 2 << -1 << -1 << "-2" << true << square << Texts{"-10", "14.0513", "9.8712", "43.5262 %", "1.1988"};
    const Texts sine{"0", ".7071", ".7071", "0 %", "1.4142"};
    QTest::addRow("pure sine") << 0 << 100 << -1 << "1" << false << sine << sine;
    const Texts second{"0", ".3536", ".3536", "—", "1.4142"};
    QTest::addRow("no fundamental") << 0 << -1 << 50 << "1" << false << second << second;
    const Texts zero{"0", "0", "0", "—", "—"};
    QTest::addRow("start-up") << 0 << -1 << -1 << "1" << false << zero << zero;
}

void ResponseWindowTest::measurements()
{
    QFETCH(int, preset);
    QFETCH(int, fundamental);
    QFETCH(int, second);
    QFETCH(QString, gain);
    QFETCH(bool, factor10);
    QFETCH(Texts, input);
    QFETCH(Texts, output);
    Open();
    if (preset) {
        Click(W().VrPowerButton[preset]);
        m_program->rappcycl().hide();
    }
    if (fundamental >= 0)
        W().Vramp[1]->setPosition(fundamental);
    if (second >= 0)
        W().Vramp[2]->setPosition(second);
    Type(W().Label17, gain);
    if (factor10)
        W().UpDown1->Up()->click();
    QCOMPARE(S().Filter.StaticGain, gain.toDouble());
    Texts in, out;
    for (int r = 0; r < MeasureRowCount; ++r) {
        in << R().Value(MeasureRow(r), MeasureColumn::Input)->text();
        out << R().Value(MeasureRow(r), MeasureColumn::Output)->text();
    }
    QCOMPARE(in, input);
    QCOMPARE(out, output);
}

void ResponseWindowTest::savePictures_data()
{
    QTest::addColumn<int>("led");
    QTest::addColumn<bool>("asymptotes");
    QTest::addColumn<bool>("black");
    QTest::addRow("response-lowpass2") << LowPass2Led << false << true;
    QTest::addRow("response-bandpass") << BandPassLed << false << true;
    QTest::addRow("response-lowpass2-asymptotes-white") << LowPass2Led << true << false;
}

void ResponseWindowTest::savePictures()
{
    QFETCH(int, led);
    QFETCH(bool, asymptotes);
    QFETCH(bool, black);
    SquareThrough(led);
    Open();
    if (asymptotes)
        Click(Asymptotes());
    if (!black) {
        Click(W().VrDemoButton2);
        Click(W().Form2.CheckBox1);
        Click(W().Form2.OKbutt);
    }
    QCOMPARE(S().Display.BlackBackground, black);
    const QString path = QStringLiteral(PICTURE_DIR "/") + QString::fromLatin1(QTest::currentDataTag()) + ".png";
    QVERIFY(R().grab().save(path));
}

QTEST_MAIN(ResponseWindowTest)
#include "tst_responsewindow.moc"
