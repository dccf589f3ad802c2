// SPDX-License-Identifier: GPL-3.0-or-later
// The typed values at the ends of their ranges and beyond.
#include "tests/app/boundstest.h"

namespace {

const char* const FieldNames[] = {"f0",   "full scale", "periods", "coefficient", "key step", "graduation",
                                  "width", "height",    "font",    "cut-off",     "gain",     "duration",
                                  "duty"};

QString FromUtf8(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QString NotANumber(const char* text)
{
    return FromUtf8(NotANumberMessage(text));
}

} // namespace

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

QTEST_MAIN(BoundsTest)
