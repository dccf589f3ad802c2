// SPDX-License-Identifier: GPL-3.0-or-later
// The value rule of the ranged controls and the radio behaviour of the LEDs.
#include "widgets/tvrcheckled.h"
#include "widgets/tvrnum.h"
#include "widgets/tvrslider.h"
#include "widgets/tvrswitch.h"
#include "widgets/tvrtrackbar.h"
#include "widgets/tvrwheel.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// One ranged control seen through the names its kind gives the rule.
struct Ranged
{
    std::unique_ptr<QWidget> widget;
    std::function<int()> value, min, max;
    std::function<void(int)> setValue, setMin, setMax;
    std::unique_ptr<QSignalSpy> changes;
};

template <typename T, typename Signal>
Ranged wrap(Signal signal, int (T::*get)() const, void (T::*set)(int), int (T::*getMin)() const,
            bool (T::*putMin)(int), int (T::*getMax)() const, bool (T::*putMax)(int))
{
    auto w = std::make_unique<T>();
    T* t = w.get();
    Ranged r;
    r.value = [t, get] { return (t->*get)(); };
    r.setValue = [t, set](int v) { (t->*set)(v); };
    r.min = [t, getMin] { return (t->*getMin)(); };
    r.setMin = [t, putMin](int v) { (t->*putMin)(v); };
    r.max = [t, getMax] { return (t->*getMax)(); };
    r.setMax = [t, putMax](int v) { (t->*putMax)(v); };
    r.changes = std::make_unique<QSignalSpy>(t, signal);
    r.widget = std::move(w);
    return r;
}

Ranged make(const QString& kind)
{
    if (kind == QLatin1String("TVrSlider"))
        return wrap<TVrSlider>(&TVrSlider::OnChange, &TVrSlider::Position, &TVrSlider::setPosition,
                               &TVrSlider::MinValue, &TVrSlider::setMinValue, &TVrSlider::MaxValue,
                               &TVrSlider::setMaxValue);
    if (kind == QLatin1String("TVrTrackBar"))
        return wrap<TVrTrackBar>(&TVrTrackBar::OnChange, &TVrTrackBar::Position, &TVrTrackBar::setPosition,
                                 &TVrTrackBar::MinValue, &TVrTrackBar::setMinValue, &TVrTrackBar::MaxValue,
                                 &TVrTrackBar::setMaxValue);
    if (kind == QLatin1String("TVrWheel"))
        return wrap<TVrWheel>(&TVrWheel::OnChange, &TVrWheel::Position, &TVrWheel::setPosition,
                              &TVrWheel::MinValue, &TVrWheel::setMinValue, &TVrWheel::MaxValue,
                              &TVrWheel::setMaxValue);
    return wrap<TVrNum>(&TVrNum::OnChange, &TVrNum::Value, &TVrNum::setValue, &TVrNum::Min, &TVrNum::setMin,
                        &TVrNum::Max, &TVrNum::setMax);
}

enum class Op { Value, Min, Max };

}  // namespace

Q_DECLARE_METATYPE(Op)

class TestValue : public QObject
{
    Q_OBJECT

private slots:
    void rule_data();
    void rule();
    void crossedBoundDragsTheOther_data();
    void crossedBoundDragsTheOther();
    void switchOffset_data();
    void switchOffset();
    void wheelRefusesCrossedRange_data();
    void wheelRefusesCrossedRange();
    void wheelLoadingSettlesRange();
    void radioLeds();
    void clickOnLitRadioLedPutsItOut();
    void checkLedClick_data();
    void checkLedClick();
};

void TestValue::rule_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("start");  // in a range 0 … 1000
    QTest::addColumn<Op>("op");
    QTest::addColumn<int>("arg");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("changes");

    for (const char* kind : {"TVrSlider", "TVrTrackBar", "TVrWheel", "TVrNum"}) {
        QTest::addRow("%s same value", kind) << kind << 300 << Op::Value << 300 << 300 << 0;
        QTest::addRow("%s new value", kind) << kind << 300 << Op::Value << 301 << 301 << 1;
        QTest::addRow("%s clamped high", kind) << kind << 300 << Op::Value << 5000 << 1000 << 1;
        QTest::addRow("%s clamped high at max", kind) << kind << 1000 << Op::Value << 1001 << 1000 << 0;
        QTest::addRow("%s clamped low", kind) << kind << 300 << Op::Value << -7 << 0 << 1;
        QTest::addRow("%s clamped low at min", kind) << kind << 0 << Op::Value << INT_MIN << 0 << 0;
        QTest::addRow("%s clamped from INT_MAX", kind) << kind << 300 << Op::Value << INT_MAX << 1000 << 1;
        QTest::addRow("%s max lowered below value", kind) << kind << 300 << Op::Max << 200 << 200 << 1;
        QTest::addRow("%s max lowered to value", kind) << kind << 300 << Op::Max << 300 << 300 << 0;
        QTest::addRow("%s max lowered above value", kind) << kind << 300 << Op::Max << 500 << 300 << 0;
        QTest::addRow("%s min raised above value", kind) << kind << 300 << Op::Min << 400 << 400 << 1;
        QTest::addRow("%s min raised below value", kind) << kind << 300 << Op::Min << 100 << 300 << 0;
    }
}

void TestValue::rule()
{
    QFETCH(QString, kind);
    QFETCH(int, start);
    QFETCH(Op, op);
    QFETCH(int, arg);
    QFETCH(int, value);
    QFETCH(int, changes);

    Ranged r = make(kind);
    r.setMax(1000);
    r.setMin(0);
    r.setValue(start);
    QCOMPARE(r.value(), start);
    r.changes->clear();

    switch (op) {
    case Op::Value: r.setValue(arg); break;
    case Op::Min: r.setMin(arg); break;
    case Op::Max: r.setMax(arg); break;
    }
    QCOMPARE(r.value(), value);
    QCOMPARE(r.changes->count(), changes);
    if (changes > 0)
        QCOMPARE(r.changes->first().first().value<QObject*>(), r.widget.get());
}

void TestValue::crossedBoundDragsTheOther_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Op>("op");
    QTest::addColumn<int>("arg");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("value");
    for (const char* kind : {"TVrSlider", "TVrTrackBar", "TVrNum"}) {
        QTest::addRow("%s max below min", kind) << kind << Op::Max << -10 << -10 << -10 << -10;
        QTest::addRow("%s min above max", kind) << kind << Op::Min << 150 << 150 << 150 << 150;
    }
}

void TestValue::crossedBoundDragsTheOther()
{
    QFETCH(QString, kind);
    QFETCH(Op, op);
    QFETCH(int, arg);
    Ranged r = make(kind);
    r.setMax(100);
    r.setValue(50);
    r.changes->clear();
    (op == Op::Max ? r.setMax : r.setMin)(arg);
    QTEST(r.min(), "min");
    QTEST(r.max(), "max");
    QTEST(r.value(), "value");
    QCOMPARE(r.changes->count(), 1);
}

void TestValue::switchOffset_data()
{
    QTest::addColumn<int>("positions");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("newPositions");  // 0: keep
    QTest::addColumn<int>("newOffset");     // -100: none
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("changes");
    QTest::addRow("same offset") << 4 << 1 << 0 << 1 << 1 << 0;
    QTest::addRow("new offset") << 4 << 1 << 0 << 2 << 2 << 1;
    QTest::addRow("clamped high") << 4 << 1 << 0 << 9 << 3 << 1;
    QTest::addRow("clamped low") << 4 << 1 << 0 << -1 << 0 << 1;
    QTest::addRow("positions lowered below offset") << 8 << 6 << 5 << -100 << 4 << 1;
    QTest::addRow("positions lowered, offset kept") << 8 << 2 << 5 << -100 << 2 << 0;
    QTest::addRow("no positions left") << 4 << 3 << -2 << -100 << 0 << 1;
}

void TestValue::switchOffset()
{
    QFETCH(int, positions);
    QFETCH(int, start);
    QFETCH(int, newPositions);
    QFETCH(int, newOffset);
    TVrSwitch s;
    s.setPositions(positions);
    s.setOffset(start);
    QSignalSpy spy(&s, &TVrSwitch::OnChange);
    if (newPositions != 0)
        s.setPositions(newPositions);
    if (newOffset != -100)
        s.setOffset(newOffset);
    QTEST(s.Offset(), "offset");
    QTEST(int(spy.count()), "changes");
    QVERIFY(s.Positions() >= 1);
}

void TestValue::wheelRefusesCrossedRange_data()
{
    QTest::addColumn<Op>("op");
    QTest::addColumn<int>("arg");
    QTest::addRow("max below min") << Op::Max << 50;
    QTest::addRow("min above max") << Op::Min << 1001;
}

void TestValue::wheelRefusesCrossedRange()
{
    QFETCH(Op, op);
    QFETCH(int, arg);
    TVrWheel w;
    w.setMaxValue(1000);
    w.setMinValue(100);
    w.setPosition(550);
    QSignalSpy changes(&w, &TVrWheel::OnChange);
    QSignalSpy errors(&w, &TVrWheel::OnError);
    const bool accepted = op == Op::Max ? w.setMaxValue(arg) : w.setMinValue(arg);
    QVERIFY(!accepted);
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.first().at(1).toString(), QStringLiteral("Value out of range."));
    QCOMPARE(w.MinValue(), 100);
    QCOMPARE(w.MaxValue(), 1000);
    QCOMPARE(w.Position(), 550);
    QCOMPARE(changes.count(), 0);
}

void TestValue::wheelLoadingSettlesRange()
{
    TVrWheel w;  // 0 … 100
    QSignalSpy changes(&w, &TVrWheel::OnChange);
    QSignalSpy errors(&w, &TVrWheel::OnError);
    w.beginLoading();
    w.setMinValue(200);  // crosses the maximum for a moment
    w.setMaxValue(300);
    w.endLoading();
    QCOMPARE(errors.count(), 0);
    QCOMPARE(w.MinValue(), 200);
    QCOMPARE(w.MaxValue(), 300);
    QCOMPARE(w.Position(), 200);
    QCOMPARE(changes.count(), 1);

    // Still crossed when loading ends: reported, and the range settles on the maximum.
    w.beginLoading();
    w.setMinValue(500);
    w.endLoading();
    QCOMPARE(errors.count(), 1);
    QCOMPARE(w.MinValue(), 300);
    QCOMPARE(w.MaxValue(), 300);
    QCOMPARE(w.Position(), 300);
}

namespace {
// A panel of LEDs whose changes are logged as "name:0" / "name:1" in order.
struct LedPanel
{
    QWidget parent;
    QWidget otherParent;
    QStringList log;
    TVrCheckLed* add(const QString& name, TVrCheckLed::TVrCheckStyle style, bool checked, QWidget* p = nullptr)
    {
        auto* led = new TVrCheckLed(name, p ? p : &parent);
        led->setCheckStyle(style);
        led->setChecked(checked);
        QObject::connect(led, &TVrCheckLed::OnChange, led, [this](TVrCheckLed* s) {
            log << s->Caption() + (s->Checked() ? ":1" : ":0");
        });
        return led;
    }
};
}  // namespace

void TestValue::radioLeds()
{
    LedPanel panel;
    auto* a = panel.add("a", TVrCheckLed::csRadioButton, true);
    auto* b = panel.add("b", TVrCheckLed::csRadioButton, false);
    auto* c = panel.add("c", TVrCheckLed::csRadioButton, false);
    auto* box = panel.add("box", TVrCheckLed::csCheckbox, true);
    auto* elsewhere = panel.add("elsewhere", TVrCheckLed::csRadioButton, true, &panel.otherParent);

    c->setChecked(true);
    QCOMPARE(panel.log, QStringList({"a:0", "c:1"}));
    QVERIFY(!a->Checked() && !b->Checked() && c->Checked());
    QVERIFY(box->Checked());
    QVERIFY(elsewhere->Checked());

    panel.log.clear();
    c->setChecked(true);
    QVERIFY(panel.log.isEmpty());

    // A checkbox-style LED does not take part in the group.
    box->setChecked(false);
    box->setChecked(true);
    QCOMPARE(panel.log, QStringList({"box:0", "box:1"}));
    QVERIFY(c->Checked());
}

void TestValue::clickOnLitRadioLedPutsItOut()
{
    LedPanel panel;
    auto* a = panel.add("a", TVrCheckLed::csRadioButton, true);
    auto* b = panel.add("b", TVrCheckLed::csRadioButton, false);
    a->resize(a->sizeHint());
    b->resize(b->sizeHint());
    QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(4, a->height() / 2));
    QVERIFY(!a->Checked());
    QVERIFY(!b->Checked());
    QCOMPARE(panel.log, QStringList({"a:0"}));
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, b->height() / 2));
    QCOMPARE(panel.log, QStringList({"a:0", "b:1"}));
}

void TestValue::checkLedClick_data()
{
    QTest::addColumn<QPoint>("release");  // relative to the control's size
    QTest::addColumn<bool>("toggles");
    QTest::addRow("release inside") << QPoint(0, 0) << true;
    QTest::addRow("release outside") << QPoint(50, 0) << false;
}

void TestValue::checkLedClick()
{
    QFETCH(QPoint, release);
    QFETCH(bool, toggles);
    QWidget parent;
    TVrCheckLed led(QStringLiteral("Quadrillage"), &parent);
    led.resize(led.sizeHint());
    QSignalSpy spy(&led, &TVrCheckLed::OnChange);
    const QPoint in(4, led.height() / 2);
    QTest::mousePress(&led, Qt::LeftButton, {}, in);
    QTest::mouseRelease(&led, Qt::LeftButton, {}, in + QPoint(release.x() ? led.width() + release.x() : 0, 0));
    QCOMPARE(led.Checked(), toggles);
    QCOMPARE(spy.count(), toggles ? 1 : 0);
}

QTEST_MAIN(TestValue)
#include "tst_value.moc"
