// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A random user: a seeded generator drives the real program, off screen,
// through every visible, enabled, named control of every window on screen
// (clicks, double clicks, drags, wheel turns, keys, typed and pasted
// texts), resizes, minimises and closes the windows, quits and starts the
// program again, and answers every input box with a hostile text, every
// picker with a random choice or a cancel. After each action the shared
// state, the controls, the pictures and the messages shown are checked.
//
// RANDOM_USER_SEED and RANDOM_USER_ACTIONS choose the run (the seed is
// taken from the clock and printed when not given); a failure prints the
// seed, the action and every action before it, one line each, which the
// same two variables replay in the same build. RANDOM_USER_HANG_SECONDS
// (120) is how long one action may run before it counts as a hang,
// RANDOM_USER_RSS_MB (1024) how much resident memory the process may take;
// RANDOM_USER_LOG names a file that receives every action of the run.
//
// One test program: the actions in randomuseractions.cpp, the checks after
// each in randomuserchecks.cpp, the run in tst_randomuser.cpp.

#include "tests/app/programtest.h"
#include "tests/app/randomdialogs.h"
#include "tests/common/fakesoundport.h"

#include "filter/responsewindow.h"

#include <QLineEdit>
#include <QMap>

#include <random>

namespace RandomUser {

// Everything a handler may leave in the state, field by field, to tell
// whether an action changed anything at all.
QByteArray StateBytes(const SharedState& s);

} // namespace RandomUser

class RandomUserTest : public QObject {
    Q_OBJECT

private slots:
    void randomUser();

private:
    // What is known before an action, to judge what it did.
    struct Before {
        qsizetype Messages = 0;
        qsizetype Errors = 0;
        QByteArray State;
    };

    void Start();
    void Stop();
    QList<QWidget*> Windows() const;
    QString WindowName(const QWidget* w) const;
    static QList<QWidget*> Controls(QWidget* window);

    void Act();
    void ActOnWindow(QWidget* window);
    void ActOnControl(QWidget* window, QWidget* control);
    void Click(QWidget* window, QWidget* control, bool twice);
    void Drag(QWidget* window, QWidget* control);
    void Wheel(QWidget* window, QWidget* control);
    void Key(QWidget* window, QWidget* control);
    void TypeText(QLineEdit* edit);
    void PasteText(QLineEdit* edit);
    void Resize(QWidget* window);

    // The widget a real pointer at `point` of `control` would hit, and the
    // point in its coordinates.
    QWidget* HitAt(QWidget* window, QWidget* control, QPoint point, QPoint& local) const;
    QString Where(QWidget* control, QPoint point, QWidget* hit) const;

    QStringList Check(const Before& before);
    void CheckState(QStringList& bad);
    void CheckControls(QStringList& bad);
    void CheckPictures(QStringList& bad);
    void CheckDialogs(const Before& before, QStringList& bad);
    void CheckTexts(QStringList& bad);
    void CheckCopy(QStringList& bad);

    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(m_rng); }

    std::mt19937_64 m_rng;
    RandomUser::RandomDialogs m_dialogs;
    FakeSoundPort m_sound;
    std::unique_ptr<Program> m_program;
    std::unique_ptr<Ui> m_ui;
    QString m_line; // the log line of the action running
    QWidget* m_actedOn = nullptr; // the window of the action
    QWidget* m_lastWindow = nullptr;
    std::size_t m_soundCallsBefore = 0;
    QMap<QString, int> m_perWindow;
    QMap<QString, int> m_perKind;
    int m_restarts = 0;
    bool m_clipboardChanged = false; // by the program, during the action
    bool m_pasting = false;          // the test itself is filling the clipboard
};
