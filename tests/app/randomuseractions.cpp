// SPDX-License-Identifier: GPL-3.0-or-later
// The random user's actions: a window on screen chosen, then a control of
// it clicked, dragged, turned, typed into or pasted into, or the window
// resized, minimised or closed.
#include "tests/app/randomuser.h"

#include <QClipboard>
#include <QPointer>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace RandomUser;

namespace {

const std::pair<Qt::Key, const char*> Keys[] = {
    {Qt::Key_Up, "Up"},         {Qt::Key_Down, "Down"},         {Qt::Key_Left, "Left"},
    {Qt::Key_Right, "Right"},   {Qt::Key_PageUp, "PageUp"},     {Qt::Key_PageDown, "PageDown"},
    {Qt::Key_Home, "Home"},     {Qt::Key_End, "End"},           {Qt::Key_Space, "Space"},
    {Qt::Key_Return, "Return"}, {Qt::Key_Enter, "Enter"},       {Qt::Key_Tab, "Tab"},
    {Qt::Key_Backtab, "Backtab"}, {Qt::Key_Escape, "Escape"},   {Qt::Key_Backspace, "Backspace"},
    {Qt::Key_Delete, "Delete"}, {Qt::Key_Minus, "Minus"},       {Qt::Key_Period, "Period"},
    {Qt::Key_Comma, "Comma"},   {Qt::Key_Plus, "Plus"},
};

} // namespace

void RandomUserTest::Start()
{
    m_program = std::make_unique<Program>(m_dialogs, &m_sound);
    m_dialogs.State = &m_program->State();
    m_dialogs.Study = &m_program->fenetson().Study();
    m_ui = std::make_unique<Ui>(*m_program);
    m_program->Show();
    QCoreApplication::processEvents();
}

void RandomUserTest::Stop()
{
    m_ui.reset();
    m_program.reset();
    m_lastWindow = nullptr;
}

// The program's windows, in their start-up order, the response window last.
QList<QWidget*> RandomUserTest::Windows() const
{
    Program& p = *m_program;
    return {&p.fensynth(), &p.Form2(), &p.fengraphe(), &p.fenspectres(), &p.rappcycl(), &p.fenetson(),
            &p.fenreponse()};
}

QString RandomUserTest::WindowName(const QWidget* w) const
{
    static const char* const Names[] = {"main", "settings", "time graph", "spectra", "duty cycle", "sound",
                                        "response"};
    const QList<QWidget*> windows = Windows();
    const qsizetype i = windows.indexOf(const_cast<QWidget*>(w));
    return i < 0 ? QStringLiteral("?") : QString::fromLatin1(Names[i]);
}

// Every visible, enabled control of the window that has a name of its own,
// but a menu button: its menu runs an event loop of its own that the random
// user cannot drive (the menu's commands have their own tests).
QList<QWidget*> RandomUserTest::Controls(QWidget* window)
{
    QList<QWidget*> controls;
    for (QWidget* c : window->findChildren<QWidget*>()) {
        const QString name = c->objectName();
        const auto* button = qobject_cast<QToolButton*>(c);
        if (button && button->menu())
            continue;
        if (c->isVisible() && c->isEnabled() && !name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
            controls << c;
    }
    return controls;
}

QWidget* RandomUserTest::HitAt(QWidget* window, QWidget* control, QPoint point, QPoint& local) const
{
    const QPoint inWindow = control->mapTo(window, point);
    QWidget* hit = window->childAt(inWindow);
    if (!hit)
        hit = window;
    local = hit->mapFrom(window, inWindow);
    return hit;
}

QString RandomUserTest::Where(QWidget* control, QPoint point, QWidget* hit) const
{
    QString s = QStringLiteral("%1 at (%2,%3)").arg(control->objectName()).arg(point.x()).arg(point.y());
    if (hit != control)
        s += QStringLiteral(" [hits %1]").arg(hit->objectName().isEmpty()
                                                  ? QString::fromLatin1(hit->metaObject()->className())
                                                  : hit->objectName());
    return s;
}

void RandomUserTest::Click(QWidget* window, QWidget* control, bool twice)
{
    const QPoint p(Int(0, std::max(0, control->width() - 1)), Int(0, std::max(0, control->height() - 1)));
    QPoint local;
    QWidget* hit = HitAt(window, control, p, local);
    m_line += QStringLiteral("%1 %2").arg(twice ? "double-click" : "click", Where(control, p, hit));
    ++m_perKind[twice ? "double-click" : "click"];
    if (twice)
        QTest::mouseDClick(hit, Qt::LeftButton, {}, local);
    else
        QTest::mouseClick(hit, Qt::LeftButton, {}, local);
}

// Press on a point of the control, move the held button over it and a
// little beyond, release: every move goes to the widget pressed, as the
// pointer is grabbed while the button is down.
void RandomUserTest::Drag(QWidget* window, QWidget* control)
{
    const QPoint p(Int(0, std::max(0, control->width() - 1)), Int(0, std::max(0, control->height() - 1)));
    QPoint local;
    QWidget* hit = HitAt(window, control, p, local);
    QList<QPoint> moves(Int(1, 6));
    for (QPoint& q : moves)
        q = QPoint(Int(-40, control->width() + 40), Int(-40, control->height() + 40));
    m_line += QStringLiteral("drag %1 through %2 moves to (%3,%4)")
                  .arg(Where(control, p, hit))
                  .arg(moves.size())
                  .arg(moves.last().x())
                  .arg(moves.last().y());
    ++m_perKind["drag"];
    QPointer<QWidget> pressed(hit);
    QTest::mousePress(hit, Qt::LeftButton, {}, local);
    for (const QPoint& q : moves)
        if (pressed)
            QTest::mouseMove(hit, hit->mapFrom(window, control->mapTo(window, q)));
    if (pressed)
        QTest::mouseRelease(hit, Qt::LeftButton, {}, hit->mapFrom(window, control->mapTo(window, moves.last())));
}

void RandomUserTest::Wheel(QWidget* window, QWidget* control)
{
    const QPoint p(Int(0, std::max(0, control->width() - 1)), Int(0, std::max(0, control->height() - 1)));
    QPoint local;
    QWidget* hit = HitAt(window, control, p, local);
    const int notches = (Int(0, 3) == 0 ? Int(1, 119) : 120 * Int(1, 3)) * (Chance(0.5) ? 1 : -1);
    const bool horizontal = Int(0, 9) == 0;
    const Qt::KeyboardModifiers mods = Int(0, 9) == 0 ? Qt::ControlModifier : Qt::NoModifier;
    const QPoint delta = horizontal ? QPoint(notches, 0) : QPoint(0, notches);
    QWheelEvent e(QPointF(local), QPointF(hit->mapToGlobal(local)), QPoint(), delta, Qt::NoButton, mods,
                  Qt::NoScrollPhase, false);
    m_line += QStringLiteral("wheel %1 %2 on %3%4")
                  .arg(horizontal ? "across" : "along")
                  .arg(notches)
                  .arg(Where(control, p, hit), mods ? QStringLiteral(" with Ctrl") : QString());
    ++m_perKind["wheel"];
    QSpontaneKeyEvent::setSpontaneous(&e);
    QApplication::instance()->notify(hit, &e);
}

// A key, typed as the user would: into the control after giving it the
// focus, or into whatever holds the focus in the window.
void RandomUserTest::Key(QWidget* window, QWidget* control)
{
    QWidget* target = control;
    if (control->focusPolicy() == Qt::NoFocus || Chance(0.2))
        target = window->focusWidget() ? window->focusWidget() : window;
    else
        control->setFocus(Qt::OtherFocusReason);
    Qt::Key key;
    QString name;
    const int roll = Int(0, 9);
    if (roll < 2) {
        const char c = char('A' + Int(0, 25));
        key = Qt::Key(Qt::Key_A + (c - 'A'));
        name = QString(QLatin1Char(c));
    } else if (roll < 4) {
        const int d = Int(0, 9);
        key = Qt::Key(Qt::Key_0 + d);
        name = QString::number(d);
    } else {
        const auto& k = Keys[Int(0, int(std::size(Keys)) - 1)];
        key = k.first;
        name = QString::fromLatin1(k.second);
    }
    Qt::KeyboardModifiers mods;
    switch (Int(0, 19)) {
    case 0:
        mods = Qt::ShiftModifier, name = "Shift+" + name;
        break;
    case 1:
        mods = Qt::ControlModifier, name = "Ctrl+" + name;
        break;
    case 2:
        mods = Qt::AltModifier, name = "Alt+" + name;
        break;
    case 3:
        mods = Qt::KeypadModifier, name = "keypad " + name;
        break;
    default:
        break;
    }
    const int times = Chance(0.15) ? Int(2, 12) : 1;
    m_line += QStringLiteral("key %1%2 on %3")
                  .arg(name, times > 1 ? QStringLiteral(" x%1").arg(times) : QString(),
                       target->objectName().isEmpty() ? QString::fromLatin1(target->metaObject()->className())
                                                      : target->objectName());
    ++m_perKind["key"];
    // The key goes where the focus is, which a key (Tab) may move.
    for (int i = 0; i < times; ++i) {
        QWidget* focus = i == 0 ? target : window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(focus, key, mods);
    }
}

// Short hostile texts typed key by key into a field.
void RandomUserTest::TypeText(QLineEdit* edit)
{
    QString text = HostileTexts()[Int(0, int(HostileTexts().size()) - 1)];
    if (text.size() > 40)
        text = text.left(40);
    const bool all = Chance(0.5);
    m_line += QStringLiteral("type %1 into %2%3").arg(Quoted(text), edit->objectName(), all ? " over its text" : "");
    ++m_perKind["type"];
    edit->setFocus(Qt::OtherFocusReason);
    if (all)
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier); // select all, so the text replaces it
    for (QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(edit, char(ch.unicode()));
        } else { // a character with no key of its own, as an input method types it
            for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent e(type, Qt::Key_unknown, Qt::NoModifier, QString(ch));
                QSpontaneKeyEvent::setSpontaneous(&e);
                QApplication::instance()->notify(edit, &e);
            }
        }
    }
}

// Any hostile text, long ones included, pasted from the clipboard.
void RandomUserTest::PasteText(QLineEdit* edit)
{
    const QString text = HostileTexts()[Int(0, int(HostileTexts().size()) - 1)];
    m_pasting = true;
    QGuiApplication::clipboard()->setText(text);
    m_pasting = false;
    const bool all = Chance(0.6);
    m_line += QStringLiteral("paste %1 into %2%3").arg(Quoted(text), edit->objectName(), all ? " over its text" : "");
    ++m_perKind["paste"];
    edit->setFocus(Qt::OtherFocusReason);
    if (all)
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

void RandomUserTest::Resize(QWidget* window)
{
    int w, h;
    switch (Int(0, 9)) {
    case 0:
    case 1:
        w = Int(0, 90), h = Int(0, 90); // tiny
        break;
    case 2:
        w = Int(150, 260), h = Int(200, 300); // about the spectra's smallest picture
        break;
    case 3:
        w = Int(1800, 3000), h = Int(1200, 2000); // huge
        break;
    default:
        w = Int(100, 1400), h = Int(100, 1000);
        break;
    }
    m_line += QStringLiteral("resize to %1x%2").arg(w).arg(h);
    ++m_perKind["resize"];
    window->resize(w, h);
    m_line += QStringLiteral(" (now %1x%2)").arg(window->width()).arg(window->height());
}

void RandomUserTest::ActOnControl(QWidget* window, QWidget* control)
{
    auto* edit = qobject_cast<QLineEdit*>(control);
    const int roll = Int(0, 99);
    if (edit && roll < 30)
        TypeText(edit);
    else if (edit && roll < 40)
        PasteText(edit);
    else if (roll < 52)
        Click(window, control, false);
    else if (roll < 55)
        Click(window, control, true);
    else if (roll < 67)
        Drag(window, control);
    else if (roll < 75)
        Wheel(window, control);
    else
        Key(window, control);
}

void RandomUserTest::ActOnWindow(QWidget* window)
{
    m_actedOn = window;
    m_lastWindow = window;
    m_line += WindowName(window) + QStringLiteral(": ");
    ++m_perWindow[WindowName(window)];
    if (window->isMinimized()) {
        window->showNormal();
        m_line += QStringLiteral("restored from minimised, then ");
    }
    if (QApplication::activeWindow() != window) {
        window->activateWindow();
        QCoreApplication::processEvents();
    }
    const bool resizable = window->minimumSize() != window->maximumSize();
    const int roll = Int(0, 99);
    if (roll < 4 && resizable) {
        Resize(window);
        return;
    }
    // Closing the main window ends the program: rarer than closing another.
    if (roll < 6 && (window != &m_program->fensynth() || Chance(0.1))) {
        m_line += QStringLiteral("close the window");
        window->close();
        ++m_perKind["close"];
        return;
    }
    if (roll < 7) {
        m_line += QStringLiteral("minimise the window");
        window->showMinimized();
        ++m_perKind["minimise"];
        return;
    }
    const QList<QWidget*> controls = Controls(window);
    if (controls.isEmpty()) {
        m_line += QStringLiteral("nothing to act on");
        return;
    }
    // What shows a pointing hand (values to click, sliders) and the fields
    // to type in are chosen eight times as often as what only shows
    // something, what takes the focus four times; a numbered family
    // (Vramp1 ... Vramp12) shares its weight, divided by the square root of
    // its size, so that twelve alike controls do not drown a single one.
    QMap<QString, int> family;
    auto stem = [](const QString& name) {
        qsizetype n = name.size();
        while (n > 0 && name[n - 1].isDigit())
            --n;
        return name.left(n);
    };
    for (QWidget* c : controls)
        ++family[stem(c->objectName())];
    std::vector<double> weights;
    for (QWidget* c : controls) {
        const double base = c->cursor().shape() == Qt::PointingHandCursor || qobject_cast<QLineEdit*>(c) ? 8
                            : c->focusPolicy() != Qt::NoFocus                                            ? 4
                                                                                                         : 1;
        weights.push_back(base / std::sqrt(double(family[stem(c->objectName())])));
    }
    ActOnControl(window, controls[std::discrete_distribution<int>(weights.begin(), weights.end())(m_rng)]);
}

void RandomUserTest::Act()
{
    if (Chance(0.005)) {
        m_sound.HasCard = !m_sound.HasCard;
        m_line += m_sound.HasCard ? QStringLiteral("(sound card plugged in) ") : QStringLiteral("(sound card gone) ");
    }
    // Each window on screen is chosen with a weight that grows with the
    // square root of its number of controls: the main window and the
    // settings dialog most often, but the small windows often enough.
    // A user works a while in one window: the window of the last action is
    // kept six times out of ten while it is on screen.
    QList<QWidget*> shown;
    std::vector<double> weights;
    for (QWidget* w : Windows())
        if (w->isVisible()) {
            shown << w;
            weights.push_back(std::sqrt(double(Controls(w).size()) + 1));
        }
    if (shown.contains(m_lastWindow) && !m_lastWindow->isMinimized() && Chance(0.6))
        ActOnWindow(m_lastWindow);
    else
        ActOnWindow(shown[std::discrete_distribution<int>(weights.begin(), weights.end())(m_rng)]);
    QCoreApplication::processEvents();
}
