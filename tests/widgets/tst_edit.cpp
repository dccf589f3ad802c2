// SPDX-License-Identifier: GPL-3.0-or-later
// Typing, reading and leaving the numeric and text fields.
#include "widgets/tvrnumedit.h"
#include "widgets/tvrstredit.h"

#include <QFocusEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

QLocale localeNamed(const QString& name)
{
    return name == QLatin1String("fr") ? QLocale(QLocale::French, QLocale::France) : QLocale::c();
}

void focus(QWidget& w, QEvent::Type type)
{
    QFocusEvent e(type, Qt::TabFocusReason);
    QApplication::sendEvent(&w, &e);
}

}  // namespace

class TestEdit : public QObject
{
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void writing_data();
    void writing();
    void typing_data();
    void typing();
    void minusToggles_data();
    void minusToggles();
    void escape_data();
    void escape();
    void leaving_data();
    void leaving();
    void validKeys_data();
    void validKeys();
};

void TestEdit::reading_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("minValue");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::addRow("empty, MinValue 0") << "C" << 0.0 << "" << true << 0.0;
    QTest::addRow("empty, MinValue 1") << "C" << 1.0 << "" << true << 1.0;
    QTest::addRow("empty, MinValue -2.5") << "C" << -2.5 << "" << true << -2.5;
    QTest::addRow("whole number") << "C" << 0.0 << "999999" << true << 999999.0;
    QTest::addRow("period in C") << "C" << 0.0 << "1.5" << true << 1.5;
    QTest::addRow("comma in French") << "fr" << 0.0 << "1,5" << true << 1.5;
    QTest::addRow("period in French") << "fr" << 0.0 << "1.5" << false << 0.0;
    QTest::addRow("group separator") << "C" << 0.0 << "1,000" << false << 0.0;
    QTest::addRow("lone minus") << "C" << 0.0 << "-" << false << 0.0;
    QTest::addRow("not a number") << "C" << 3.0 << "abc" << false << 3.0;
}

void TestEdit::reading()
{
    QFETCH(QString, locale);
    QFETCH(double, minValue);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    TVrNumEdit e;
    e.setLocale(localeNamed(locale));
    e.setMinValue(minValue);
    e.setText(text);
    bool read = !ok;
    QTEST(e.Value(&read), "value");
    QCOMPARE(read, ok);
    QCOMPARE(e.conversionError().isEmpty(), ok);
}

void TestEdit::writing_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addRow("whole") << "C" << 4.0 << "4";
    QTest::addRow("million") << "C" << 1e6 << "1000000";
    QTest::addRow("fraction C") << "C" << 2.5 << "2.5";
    QTest::addRow("fraction French") << "fr" << 2.5 << "2,5";
    QTest::addRow("negative zero") << "C" << -0.0 << "0";
    QTest::addRow("not finite is ignored") << "C" << qQNaN() << "7";
}

void TestEdit::writing()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    TVrNumEdit e;
    e.setLocale(localeNamed(locale));
    e.setText(QStringLiteral("7"));
    e.setValue(value);
    QTEST(e.text(), "text");
}

void TestEdit::typing_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addRow("separator refused with Decimals 0") << "C" << 0 << "12.5" << "125";
    QTest::addRow("separator accepted") << "C" << 2 << "12.5" << "12.5";
    QTest::addRow("second separator refused") << "C" << 2 << "1.2.5" << "1.25";
    QTest::addRow("French comma") << "fr" << 2 << "1,5" << "1,5";
    QTest::addRow("period is not the French separator") << "fr" << 2 << "1.5" << "15";
    QTest::addRow("letters and signs refused") << "C" << 2 << "a1b+2e3 " << "123";
    QTest::addRow("minus typed last") << "C" << 0 << "42-" << "-42";
    QTest::addRow("minus typed twice") << "C" << 0 << "-4-2" << "42";
}

void TestEdit::typing()
{
    QFETCH(QString, locale);
    QFETCH(int, decimals);
    QFETCH(QString, keys);
    TVrNumEdit e;
    e.setLocale(localeNamed(locale));
    e.setDecimals(decimals);
    QTest::keyClicks(&e, keys);
    QTEST(e.text(), "text");
}

void TestEdit::minusToggles_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("resultCaret");
    QTest::addRow("caret at start") << "123" << 0 << "-123" << 1;
    QTest::addRow("caret inside") << "123" << 2 << "-123" << 3;
    QTest::addRow("caret at end") << "123" << 3 << "-123" << 4;
    QTest::addRow("removed, caret inside") << "-123" << 2 << "123" << 1;
    QTest::addRow("removed, caret at start") << "-123" << 0 << "123" << 0;
    QTest::addRow("empty field") << "" << 0 << "-" << 1;
}

void TestEdit::minusToggles()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    TVrNumEdit e;
    e.setText(text);
    e.setCursorPosition(caret);
    QTest::keyClick(&e, Qt::Key_Minus, Qt::NoModifier);
    QTEST(e.text(), "result");
    QTEST(e.cursorPosition(), "resultCaret");
}

void TestEdit::escape_data()
{
    QTest::addColumn<bool>("restoreOnEsc");
    QTest::addColumn<QString>("text");
    QTest::addRow("RestoreOnEsc") << true << "25";
    QTest::addRow("no RestoreOnEsc") << false << "25789";
}

void TestEdit::escape()
{
    QFETCH(bool, restoreOnEsc);
    TVrNumEdit e;
    e.setRestoreOnEsc(restoreOnEsc);
    e.setValue(25);
    focus(e, QEvent::FocusIn);
    e.end(false);
    QTest::keyClicks(&e, QStringLiteral("789"));
    QTest::keyClick(&e, Qt::Key_Escape);
    QTEST(e.text(), "text");
}

void TestEdit::leaving_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("minValue");
    QTest::addColumn<double>("maxValue");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("error");
    QTest::addRow("in range") << "C" << 0.0 << 10000.0 << 0 << "12" << "12" << false;
    QTest::addRow("decimals added") << "C" << 0.0 << 10.0 << 2 << "3" << "3.00" << false;
    QTest::addRow("decimals cut") << "C" << 0.0 << 10.0 << 2 << "3.14159" << "3.14" << false;
    QTest::addRow("half to even") << "C" << 0.0 << 10.0 << 0 << "2.5" << "2" << false;
    QTest::addRow("French decimals") << "fr" << 0.0 << 10.0 << 2 << "3,5" << "3,50" << false;
    QTest::addRow("bounds included") << "C" << 1.0 << 10.0 << 0 << "10" << "10" << false;
    QTest::addRow("empty reads MinValue") << "C" << 1.0 << 10.0 << 0 << "" << "1" << false;
    QTest::addRow("above MaxValue") << "C" << 0.0 << 10.0 << 2 << "11.5" << "11.5" << true;
    QTest::addRow("below MinValue") << "C" << 1.0 << 10.0 << 0 << "-2" << "-2" << true;
    QTest::addRow("not a number") << "C" << 0.0 << 10.0 << 0 << "-" << "-" << true;
}

void TestEdit::leaving()
{
    QFETCH(QString, locale);
    QFETCH(double, minValue);
    QFETCH(double, maxValue);
    QFETCH(int, decimals);
    QFETCH(QString, typed);
    QFETCH(bool, error);
    TVrNumEdit e;
    e.setLocale(localeNamed(locale));
    e.setMinValue(minValue);
    e.setMaxValue(maxValue);
    e.setDecimals(decimals);
    QSignalSpy errors(&e, &TVrNumEdit::OnError);
    focus(e, QEvent::FocusIn);
    e.setText(typed);
    focus(e, QEvent::FocusOut);
    QTEST(e.text(), "text");
    QCOMPARE(errors.count(), error ? 1 : 0);
}

void TestEdit::validKeys_data()
{
    QTest::addColumn<QString>("validKeys");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("edited");  // after Left and Backspace
    QTest::addRow("any key") << "" << "1a,2" << "1a,2" << "1a2";
    QTest::addRow("digits and period") << "0123456789." << "1a,2.5" << "12.5" << "125";
}

void TestEdit::validKeys()
{
    QFETCH(QString, validKeys);
    QFETCH(QString, keys);
    TVrStrEdit e;
    e.setValidKeys(validKeys);
    QTest::keyClicks(&e, keys);
    QTEST(e.Text(), "text");
    QTest::keyClick(&e, Qt::Key_Left);
    QTest::keyClick(&e, Qt::Key_Backspace);
    QTEST(e.Text(), "edited");
}

QTEST_MAIN(TestEdit)
#include "tst_edit.moc"
