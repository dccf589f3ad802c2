// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard and mouse handling of the controls.
#include "widgets/tvrdemobutton.h"
#include "widgets/tvrpowerbutton.h"
#include "widgets/tvrslider.h"
#include "widgets/tvrswitch.h"
#include "widgets/tvrtrackbar.h"
#include "widgets/tvrwheel.h"
#include "widgets/txibutton.h"

#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <memory>
#include <numbers>

namespace {

// Positions: the pointer lands on whole pixels, about 1° off at 38 px from the
// centre at each end of a sweep, and a degree is 2.5 positions here.
constexpr int AngleTolerance = 5;

// A control under keyboard test, built from a table row.
struct Keyed
{
    std::unique_ptr<QWidget> widget;
    std::function<int()> value;
};

Keyed makeKeyed(const QString& kind, Qt::Orientation orientation, int value, int step)
{
    Keyed k;
    if (kind == QLatin1String("slider")) {
        auto* s = new TVrSlider;
        s->setOrientation(orientation);
        s->setPosition(value);
        if (step > 0)
            s->KeyIncrement = step;
        k.value = [s] { return s->Position(); };
        k.widget.reset(s);
    } else if (kind == QLatin1String("trackbar")) {
        auto* t = new TVrTrackBar;
        t->setOrientation(orientation);
        t->setPosition(value);
        if (step > 0)
            t->setFrequency(step);
        k.value = [t] { return t->Position(); };
        k.widget.reset(t);
    } else {
        auto* s = new TVrSwitch;
        s->setOrientation(orientation);
        s->setOffset(value);
        k.value = [s] { return s->Offset(); };
        k.widget.reset(s);
    }
    return k;
}

QPoint onCircle(QPointF centre, double radius, double degreesClockwiseFromUp)
{
    const double a = degreesClockwiseFromUp * std::numbers::pi / 180.0;
    return QPointF(centre.x() + radius * std::sin(a), centre.y() - radius * std::cos(a)).toPoint();
}


// A control under mouse test, built from a table row, at the size the
// program gives it.
Keyed makeDragged(const QString& kind)
{
    Keyed k;
    if (kind == QLatin1String("trackbar")) {
        // The duty-cycle bar: 254 px of travel from x = 8, 50 at x = 135.
        auto* t = new TVrTrackBar;
        t->resize(270, 44);
        t->setFrequency(1);
        t->setPosition(50);
        k.value = [t] { return t->Position(); };
        k.widget.reset(t);
    } else if (kind.startsWith(QLatin1String("slider"))) {
        // The thumb's centre travels from y = 175 (0) up to y = 10 (100).
        auto* s = new TVrSlider;
        s->resize(33, 185);
        if (kind == QLatin1String("slider active"))
            s->setOptions(s->Options() | TVrSlider::soActiveClick | TVrSlider::soMouseClip);
        k.value = [s] { return s->Position(); };
        k.widget.reset(s);
    } else if (kind == QLatin1String("switch")) {
        // A phase switch: stops 0 ... 3 at y = 41, 30, 20, 9.
        auto* s = new TVrSwitch;
        s->resize(26, 50);
        s->setOffset(1);
        k.value = [s] { return s->Offset(); };
        k.widget.reset(s);
    } else {
        // The cut-off knob: 100 ... 1000 over a turn, 100 straight up.
        auto* w = new TVrWheel;
        w->resize(85, 85);
        w->setMaxValue(1000);
        w->setMinValue(100);
        w->setPosition(100);
        k.value = [w] { return w->Position(); };
        k.widget.reset(w);
    }
    return k;
}

}  // namespace

class TestInput : public QObject
{
    Q_OBJECT

private slots:
    void keyboard_data();
    void keyboard();
    void sliderDragKeepsGrabOffset();
    void sliderTrackClick_data();
    void sliderTrackClick();
    void wheelDragAcrossEnd_data();
    void wheelDragAcrossEnd();
    void wheelMouseWheel_data();
    void wheelMouseWheel();
    void dragPaths_data();
    void dragPaths();
    void powerButton();
    void demoButtonFonts();
    void xiButtonHoverFace();
};

void TestInput::keyboard_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("step");  // KeyIncrement or Frequency; 0 keeps the default
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("expected");

    const auto V = Qt::Vertical, H = Qt::Horizontal;
    const Qt::KeyboardModifiers none, shift(Qt::ShiftModifier), ctrl(Qt::ControlModifier),
        alt(Qt::AltModifier), keypad(Qt::KeypadModifier);

    // Slider: Home = MinValue, End = MaxValue, KeyIncrement along its axis.
    QTest::addRow("slider Home") << "slider" << V << 50 << 0 << int(Qt::Key_Home) << none << 0;
    QTest::addRow("slider End") << "slider" << V << 50 << 0 << int(Qt::Key_End) << none << 100;
    QTest::addRow("slider Up") << "slider" << V << 50 << 0 << int(Qt::Key_Up) << none << 55;
    QTest::addRow("slider Down") << "slider" << V << 50 << 0 << int(Qt::Key_Down) << none << 45;
    QTest::addRow("slider Up by 7") << "slider" << V << 50 << 7 << int(Qt::Key_Up) << none << 57;
    QTest::addRow("slider Up clamped") << "slider" << V << 98 << 0 << int(Qt::Key_Up) << none << 100;
    QTest::addRow("slider keypad Up") << "slider" << V << 50 << 0 << int(Qt::Key_Up) << keypad << 55;
    QTest::addRow("slider Right ignored") << "slider" << V << 50 << 0 << int(Qt::Key_Right) << none << 50;
    QTest::addRow("slider Shift+Up") << "slider" << V << 50 << 0 << int(Qt::Key_Up) << shift << 50;
    QTest::addRow("slider Ctrl+Home") << "slider" << V << 50 << 0 << int(Qt::Key_Home) << ctrl << 50;
    QTest::addRow("horizontal slider Right") << "slider" << H << 50 << 0 << int(Qt::Key_Right) << none << 55;
    QTest::addRow("horizontal slider Left") << "slider" << H << 50 << 0 << int(Qt::Key_Left) << none << 45;
    QTest::addRow("horizontal slider Up ignored") << "slider" << H << 50 << 0 << int(Qt::Key_Up) << none << 50;

    // Track bar: Home = MaxValue, End = MinValue, Frequency along its axis.
    QTest::addRow("trackbar Home") << "trackbar" << H << 50 << 0 << int(Qt::Key_Home) << none << 100;
    QTest::addRow("trackbar End") << "trackbar" << H << 50 << 0 << int(Qt::Key_End) << none << 0;
    QTest::addRow("trackbar Right") << "trackbar" << H << 50 << 0 << int(Qt::Key_Right) << none << 60;
    QTest::addRow("trackbar Left") << "trackbar" << H << 50 << 0 << int(Qt::Key_Left) << none << 40;
    QTest::addRow("trackbar Right by 2") << "trackbar" << H << 50 << 2 << int(Qt::Key_Right) << none << 52;
    QTest::addRow("trackbar Left clamped") << "trackbar" << H << 5 << 0 << int(Qt::Key_Left) << none << 0;
    QTest::addRow("trackbar Up ignored") << "trackbar" << H << 50 << 0 << int(Qt::Key_Up) << none << 50;
    QTest::addRow("trackbar Alt+Right") << "trackbar" << H << 50 << 0 << int(Qt::Key_Right) << alt << 50;
    QTest::addRow("trackbar Shift+End") << "trackbar" << H << 50 << 0 << int(Qt::Key_End) << shift << 50;
    QTest::addRow("vertical trackbar Up") << "trackbar" << V << 50 << 0 << int(Qt::Key_Up) << none << 60;
    QTest::addRow("vertical trackbar Down") << "trackbar" << V << 50 << 0 << int(Qt::Key_Down) << none << 40;
    QTest::addRow("vertical trackbar Left ignored") << "trackbar" << V << 50 << 0 << int(Qt::Key_Left) << none << 50;

    // Switch (4 positions): Home = 0, End = 3, every arrow steps by one.
    QTest::addRow("switch Home") << "switch" << V << 2 << 0 << int(Qt::Key_Home) << none << 0;
    QTest::addRow("switch End") << "switch" << V << 1 << 0 << int(Qt::Key_End) << none << 3;
    QTest::addRow("switch Up") << "switch" << V << 1 << 0 << int(Qt::Key_Up) << none << 2;
    QTest::addRow("switch Right") << "switch" << V << 1 << 0 << int(Qt::Key_Right) << none << 2;
    QTest::addRow("switch Down") << "switch" << V << 1 << 0 << int(Qt::Key_Down) << none << 0;
    QTest::addRow("switch Left") << "switch" << H << 1 << 0 << int(Qt::Key_Left) << none << 0;
    QTest::addRow("switch Up at last") << "switch" << V << 3 << 0 << int(Qt::Key_Up) << none << 3;
    QTest::addRow("switch Ctrl+Up") << "switch" << V << 1 << 0 << int(Qt::Key_Up) << ctrl << 1;
}

void TestInput::keyboard()
{
    QFETCH(QString, kind);
    QFETCH(Qt::Orientation, orientation);
    QFETCH(int, start);
    QFETCH(int, step);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, expected);
    Keyed k = makeKeyed(kind, orientation, start, step);
    QTest::keyClick(k.widget.get(), Qt::Key(key), modifiers);
    QCOMPARE(k.value(), expected);
}

void TestInput::sliderDragKeepsGrabOffset()
{
    // 33 × 185: the thumb's centre travels from y = 175 (0) up to y = 10 (100).
    TVrSlider s;
    s.resize(33, 185);
    QSignalSpy spy(&s, &TVrSlider::OnChange);
    QTest::mousePress(&s, Qt::LeftButton, {}, QPoint(16, 172));  // 3 px above the thumb's centre
    QCOMPARE(s.Position(), 0);
    QTest::mouseMove(&s, QPoint(16, 130));
    QTest::mouseMove(&s, QPoint(16, 89));  // centre at 92: (175 − 92) / 165 ≈ 0.503
    QTest::mouseRelease(&s, Qt::LeftButton, {}, QPoint(16, 89));
    QCOMPARE(s.Position(), 50);
    QCOMPARE(spy.count(), 2);
    QTest::mouseMove(&s, QPoint(16, 20));  // no button: nothing moves
    QCOMPARE(s.Position(), 50);
}

void TestInput::sliderTrackClick_data()
{
    QTest::addColumn<bool>("activeClick");
    QTest::addColumn<int>("expected");
    QTest::addRow("default options") << false << 0;
    QTest::addRow("soActiveClick") << true << 50;
}

void TestInput::sliderTrackClick()
{
    QFETCH(bool, activeClick);
    TVrSlider s;
    s.resize(33, 185);
    if (activeClick)
        s.setOptions(s.Options() | TVrSlider::soActiveClick | TVrSlider::soMouseClip);
    QTest::mouseClick(&s, Qt::LeftButton, {}, QPoint(16, 92));  // away from the thumb at the bottom
    QTEST(s.Position(), "expected");
    QTest::mouseClick(&s, Qt::RightButton, {}, QPoint(16, 20));
    QTEST(s.Position(), "expected");
}

void TestInput::wheelDragAcrossEnd_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("sweep");  // degrees, clockwise positive
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("jumps");
    // Range 100 … 1000 over one turn: 2.5 positions per degree.
    QTest::addRow("up past the end") << 950 << 40 << 150 << 1;
    QTest::addRow("down past the start") << 150 << -40 << 950 << 1;
    QTest::addRow("within the turn") << 400 << 90 << 625 << 0;
}

void TestInput::wheelDragAcrossEnd()
{
    QFETCH(int, start);
    QFETCH(int, sweep);
    QFETCH(int, expected);
    TVrWheel w;
    w.resize(85, 85);
    w.setMaxValue(1000);
    w.setMinValue(100);
    w.setPosition(start);
    QSignalSpy spy(&w, &TVrWheel::OnChange);
    QList<int> positions{start};
    connect(&w, &TVrWheel::OnChange, this, [&positions](TVrWheel* s) { positions << s->Position(); });
    const QPointF c = QRectF(w.rect()).center();
    const double a0 = w.handleAngle() + 30;  // grab the knob away from its pointer
    QTest::mousePress(&w, Qt::LeftButton, {}, onCircle(c, 38, a0));
    const int steps = 10;
    for (int i = 1; i <= steps; ++i)
        QTest::mouseMove(&w, onCircle(c, 38, a0 + double(sweep) * i / steps));
    QTest::mouseRelease(&w, Qt::LeftButton, {}, onCircle(c, 38, a0 + sweep));
    QVERIFY2(std::abs(w.Position() - expected) <= AngleTolerance, qPrintable(QString::number(w.Position())));

    // Crossing an end shows as one jump between the two ends of the range.
    int jumps = 0;
    for (qsizetype i = 1; i < positions.size(); ++i)
        if (std::abs(positions[i] - positions[i - 1]) > 450)
            ++jumps;
    QTEST(jumps, "jumps");
    QCOMPARE(spy.count(), positions.size() - 1);
}

void TestInput::wheelMouseWheel_data()
{
    // The knob of the cut-off, 100 ... 1000; a notch (120) turns it one
    // position, a passage across the ends included.
    QTest::addColumn<int>("start");
    QTest::addColumn<QList<int>>("deltas"); // angleDelta().y() of successive events
    QTest::addColumn<QList<int>>("positions"); // after each change
    QTest::addRow("a notch up") << 550 << QList<int>{120} << QList<int>{551};
    QTest::addRow("two notches down") << 550 << QList<int>{-240} << QList<int>{549, 548};
    QTest::addRow("quarter notches of a fine wheel") << 550 << QList<int>{30, 30, 30, 30, 30} << QList<int>{551};
    QTest::addRow("halves there and back") << 550 << QList<int>{60, -60, 60} << QList<int>{};
    // Each notch is one change, so the passage from one end to the other
    // shows as a jump between two changes, as when the knob is dragged.
    QTest::addRow("up past the end") << 998 << QList<int>{360} << QList<int>{999, 1000, 100};
    QTest::addRow("down past the start") << 100 << QList<int>{-120} << QList<int>{1000};
    // A turn as large as the device can send stops after one turn (901
    // positions, 901 notches).
    QList<int> turn;
    for (int p = 550; turn.size() < 901;)
        turn << (p = 100 + (p - 100 + 1) % 901);
    QTest::addRow("no more than a turn") << 550 << QList<int>{120 * 1000000} << turn;
}

void TestInput::wheelMouseWheel()
{
    QFETCH(int, start);
    QFETCH(QList<int>, deltas);
    QFETCH(QList<int>, positions);
    TVrWheel w;
    w.setMaxValue(1000);
    w.setMinValue(100);
    w.setPosition(start);
    QList<int> changes;
    connect(&w, &TVrWheel::OnChange, this, [&changes](TVrWheel* s) { changes << s->Position(); });
    for (int delta : deltas) {
        QWheelEvent e(QPointF(40, 40), QPointF(40, 40), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(&w, &e);
        QVERIFY(e.isAccepted());
    }
    QCOMPARE(changes, positions);
}

void TestInput::dragPaths_data()
{
    // A path of the mouse: p and r press and release the left button, P and
    // R the right one, m moves, each at the next point.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<QList<int>>("changes"); // the value after each change

    QTest::addRow("trackbar: a click away from the thumb brings it there")
        << "trackbar" << "pr" << QList<QPoint>{{35, 22}, {35, 22}} << QList<int>{11};
    // Taken 4 px right of its centre, the thumb stays 4 px left of the pointer.
    QTest::addRow("trackbar: a drag keeps where the thumb was taken")
        << "trackbar" << "pmr" << QList<QPoint>{{139, 22}, {190, 22}, {190, 22}} << QList<int>{70};
    QTest::addRow("trackbar: the release sets the value")
        << "trackbar" << "pr" << QList<QPoint>{{139, 22}, {60, 22}} << QList<int>{19};
    QTest::addRow("trackbar: the right button does nothing")
        << "trackbar" << "PmR" << QList<QPoint>{{35, 22}, {60, 22}, {60, 22}} << QList<int>{};
    QTest::addRow("slider: the release sets the value")
        << "slider" << "prm" << QList<QPoint>{{16, 172}, {16, 89}, {16, 20}} << QList<int>{50};
    QTest::addRow("slider: a press off the thumb does not drag")
        << "slider" << "pmr" << QList<QPoint>{{16, 92}, {16, 50}, {16, 50}} << QList<int>{};
    QTest::addRow("active slider: a press off the thumb brings it there, the drag goes on past the end")
        << "slider active" << "pmr" << QList<QPoint>{{16, 92}, {16, -40}, {16, -40}} << QList<int>{50, 100};
    QTest::addRow("switch: a press picks the nearest stop, the drag follows, the release stays")
        << "switch" << "pmr" << QList<QPoint>{{13, 5}, {13, 40}, {13, 5}} << QList<int>{3, 0};
    QTest::addRow("switch: the right button does nothing")
        << "switch" << "PR" << QList<QPoint>{{13, 5}, {13, 5}} << QList<int>{};
    QTest::addRow("wheel: the press and the release do not turn it")
        << "wheel" << "pr" << QList<QPoint>{{80, 42}, {42, 80}} << QList<int>{};
    QTest::addRow("wheel: the drag turns it by the angle swept, a move after the release does not")
        << "wheel" << "pmmrm" << QList<QPoint>{{80, 42}, {42, 80}, {5, 42}, {42, 5}, {80, 42}}
        << QList<int>{329, 554};
    QTest::addRow("wheel: the centre is no angle")
        << "wheel" << "pmmr" << QList<QPoint>{{42, 42}, {43, 42}, {42, 80}, {42, 80}} << QList<int>{552};
}

void TestInput::dragPaths()
{
    QFETCH(QString, kind);
    QFETCH(QString, actions);
    QFETCH(QList<QPoint>, points);
    QFETCH(QList<int>, changes);
    QCOMPARE(points.size(), actions.size());
    Keyed k = makeDragged(kind);
    QWidget* w = k.widget.get();
    QList<int> seen;
    int last = k.value();
    for (int i = 0; i < actions.size(); ++i) {
        const QPoint at = points[i];
        switch (actions[i].toLatin1()) {
        case 'p': QTest::mousePress(w, Qt::LeftButton, {}, at); break;
        case 'r': QTest::mouseRelease(w, Qt::LeftButton, {}, at); break;
        case 'P': QTest::mousePress(w, Qt::RightButton, {}, at); break;
        case 'R': QTest::mouseRelease(w, Qt::RightButton, {}, at); break;
        default: QTest::mouseMove(w, at); break;
        }
        if (k.value() != last)
            seen << (last = k.value());
    }
    QCOMPARE(seen, changes);
}

void TestInput::powerButton()
{
    TVrPowerButton b(QStringLiteral("Synth libre"));
    b.resize(81, 33);
    QList<bool> activeAtClick;
    connect(&b, &TVrPowerButton::OnClick, this, [&](TVrPowerButton* s) { activeAtClick << s->Active(); });
    QSignalSpy keys(&b, &TVrPowerButton::OnKeyDown);

    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(40, 16));
    QCOMPARE(activeAtClick, QList<bool>({true}));  // toggled before OnClick
    QTest::keyClick(&b, Qt::Key_Space);
    QCOMPARE(activeAtClick, QList<bool>({true, false}));
    QTest::keyClick(&b, Qt::Key_Return);
    QCOMPARE(activeAtClick.size(), 2);
    QCOMPARE(keys.count(), 2);
    QCOMPARE(keys.last().at(1).toInt(), int(Qt::Key_Return));

    // Press on the button, release off it: no click. Code sets Active silently.
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(40, 16));
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(40, 60));
    b.setActive(true);
    QCOMPARE(activeAtClick.size(), 2);
    QVERIFY(b.Active());
}

void TestInput::demoButtonFonts()
{
    TVrDemoButton b(QStringLiteral("OK"));
    QFont leave(QStringLiteral("Arial"));
    leave.setBold(true);
    QFont enter(QStringLiteral("Arial"));
    enter.setItalic(true);
    b.setFontLeave(leave);
    b.setFontEnter(enter);
    b.resize(65, 41);
    QSignalSpy clicks(&b, &TVrDemoButton::OnClick);
    QCOMPARE(b.captionFont(), leave);
    QEnterEvent in(QPointF(10, 10), QPointF(10, 10), QPointF(10, 10));
    QApplication::sendEvent(&b, &in);
    QCOMPARE(b.captionFont(), enter);
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(clicks.count(), 1);
    QEvent out(QEvent::Leave);
    QApplication::sendEvent(&b, &out);
    QCOMPARE(b.captionFont(), leave);
}

void TestInput::xiButtonHoverFace()
{
    TXiButton b(QStringLiteral("Copier"));
    b.resize(113, 57);
    auto faceAt = [&b] { return b.grab().toImage().pixelColor(8, b.height() / 2); };
    const QColor normal = faceAt();
    QEnterEvent in(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&b, &in);
    QCOMPARE(b.state(), TXiButton::State::Over);
    const QColor over = faceAt();
    const QColor orange(0xFF, 0xD0, 0x6F);
    auto near = [](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) < 16 && std::abs(a.green() - b.green()) < 16 &&
               std::abs(a.blue() - b.blue()) < 16;
    };
    QVERIFY2(near(normal, QColor(0xC0, 0xC0, 0xC0)), qPrintable(normal.name()));
    QVERIFY2(near(over, orange), qPrintable(over.name()));
    b.setHotTrack(false);
    QCOMPARE(b.state(), TXiButton::State::Normal);
    b.setEnabled(false);
    QCOMPARE(b.state(), TXiButton::State::Disabled);
}

QTEST_MAIN(TestInput)
#include "tst_input.moc"
