// SPDX-License-Identifier: GPL-3.0-or-later
// Every number the user types, at the ends of its range, just beyond them
// and beyond the doubles: refused with the field's message and nothing
// changed, or taken with a finite state and a picture drawn. At the ends of
// the ranges the graphs keep the shape they have at ordinary values, and
// the read-outs show their whole text.
#include "tests/app/programtest.h"

#include "filter/responsewindow.h"
#include "settings/settingsrules.h"
#include "signal/signallimits.h"
#include "widgets/tvrnumedit.h"
#include "widgets/tvrstredit.h"

#include <QFontMetrics>

#include <cmath>

namespace {

enum Field {
    Fundamental, // the settings dialog, committed by OK
    FullScale,
    Periods,
    MeanCoefficient,
    KeyStep,
    GraduationLength, // the settings dialog's boxes and font picker
    CopyWidth,
    CopyHeight,
    FontSize,
    Cutoff, // the main window's click-to-change values
    StaticGain,
    Duration, // the sound window
    DutyCycle, // the duty-cycle dialog
};

const char* const FieldNames[] = {"f0",   "full scale", "periods", "coefficient", "key step", "graduation",
                                  "width", "height",    "font",    "cut-off",     "gain",     "duration",
                                  "duty"};

constexpr double Refused = -12345; // in the "value" column: nothing changes

const QString Mauvaise = QStringLiteral("Mauvaise entrée");

QString FromUtf8(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QString NotANumber(const char* text)
{
    return FromUtf8(NotANumberMessage(text));
}

// The pixels of one colour, as a mask.
QImage Mask(const QImage& picture, QRgb colour)
{
    const QImage img = picture.convertToFormat(QImage::Format_RGB32);
    QImage mask(img.size(), QImage::Format_Mono);
    mask.fill(0);
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (colour & 0xFFFFFF))
                mask.setPixel(x, y, 1);
    }
    return mask;
}

int Count(const QImage& mask)
{
    int n = 0;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            n += mask.pixelIndex(x, y);
    return n;
}

bool HasInk(const QImage& picture, QRgb colour)
{
    return Count(Mask(picture, colour)) > 0;
}

} // namespace

class BoundsTest : public ProgramTest {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init();
    void cleanup() { StopProgram(); }

    void typedValues_data();
    void typedValues();
    void timeGraphShape_data();
    void timeGraphShape();
    void spectraShape_data();
    void spectraShape();
    void readoutsShowTheirWholeText_data();
    void readoutsShowTheirWholeText();
    void responseAtTheBounds_data();
    void responseAtTheBounds();

private:
    TForm2& F() { return m_program->Form2(); }
    void Type(Field field, const QString& text);
    void TypeSettings(QLineEdit* edit, const QString& text);
    double Value(Field field);
    QByteArray Snapshot();
    void CheckFinite();
};

void BoundsTest::init()
{
    StartProgram();
    // A signal to draw: the fundamental at full scale, harmonic 3 at half.
    U().Vramp[1]->setPosition(100);
    U().Vramp[3]->setPosition(50);
}

void BoundsTest::TypeSettings(QLineEdit* edit, const QString& text)
{
    Click(U().VrDemoButton2);
    QVERIFY(F().isVisible());
    U().Form2.OKbutt->setFocus(); // the numeric fields keep the text as typed
    edit->setText(text);
    Click(U().Form2.OKbutt);
}

void BoundsTest::Type(Field field, const QString& text)
{
    switch (field) {
    case Fundamental:
        return TypeSettings(U().Form2.VrNumEdit1, text);
    case FullScale:
        return TypeSettings(U().Form2.VrStrEdit1, text);
    case Periods:
        return TypeSettings(U().Form2.VrStrEdit2, text);
    case MeanCoefficient:
        return TypeSettings(U().Form2.VrNumEdit2, text);
    case KeyStep:
        return TypeSettings(U().Form2.VrNumEdit3, text);
    case GraduationLength:
        Click(U().VrDemoButton2);
        m_dialogs.Answers.push(text);
        return Click(U().Form2.Label6);
    case CopyWidth:
    case CopyHeight:
        Click(U().VrDemoButton2);
        m_dialogs.Answers.push(text);
        return Click(field == CopyWidth ? U().Form2.Label25 : U().Form2.Label27);
    case FontSize: {
        Click(U().VrDemoButton2);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSize(text.toInt());
        m_dialogs.Fonts.push(font);
        return Click(U().Form2.VrDemoButton2);
    }
    case Cutoff:
        Click(U().FilterLed[1]); // "Passe-bas  ordre2 ": the cut-off on show
        return TypeCutoff(text);
    case StaticGain:
        m_dialogs.Answers.push(text);
        return Click(U().Label17);
    case Duration:
        m_program->fenetson().show();
        m_dialogs.Answers.push(text);
        return Click(m_program->fenetson().findChild<QLabel*>(QStringLiteral("Label3")));
    case DutyCycle:
        m_dialogs.Answers.push(text);
        return Click(U().DutyVrNum1);
    }
}

double BoundsTest::Value(Field field)
{
    const SharedState& s = S();
    switch (field) {
    case Fundamental:
        return s.Signal.FundamentalHz;
    case FullScale:
        return s.Signal.FullScaleValue;
    case Periods:
        return s.View.PeriodsShown;
    case MeanCoefficient:
        return U().VrSlidermoy->MaxValue();
    case KeyStep:
        return U().Vramp[1]->KeyIncrement;
    case GraduationLength:
        return s.Display.Plot.GraduationLength;
    case CopyWidth:
        return s.Display.CopyWidthPx;
    case CopyHeight:
        return s.Display.CopyHeightPx;
    case FontSize:
        return s.Display.Plot.FontSize;
    case Cutoff:
        return s.Filter.CutoffHz;
    case StaticGain:
        return s.Filter.StaticGain;
    case Duration:
        return m_program->fenetson().Study().DurationSeconds;
    case DutyCycle:
        return s.Signal.DutyCycle;
    }
    return 0;
}

// What a typed value may change, apart from the redraw's own results.
QByteArray BoundsTest::Snapshot()
{
    QByteArray b;
    auto add = [&b](const auto& x) { b.append(reinterpret_cast<const char*>(&x), sizeof x); };
    const SharedState& s = S();
    add(s.Signal.FundamentalHz), add(s.Signal.FullScaleValue), add(s.Signal.MeanValue), add(s.Signal.DutyCycle);
    add(s.Filter.CutoffHz), add(s.Filter.StaticGain), add(s.View.PeriodsShown), add(s.View.TimeEnd);
    add(s.Display.Plot.GraduationLength), add(s.Display.Plot.FontSize), add(s.Display.CopyWidthPx),
        add(s.Display.CopyHeightPx);
    add(U().VrSlidermoy->MaxValue()), add(U().Vramp[1]->KeyIncrement);
    add(m_program->fenetson().Study().DurationSeconds);
    b += U().Label5->text().toUtf8() + U().Label17->Caption().toUtf8() + U().Label12->Caption().toUtf8();
    return b;
}

// Every real the state holds is finite and within its range.
void BoundsTest::CheckFinite()
{
    const SharedState& s = S();
    const TimeGraphView& v = s.View;
    const HarmonicTable& h = s.Signal.Harmonics;
    for (double x : {s.Signal.MeanValue, v.TimeEnd, v.TimeStep, v.ValueMin, v.ValueMax, v.ValueStep,
                     s.Spectra.SpectrumMax})
        QVERIFY2(std::isfinite(x), qPrintable(QString::number(x)));
    for (int k = 0; k < RowCount; ++k)
        QVERIFY(std::isfinite(h.FilterGain[k]) && std::isfinite(h.OutputAmplitudePercent[k]));
    QVERIFY(IsFullScaleAllowed(s.Signal.FullScaleValue));
    QVERIFY(IsStaticGainAllowed(s.Filter.StaticGain));
    QVERIFY(IsPeriodsShownAllowed(v.PeriodsShown));
    QVERIFY(v.TimeStart < v.TimeEnd && v.TimeStep > 0 && v.ValueMin < v.ValueMax && v.ValueStep > 0);
}

void BoundsTest::typedValues_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");    // Refused: nothing changes
    QTest::addColumn<QString>("message"); // the one message shown, if any

    auto row = [](Field f, const char* text, double value, const QString& message = {}) {
        QTest::addRow("%s %s", FieldNames[f], text) << int(f) << QString::fromLatin1(text) << value << message;
    };
    // Beyond the doubles and below the normal ones, for every field.
    auto hostile = [&](Field f, const QString& message, const QString& huge = {}) {
        row(f, "1e999", Refused, huge.isNull() ? message : huge == "1" ? NotANumber("1e999") : huge);
        row(f, "-1e999", Refused, huge.isNull() ? message : huge == "1" ? NotANumber("-1e999") : huge);
        row(f, "nan", Refused, huge.isNull() ? message : huge == "1" ? NotANumber("nan") : huge);
        row(f, "1e-320", Refused, message);
    };
    const QString frequency = FromUtf8(FrequencyMessage), amplitude = FromUtf8(AmplitudeMessage),
                  periods = FromUtf8(PeriodsMessage), coefficient = FromUtf8(CoefficientMessage),
                  key = FromUtf8(KeyStepMessage), font = FromUtf8(FontSizeMessage);

    row(Fundamental, "1", 1);
    row(Fundamental, "0.4", Refused, frequency);
    row(Fundamental, "999999", 999999);
    row(Fundamental, "999999.5", Refused, frequency);
    hostile(Fundamental, frequency, "1"); // the field reads no number in these three

    row(FullScale, "1e-100", 1e-100);
    row(FullScale, "9.999999999999999e-101", Refused, amplitude);
    row(FullScale, "1e100", 1e100);
    row(FullScale, "1.0000000000000002e100", Refused, amplitude);
    hostile(FullScale, amplitude);

    row(Periods, "1e-290", 1e-290);
    row(Periods, "9.999999999999999e-291", Refused, periods);
    row(Periods, "9.999999999999998", 9.999999999999998);
    row(Periods, "10", Refused, periods);
    hostile(Periods, periods);

    row(MeanCoefficient, "0.01", 1);
    row(MeanCoefficient, "0.004", Refused, coefficient);
    row(MeanCoefficient, "9.99", 999);
    row(MeanCoefficient, "9.996", Refused, coefficient);
    hostile(MeanCoefficient, coefficient, "1");

    row(KeyStep, "0.6", 1);
    row(KeyStep, "0.4", Refused, key);
    row(KeyStep, "9.6", 10);
    row(KeyStep, "10", Refused, key);
    hostile(KeyStep, key, "1");

    // Out of range, ignored without a word; not a whole number, the
    // conversion message.
    row(GraduationLength, "1", 1);
    row(GraduationLength, "0", Refused);
    row(GraduationLength, "30", 30);
    row(GraduationLength, "31", Refused);
    hostile(GraduationLength, NotANumber("1e-320"), "1");

    // Out of range or no number, ignored without a word.
    row(CopyWidth, "1.35", 51);
    row(CopyWidth, "1.3", Refused);
    row(CopyWidth, "29.999", 1135);
    row(CopyWidth, "30", Refused);
    hostile(CopyWidth, {});
    row(CopyHeight, "1.35", 51);
    row(CopyHeight, "30", Refused);
    hostile(CopyHeight, {});

    row(FontSize, "6", 6);
    row(FontSize, "5", Refused, font);
    row(FontSize, "16", 16);
    row(FontSize, "17", Refused, font);

    row(Cutoff, "1", 1);
    row(Cutoff, "0.4", Refused, Mauvaise);
    row(Cutoff, "1000000", 999999);
    row(Cutoff, "1000001", Refused, Mauvaise);
    hostile(Cutoff, Mauvaise);

    row(StaticGain, "1e100", 1e100);
    row(StaticGain, "1.0000000000000002e100", Refused, Mauvaise);
    row(StaticGain, "-1e100", -1e100);
    row(StaticGain, "-1.0000000000000002e100", Refused, Mauvaise);
    row(StaticGain, "1e-100", 1e-100);
    row(StaticGain, "-9.999999999999999e-101", Refused, Mauvaise);
    row(StaticGain, "0", 0);
    hostile(StaticGain, Mauvaise);

    // A duration beyond 10 s is held to 10 s.
    row(Duration, "0", 0);
    row(Duration, "10", 10);
    row(Duration, "10.5", 10);
    row(Duration, "-3", 3);
    hostile(Duration, Mauvaise);

    // Out of range or no number, ignored without a word.
    row(DutyCycle, "0", 0);
    row(DutyCycle, "-1", Refused);
    row(DutyCycle, "100", 1);
    row(DutyCycle, "101", Refused);
    hostile(DutyCycle, {});
}

void BoundsTest::typedValues()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(QString, message);

    const Field f = Field(field);
    if (f == DutyCycle) {
        Click(U().VrPowerButton[2]); // the square wave shows the duty-cycle dialog
        QVERIFY(D().isVisible());
    }
    const QByteArray before = Snapshot();
    const int redraws = RedrawCount();
    Type(f, text);

    const QStringList shown = m_dialogs.Errors + m_dialogs.Messages;
    QCOMPARE(shown, message.isEmpty() ? QStringList() : QStringList{message});
    if (value == Refused) {
        QCOMPARE(Snapshot(), before);
    } else {
        QCOMPARE(Value(f), value);
        // The redraw the change asks for is done, whether it comes now
        // (main window, OK) or with the next redraw (the boxes of the
        // settings dialog): the input is drawn in its colour.
        if (RedrawCount() == redraws)
            m_program->Cycle().Redraw();
        const DisplaySettings& d = S().Display;
        QVERIFY(HasInk(G().Picture(), d.SynthesisColour) || HasInk(G().Picture(), d.OutputColour));
    }
    CheckFinite();
}

// Which curves or bars a row compares.
enum Series { InputSeries = 1, OutputSeries = 2, BothSeries = 3 };

void BoundsTest::timeGraphShape_data()
{
    QTest::addColumn<QString>("fullScale");
    QTest::addColumn<QString>("gain");
    QTest::addColumn<QString>("ordinaryFullScale");
    QTest::addColumn<QString>("ordinaryGain");
    QTest::addColumn<int>("series");

    // The input and the output drawn over it, the output through the
    // sharpest resonance, on harmonic 3.
    QTest::newRow("full scale 1e100") << "1e100" << "1" << "1" << "1" << int(BothSeries);
    QTest::newRow("full scale 1e-100") << "1e-100" << "1" << "1" << "1" << int(BothSeries);
    QTest::newRow("full scale 1e100, gain -1") << "1e100" << "-1" << "1" << "-1" << int(BothSeries);
    // Beside a gain of 1e4 or more the input is lost on the zero line, by
    // a fraction of a pixel that decides on which side of it: the input is
    // drawn in the background colour and the output compared.
    QTest::newRow("gain 1e100") << "1" << "1e100" << "1" << "1e4" << int(OutputSeries);
    QTest::newRow("gain -1e100") << "1" << "-1e100" << "1" << "-1e4" << int(OutputSeries);
    QTest::newRow("gain 1e100 at full scale 1e100") << "1e100" << "1e100" << "1" << "1e4" << int(OutputSeries);
    QTest::newRow("gain -1e100 at full scale 1e-100") << "1e-100" << "-1e100" << "1" << "-1e4" << int(OutputSeries);
    // Beside the input, a gain of 1e-100 leaves the output on the zero
    // line, exactly as a gain of 0 does.
    QTest::newRow("gain 1e-100") << "1" << "1e-100" << "1" << "0" << int(BothSeries);
    QTest::newRow("gain -1e-100 at full scale 1e100") << "1e100" << "-1e-100" << "1" << "0" << int(BothSeries);
    QTest::newRow("gain 1e-100 at full scale 1e-100") << "1e-100" << "1e-100" << "1" << "0" << int(BothSeries);
}

// The time graph at the ends of the ranges: the curves lie on exactly the
// pixels they take at an ordinary value; only the value labels differ.
void BoundsTest::timeGraphShape()
{
    QFETCH(QString, fullScale);
    QFETCH(QString, gain);
    QFETCH(QString, ordinaryFullScale);
    QFETCH(QString, ordinaryGain);
    QFETCH(int, series);

    Click(U().FilterLed[1]); // "Passe-bas  ordre2 "
    TypeCutoff(QStringLiteral("300"));
    U().VrTrackBar1->setPosition(0); // m = 0.0001
    // A mean of 23 % puts no point of the curves on the line between two
    // rows, where the last bit of a value would choose the row (30 % does,
    // at t = 0, and full scales 1 and 1e100 round it apart).
    U().VrSlidermoy->setPosition(23);
    DisplaySettings& d = S().Display;
    if (!(series & InputSeries))
        d.SynthesisColour = 0x000000;
    auto picture = [&](const QString& a, const QString& g) {
        Type(FullScale, a);
        Type(StaticGain, g);
        return G().Picture();
    };
    const QImage ordinary = picture(ordinaryFullScale, ordinaryGain);
    const QImage bound = picture(fullScale, gain);
    bound.save(QStringLiteral(PICTURE_DIR "/bounds-time-%1.png").arg(QTest::currentDataTag()).replace(' ', '-'));
    QVERIFY2(m_dialogs.Errors.isEmpty() && m_dialogs.Messages.isEmpty(),
             qPrintable((m_dialogs.Errors + m_dialogs.Messages).join('|')));
    CheckFinite();

    for (int which : {InputSeries, OutputSeries}) {
        if (!(series & which))
            continue;
        const QImage want = Mask(ordinary, which == InputSeries ? d.SynthesisColour : d.OutputColour);
        QVERIFY(Count(want) > 100);
        QCOMPARE(Mask(bound, which == InputSeries ? d.SynthesisColour : d.OutputColour), want);
    }
}

void BoundsTest::spectraShape_data()
{
    QTest::addColumn<QString>("fullScale");
    QTest::addColumn<QString>("gain");
    QTest::addColumn<QString>("ordinaryGain");
    QTest::addColumn<int>("series");

    QTest::newRow("full scale 1e100") << "1e100" << "1" << "1" << int(BothSeries);
    QTest::newRow("full scale 1e-100") << "1e-100" << "1" << "1" << int(BothSeries);
    // Beside the output at a gain of 1e4 the input bars have no height.
    QTest::newRow("gain 1e100 at full scale 1e100") << "1e100" << "1e100" << "1e4" << int(OutputSeries);
    QTest::newRow("gain -1e100 at full scale 1e-100") << "1e-100" << "-1e100" << "-1e4" << int(OutputSeries);
    // Nor the output bars beside the input at a gain of 1e-4.
    QTest::newRow("gain 1e-100 at full scale 1e100") << "1e100" << "1e-100" << "1e-4" << int(InputSeries);
}

// Both spectra in peak values ("Ampl") at the ends of the ranges: the bars
// stand on the pixels they take at full scale 1. The largest bar is 97 %,
// no whole number of graduations, so that the top of the scale does not
// hang on the last bit of a sum of steps: at a bar of exactly 100 % the
// sum reaches just above it and the top meets the bar at full scales 2,
// 0.01 or 1e-100 alike, and a little above it at 1 or 1e100.
void BoundsTest::spectraShape()
{
    QFETCH(QString, fullScale);
    QFETCH(QString, gain);
    QFETCH(QString, ordinaryGain);
    QFETCH(int, series);

    U().Vramp[1]->setPosition(97);
    U().VrSlidermoy->setPosition(30);
    Click(U().VrCheckLed20);
    Click(U().VrCheckLed21);
    Click(U().VrDemoButton2);
    Click(U().Form2.RadioButton[2]);
    QCOMPARE(S().Display.SpectrumMode, SpectrumMode::Amplitude);
    Click(U().Form2.OKbutt);
    auto picture = [&](const QString& a, const QString& g) {
        Type(FullScale, a);
        Type(StaticGain, g);
        return m_program->fenspectres().Picture();
    };
    const QImage ordinary = picture(QStringLiteral("1"), ordinaryGain);
    const QImage bound = picture(fullScale, gain);
    bound.save(QStringLiteral(PICTURE_DIR "/bounds-spectra-%1.png").arg(QTest::currentDataTag()).replace(' ', '-'));
    QVERIFY(m_dialogs.Errors.isEmpty() && m_dialogs.Messages.isEmpty());
    CheckFinite();

    const DisplaySettings& d = S().Display;
    for (int which : {InputSeries, OutputSeries}) {
        if (!(series & which))
            continue;
        const Colour c = which == InputSeries ? d.InputSpectrumColour : d.OutputSpectrumColour;
        const QImage want = Mask(ordinary, c);
        QVERIFY(Count(want) > 50);
        QCOMPARE(Mask(bound, c), want);
    }
}

void BoundsTest::readoutsShowTheirWholeText_data()
{
    QTest::addColumn<QString>("fundamental");
    QTest::addColumn<QString>("fullScale");
    QTest::addColumn<QString>("gain");
    QTest::addColumn<QString>("cutoff");

    // The longest texts the ranges give: " 1.23E-100", "-1.23E-100",
    // " 1.23E5Hz", "999.999" kHz.
    QTest::newRow("longest") << "999999" << "1.23e-100" << "-1.23e-100" << "123456";
    QTest::newRow("upper ends") << "999999" << "9.99e99" << "-9.99e99" << "999999";
    QTest::newRow("lower ends") << "1" << "1e-100" << "1e-100" << "1";
    QTest::newRow("ordinary") << "100" << "1" << "1" << "440";
}

// The full scale after "Val pour 100%:", the static gain and the typed
// cut-off show their whole text, inside their panel and clear of their
// neighbours, at every value the ranges allow.
void BoundsTest::readoutsShowTheirWholeText()
{
    QFETCH(QString, fundamental);
    QFETCH(QString, fullScale);
    QFETCH(QString, gain);
    QFETCH(QString, cutoff);

    Type(Fundamental, fundamental);
    Type(FullScale, fullScale);
    Type(StaticGain, gain);
    Type(Cutoff, cutoff);
    QVERIFY(m_dialogs.Errors.isEmpty() && m_dialogs.Messages.isEmpty());
    QCOMPARE(U().Label5->text(), QString::fromStdString(FormatNumber(S().Signal.FullScaleValue)));

    // The full scale and the fundamental: captions of their panel, sized to
    // their text.
    QWidget* panel = U().Label5->parentWidget();
    const QRect inside = panel->rect().adjusted(2, 2, -2, -2);
    const QList<QLabel*> captions = panel->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    for (const QLabel* l : captions) {
        QVERIFY2(l->width() >= l->fontMetrics().horizontalAdvance(l->text()), qPrintable(l->text()));
        QVERIFY2(inside.contains(l->geometry()), qPrintable(l->text()));
        for (const QLabel* other : captions)
            if (other != l)
                QVERIFY2(!l->geometry().intersects(other->geometry()), qPrintable(l->text() + " / " + other->text()));
    }

    // The click-to-change values: their text in full within the box, in a
    // font made smaller only as far as it stays readable.
    for (const TVrClickValue* v : {U().Label17, U().Label12}) {
        const QFont f = v->fittedFont();
        QVERIFY2(QFontMetrics(f).horizontalAdvance(v->Caption()) <= v->width() - 8, qPrintable(v->Caption()));
        QVERIFY2(f.pixelSize() >= 10, qPrintable(v->Caption()));
    }
    QVERIFY(U().Label12->isVisible());
    W().grab().save(QStringLiteral(PICTURE_DIR "/bounds-main-%1.png").arg(QTest::currentDataTag()).replace(' ', '-'));
}

void BoundsTest::responseAtTheBounds_data()
{
    QTest::addColumn<int>("led"); // the model's LED, 0 .. 6
    QTest::addColumn<QString>("gain");

    for (int led = 0; led < 7; ++led)
        for (const char* g : {"1e100", "-1e100", "1e-100", "-1e-100", "0"})
            QTest::addRow("%d gain %s", led, g) << led << QString::fromLatin1(g);
}

// The response window at the ends of the gain range, with the sharpest
// resonance: finite axes and curve, the gain in dB where it belongs.
void BoundsTest::responseAtTheBounds()
{
    QFETCH(int, led);
    QFETCH(QString, gain);

    Type(FullScale, QStringLiteral("1e100"));
    Click(U().FilterLed[led]);
    if (led != 0) {
        TypeCutoff(QStringLiteral("300"));
        U().VrTrackBar1->setPosition(0);
    }
    Type(StaticGain, gain);
    Click(U().VrBitmapImage1);
    const Tfenreponse& r = m_program->fenreponse();
    QVERIFY(r.isVisible());
    QVERIFY(m_dialogs.Errors.isEmpty() && m_dialogs.Messages.isEmpty());
    CheckFinite();

    const ResponseView& view = r.View();
    for (const ValueAxis& a : {view.Db, view.Deg})
        QVERIFY(std::isfinite(a.Min) && std::isfinite(a.Max) && a.Min < a.Max && a.Step > 0);
    const double g0 = std::fabs(S().Filter.StaticGain);
    if (g0 > 0) {
        // The top of the gain axis is within one graduation of the largest gain.
        const double peakDb = GainToDb(led >= 1 && led <= 2 ? g0 / (2 * 0.0001) : g0);
        QVERIFY2(view.Db.Max >= peakDb && view.Db.Max <= peakDb + 2 * view.Db.Step,
                 qPrintable(QStringLiteral("%1 dB axis for a peak of %2 dB").arg(view.Db.Max).arg(peakDb)));
    }
    for (const ResponseSample& p : view.Curve)
        QVERIFY(std::isfinite(p.Log10Hz) && std::isfinite(p.PhaseDeg) && !std::isnan(p.GainDb));
    QVERIFY(!r.Picture().isNull());
}

QTEST_MAIN(BoundsTest)
#include "tst_bounds.moc"
