// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog driven through its own controls, with the dialogs
// answered by the test and a stand-in for the main window that records, in
// order, what the dialog asks of the other windows.

#include "tests/common/fakedialogs.h"

#include "plot/sampling.h"
#include "settings/parsignalsimple.h"
#include "widgets/tvrcheckled.h"
#include "widgets/tvrdemobutton.h"
#include "widgets/tvrnumedit.h"
#include "widgets/tvrslider.h"
#include "widgets/tvrstredit.h"

#include <QDialog>
#include <QDir>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

constexpr int NoChange = -1;

// The main window as the dialog sees it: the mean slider, the twelve
// amplitude sliders, and the read-outs and redraws it is asked for.
class MainStandIn : public QWidget, public MainSliderSettings {
public:
    MainStandIn(SharedState& s, TForm2& form) : m_s(s)
    {
        setWindowTitle(QStringLiteral("main"));
        resize(200, 100);
        Mean = new TVrSlider(this);
        Mean->setMaxValue(400);
        Mean->setMinValue(-400);
        for (int k = 1; k <= HarmonicCount; ++k)
            Amp[k] = new TVrSlider(this);
        // The mean slider's own change handling.
        connect(Mean, &TVrSlider::OnChange, this, [this](TVrSlider* slider) {
            m_s.Signal.MeanPercent = slider->Position();
            m_s.Signal.MeanValue = slider->Position() / 100.0 * m_s.Signal.FullScaleValue;
            Log << QStringLiteral("mean %1").arg(slider->Position()) << QStringLiteral("redraw");
        });
        connect(&form, &TForm2::FundamentalChanged, this,
                [this] { Log << QStringLiteral("fundamental %1").arg(m_s.Signal.FundamentalHz); });
        connect(&form, &TForm2::FullScaleChanged, this,
                [this](const QString& text) { Log << QStringLiteral("fullscale ") + text; });
        connect(&form, &TForm2::MeanRangeChanged, this, [this](int maxValue) {
            Log << QStringLiteral("range %1").arg(maxValue);
            Mean->setMaxValue(maxValue);
            Mean->setMinValue(-maxValue);
        });
        connect(&form, &TForm2::KeyIncrementChanged, this, [this](int step) {
            Log << QStringLiteral("key %1").arg(step);
            Mean->KeyIncrement = step;
            for (int k = 1; k <= HarmonicCount; ++k)
                Amp[k]->KeyIncrement = step;
        });
        connect(&form, &TForm2::PointCountResetRequested, this, [this] { Log << QStringLiteral("points"); });
        connect(&form, &TForm2::RedrawRequested, this, [this] { Log << QStringLiteral("redraw"); });
        connect(&form, &TForm2::SpectraRedrawRequested, this, [this] { Log << QStringLiteral("spectra"); });
        form.SetMainSliders(this);
    }

    int MeanSliderMax() const override { return Mean->MaxValue(); }
    int KeyIncrement() const override { return Amp[1]->KeyIncrement; }

    TVrSlider* Mean;
    std::array<TVrSlider*, 13> Amp{};
    QStringList Log;

private:
    SharedState& m_s;
};

void Click(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

bool Finite(const SharedState& s)
{
    const TimeGraphView& v = s.View;
    return std::isfinite(s.Signal.FullScaleValue) && std::isfinite(s.Signal.MeanValue) &&
           std::isfinite(v.PeriodsShown) && std::isfinite(v.TimeStart) && std::isfinite(v.TimeEnd) &&
           std::isfinite(v.TimeStep) && s.Signal.FundamentalHz >= 1 && s.Signal.FullScaleValue > 0 &&
           v.PeriodsShown > 0 && v.PeriodsShown < 10 && v.TimeEnd > v.TimeStart && v.TimeStep > 0;
}

// The colour fields in the order of the dialog's colour labels: axes,
// signal, synthesis, output, harmonics 1 to 12, input and output spectra.
std::array<Colour*, 18> ColourFields(DisplaySettings& d)
{
    std::array<Colour*, 18> f{&d.Plot.AxisColour, &d.SignalColour, &d.SynthesisColour, &d.OutputColour};
    for (int k = 1; k <= 12; ++k)
        f[3 + k] = &d.Plot.HarmonicColour[k];
    f[16] = &d.InputSpectrumColour;
    f[17] = &d.OutputSpectrumColour;
    return f;
}

const QString FrequencyMessage = QStringLiteral("Entrer à nouveau la fréquence");
const QString AmplitudeMessage = QStringLiteral("Entrer à nouveau l amplitude");
const QString PeriodsMessage = QStringLiteral("Entrer à nouveau le nombre de périodes");
const QString CoefficientMessage = QStringLiteral("Entrer à nouveau le coeff max de la valeur moyenne");
const QString KeyMessage = QStringLiteral("Entrer à nouveau le % incrémental");
// Marks a row whose answer is the conversion-error message naming the text.
const QString NotANumber = QStringLiteral("not a number");

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void window();
    void layoutAndScreenshot();
    void loadsFieldsOnShow();
    void reloadsOnComingBack();
    void okRefuses_data();
    void okRefuses();
    void okAccepts_data();
    void okAccepts();
    void okSequence();
    void fullScaleKeepsMeanPercentage();
    void hostileFields_data();
    void hostileFields();
    void gridAndBackground();
    void graduationLength_data();
    void graduationLength();
    void graduationFont();
    void colours_data();
    void colours();
    void colourPickerKeepsItsColour();
    void copySize_data();
    void copySize();
    void spectrumMode();
    void tabRunsAsTheDialogReads();
    void labelsAnswerTheKeyboard_data();
    void labelsAnswerTheKeyboard();

private:
    void Fill(const QString& f, const QString& a, const QString& p, const QString& c, const QString& k);

    SharedState m_s;
    FakeDialogs m_dialogs;
    std::unique_ptr<TForm2> m_form;
    std::unique_ptr<MainStandIn> m_main;
};

void SettingsTest::initTestCase()
{
    // Numbers typed in the numeric fields use the period here.
    QLocale::setDefault(QLocale::c());
    QDir().mkpath(PICTURE_DIR);
}

void SettingsTest::init()
{
    m_s = SharedState();
    m_s.Filter.Kind = FilterKind::Amplifier;
    ResetTimeRange(m_s);
    m_dialogs = FakeDialogs();
    m_form = std::make_unique<TForm2>(m_s, m_dialogs);
    m_main = std::make_unique<MainStandIn>(m_s, *m_form);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void SettingsTest::cleanup()
{
    m_form.reset();
    m_main.reset();
}

// Types into the five fields. The focus waits on OK, so that the numeric
// fields keep the text as typed rather than as they rewrite it on leaving.
void SettingsTest::Fill(const QString& f, const QString& a, const QString& p, const QString& c, const QString& k)
{
    m_form->OKbutt->setFocus();
    m_form->VrNumEdit1->setText(f);
    m_form->VrStrEdit1->setText(a);
    m_form->VrStrEdit2->setText(p);
    m_form->VrNumEdit2->setText(c);
    m_form->VrNumEdit3->setText(k);
}

void SettingsTest::window()
{
    TForm2& f = *m_form;
    QCOMPARE(f.windowTitle(), QStringLiteral("Parametres"));
    QCOMPARE(f.size(), QSize(458, 394));
    QVERIFY(!(f.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(f.windowFlags() & Qt::WindowMinMaxButtonsHint));

    // Neither Escape nor a close request closes it; only OK does.
    QTest::keyClick(&f, Qt::Key_Escape);
    QVERIFY(f.isVisible());
    QVERIFY(!f.close());
    QVERIFY(f.isVisible());
    Click(f.OKbutt);
    QVERIFY(!f.isVisible());
    QVERIFY(m_dialogs.Errors.isEmpty());

    // The OK caption: black bold normally, red under the pointer.
    QVERIFY(f.OKbutt->FontLeave().bold());
    QVERIFY(!f.OKbutt->FontEnter().bold());
    QCOMPARE(f.OKbutt->ColorLeave(), QColor(Qt::black));
    QCOMPARE(f.OKbutt->ColorEnter(), QColor(Qt::red));
}

// Every caption as given, each inside its parent, fully shown and clear of
// its neighbours; the colour labels in their colours; the picture saved.
void SettingsTest::layoutAndScreenshot()
{
    TForm2& f = *m_form;
    QStringList captions;
    for (const QLabel* l : f.findChildren<QLabel*>())
        captions << l->text();
    for (const TVrCheckLed* l : f.findChildren<TVrCheckLed*>())
        captions << l->Caption();
    for (const TVrDemoButton* b : f.findChildren<TVrDemoButton*>())
        captions << b->Caption();
    const QStringList expected = {
        "Parametres du signal", "Fréquence: (<1MHz)", "Amplitude max des harmoniques",
        "Nb de périodes visualisées<10", "Synthetiseur", "Coeff max valmoy<=10", "Incrément (%) avec touches",
        "Type spectres", "% amp", "Ampl", "RMS", "Parametres graphiques", "Quadrillage", "Fond noir",
        "Type de quadrillage", "Plein", "Pointillés", "Longueur graduations:  3", "Type graduations",
        "Couleur axes", "Couleurs des courbes:", "Couleur signal", "Couleur synthèse", "Couleur sortie",
        "Couleur harmo 1", "Couleur harmo 2", "Couleur harmo 3", "Couleur harmo 4", "Couleur harmo 5",
        "Couleur harmo 6", "Couleur harmo 7", "Couleur harmo 8", "Couleur harmo 9", "Couleur harmo 10",
        "Couleur harmo11", "Couleur harmo 12", "Couleur spectre Entrée", "Couleur spectre Sortie",
        "Taille graphe copié", "14,9", "horiz (cm)", "11", "vertic (cm)", "OK", "A propos",
        "Fourier et filtres"};
    for (const QString& c : expected)
        QVERIFY2(captions.contains(c), qPrintable(c));
    QVERIFY(captions.contains(QStringLiteral("Version " PROGRAM_VERSION)));

    for (const QWidget* w : f.findChildren<QWidget*>()) {
        const QWidget* parent = w->parentWidget();
        QVERIFY2(parent->rect().contains(w->geometry()), qPrintable(w->objectName()));
        if (qobject_cast<const QLabel*>(w) || qobject_cast<const TVrCheckLed*>(w) ||
            qobject_cast<const TVrDemoButton*>(w))
            QVERIFY2(w->width() >= w->sizeHint().width() && w->height() >= w->sizeHint().height(),
                     qPrintable(w->objectName()));
        for (const QWidget* sibling : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (sibling != w && !(sibling->isAncestorOf(w) || w->isAncestorOf(sibling)))
                QVERIFY2(!w->geometry().intersects(sibling->geometry()),
                         qPrintable(w->objectName() + " / " + sibling->objectName()));
    }

    const QImage shot = f.grab().toImage();
    QVERIFY(shot.save(QStringLiteral(PICTURE_DIR "/settings-dialog.png")));
    // Each colour label is written in its colour (up to the smoothing of
    // the glyphs' edges) on the black of the graphs.
    for (int i = 0; i < TForm2::ColourCount; ++i) {
        TClickableLabel* l = f.ColourLabel[i];
        const QColor want = QColor(QRgb(f.ColourField(i)));
        QCOMPARE(l->textColour(), want);
        const QImage img = l->grab().toImage();
        auto near = [&](QColor c) {
            return std::abs(c.red() - want.red()) <= 40 && std::abs(c.green() - want.green()) <= 40 &&
                   std::abs(c.blue() - want.blue()) <= 40;
        };
        bool seen = false;
        for (int y = 0; y < img.height() && !seen; ++y)
            for (int x = 0; x < img.width() && !seen; ++x)
                seen = near(QColor(img.pixel(x, y)));
        QVERIFY2(seen, qPrintable(l->objectName()));
    }
}

void SettingsTest::loadsFieldsOnShow()
{
    TForm2& f = *m_form;
    QCOMPARE(f.VrNumEdit1->text(), QStringLiteral("100"));
    QCOMPARE(f.VrStrEdit1->text(), QStringLiteral("1"));
    QCOMPARE(f.VrStrEdit2->text(), QStringLiteral("1"));
    QCOMPARE(f.VrNumEdit2->text(), QStringLiteral("4"));
    QCOMPARE(f.VrNumEdit3->text(), QStringLiteral("5"));

    f.hide();
    m_s.Signal.FundamentalHz = 2500;
    m_s.Signal.FullScaleValue = 0.25;
    m_s.View.PeriodsShown = 2.5;
    m_main->Mean->setMaxValue(750);
    m_main->Amp[1]->KeyIncrement = 3;
    m_s.Display.Plot.HarmonicColour[3] = 0x123456;
    f.VrNumEdit2->setText(QStringLiteral("8"));
    f.show();
    QCOMPARE(f.VrNumEdit1->text(), QStringLiteral("2500"));
    QCOMPARE(f.VrStrEdit1->text(), QStringLiteral(".25"));
    QCOMPARE(f.VrStrEdit2->text(), QStringLiteral("2.5"));
    QCOMPARE(f.VrNumEdit2->text(), QStringLiteral("7.5"));
    QCOMPARE(f.VrNumEdit3->text(), QStringLiteral("3"));
    QCOMPARE(f.findChild<TClickableLabel*>(QStringLiteral("Label5"))->textColour(), QColor(0x12, 0x34, 0x56));
}

// Typing not committed is replaced by the state when the user comes back
// from another window of the program, but not when a box or picker of the
// dialog itself closes.
void SettingsTest::reloadsOnComingBack()
{
    TForm2& f = *m_form;
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    f.VrNumEdit1->setText(QStringLiteral("777"));

    QDialog own(&f);
    own.show();
    own.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&own));
    own.hide();
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QCOMPARE(f.VrNumEdit1->text(), QStringLiteral("777"));

    m_main->show();
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    m_s.Signal.FundamentalHz = 440;
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QCOMPARE(f.VrNumEdit1->text(), QStringLiteral("440"));
}

void SettingsTest::okRefuses_data()
{
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("p");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("k");
    QTest::addColumn<QString>("message");
    // What is committed before the refusal (NoChange: the start value).
    QTest::addColumn<int>("f0");
    QTest::addColumn<double>("fullScale");
    QTest::addColumn<double>("periods");
    QTest::addColumn<int>("meanMax");

    QTest::newRow("f 0") << "0" << "2" << "2" << "2" << "2" << FrequencyMessage << NoChange << 1.0 << 1.0 << 400;
    QTest::newRow("f 1000000") << "1000000" << "2" << "2" << "2" << "2" << FrequencyMessage << NoChange << 1.0
                               << 1.0 << 400;
    QTest::newRow("f empty") << "" << "2" << "2" << "2" << "2" << FrequencyMessage << NoChange << 1.0 << 1.0 << 400;
    QTest::newRow("f -5") << "-5" << "2" << "2" << "2" << "2" << FrequencyMessage << NoChange << 1.0 << 1.0 << 400;
    QTest::newRow("f 0.5 rounds to 0") << "0.5" << "2" << "2" << "2" << "2" << FrequencyMessage << NoChange << 1.0
                                       << 1.0 << 400;
    QTest::newRow("f lone minus") << "-" << "2" << "2" << "2" << "2" << NotANumber << NoChange << 1.0 << 1.0 << 400;
    QTest::newRow("a 0, f kept") << "250" << "0" << "2" << "2" << "2" << AmplitudeMessage << 250 << 1.0 << 1.0
                                 << 400;
    QTest::newRow("a -1") << "250" << "-1" << "2" << "2" << "2" << AmplitudeMessage << 250 << 1.0 << 1.0 << 400;
    QTest::newRow("a letters") << "250" << "abc" << "2" << "2" << "2" << AmplitudeMessage << 250 << 1.0 << 1.0
                               << 400;
    QTest::newRow("p 10") << "250" << "3" << "10" << "2" << "2" << PeriodsMessage << 250 << 3.0 << 1.0 << 400;
    QTest::newRow("p 0") << "250" << "3" << "0" << "2" << "2" << PeriodsMessage << 250 << 3.0 << 1.0 << 400;
    QTest::newRow("p subnormal") << "250" << "3" << "4.9e-324" << "2" << "2" << PeriodsMessage << 250 << 3.0 << 1.0
                                 << 400;
    QTest::newRow("c 10") << "250" << "3" << "9.99" << "10" << "2" << CoefficientMessage << 250 << 3.0 << 9.99
                          << 400;
    QTest::newRow("c 0") << "250" << "3" << "9.99" << "0" << "2" << CoefficientMessage << 250 << 3.0 << 9.99 << 400;
    QTest::newRow("c empty") << "250" << "3" << "9.99" << "" << "2" << CoefficientMessage << 250 << 3.0 << 9.99
                             << 400;
    QTest::newRow("c 9.996 rounds to 1000") << "250" << "3" << "9.99" << "9.996" << "2" << CoefficientMessage << 250
                                            << 3.0 << 9.99 << 400;
    QTest::newRow("c 0.004 rounds to 0") << "250" << "3" << "9.99" << "0.004" << "2" << CoefficientMessage << 250
                                         << 3.0 << 9.99 << 400;
    QTest::newRow("c lone minus") << "250" << "3" << "9.99" << "-" << "2" << NotANumber << 250 << 3.0 << 9.99 << 400;
    QTest::newRow("k 10") << "250" << "3" << "9.99" << "3" << "10" << KeyMessage << 250 << 3.0 << 9.99 << 300;
    QTest::newRow("k 0") << "250" << "3" << "9.99" << "3" << "0" << KeyMessage << 250 << 3.0 << 9.99 << 300;
    QTest::newRow("k 0.4 rounds to 0") << "250" << "3" << "9.99" << "3" << "0.4" << KeyMessage << 250 << 3.0 << 9.99
                                       << 300;
    QTest::newRow("k letters") << "250" << "3" << "9.99" << "3" << "x1" << NotANumber << 250 << 3.0 << 9.99 << 300;
}

// The first refused field shows its message and ends OK: the fields before
// it are committed, the dialog stays open with the typed text, and nothing
// else is asked of the main window.
void SettingsTest::okRefuses()
{
    QFETCH(QString, f);
    QFETCH(QString, a);
    QFETCH(QString, p);
    QFETCH(QString, c);
    QFETCH(QString, k);
    QFETCH(QString, message);
    QFETCH(int, f0);
    QFETCH(double, fullScale);
    QFETCH(double, periods);
    QFETCH(int, meanMax);

    Fill(f, a, p, c, k);
    Click(m_form->OKbutt);

    QCOMPARE(m_dialogs.Errors.size(), 1);
    if (message == NotANumber)
        QVERIFY2(m_dialogs.Errors[0].startsWith(QStringLiteral("« ")) &&
                     m_dialogs.Errors[0].endsWith(QStringLiteral(" » n'est pas un nombre valide")),
                 qPrintable(m_dialogs.Errors[0]));
    else
        QCOMPARE(m_dialogs.Errors[0], message);
    QVERIFY(m_form->isVisible());
    QCOMPARE(m_form->VrNumEdit1->text(), f);
    QCOMPARE(m_form->VrStrEdit1->text(), a);
    QCOMPARE(m_form->VrNumEdit3->text(), k);
    QCOMPARE(m_s.Signal.FundamentalHz, f0 == NoChange ? 100 : f0);
    QCOMPARE(m_s.Signal.FullScaleValue, fullScale);
    QCOMPARE(m_s.View.PeriodsShown, periods);
    QCOMPARE(m_main->Mean->MaxValue(), meanMax);
    QCOMPARE(m_main->Mean->MinValue(), -meanMax);
    QCOMPARE(m_main->Amp[1]->KeyIncrement, 5);
    QVERIFY(!m_main->Log.contains(QStringLiteral("redraw")));
    QVERIFY(!m_main->Log.contains(QStringLiteral("fundamental %1").arg(m_s.Signal.FundamentalHz)));
    // The time range follows the committed frequency and periods.
    QVERIFY(m_s.View.TimeEnd >= m_s.View.PeriodsShown / m_s.Signal.FundamentalHz);
    QVERIFY(Finite(m_s));
}

void SettingsTest::okAccepts_data()
{
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("p");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("k");
    QTest::addColumn<int>("f0");
    QTest::addColumn<double>("periods");
    QTest::addColumn<double>("timeEnd");
    QTest::addColumn<int>("meanMax");
    QTest::addColumn<int>("key");

    QTest::newRow("as loaded") << "100" << "1" << "4" << "5" << 100 << 1.0 << 0.011 << 400 << 5;
    QTest::newRow("f 999999") << "999999" << "1" << "4" << "5" << 999999 << 1.0 << 1.1e-6 << 400 << 5;
    QTest::newRow("f 1") << "1" << "1" << "4" << "5" << 1 << 1.0 << 1.1 << 400 << 5;
    QTest::newRow("f 2.5 to even") << "2.5" << "1" << "4" << "5" << 2 << 1.0 << 0.6 << 400 << 5;
    QTest::newRow("f 3.5 to even") << "3.5" << "1" << "4" << "5" << 4 << 1.0 << 0.26 << 400 << 5;
    QTest::newRow("p 9.99") << "100" << "9.99" << "4" << "5" << 100 << 9.99 << 0.1 << 400 << 5;
    QTest::newRow("c 9") << "100" << "1" << "9" << "5" << 100 << 1.0 << 0.011 << 900 << 5;
    QTest::newRow("c 0.01") << "100" << "1" << "0.01" << "5" << 100 << 1.0 << 0.011 << 1 << 5;
    QTest::newRow("k 9") << "100" << "1" << "4" << "9" << 100 << 1.0 << 0.011 << 400 << 9;
    QTest::newRow("k empty reads 1") << "100" << "1" << "4" << "" << 100 << 1.0 << 0.011 << 400 << 1;
}

void SettingsTest::okAccepts()
{
    QFETCH(QString, f);
    QFETCH(QString, p);
    QFETCH(QString, c);
    QFETCH(QString, k);
    QFETCH(int, f0);
    QFETCH(double, periods);
    QFETCH(double, timeEnd);
    QFETCH(int, meanMax);
    QFETCH(int, key);

    Fill(f, QStringLiteral("1"), p, c, k);
    Click(m_form->OKbutt);

    QVERIFY2(m_dialogs.Errors.isEmpty(), qPrintable(m_dialogs.Errors.join('|')));
    QVERIFY(!m_form->isVisible());
    QCOMPARE(m_s.Signal.FundamentalHz, f0);
    QCOMPARE(m_s.View.PeriodsShown, periods);
    QCOMPARE(m_s.View.TimeStart, 0.0);
    QVERIFY(qFuzzyCompare(m_s.View.TimeEnd, timeEnd));
    QCOMPARE(m_main->Mean->MaxValue(), meanMax);
    QCOMPARE(m_main->Mean->MinValue(), -meanMax);
    QCOMPARE(m_main->Mean->KeyIncrement, key);
    for (int h = 1; h <= HarmonicCount; ++h)
        QCOMPARE(m_main->Amp[h]->KeyIncrement, key);
    QCOMPARE(m_main->Log.mid(m_main->Log.size() - 3),
             QStringList({QStringLiteral("fundamental %1").arg(f0), "fullscale 1", "redraw"}));
}

// A coefficient whose range moves the mean slider: the slider's own handler
// runs inside step 4, before the key step and the final redraw.
void SettingsTest::okSequence()
{
    m_main->Mean->setPosition(300);
    m_main->Log.clear();
    Fill(QStringLiteral("100"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("5"));
    Click(m_form->OKbutt);
    QCOMPARE(m_main->Log, QStringList({"range 200", "mean 200", "redraw", "key 5", "fundamental 100", "fullscale 1",
                                       "redraw"}));
    QCOMPARE(m_s.Signal.MeanValue, 2.0);

    // A negative mean is moved by the lower bound.
    m_main->Mean->setPosition(-150);
    m_form->show();
    m_main->Log.clear();
    m_form->VrNumEdit2->setText(QStringLiteral("1"));
    Click(m_form->OKbutt);
    QCOMPARE(m_main->Log.mid(0, 3), QStringList({"range 100", "mean -100", "redraw"}));
    QCOMPARE(m_s.Signal.MeanValue, -1.0);
}

void SettingsTest::fullScaleKeepsMeanPercentage()
{
    m_main->Mean->setPosition(50);
    QCOMPARE(m_s.Signal.MeanValue, 0.5);
    m_main->Log.clear();
    Fill(QStringLiteral("100"), QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("5"));
    Click(m_form->OKbutt);
    QCOMPARE(m_s.Signal.FullScaleValue, 2.0);
    QCOMPARE(m_s.Signal.MeanValue, 1.0);
    QCOMPARE(m_main->Mean->Position(), 50);
    QCOMPARE(m_s.Signal.MeanPercent, 50);
    QCOMPARE(m_main->Log, QStringList({"range 400", "key 5", "fundamental 100", "fullscale 2", "redraw"}));

    // Round trips through the bounds keep the mean's percentage.
    for (const char* a : {"1e-100", "1e100", "1"}) {
        m_form->show();
        m_form->VrStrEdit1->setText(QString::fromLatin1(a));
        Click(m_form->OKbutt);
    }
    QCOMPARE(m_s.Signal.FullScaleValue, 1.0);
    QVERIFY(qFuzzyCompare(m_s.Signal.MeanValue, 0.5));
}

void SettingsTest::hostileFields_data()
{
    QTest::addColumn<int>("field"); // 1 frequency, 2 full scale, 3 periods, 4 coefficient, 5 key
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message"); // empty: accepted

    const QString huge(10000, QLatin1Char('9'));
    const QString letters(10000, QLatin1Char('x'));
    const QString messages[6] = {{}, FrequencyMessage, AmplitudeMessage, PeriodsMessage, CoefficientMessage,
                                 KeyMessage};
    for (int field = 1; field <= 5; ++field) {
        const bool numeric = field == 1 || field >= 4;
        const QString bad = messages[field];
        auto row = [&](const char* name, const QString& text, const QString& message) {
            QTest::addRow("%d %s", field, name) << field << text << message;
        };
        row("empty", "", field == 5 ? QString() : bad);
        row("minus", "-", numeric ? NotANumber : bad);
        row("1e999", "1e999", numeric ? NotANumber : bad);
        row("-1e999", "-1e999", numeric ? NotANumber : bad);
        row("nan", "nan", numeric ? NotANumber : bad);
        row("inf", "inf", numeric ? NotANumber : bad);
        row("-inf", "-inf", numeric ? NotANumber : bad);
        row("letters", letters, numeric ? NotANumber : bad);
        row("10000 digits", huge, numeric ? NotANumber : bad);
        row("1e-320", "1e-320", bad);
        row("1e-300", "1e-300", bad);
        row("1e300", "1e300", bad);
        row("1", "1", {});
    }
    // Each field at its bounds and just beyond them.
    auto bound = [](int field, const char* text, const QString& message) {
        QTest::addRow("%d at %s", field, text) << field << QString::fromLatin1(text) << message;
    };
    bound(1, "999999", {});
    bound(1, "999999.5", FrequencyMessage);
    bound(1, "0.5", FrequencyMessage);
    bound(2, "1e100", {});
    bound(2, "1.0000000000000002e100", AmplitudeMessage);
    bound(2, "1e-100", {});
    bound(2, "9.999999999999999e-101", AmplitudeMessage);
    bound(3, "1e-290", {});
    bound(3, "9.999999999999999e-291", PeriodsMessage);
    bound(3, "9.999999", {});
    bound(3, "10", PeriodsMessage);
    bound(4, "9.99", {});
    bound(4, "9.996", CoefficientMessage);
    bound(4, "0.004", CoefficientMessage);
    bound(5, "9.6", {});
    bound(5, "10", KeyMessage);
    bound(5, "0.5", KeyMessage);
}

// Whatever is typed, OK gives the field's message or the conversion-error
// message, or accepts a value the program can draw.
void SettingsTest::hostileFields()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, message);

    m_main->Mean->setPosition(400);
    QLineEdit* edits[6] = {nullptr, m_form->VrNumEdit1, m_form->VrStrEdit1, m_form->VrStrEdit2,
                           m_form->VrNumEdit2, m_form->VrNumEdit3};
    edits[field]->setText(text);
    const SharedState before = m_s;
    Click(m_form->OKbutt);

    if (message.isEmpty()) {
        QVERIFY2(m_dialogs.Errors.isEmpty(), qPrintable(m_dialogs.Errors.join('|')));
    } else {
        // The other fields hold what was loaded: a refusal changes nothing.
        QCOMPARE(m_s.Signal.FundamentalHz, before.Signal.FundamentalHz);
        QCOMPARE(m_s.Signal.FullScaleValue, before.Signal.FullScaleValue);
        QCOMPARE(m_s.Signal.MeanValue, before.Signal.MeanValue);
        QCOMPARE(m_s.View.PeriodsShown, before.View.PeriodsShown);
        QCOMPARE(m_s.View.TimeEnd, before.View.TimeEnd);
        QCOMPARE(m_main->Mean->MaxValue(), 400);
        QCOMPARE(m_main->Amp[1]->KeyIncrement, 5);
        QCOMPARE(m_dialogs.Errors.size(), 1);
        if (message == NotANumber) {
            QVERIFY(m_dialogs.Errors[0].startsWith(QStringLiteral("« ")));
            QVERIFY(m_dialogs.Errors[0].size() < 100);
        } else {
            QCOMPARE(m_dialogs.Errors[0], message);
        }
    }
    QVERIFY(Finite(m_s));
    QVERIFY(std::isfinite(m_s.Signal.MeanValue));
    QVERIFY(m_main->Mean->MaxValue() >= 1 && m_main->Mean->MaxValue() <= 999);
    QVERIFY(m_main->Amp[1]->KeyIncrement >= 1);
}

void SettingsTest::gridAndBackground()
{
    TForm2& f = *m_form;
    QVERIFY(!f.choixquad->Checked());
    QVERIFY(f.CheckBox1->Checked());
    QCOMPARE(f.RadioGroup1->ItemIndex(), 1);

    Click(f.choixquad);
    QVERIFY(m_s.Display.Plot.GridOn);
    Click(f.RadioGroup1->Item(0));
    QVERIFY(!m_s.Display.Plot.GridDotted);
    // Clicking the lit item keeps it lit and does nothing.
    Click(f.RadioGroup1->Item(0));
    QCOMPARE(f.RadioGroup1->ItemIndex(), 0);
    Click(f.RadioGroup1->Item(1));
    QVERIFY(m_s.Display.Plot.GridDotted);
    // The colour labels stand on the graphs' background.
    auto* well = f.findChild<QWidget*>(QStringLiteral("ColourWell"));
    const QPoint empty(20, well->height() - 8);
    QCOMPARE(well->grab().toImage().pixelColor(empty), QColor(Qt::black));
    Click(f.CheckBox1);
    QVERIFY(!m_s.Display.BlackBackground);
    QCOMPARE(well->grab().toImage().pixelColor(empty), QColor(Qt::white));
    QVERIFY(f.grab().save(QStringLiteral(PICTURE_DIR "/settings-dialog-white.png")));
    QCOMPARE(m_main->Log, QStringList({"points", "points", "points"}));

    // Not reloaded when the dialog comes back.
    f.hide();
    f.show();
    QVERIFY(f.choixquad->Checked());
    QVERIFY(!f.CheckBox1->Checked());
}

void SettingsTest::graduationLength_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("error");

    QTest::newRow("30") << false << "30" << 30 << false;
    QTest::newRow("1") << false << "1" << 1 << false;
    QTest::newRow("blanks") << false << " 7 " << 7 << false;
    QTest::newRow("default") << false << "3" << 3 << false;
    QTest::newRow("0 ignored") << false << "0" << 3 << false;
    QTest::newRow("31 ignored") << false << "31" << 3 << false;
    QTest::newRow("-5 ignored") << false << "-5" << 3 << false;
    QTest::newRow("2.5") << false << "2.5" << 3 << true;
    QTest::newRow("letters") << false << "abc" << 3 << true;
    QTest::newRow("empty") << false << "" << 3 << true;
    QTest::newRow("1e999") << false << "1e999" << 3 << true;
    QTest::newRow("10000 digits") << false << QString(10000, QLatin1Char('9')) << 3 << true;
    QTest::newRow("cancel") << true << "" << 3 << false;
}

void SettingsTest::graduationLength()
{
    QFETCH(bool, cancel);
    QFETCH(QString, answer);
    QFETCH(int, length);
    QFETCH(bool, error);

    m_dialogs.Answers.push(cancel ? std::nullopt : std::optional<QString>(answer));
    Click(m_form->Label6);

    QCOMPARE(m_dialogs.Boxes.size(), 1);
    QCOMPARE(m_dialogs.Boxes[0].caption, QStringLiteral("Longueur des graduations"));
    QCOMPARE(m_dialogs.Boxes[0].prompt, QStringLiteral("Entrer la longueur des graduations < 30"));
    QCOMPARE(m_dialogs.Boxes[0].defaultText, QStringLiteral("3"));
    QCOMPARE(m_s.Display.Plot.GraduationLength, length);
    QCOMPARE(m_dialogs.Errors.size(), error ? 1 : 0);
    if (error)
        QVERIFY(m_dialogs.Errors[0].contains(QStringLiteral("n'est pas un nombre valide")));
    QCOMPARE(m_main->Log, cancel || error ? QStringList() : QStringList({"points"}));
    QCOMPARE(m_form->Label6->text(), QStringLiteral("Longueur graduations:  3"));
}

void SettingsTest::graduationFont()
{
    const QFont chosen(QStringLiteral("DejaVu Serif"), 14);
    m_dialogs.Fonts.push(chosen);
    Click(m_form->VrDemoButton2);
    QCOMPARE(m_dialogs.FontPickersOpenedAt.size(), 1);
    QCOMPARE(m_dialogs.FontPickersOpenedAt[0].family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(m_dialogs.FontPickersOpenedAt[0].pointSize(), 8);
    QCOMPARE(m_s.Display.Plot.FontName, std::string("DejaVu Serif"));
    QCOMPARE(m_s.Display.Plot.FontSize, 14);
    QCOMPARE(m_main->Log, QStringList({"points"}));

    // The picker opens at the last font taken; a cancel changes nothing.
    Click(m_form->VrDemoButton2);
    QCOMPARE(m_dialogs.FontPickersOpenedAt[1], chosen);
    QCOMPARE(m_s.Display.Plot.FontName, std::string("DejaVu Serif"));
    QCOMPARE(m_s.Display.Plot.FontSize, 14);
    QCOMPARE(m_main->Log, QStringList({"points"}));

    // A size the graphs are not laid out for is refused with its message;
    // the font in force stays, in the state and in the picker.
    QFont tooLarge(QStringLiteral("DejaVu Sans"), 17);
    QFont tooSmall(QStringLiteral("DejaVu Sans"));
    tooSmall.setPixelSize(7); // 5.25 points
    QFont smallest(QStringLiteral("DejaVu Sans"));
    smallest.setPixelSize(8); // 6 points
    m_dialogs.Fonts.push(tooLarge);
    m_dialogs.Fonts.push(tooSmall);
    m_dialogs.Fonts.push(smallest);
    Click(m_form->VrDemoButton2);
    Click(m_form->VrDemoButton2);
    const QString message = QStringLiteral("Taille des graduations : de 6 à 16 points");
    QCOMPARE(m_dialogs.Errors, QStringList({message, message}));
    QCOMPARE(m_dialogs.FontPickersOpenedAt[3], chosen);
    QCOMPARE(m_s.Display.Plot.FontName, std::string("DejaVu Serif"));
    QCOMPARE(m_s.Display.Plot.FontSize, 14);
    QCOMPARE(m_main->Log, QStringList({"points"}));
    Click(m_form->VrDemoButton2);
    QCOMPARE(m_s.Display.Plot.FontName, std::string("DejaVu Sans"));
    QCOMPARE(m_s.Display.Plot.FontSize, 6);
    QCOMPARE(m_dialogs.Errors.size(), 2);
}

void SettingsTest::colours_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("field"); // index into the colour fields below
    QTest::addColumn<bool>("resetsPoints");

    const char* harmonics[13] = {nullptr,   "Label7",  "Label8",  "Label5",  "Label9",  "Label10", "Label11",
                                 "Label12", "Label13", "Label23", "Label14", "Label15", "Label16"};
    QTest::newRow("axes") << "Label3" << "Couleur axes" << 0 << true;
    QTest::newRow("signal") << "Label24" << "Couleur signal" << 1 << true;
    QTest::newRow("synthesis") << "Label17" << "Couleur synthèse" << 2 << true;
    QTest::newRow("output") << "Label29" << "Couleur sortie" << 3 << true;
    for (int k = 1; k <= 12; ++k)
        QTest::addRow("harmonic %d", k) << harmonics[k]
                                        << (k == 11 ? QStringLiteral("Couleur harmo11")
                                                    : QStringLiteral("Couleur harmo %1").arg(k))
                                        << 3 + k << true;
    QTest::newRow("input spectrum") << "Label30" << "Couleur spectre Entrée" << 16 << false;
    QTest::newRow("output spectrum") << "Label31" << "Couleur spectre Sortie" << 17 << false;
}

// Each colour label edits its own field and shows it; a cancelled picker
// changes nothing.
void SettingsTest::colours()
{
    QFETCH(QString, label);
    QFETCH(QString, caption);
    QFETCH(int, field);
    QFETCH(bool, resetsPoints);

    const std::array<Colour*, 18> fields = ColourFields(m_s.Display);
    auto* l = m_form->findChild<TClickableLabel*>(label);
    QVERIFY(l);
    QCOMPARE(l->text(), caption);
    QVERIFY(l->cursor().shape() == Qt::PointingHandCursor);
    const Colour before = *fields[field];
    QCOMPARE(l->textColour(), QColor(QRgb(before)));

    SharedState untouched = m_s;
    Click(l); // cancelled
    QCOMPARE(m_dialogs.ColourPickersOpenedAt.value(0), QColor(Qt::black));
    QCOMPARE(*fields[field], before);
    QCOMPARE(l->textColour(), QColor(QRgb(before)));
    QVERIFY(m_main->Log.isEmpty());

    m_dialogs.Colours.push(QColor(0x12, 0x34, 0x56));
    Click(l);
    QCOMPARE(*fields[field], Colour(0x123456));
    QCOMPARE(l->textColour(), QColor(0x12, 0x34, 0x56));
    QCOMPARE(m_main->Log, resetsPoints ? QStringList({"points"}) : QStringList());
    // The space bar on the label does what the click does.
    m_dialogs.Colours.push(QColor(0x65, 0x43, 0x21));
    QTest::keyClick(l, Qt::Key_Space);
    QCOMPARE(*fields[field], Colour(0x654321));
    QCOMPARE(l->textColour(), QColor(0x65, 0x43, 0x21));
    // No other colour moved.
    const std::array<Colour*, 18> old = ColourFields(untouched.Display);
    for (int i = 0; i < 18; ++i)
        if (i != field)
            QCOMPARE(*fields[i], *old[i]);
}

void SettingsTest::colourPickerKeepsItsColour()
{
    m_dialogs.Colours.push(QColor(Qt::red));
    Click(m_form->ColourLabel[TForm2::SignalColourIndex]);
    Click(m_form->ColourLabel[TForm2::OutputColourIndex]); // cancelled
    m_dialogs.Colours.push(QColor(Qt::blue));
    Click(m_form->ColourLabel[TForm2::AxisColourIndex]);
    QCOMPARE(m_dialogs.ColourPickersOpenedAt,
             QList<QColor>({QColor(Qt::black), QColor(Qt::red), QColor(Qt::red)}));
    QCOMPARE(m_s.Display.SignalColour, Colour(0xFF0000));
    QCOMPARE(m_s.Display.OutputColour, Colour(0xFF00FF));
    QCOMPARE(m_s.Display.Plot.AxisColour, Colour(0x0000FF));

    // The labels are not the state's own copy: reloading shows the state.
    m_s.Display.OutputColour = 0x00FF00;
    m_form->hide();
    m_form->show();
    QCOMPARE(m_form->ColourLabel[TForm2::OutputColourIndex]->textColour(), QColor(Qt::green));
}

void SettingsTest::copySize_data()
{
    QTest::addColumn<bool>("height");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("px");
    QTest::addColumn<QString>("shown");

    QTest::newRow("w 29.9") << false << false << "29.9" << 1131 << "29.9 cm";
    QTest::newRow("w default") << false << false << "15" << 567 << "15 cm";
    QTest::newRow("w 1.35") << false << false << "1.35" << 51 << "1.35 cm";
    QTest::newRow("w 1.3 ignored") << false << false << "1.3" << 567 << "15 cm";
    QTest::newRow("w 30 ignored") << false << false << "30" << 567 << "15 cm";
    QTest::newRow("w letters") << false << false << "abc" << 567 << "15 cm";
    QTest::newRow("w nan") << false << false << "nan" << 567 << "15 cm";
    QTest::newRow("w 1e999") << false << false << "1e999" << 567 << "15 cm";
    QTest::newRow("w -10") << false << false << "-10" << 567 << "15 cm";
    QTest::newRow("w cancel") << false << true << "" << 567 << "14,9";
    QTest::newRow("h 10") << true << false << "10" << 378 << "9.99 cm";
    QTest::newRow("h 29.99") << true << false << "29.99" << 1134 << "30 cm";
    QTest::newRow("h 30 ignored") << true << false << "30" << 416 << "11 cm";
    QTest::newRow("h cancel") << true << true << "" << 416 << "11";
}

void SettingsTest::copySize()
{
    QFETCH(bool, height);
    QFETCH(bool, cancel);
    QFETCH(QString, answer);
    QFETCH(int, px);
    QFETCH(QString, shown);

    TClickableLabel* label = height ? m_form->Label27 : m_form->Label25;
    QCOMPARE(label->toolTip(), QStringLiteral("Cliquer pour changer"));
    m_dialogs.Answers.push(cancel ? std::nullopt : std::optional<QString>(answer));
    Click(label);

    QCOMPARE(m_dialogs.Boxes.size(), 1);
    QCOMPARE(m_dialogs.Boxes[0].caption, height ? QStringLiteral("Entrer la hauteur") : QStringLiteral("Entrer la largeur"));
    QVERIFY(m_dialogs.Boxes[0].prompt.contains(QStringLiteral("cm < 30")));
    QCOMPARE(m_dialogs.Boxes[0].defaultText, height ? QStringLiteral("11") : QStringLiteral("15"));
    QCOMPARE(height ? m_s.Display.CopyHeightPx : m_s.Display.CopyWidthPx, px);
    QCOMPARE(height ? m_s.Display.CopyWidthPx : m_s.Display.CopyHeightPx, height ? 567 : 416);
    QCOMPARE(label->text(), shown);
    QCOMPARE(label->size(), QSize(58, 18));
    QVERIFY(label->width() >= label->sizeHint().width());
    QVERIFY(m_dialogs.Errors.isEmpty());
    QVERIFY(m_main->Log.isEmpty());
}

void SettingsTest::spectrumMode()
{
    TForm2& f = *m_form;
    QVERIFY(f.RadioButton[1]->Checked());
    Click(f.RadioButton[2]);
    QCOMPARE(m_s.Display.SpectrumMode, SpectrumMode::Amplitude);
    Click(f.RadioButton[3]);
    QCOMPARE(m_s.Display.SpectrumMode, SpectrumMode::Rms);
    Click(f.RadioButton[3]); // already lit: stays lit, nothing drawn
    QVERIFY(f.RadioButton[3]->Checked());
    Click(f.RadioButton[1]);
    QCOMPARE(m_s.Display.SpectrumMode, SpectrumMode::Percent);
    QVERIFY(!f.RadioButton[2]->Checked() && !f.RadioButton[3]->Checked());
    QCOMPARE(m_main->Log, QStringList({"spectra", "spectra", "spectra"}));
}

void SettingsTest::tabRunsAsTheDialogReads()
{
    // The dialog opens on the frequency field; Tab goes down the left
    // column, down the graphs group (the colour legend a column at a time),
    // then along the bottom; every clickable label on the way shows that it
    // has the focus.
    TForm2& f = *m_form;
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QCOMPARE(QApplication::focusWidget(), f.VrNumEdit1);
    QList<QWidget*> expected;
    for (const char* name : {"VrNumEdit1", "VrStrEdit1", "VrStrEdit2", "VrNumEdit2", "VrNumEdit3", "RadioButton1",
                             "RadioButton2", "RadioButton3", "choixquad", "CheckBox1"})
        expected << f.findChild<QWidget*>(QString::fromLatin1(name));
    expected << f.RadioGroup1->Item(0) << f.RadioGroup1->Item(1);
    for (const char* name : {"Label6", "VrDemoButton2", "Label3", "Label24", "Label17", "Label29", "Label30",
                             "Label31", "Label7", "Label8", "Label5", "Label9", "Label10", "Label11", "Label12",
                             "Label13", "Label23", "Label14", "Label15", "Label16", "OKbutt", "Label25", "Label27"})
        expected << f.findChild<QWidget*>(QString::fromLatin1(name));
    QVERIFY(!expected.contains(nullptr));
    QHash<QWidget*, QImage> unfocused;
    for (TClickableLabel* l : f.findChildren<TClickableLabel*>())
        unfocused.insert(l, l->grab().toImage());

    QList<QWidget*> reached{QApplication::focusWidget()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* w = QApplication::focusWidget();
        reached << w;
        if (unfocused.contains(w))
            QVERIFY2(w->grab().toImage() != unfocused.value(w), qPrintable(w->objectName()));
    }
    QCOMPARE(reached, expected);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.VrNumEdit1); // round again
}

void SettingsTest::labelsAnswerTheKeyboard_data()
{
    // Enter, Return and the space bar on a clickable label open what a click
    // opens: its input box or the colour picker.
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("opens"); // an input box's caption, or "picker"
    QTest::addRow("graduation length, space") << "Label6" << int(Qt::Key_Space) << "Longueur des graduations";
    QTest::addRow("axis colour, Return") << "Label3" << int(Qt::Key_Return) << "picker";
    QTest::addRow("harmonic 12 colour, Enter") << "Label16" << int(Qt::Key_Enter) << "picker";
    QTest::addRow("copy width, Return") << "Label25" << int(Qt::Key_Return) << "Entrer la largeur";
    QTest::addRow("copy height, space") << "Label27" << int(Qt::Key_Space) << "Entrer la hauteur";
}

void SettingsTest::labelsAnswerTheKeyboard()
{
    QFETCH(QString, label);
    QFETCH(int, key);
    QFETCH(QString, opens);
    auto* l = m_form->findChild<TClickableLabel*>(label);
    QVERIFY(l);
    QCOMPARE(l->focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(l, Qt::Key(key));
    if (opens == QLatin1String("picker")) {
        QCOMPARE(m_dialogs.ColourPickersOpenedAt.size(), 1);
        QVERIFY(m_dialogs.Boxes.isEmpty());
    } else {
        QCOMPARE(m_dialogs.Boxes.size(), 1);
        QCOMPARE(m_dialogs.Boxes[0].caption, opens);
        QVERIFY(m_dialogs.ColourPickersOpenedAt.isEmpty());
    }
    // A key held down opens it once; with Ctrl, not at all.
    QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(l, &repeat);
    QTest::keyClick(l, Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(m_dialogs.Boxes.size() + m_dialogs.ColourPickersOpenedAt.size(), 1);
}

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
