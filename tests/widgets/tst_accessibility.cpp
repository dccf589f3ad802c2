// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader learns of each kind of control: role, name, value,
// range and step, state, the actions, a value set through the reader going
// through the control's value rule, and the events sent on a change.
#include "widgets/accessibility.h"
#include "widgets/tclickablelabel.h"
#include "widgets/tradiogroup.h"
#include "widgets/tvrbitmapimage.h"
#include "widgets/tvrbitmaplist.h"
#include "widgets/tvrcheckled.h"
#include "widgets/tvrclickvalue.h"
#include "widgets/tvrdemobutton.h"
#include "widgets/tvrdigitgroup.h"
#include "widgets/tvrdisplay.h"
#include "widgets/tvrnum.h"
#include "widgets/tvrpowerbutton.h"
#include "widgets/tvrslider.h"
#include "widgets/tvrswitch.h"
#include "widgets/tvrtrackbar.h"
#include "widgets/tvrwheel.h"
#include "widgets/txibutton.h"
#include "widgets/vrpanel.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <QtTest/qtestaccessible.h>

#include <cmath>
#include <functional>
#include <memory>

namespace {

QAccessibleInterface* Describe(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    if (!a)
        qFatal("no accessible interface for %s", w->metaObject()->className());
    return a;
}

int RangeValue(QWidget* w)
{
    if (auto* s = qobject_cast<TVrSlider*>(w))
        return s->Position();
    if (auto* t = qobject_cast<TVrTrackBar*>(w))
        return t->Position();
    if (auto* k = qobject_cast<TVrWheel*>(w))
        return k->Position();
    return qobject_cast<TVrSwitch*>(w)->Offset();
}

// Whether the events can be watched here: a platform without
// accessibility (the offscreen one) drops them before any recorder sees
// them; under X they are recorded.
bool EventsWatched()
{
    return QAccessible::isActive();
}

// Forgets the events recorded. QTestAccessibility::clearEvents drops its
// copies of the events without deleting them.
void ClearEvents()
{
    qDeleteAll(QTestAccessibility::events());
    QTestAccessibility::clearEvents();
}

// A value-change event of w with this value was sent (or cannot be seen).
bool ValueEventSent(QWidget* w, const QVariant& v)
{
    QAccessibleValueChangeEvent expected(w, v);
    return !EventsWatched() || QTestAccessibility::containsEvent(&expected);
}

// A change of w's checked state was announced (or cannot be seen).
bool CheckedEventSent(QWidget* w)
{
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent expected(w, changed);
    return !EventsWatched() || QTestAccessibility::containsEvent(&expected);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        InstallAccessibility();
        QTestAccessibility::initialize();
        // The events reach the test's recorder only while a reader listens:
        // on X with the accessibility bus, once the bridge has found it.
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            (void)QTest::qWaitFor([] { return QAccessible::isActive(); }, 5000);
        if (!EventsWatched())
            qInfo("no accessibility on this platform: the events are checked under X only");
    }
    void cleanupTestCase()
    {
        ClearEvents();
        QTestAccessibility::cleanup();
    }
    void init() { ClearEvents(); }

    void rangedKinds_data();
    void rangedKinds();
    void readouts();
    void lamps_data();
    void lamps();
    void buttons_data();
    void buttons();
    void panelsAreNamedAfterTheirCaption();
    void spokenNumbers();
};

using Build = std::function<QWidget*()>;
Q_DECLARE_METATYPE(Build)
Q_DECLARE_METATYPE(QAccessible::Role)

void TestAccessibility::rangedKinds_data()
{
    QTest::addColumn<Build>("build");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("asked");    // set through the reader
    QTest::addColumn<int>("settled");  // where the value rule puts it
    QTest::addColumn<int>("increased"); // then one "increase"
    QTest::addColumn<int>("decreased"); // then one "decrease"
    QTest::addColumn<QString>("spoken"); // the value as spoken at `settled`

    QTest::newRow("slider") << Build([] {
        auto* s = new TVrSlider;
        s->setMinValue(0);
        s->setMaxValue(100);
        s->setValueSpeech([](int v) { return QString::number(v) + QStringLiteral(" %"); });
        return s;
    }) << QAccessible::Slider << 0 << 100 << 5 << 37 << 37 << 42 << 37 << QStringLiteral("37 %");
    QTest::newRow("slider clamps") << Build([] {
        auto* s = new TVrSlider;
        s->setMinValue(-400);
        s->setMaxValue(400);
        return s;
    }) << QAccessible::Slider << -400 << 400 << 5 << 1000 << 400 << 400 << 395 << QStringLiteral("400");
    QTest::newRow("track bar") << Build([] {
        auto* t = new TVrTrackBar;
        t->setMaxValue(1000);
        t->setFrequency(2);
        return t;
    }) << QAccessible::Slider << 0 << 1000 << 2 << 141 << 141 << 143 << 141 << QStringLiteral("141");
    // The knob comes round past its end, as its keys do.
    QTest::newRow("knob") << Build([] {
        auto* k = new TVrWheel;
        k->setMaxValue(1000);
        k->setMinValue(100);
        return k;
    }) << QAccessible::Dial << 100 << 1000 << 1 << 1000 << 1000 << 100 << 1000 << QStringLiteral("1000");
    QTest::newRow("switch") << Build([] {
        auto* s = new TVrSwitch;
        s->setPositions(4);
        s->setValueSpeech([](int v) { return QString::number(-90 + 90 * v) + QStringLiteral("°"); });
        return s;
    }) << QAccessible::Slider << 0 << 3 << 1 << 2 << 2 << 3 << 2 << QStringLiteral("90°");
}

void TestAccessibility::rangedKinds()
{
    QFETCH(Build, build);
    QFETCH(QAccessible::Role, role);
    std::unique_ptr<QWidget> w(build());
    w->setAccessibleName(QStringLiteral("Amplitude harmonique 3"));
    QAccessibleInterface* a = Describe(w.get());
    QCOMPARE(a->role(), role);
    QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Amplitude harmonique 3"));
    QAccessibleValueInterface* v = a->valueInterface();
    QVERIFY(v);
    QTEST(v->minimumValue().toInt(), "min");
    QTEST(v->maximumValue().toInt(), "max");
    QTEST(v->minimumStepSize().toInt(), "step");

    QFETCH(int, asked);
    QFETCH(int, settled);
    v->setCurrentValue(asked);
    QCOMPARE(RangeValue(w.get()), settled);
    QCOMPARE(v->currentValue().toInt(), settled);
    QTEST(a->text(QAccessible::Value), "spoken");
    QVERIFY(ValueEventSent(w.get(), settled));

    // What is not a number asks for nothing.
    v->setCurrentValue(QStringLiteral("abc"));
    v->setCurrentValue(std::nan(""));
    QCOMPARE(RangeValue(w.get()), settled);

    QAccessibleActionInterface* act = a->actionInterface();
    QVERIFY(act);
    QVERIFY(act->actionNames().contains(QAccessibleActionInterface::increaseAction()));
    act->doAction(QAccessibleActionInterface::increaseAction());
    QTEST(RangeValue(w.get()), "increased");
    act->doAction(QAccessibleActionInterface::decreaseAction());
    QTEST(RangeValue(w.get()), "decreased");

    // A disabled control is not moved.
    w->setEnabled(false);
    const int before = RangeValue(w.get());
    v->setCurrentValue(v->minimumValue());
    act->doAction(QAccessibleActionInterface::increaseAction());
    QCOMPARE(RangeValue(w.get()), before);
    QVERIFY(a->state().disabled);
}

void TestAccessibility::readouts()
{
    TVrNum num;
    num.setMax(999);
    num.setMin(-999);
    num.setAccessibleName(QStringLiteral("Affichage amplitude harmonique 3"));
    num.setValueSpeech([](int v) { return QString::number(v) + QStringLiteral(" %"); });
    num.setValue(21);
    QAccessibleInterface* a = Describe(&num);
    QCOMPARE(a->role(), QAccessible::StaticText);
    QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Affichage amplitude harmonique 3"));
    QVERIFY(a->textInterface());
    QCOMPARE(a->textInterface()->text(0, -1), QStringLiteral("21 %"));
    QCOMPARE(a->textInterface()->characterCount(), 4);
    QCOMPARE(a->valueInterface()->currentValue().toInt(), 21);
    QVERIFY(a->state().readOnly);
    QVERIFY(ValueEventSent(&num, 21));
    // A read-out is read, not set.
    a->valueInterface()->setCurrentValue(50);
    QCOMPARE(num.Value(), 21);
    QVERIFY(!a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    // A clickable one opens what a click opens.
    num.setClickable(true);
    QSignalSpy clicks(&num, &TVrNum::OnClick);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicks.count(), 1);

    TVrDigitGroup damping;
    damping.setDigits(3);
    damping.setDecimals(2);
    damping.setValue(0.25);
    QAccessibleInterface* d = Describe(&damping);
    QCOMPARE(d->role(), QAccessible::StaticText);
    QCOMPARE(d->text(QAccessible::Value), QStringLiteral("0,25"));
    QCOMPARE(d->textInterface()->text(0, -1), QStringLiteral("0,25"));
    QCOMPARE(d->valueInterface()->currentValue().toDouble(), 0.25);
    damping.setValue(-1.5);
    QVERIFY(ValueEventSent(&damping, -1.5));
    QCOMPARE(d->text(QAccessible::Value), QStringLiteral("-1,50"));
}

void TestAccessibility::lamps_data()
{
    QTest::addColumn<bool>("radio");
    QTest::addColumn<bool>("clickUnchecks");
    QTest::addColumn<bool>("litAfterTwoToggles");
    QTest::newRow("check box") << false << true << false;
    QTest::newRow("radio button") << true << true << false;
    QTest::newRow("radio button that stays lit") << true << false << true;
}

void TestAccessibility::lamps()
{
    QFETCH(bool, radio);
    QFETCH(bool, clickUnchecks);
    QWidget parent;
    auto* led = new TVrCheckLed(QStringLiteral("Passe-bas  ordre2 "), &parent);
    auto* other = new TVrCheckLed(QStringLiteral("Amplificateur"), &parent);
    if (radio) {
        led->setCheckStyle(TVrCheckLed::csRadioButton);
        other->setCheckStyle(TVrCheckLed::csRadioButton);
        other->setChecked(true);
    }
    led->setClickUnchecks(clickUnchecks);
    QAccessibleInterface* a = Describe(led);
    QCOMPARE(a->role(), radio ? QAccessible::RadioButton : QAccessible::CheckBox);
    QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Passe-bas ordre2"));
    QVERIFY(a->state().checkable);
    QVERIFY(!a->state().checked);
    ClearEvents();

    QSignalSpy changes(led, &TVrCheckLed::OnChange);
    a->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(led->Checked());
    QVERIFY(a->state().checked);
    QCOMPARE(changes.count(), 1);
    QVERIFY(CheckedEventSent(led));
    if (radio) {
        QVERIFY(!other->Checked());
        QVERIFY(CheckedEventSent(other));
    }
    a->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QTEST(led->Checked(), "litAfterTwoToggles");

    led->setAccessibleName(QStringLiteral("Voir harmonique 3"));
    QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Voir harmonique 3"));
}

void TestAccessibility::buttons_data()
{
    QTest::addColumn<Build>("build");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("toggles");

    QTest::newRow("lamp button") << Build([] { return new TVrPowerButton(QStringLiteral("Carré       ")); })
                                 << QAccessible::Button << QStringLiteral("Carré") << QString() << true;
    QTest::newRow("caption button") << Build([] { return new TVrDemoButton(QStringLiteral("Quitter")); })
                                    << QAccessible::Button << QStringLiteral("Quitter") << QString() << false;
    QTest::newRow("coloured button") << Build([] { return new TXiButton(QStringLiteral("Copier")); })
                                     << QAccessible::Button << QStringLiteral("Copier") << QString() << false;
    QTest::newRow("value to click") << Build([] {
        auto* b = new TVrClickValue(QStringLiteral("1"));
        b->setAccessibleName(QStringLiteral("Amplification statique"));
        return b;
    }) << QAccessible::Button << QStringLiteral("Amplification statique") << QStringLiteral("1") << false;
    QTest::newRow("clickable caption") << Build([] { return new TClickableLabel(QStringLiteral("Type graduations")); })
                                       << QAccessible::Button << QStringLiteral("Type graduations") << QString()
                                       << false;
    QTest::newRow("clickable caption with a value") << Build([] {
        auto* l = new TClickableLabel(QStringLiteral("14.9"));
        l->setAccessibleName(QStringLiteral("Taille graphe copié horiz (cm)"));
        return l;
    }) << QAccessible::Button << QStringLiteral("Taille graphe copié horiz (cm)") << QStringLiteral("14,9") << false;
    QTest::newRow("clickable picture") << Build([] {
        auto* i = new TVrBitmapImage;
        i->setClickable(true);
        i->setAccessibleName(QStringLiteral("Schéma du filtre"));
        return i;
    }) << QAccessible::Button << QStringLiteral("Schéma du filtre") << QString() << false;
}

void TestAccessibility::buttons()
{
    QFETCH(Build, build);
    QFETCH(bool, toggles);
    std::unique_ptr<QWidget> w(build());
    QAccessibleInterface* a = Describe(w.get());
    QTEST(a->role(), "role");
    QTEST(a->text(QAccessible::Name), "name");
    QFETCH(QString, value);
    QCOMPARE(a->text(QAccessible::Value), value);
    // The value shown is the button's text.
    if (value.isEmpty())
        QVERIFY(!a->textInterface());
    else
        QCOMPARE(a->textInterface()->text(0, -1), value);
    QVERIFY(a->state().focusable);
    QCOMPARE(bool(a->state().checkable), toggles);

    const QByteArray signal = QByteArray("2OnClick(") + w->metaObject()->className() + "*)";
    QSignalSpy spy(w.get(), signal.constData());
    QVERIFY(spy.isValid());
    QStringList actions = a->actionInterface()->actionNames();
    QVERIFY(actions.contains(QAccessibleActionInterface::pressAction()));
    QCOMPARE(actions.contains(QAccessibleActionInterface::toggleAction()), toggles);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(spy.count(), 1);
    if (toggles) {
        QVERIFY(a->state().checked);
        QVERIFY(CheckedEventSent(w.get()));
    }
    w->setEnabled(false);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(spy.count(), 1);
}

void TestAccessibility::panelsAreNamedAfterTheirCaption()
{
    QWidget window;
    TVrDisplay* group = VrPanel::Group(&window, "GroupBox2", QStringLiteral("Sortie du filtre"), 0, 0, 200, 100);
    QAccessibleInterface* a = Describe(group);
    QCOMPARE(a->role(), QAccessible::Grouping);
    QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Sortie du filtre"));

    TRadioGroup radio(QStringLiteral("Type spectres"), {QStringLiteral("% amp"), QStringLiteral("Ampl")}, true,
                      &window);
    QAccessibleInterface* r = Describe(&radio);
    QCOMPARE(r->role(), QAccessible::Grouping);
    QCOMPARE(r->text(QAccessible::Name), QStringLiteral("Type spectres"));
    QCOMPARE(Describe(radio.Item(1))->role(), QAccessible::RadioButton);
    QCOMPARE(Describe(radio.Item(1))->text(QAccessible::Name), QStringLiteral("Ampl"));
}

void TestAccessibility::spokenNumbers()
{
    QCOMPARE(SpokenNumber(1.41), QStringLiteral("1,41"));
    QCOMPARE(SpokenNumber(-0.0), QStringLiteral("0"));
    QCOMPARE(SpokenNumber(1234567.0, 5), QStringLiteral("1,2346E+06"));
    QCOMPARE(SpokenNumber(std::nan("")), QStringLiteral("indéfini"));
    QCOMPARE(SpokenNumberText(QStringLiteral(" .5")), QStringLiteral("0,5"));
    QCOMPARE(SpokenNumberText(QStringLiteral("-.25 %")), QStringLiteral("-0,25 %"));
    QCOMPARE(SpokenNumberText(QStringLiteral("1.23E-100")), QStringLiteral("1,23E-100"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
