// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog inside the running program: opened by the main
// window's "Parametres" button, acting on the main window's read-outs and
// sliders, on the time graph and on the spectrum window.

#include "tests/app/programtest.h"

#include "app/program.h"
#include "app/simplefour.h"
#include "plot/repres.h"
#include "plot/sampling.h"
#include "settings/parsignalsimple.h"
#include "spectrum/fenetspectres.h"
#include "widgets/tvrcheckled.h"
#include "widgets/tvrdemobutton.h"
#include "widgets/tvrnum.h"
#include "widgets/tvrnumedit.h"
#include "widgets/tvrpowerbutton.h"
#include "widgets/tvrslider.h"
#include "widgets/tvrstredit.h"

#include <QtTest>

#include <cmath>
#include <memory>

class SettingsWiringTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init();
    void cleanup();

    void parametresButtonShowsDialog();
    void readoutsChangeOnlyWhenOkSucceeds();
    void meanRangeMovesSlider();
    void keyStepReachesSliders();
    void colourReachesNextRedraw();
    void spectrumModeRedrawsHiddenWindow();
    void extremeValuesDraw_data();
    void extremeValuesDraw();

private:
    Ui& W() { return *m_ui; }
    TForm2& F() { return m_program->Form2(); }
    int RedrawCount() { return m_program->Cycle().RedrawCount(); }
    SharedState& S() { return m_program->State(); }
    static void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    void Open();

    FakeDialogs m_dialogs;
    std::unique_ptr<Program> m_program;
    std::unique_ptr<Ui> m_ui;
};

void SettingsWiringTest::init()
{
    m_dialogs = FakeDialogs();
    m_program = std::make_unique<Program>(m_dialogs);
    m_ui = std::make_unique<Ui>(*m_program);
    m_program->Show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_program->fengraphe()));
}

void SettingsWiringTest::cleanup()
{
    m_ui.reset();
    m_program.reset();
}

void SettingsWiringTest::Open()
{
    Click(W().VrDemoButton2);
    QVERIFY(F().isVisible());
    W().Form2.OKbutt->setFocus();
}

void SettingsWiringTest::parametresButtonShowsDialog()
{
    QVERIFY(!F().isVisible());
    Open();
    QCOMPARE(W().Form2.VrNumEdit1->text(), QStringLiteral("100"));
    QCOMPARE(W().Form2.VrStrEdit1->text(), QStringLiteral("1"));
    QCOMPARE(W().Form2.VrStrEdit2->text(), QStringLiteral("1"));
    QCOMPARE(W().Form2.VrNumEdit2->text(), QStringLiteral("4"));
    QCOMPARE(W().Form2.VrNumEdit3->text(), QStringLiteral("5"));
    // Modeless: the main window still works while it is open.
    Click(W().VrPowerButton[3]);
    QCOMPARE(S().Signal.Preset, PresetKind::Triangle);
}

// A refused field leaves the main window's read-outs and graphs as they
// were, though the fields before it are committed; a later OK shows all.
void SettingsWiringTest::readoutsChangeOnlyWhenOkSucceeds()
{
    Open();
    const int redraws = RedrawCount();
    W().Form2.VrNumEdit1->setText(QStringLiteral("2500"));
    W().Form2.VrStrEdit1->setText(QStringLiteral("0"));
    Click(W().Form2.OKbutt);
    QCOMPARE(m_dialogs.Errors, QStringList({QStringLiteral("Entrer à nouveau l amplitude")}));
    QCOMPARE(S().Signal.FundamentalHz, 2500);
    QCOMPARE(W().Label6->text(), QStringLiteral("100"));
    QCOMPARE(W().Label2->text(), QStringLiteral("Hz"));
    QCOMPARE(RedrawCount(), redraws);
    QVERIFY(F().isVisible());

    W().Form2.VrStrEdit1->setText(QStringLiteral("2"));
    Click(W().Form2.OKbutt);
    QVERIFY(!F().isVisible());
    QCOMPARE(W().Label6->text(), QStringLiteral("2.5"));
    QCOMPARE(W().Label2->text(), QStringLiteral("kHz"));
    QCOMPARE(W().Label5->text(), QStringLiteral("2"));
    QCOMPARE(RedrawCount(), redraws + 1);
    QCOMPARE(S().View.PointCount, PointCountForWidth(m_program->fengraphe().width()));
}

void SettingsWiringTest::meanRangeMovesSlider()
{
    W().VrSlidermoy->setPosition(300);
    QCOMPARE(S().Signal.MeanValue, 3.0);
    Open();
    const int redraws = RedrawCount();
    W().Form2.VrNumEdit2->setText(QStringLiteral("2"));
    Click(W().Form2.OKbutt);
    QCOMPARE(W().VrSlidermoy->MaxValue(), 200);
    QCOMPARE(W().VrSlidermoy->MinValue(), -200);
    QCOMPARE(W().VrSlidermoy->Position(), 200);
    QCOMPARE(W().VrNummoy->Value(), 200);
    QCOMPARE(S().Signal.MeanValue, 2.0);
    QCOMPARE(RedrawCount(), redraws + 2); // the slider's own redraw, then OK's

    Open();
    QCOMPARE(W().Form2.VrNumEdit2->text(), QStringLiteral("2"));
    W().Form2.VrNumEdit2->setText(QStringLiteral("9"));
    Click(W().Form2.OKbutt);
    QCOMPARE(W().VrSlidermoy->MaxValue(), 900);
    QCOMPARE(W().VrSlidermoy->Position(), 200);

    // A preset puts the range back, and the dialog shows it next time.
    Click(W().VrPowerButton[1]);
    QCOMPARE(W().VrSlidermoy->MaxValue(), 400);
    Open();
    QCOMPARE(W().Form2.VrNumEdit2->text(), QStringLiteral("4"));
}

void SettingsWiringTest::keyStepReachesSliders()
{
    Open();
    W().Form2.VrNumEdit3->setText(QStringLiteral("7"));
    Click(W().Form2.OKbutt);
    QCOMPARE(W().VrSlidermoy->KeyIncrement, 7);
    for (int k = 1; k <= 12; ++k)
        QCOMPARE(W().Vramp[k]->KeyIncrement, 7);
    QTest::keyClick(W().Vramp[3], Qt::Key_Up);
    QCOMPARE(W().Vramp[3]->Position(), 7);
    QCOMPARE(S().Signal.Harmonics.AmplitudePercent[3], 7.0);
    QTest::keyClick(W().VrSlidermoy, Qt::Key_Down);
    QCOMPARE(W().VrSlidermoy->Position(), -7);

    Open();
    QCOMPARE(W().Form2.VrNumEdit3->text(), QStringLiteral("7"));
}

// A colour confirmed in the dialog draws nothing by itself; the next redraw
// uses it.
void SettingsWiringTest::colourReachesNextRedraw()
{
    W().Vramp[1]->setPosition(100);
    auto hasColour = [this](QRgb c) {
        const QImage img = m_program->fengraphe().Picture().convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if ((img.pixel(x, y) & 0xFFFFFF) == (c & 0xFFFFFF))
                    return true;
        return false;
    };
    const QRgb green = 0x00FF00;
    // The output, drawn over the input, shows in its own colour.
    QVERIFY(hasColour(0xFF00FF));
    QVERIFY(!hasColour(green));

    Open();
    m_dialogs.Colours.push(QColor(green));
    Click(Ui::Get<TClickableLabel>(F(), "Label29")); // "Couleur sortie"
    QCOMPARE(S().Display.OutputColour, Colour(0x00FF00));
    QVERIFY(!hasColour(green));
    Click(W().Form2.OKbutt);
    QVERIFY(hasColour(green));
    QVERIFY(!hasColour(0xFF00FF));
}

void SettingsWiringTest::spectrumModeRedrawsHiddenWindow()
{
    Tfenspectres* spectra = &m_program->fenspectres();
    QVERIFY(!spectra->isVisible());
    Open();
    Click(W().Form2.RadioButton[2]);
    QCOMPARE(S().Display.SpectrumMode, SpectrumMode::Amplitude);
    QVERIFY(!spectra->isVisible());
    QCOMPARE(spectra->Picture().size(), QSize(spectra->width() - 50, spectra->height() - 100));
    const QImage amplitude = spectra->Picture();
    Click(W().Form2.RadioButton[3]);
    QVERIFY(spectra->Picture() != amplitude); // "RMS" in place of "AMP"
}

void SettingsWiringTest::extremeValuesDraw_data()
{
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("p");

    QTest::newRow("smallest full scale") << "100" << "1e-100" << "1";
    QTest::newRow("largest full scale") << "100" << "1e100" << "1";
    QTest::newRow("1 Hz, 9.99 periods") << "1" << "1" << "9.99";
    QTest::newRow("999999 Hz, fewest periods") << "999999" << "1" << "1e-290";
}

// Every harmonic at 100 %, the mean at its top and both spectra shown: the
// state stays finite and both pictures are drawn.
void SettingsWiringTest::extremeValuesDraw()
{
    QFETCH(QString, f);
    QFETCH(QString, a);
    QFETCH(QString, p);

    for (int k = 1; k <= 12; ++k)
        W().Vramp[k]->setPosition(100);
    W().VrSlidermoy->setPosition(400);
    Click(W().VrCheckLed20);
    Click(W().VrCheckLed21);
    Open();
    W().Form2.VrNumEdit1->setText(f);
    W().Form2.VrStrEdit1->setText(a);
    W().Form2.VrStrEdit2->setText(p);
    Click(W().Form2.OKbutt);
    QVERIFY2(m_dialogs.Errors.isEmpty(), qPrintable(m_dialogs.Errors.join('|')));

    const TimeGraphView& v = S().View;
    for (double x : {v.TimeStart, v.TimeEnd, v.TimeStep, v.ValueMin, v.ValueMax, v.ValueStep, S().Signal.MeanValue})
        QVERIFY(std::isfinite(x));
    QVERIFY(v.TimeStart < v.TimeEnd && v.ValueMin < v.ValueMax && v.TimeStep > 0 && v.ValueStep > 0);
    QVERIFY(!m_program->fengraphe().Picture().isNull());
    QVERIFY(!m_program->fenspectres().Picture().isNull());
}

QTEST_MAIN(SettingsWiringTest)
#include "tst_settingswiring.moc"
