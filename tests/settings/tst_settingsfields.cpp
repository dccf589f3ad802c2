// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog's fields: what they load from the state and the main
// window's sliders, and what OK takes from them, refuses, and asks of the
// other windows, in order.
#include "tests/settings/settingsfixture.h"

#include <QDialog>

namespace {

constexpr int NoChange = -1;

const QString FrequencyMessage = QStringLiteral("Entrer à nouveau la fréquence");
const QString AmplitudeMessage = QStringLiteral("Entrer à nouveau l amplitude");
const QString PeriodsMessage = QStringLiteral("Entrer à nouveau le nombre de périodes");
const QString CoefficientMessage = QStringLiteral("Entrer à nouveau le coeff max de la valeur moyenne");
const QString KeyMessage = QStringLiteral("Entrer à nouveau le % incrémental");
// Marks a row whose answer is the conversion-error message naming the text.
const QString NotANumber = QStringLiteral("not a number");

} // namespace

class SettingsFieldsTest : public QObject, public SettingsFixture {
    Q_OBJECT

private slots:
    void initTestCase() { PrepareSuite(); }
    void init() { StartDialog(); }
    void cleanup() { StopDialog(); }

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
};

void SettingsFieldsTest::loadsFieldsOnShow()
{
    TForm2& f = *m_form;
    QCOMPARE(C.VrNumEdit1->text(), QStringLiteral("100"));
    QCOMPARE(C.VrStrEdit1->text(), QStringLiteral("1"));
    QCOMPARE(C.VrStrEdit2->text(), QStringLiteral("1"));
    QCOMPARE(C.VrNumEdit2->text(), QStringLiteral("4"));
    QCOMPARE(C.VrNumEdit3->text(), QStringLiteral("5"));

    f.hide();
    m_s.Signal.FundamentalHz = 2500;
    m_s.Signal.FullScaleValue = 0.25;
    m_s.View.PeriodsShown = 2.5;
    m_main->Mean->setMaxValue(750);
    m_main->Amp[1]->KeyIncrement = 3;
    m_s.Display.Plot.HarmonicColour[3] = 0x123456;
    C.VrNumEdit2->setText(QStringLiteral("8"));
    f.show();
    QCOMPARE(C.VrNumEdit1->text(), QStringLiteral("2500"));
    QCOMPARE(C.VrStrEdit1->text(), QStringLiteral(".25"));
    QCOMPARE(C.VrStrEdit2->text(), QStringLiteral("2.5"));
    QCOMPARE(C.VrNumEdit2->text(), QStringLiteral("7.5"));
    QCOMPARE(C.VrNumEdit3->text(), QStringLiteral("3"));
    QCOMPARE(f.findChild<TClickableLabel*>(QStringLiteral("Label5"))->textColour(), QColor(0x12, 0x34, 0x56));
}

// Typing not committed is replaced by the state when the user comes back
// from another window of the program, but not when a box or picker of the
// dialog itself closes.
void SettingsFieldsTest::reloadsOnComingBack()
{
    TForm2& f = *m_form;
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    C.VrNumEdit1->setText(QStringLiteral("777"));

    QDialog own(&f);
    own.show();
    own.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&own));
    own.hide();
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QCOMPARE(C.VrNumEdit1->text(), QStringLiteral("777"));

    m_main->show();
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    m_s.Signal.FundamentalHz = 440;
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QCOMPARE(C.VrNumEdit1->text(), QStringLiteral("440"));
}

void SettingsFieldsTest::okRefuses_data()
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
void SettingsFieldsTest::okRefuses()
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
    Click(C.OKbutt);

    QCOMPARE(m_dialogs.Errors.size(), 1);
    if (message == NotANumber)
        QVERIFY2(m_dialogs.Errors[0].startsWith(QStringLiteral("« ")) &&
                     m_dialogs.Errors[0].endsWith(QStringLiteral(" » n'est pas un nombre valide")),
                 qPrintable(m_dialogs.Errors[0]));
    else
        QCOMPARE(m_dialogs.Errors[0], message);
    QVERIFY(m_form->isVisible());
    QCOMPARE(C.VrNumEdit1->text(), f);
    QCOMPARE(C.VrStrEdit1->text(), a);
    QCOMPARE(C.VrNumEdit3->text(), k);
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

void SettingsFieldsTest::okAccepts_data()
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

void SettingsFieldsTest::okAccepts()
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
    Click(C.OKbutt);

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
void SettingsFieldsTest::okSequence()
{
    m_main->Mean->setPosition(300);
    m_main->Log.clear();
    Fill(QStringLiteral("100"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("5"));
    Click(C.OKbutt);
    QCOMPARE(m_main->Log, QStringList({"range 200", "mean 200", "redraw", "key 5", "fundamental 100", "fullscale 1",
                                       "redraw"}));
    QCOMPARE(m_s.Signal.MeanValue, 2.0);

    // A negative mean is moved by the lower bound.
    m_main->Mean->setPosition(-150);
    m_form->show();
    m_main->Log.clear();
    C.VrNumEdit2->setText(QStringLiteral("1"));
    Click(C.OKbutt);
    QCOMPARE(m_main->Log.mid(0, 3), QStringList({"range 100", "mean -100", "redraw"}));
    QCOMPARE(m_s.Signal.MeanValue, -1.0);
}

void SettingsFieldsTest::fullScaleKeepsMeanPercentage()
{
    m_main->Mean->setPosition(50);
    QCOMPARE(m_s.Signal.MeanValue, 0.5);
    m_main->Log.clear();
    Fill(QStringLiteral("100"), QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("5"));
    Click(C.OKbutt);
    QCOMPARE(m_s.Signal.FullScaleValue, 2.0);
    QCOMPARE(m_s.Signal.MeanValue, 1.0);
    QCOMPARE(m_main->Mean->Position(), 50);
    QCOMPARE(m_s.Signal.MeanPercent, 50);
    QCOMPARE(m_main->Log, QStringList({"range 400", "key 5", "fundamental 100", "fullscale 2", "redraw"}));

    // Round trips through the bounds keep the mean's percentage.
    for (const char* a : {"1e-100", "1e100", "1"}) {
        m_form->show();
        C.VrStrEdit1->setText(QString::fromLatin1(a));
        Click(C.OKbutt);
    }
    QCOMPARE(m_s.Signal.FullScaleValue, 1.0);
    QVERIFY(qFuzzyCompare(m_s.Signal.MeanValue, 0.5));
}

void SettingsFieldsTest::hostileFields_data()
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
void SettingsFieldsTest::hostileFields()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, message);

    m_main->Mean->setPosition(400);
    QLineEdit* edits[6] = {nullptr, C.VrNumEdit1, C.VrStrEdit1, C.VrStrEdit2,
                           C.VrNumEdit2, C.VrNumEdit3};
    edits[field]->setText(text);
    const SharedState before = m_s;
    Click(C.OKbutt);

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

QTEST_MAIN(SettingsFieldsTest)
#include "tst_settingsfields.moc"
