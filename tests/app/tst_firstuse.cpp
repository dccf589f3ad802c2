// SPDX-License-Identifier: GPL-3.0-or-later
// What a new user meets: ending the program, captions, the keyboard,
// clickable values, a filter panel that agrees with itself, cancelled boxes,
// and the pictures of the main window.
#include "tests/app/programtest.h"

class FirstUseTest : public ProgramTest {
    Q_OBJECT

private slots:
    void init() { StartProgram(); }
    void cleanup() { StopProgram(); }

    void closingEndsTheProgram_data();
    void closingEndsTheProgram();
    void windowCaptions();
    void captionsFitTheirBoxes();
    void startsInTheMainWindow();
    void tabReachesEveryControl();
    void keysThatShowAWindowLeaveTheKeyboard_data();
    void keysThatShowAWindowLeaveTheKeyboard();
    void ledKeys();
    void wheelKeys();
    void mouseWheelTurnsTheCutoff();
    void enterOpensTheBox_data();
    void enterOpensTheBox();
    void clickableValuesShowIt();
    void litFilterLedStaysLit();
    void typedCutoffRefreshesBandwidth();
    void cutoffShownOnce_data();
    void cutoffShownOnce();
    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void defaultTextIsAnAnswer();
    void dutyCycleTyped_data();
    void dutyCycleTyped();
    void savePictures();
};

void FirstUseTest::closingEndsTheProgram_data()
{
    QTest::addColumn<int>("how");
    QTest::addRow("Quitter") << 0;
    QTest::addRow("close box or window manager") << 1;
    QTest::addRow("with the duty-cycle dialog open") << 2;
}

void FirstUseTest::closingEndsTheProgram()
{
    // The program leaves its event loop when the main window closes, even
    // though the time-graph window refuses to close.
    QFETCH(int, how);
    QSignalSpy closed(&W(), &Tfensynth::Closed);
    if (how == 2) {
        Click(U().VrPowerButton[2]);
        QVERIFY(D().isVisible());
    }
    if (how == 0)
        Click(U().VrDemoButton1);
    else
        QVERIFY(W().close());
    QCOMPARE(closed.count(), 1);
    QVERIFY(!W().isVisible());
}

void FirstUseTest::windowCaptions()
{
    QCOMPARE(W().windowTitle(), QStringLiteral("Fourier et filtres"));
    QCOMPARE(G().windowTitle(), QStringLiteral("Graphes temporels"));
    QCOMPARE(m_program->fenspectres().windowTitle(), QStringLiteral("Spectre(s)"));
    QCOMPARE(D().windowTitle(), QStringLiteral("Signal carré rapport cyclique variable"));
    // Qt would add the display name after every caption on the screen.
    QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
}

void FirstUseTest::captionsFitTheirBoxes()
{
    // Every control visible once: the band-pass shows all the filter controls.
    Click(U().VrPowerButton[2]);
    Click(U().FilterLed[3]);
    for (QWidget* window : {static_cast<QWidget*>(&W()), static_cast<QWidget*>(&G()),
                            static_cast<QWidget*>(&D())}) {
        for (QLabel* l : window->findChildren<QLabel*>()) {
            if (l->text().isEmpty() || !l->parentWidget())
                continue;
            const QRect text(l->pos(), QSize(l->fontMetrics().horizontalAdvance(l->text().trimmed()), l->height()));
            // Inside the box, clear of a panel's frame on the right.
            const QWidget* box = l->parentWidget();
            QVERIFY2(box->rect().contains(text) && text.right() < box->width() - box->contentsMargins().right(),
                     qPrintable(QStringLiteral("\"%1\" runs out of its box").arg(l->text())));
        }
        for (QWidget* c : window->findChildren<QWidget*>()) {
            if (qobject_cast<TVrCheckLed*>(c) || qobject_cast<TVrPowerButton*>(c) || qobject_cast<TVrDemoButton*>(c))
                QVERIFY2(c->sizeHint().width() <= c->width(), qPrintable(c->metaObject()->className()));
        }
    }
}

void FirstUseTest::startsInTheMainWindow()
{
    // Whichever window came on screen last, the keyboard is on the first
    // preset of the main window.
    QTRY_COMPARE(QApplication::activeWindow(), &W());
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::activeWindow(), &W());
    QCOMPARE(QApplication::focusWidget(), U().VrPowerButton[1]);
}

void FirstUseTest::tabReachesEveryControl()
{
    Click(U().VrPowerButton[2]); // "voir signal" on screen
    Click(U().FilterLed[3]);     // every filter control on screen
    W().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&W()));
    U().VrPowerButton[1]->setFocus(Qt::TabFocusReason);
    QList<QWidget*> expected;
    for (int i = 1; i <= 6; ++i)
        expected << U().VrPowerButton[i];
    expected << U().VrCheckLed13 << U().VrDemoButton2 << U().VrSlidermoy << U().VrDemoButton1 << U().BitBtn1;
    for (int k = 1; k <= 12; ++k)
        expected << U().VrCheckLed[k] << U().Vramp[k] << U().VrSwitch[k];
    for (TVrCheckLed* led : U().FilterLed)
        expected << led;
    expected << U().VrBitmapImage1 << U().Label17 << U().VrNum1 << U().VrWheel1 << U().VrTrackBar1
             << W().findChild<QWidget*>(QStringLiteral("BoutonFichier")) << U().VrCheckLed19 << U().VrCheckLed20 << U().VrCheckLed21
             << Ui::Get<QWidget>(W(), QStringLiteral("BitBtnAnalyse"));
    const QImage pictureWithoutFocus = U().VrBitmapImage1->grab().toImage();
    QList<QWidget*> reached{QApplication::focusWidget()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget();
        if (reached.last() == U().VrBitmapImage1) // the focus shows on the picture
            QVERIFY(U().VrBitmapImage1->grab().toImage() != pictureWithoutFocus);
    }
    QCOMPARE(reached, expected);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), U().VrPowerButton[1]); // round again
}

void FirstUseTest::keysThatShowAWindowLeaveTheKeyboard_data()
{
    // A control of the main window, the key pressed on it, the window it
    // shows: that window comes on screen, and the keyboard stays on the
    // control, so that Tab goes on to the control's neighbour.
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("next");
    QTest::addRow("Spectre entrée") << "VrCheckLed20" << int(Qt::Key_Space) << "Spectre(s)" << "VrCheckLed21";
    QTest::addRow("Spectre sortie") << "VrCheckLed21" << int(Qt::Key_Space) << "Spectre(s)" << "BitBtnAnalyse";
    QTest::addRow("Carré") << "VrPowerButton2" << int(Qt::Key_Space)
                           << "Signal carré rapport cyclique variable" << "VrPowerButton3";
    QTest::addRow("filter picture, Enter") << "VrBitmapImage1" << int(Qt::Key_Return) << "Réponse du filtre"
                                           << "Label17";
    QTest::addRow("filter picture, space") << "VrBitmapImage1" << int(Qt::Key_Space) << "Réponse du filtre"
                                           << "Label17";
}

void FirstUseTest::keysThatShowAWindowLeaveTheKeyboard()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(QString, window);
    QFETCH(QString, next);
    QTRY_COMPARE(QApplication::activeWindow(), &W());
    QWidget* c = Ui::Get<QWidget>(W(), control);
    c->setFocus(Qt::TabFocusReason);
    QTest::keyClick(c, Qt::Key(key));
    QWidget* shown = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowTitle() == window)
            shown = w;
    QVERIFY(shown && shown->isVisible());
    QCoreApplication::processEvents(); // whatever the window system made of the new window
    QCOMPARE(QApplication::activeWindow(), &W());
    QCOMPARE(QApplication::focusWidget(), c);
    QTest::keyClick(c, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Ui::Get<QWidget>(W(), next));
}

void FirstUseTest::ledKeys()
{
    QTest::keyClick(U().VrCheckLed[4], Qt::Key_Space);
    QVERIFY(S().Signal.Harmonics.Shown[4]);
    QTest::keyClick(U().VrCheckLed[4], Qt::Key_Space);
    QVERIFY(!S().Signal.Harmonics.Shown[4]);
    QTest::keyClick(U().VrCheckLed19, Qt::Key_Space);
    QVERIFY(!S().Display.SuperposeOutput);

    // The filter group moves as radio buttons do, round its ends.
    W().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&W()));
    U().FilterLed[0]->setFocus();
    QTest::keyClick(U().FilterLed[0], Qt::Key_Down);
    QCOMPARE(S().Filter.Kind, FilterKind::LowPass2);
    QVERIFY(U().FilterLed[1]->Checked() && !U().FilterLed[0]->Checked());
    QCOMPARE(QApplication::focusWidget(), U().FilterLed[1]);
    QVERIFY(U().VrWheel1->isVisible());
    QTest::keyClick(U().FilterLed[1], Qt::Key_Up);
    QTest::keyClick(U().FilterLed[0], Qt::Key_Left);
    QCOMPARE(S().Filter.Kind, FilterKind::HighPass1);
    QCOMPARE(QApplication::focusWidget(), U().FilterLed[6]);
    QCOMPARE(U().VrBitmapImage1->BitmapIndex(), 6);
}

void FirstUseTest::wheelKeys()
{
    Click(U().FilterLed[3]);
    TVrWheel* wheel = U().VrWheel1;
    for (int i = 0; i < 45; ++i)
        QTest::keyClick(wheel, Qt::Key_PageUp);
    QCOMPARE(wheel->Position(), 550);
    QCOMPARE(S().Filter.CutoffHz, 6.0); // through the wheel's handler
    QCOMPARE(U().VrNum1->Value(), 6);
    QTest::keyClick(wheel, Qt::Key_Down);
    QCOMPARE(wheel->Position(), 549);
    QCOMPARE(S().Filter.CutoffHz, 5.0);
    QTest::keyClick(wheel, Qt::Key_Right);
    QCOMPARE(wheel->Position(), 550);
    // Down past the start: round to the end of the turn, one decade lower.
    for (int i = 0; i < 45; ++i)
        QTest::keyClick(wheel, Qt::Key_PageDown);
    QCOMPARE(wheel->Position(), 100);
    QTest::keyClick(wheel, Qt::Key_PageDown);
    QCOMPARE(wheel->Position(), 991);
    QCOMPARE(S().Filter.CutoffHz, 0.991);
    QCOMPARE(U().Label11->text(), QStringLiteral("mHz"));
    // And up again past the end.
    QTest::keyClick(wheel, Qt::Key_PageUp);
    QCOMPARE(wheel->Position(), 100);
    QCOMPARE(S().Filter.CutoffHz, 1.0);
    QCOMPARE(S().Filter.BandwidthHz, 1.41);
}

void FirstUseTest::mouseWheelTurnsTheCutoff()
{
    // A notch of the mouse wheel turns the knob one position, through its
    // handler, decades included.
    Click(U().FilterLed[3]);
    TVrWheel* wheel = U().VrWheel1;
    auto turn = [wheel](int delta) {
        QWheelEvent e(QPointF(42, 42), wheel->mapToGlobal(QPointF(42, 42)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(wheel, &e);
    };
    wheel->setPosition(550);
    turn(-120);
    QCOMPARE(wheel->Position(), 549);
    QCOMPARE(S().Filter.CutoffHz, 5.0); // 5.49 Hz, in whole hertz
    QCOMPARE(U().VrNum1->Value(), 5);
    // Up past the end of the turn: the next decade, as when the knob is
    // dragged round.
    wheel->setPosition(1000);
    QCOMPARE(S().Filter.CutoffHz, 10.0);
    turn(120);
    QCOMPARE(wheel->Position(), 100);
    QCOMPARE(WheelDecade(), 2);
    turn(10 * 120);
    QCOMPARE(wheel->Position(), 110);
    QCOMPARE(S().Filter.CutoffHz, 11.0);
    QCOMPARE(U().VrNum1->Value(), 11);
    QCOMPARE(S().Filter.BandwidthHz, 2 * 11 * 0.705);
    // A fine wheel's fractions add up to notches; back down past the start.
    for (int i = 0; i < 4 * 11; ++i)
        turn(-30);
    QCOMPARE(wheel->Position(), 1000);
    QCOMPARE(WheelDecade(), 1);
    QCOMPARE(S().Filter.CutoffHz, 10.0);
}

void FirstUseTest::enterOpensTheBox_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::addRow("f0 read-out") << "VrNum1" << "Fréquence particulière";
    QTest::addRow("typed cut-off") << "Label12" << "Fréquence particulière";
    QTest::addRow("static gain") << "Label17" << "Entrée de l amplification statique";
    QTest::addRow("duty cycle") << "rappcycl" << "Rapport cyclique";
}

void FirstUseTest::enterOpensTheBox()
{
    QFETCH(QString, control);
    QFETCH(QString, caption);
    Click(U().FilterLed[1]);
    QWidget* target = nullptr;
    if (control == "VrNum1") {
        target = U().VrNum1;
    } else if (control == "Label12") {
        TypeCutoff("50");
        target = U().Label12;
    } else if (control == "Label17") {
        target = U().Label17;
    } else {
        Click(U().VrPowerButton[2]);
        target = U().DutyVrNum1;
    }
    QVERIFY(target->isVisible());
    QCOMPARE(target->focusPolicy(), Qt::StrongFocus);
    const qsizetype before = m_dialogs.Boxes.size();
    QTest::keyClick(target, Qt::Key_Return);
    QCOMPARE(m_dialogs.Boxes.size(), before + 1);
    QCOMPARE(m_dialogs.Boxes.last().caption, caption);
    QTest::keyClick(target, Qt::Key_Enter);
    QCOMPARE(m_dialogs.Boxes.size(), before + 2);
}

void FirstUseTest::clickableValuesShowIt()
{
    // The whole box of the static gain takes the click, not only its glyph.
    QCOMPARE(U().Label17->geometry(), QRect(678, 148, 62, 30));
    m_dialogs.Answers.push(QStringLiteral("3"));
    QTest::mouseClick(U().Label17, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(S().Filter.StaticGain, 3.0);
    for (QWidget* w : {static_cast<QWidget*>(U().Label17), static_cast<QWidget*>(U().Label12),
                       static_cast<QWidget*>(U().VrNum1)})
        QCOMPARE(w->cursor().shape(), Qt::PointingHandCursor);
    // Under the pointer the value's box lights up.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(U().Label17, &leave);
    const QImage idle = U().Label17->grab().toImage();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(U().Label17, &enter);
    QVERIFY(U().Label17->grab().toImage() != idle);
}

void FirstUseTest::litFilterLedStaysLit()
{
    for (int row : {0, 3}) {
        if (row != 0)
            Click(U().FilterLed[row]);
        const int redraws = RedrawCount();
        Click(U().FilterLed[row]);
        QTest::keyClick(U().FilterLed[row], Qt::Key_Space);
        QVERIFY(U().FilterLed[row]->Checked());
        QCOMPARE(RedrawCount(), redraws);
        QCOMPARE(U().VrBitmapImage1->BitmapIndex(), row);
    }
    QCOMPARE(S().Filter.Kind, FilterKind::BandPass);
}

void FirstUseTest::typedCutoffRefreshesBandwidth()
{
    Click(U().FilterLed[3]);
    TypeCutoff("440.4");
    QCOMPARE(S().Filter.CutoffHz, 440.0);
    QCOMPARE(S().Filter.BandwidthHz, 2 * 440 * 0.705);
    QCOMPARE(U().VrNum3->Value(), 620);
    QCOMPARE(U().Label13->text(), QStringLiteral("Hz"));
}

void FirstUseTest::cutoffShownOnce_data()
{
    // A sequence of user actions: a filter row to choose ("f3"), a typed
    // cut-off ("t440.4") or a wheel position ("w550"); then what shows the
    // cut-off.
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("shown");
    QTest::addRow("typed") << QStringList{"f3", "t440.4"} << "typed";
    QTest::addRow("typed, then low-pass") << QStringList{"f3", "t440.4", "f5"} << "typed";
    QTest::addRow("typed, then amplifier") << QStringList{"f3", "t440.4", "f0"} << "";
    QTest::addRow("typed, amplifier, band-stop") << QStringList{"f1", "t440.4", "f0", "f4"} << "typed";
    QTest::addRow("typed, then the wheel") << QStringList{"f3", "t440.4", "w550"} << "read-out";
    QTest::addRow("typed, wheel, other model") << QStringList{"f3", "t440.4", "w550", "f6"} << "read-out";
    QTest::addRow("wheel, then typed") << QStringList{"f2", "w550", "t12"} << "typed";
    QTest::addRow("amplifier at start") << QStringList{"f0"} << "";
}

void FirstUseTest::cutoffShownOnce()
{
    QFETCH(QStringList, actions);
    QFETCH(QString, shown);
    for (const QString& a : actions) {
        const QString arg = a.mid(1);
        if (a.startsWith('f'))
            Click(U().FilterLed[arg.toInt()]);
        else if (a.startsWith('t'))
            TypeCutoff(arg);
        else
            U().VrWheel1->setPosition(arg.toInt());
    }
    QCOMPARE(CutoffShown(), shown);
    QCOMPARE(U().Label9->isVisible(), !shown.isEmpty());
}

void FirstUseTest::cancelChangesNothing_data()
{
    QTest::addColumn<QString>("box");
    QTest::addRow("static gain") << "gain";
    QTest::addRow("cut-off") << "cutoff";
    QTest::addRow("duty cycle") << "duty";
}

void FirstUseTest::cancelChangesNothing()
{
    QFETCH(QString, box);
    Click(U().FilterLed[3]);
    Click(U().VrPowerButton[2]);
    m_dialogs.Answers.push(QStringLiteral("2.5"));
    Click(U().Label17);
    TypeCutoff("12346");
    U().delta->setPosition(37);
    const SharedState before = S();
    const int redraws = RedrawCount();
    m_dialogs.Answers.push(std::nullopt);
    if (box == "gain")
        Click(U().Label17);
    else if (box == "cutoff")
        Click(U().Label12);
    else
        Click(U().DutyVrNum1);
    QCOMPARE(m_dialogs.Answers.size(), size_t(0)); // the box was asked
    QCOMPARE(S().Filter.StaticGain, 2.5);
    QCOMPARE(S().Filter.CutoffHz, 12346.0);
    QCOMPARE(S().Signal.DutyCycle, 0.37);
    QCOMPARE(S().Signal.Harmonics.AmplitudePercent, before.Signal.Harmonics.AmplitudePercent);
    QCOMPARE(U().Label17->Caption(), QStringLiteral("2.5"));
    QCOMPARE(U().Label12->Caption(), QString::fromStdString(FormatNumber(12346)) + "Hz");
    QCOMPARE(U().delta->Position(), 37);
    QCOMPARE(RedrawCount(), redraws);
}

void FirstUseTest::defaultTextIsAnAnswer()
{
    // Confirming a box with its text untouched processes that text: the
    // cut-off's three significant digits, the gain's "1".
    Click(U().FilterLed[3]);
    TypeCutoff("12346");
    const QString shown = QString::fromStdString(FormatNumber(12346));
    TypeCutoff(shown);
    QCOMPARE(m_dialogs.Boxes.last().defaultText, shown);
    QCOMPARE(S().Filter.CutoffHz, 12300.0);
    m_dialogs.Answers.push(QStringLiteral("2.5"));
    Click(U().Label17);
    m_dialogs.Answers.push(QStringLiteral("1"));
    Click(U().Label17);
    QCOMPARE(S().Filter.StaticGain, 1.0);
}

void FirstUseTest::dutyCycleTyped_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("position");
    QTest::addRow("a whole per cent") << "25" << 25;
    QTest::addRow("rounded") << "33.5" << 34;
    QTest::addRow("the ends") << "100" << 100;
    QTest::addRow("above 100: ignored") << "101" << 50;
    QTest::addRow("negative: ignored") << "-1" << 50;
    QTest::addRow("letters: ignored") << "abc" << 50;
    QTest::addRow("hostile: ignored") << "1e999" << 50;
}

void FirstUseTest::dutyCycleTyped()
{
    QFETCH(QString, answer);
    QFETCH(int, position);
    Click(U().VrPowerButton[2]);
    m_dialogs.Answers.push(answer);
    Click(U().DutyVrNum1);
    QCOMPARE(m_dialogs.Boxes.last().defaultText, QStringLiteral("50"));
    QCOMPARE(U().delta->Position(), position);
    QCOMPARE(U().DutyVrNum1->Value(), position);
    QCOMPARE(S().Signal.DutyCycle, position / 100.0); // through the bar's own handler
    QVERIFY(m_dialogs.Messages.isEmpty());
}

void FirstUseTest::savePictures()
{
    // The main window as it is on screen, and its read-outs magnified twice
    // with every pixel kept, to be judged as from the back of a classroom.
    Click(U().VrPowerButton[2]);
    Click(U().FilterLed[3]);
    U().VrWheel1->setPosition(550);
    QDir().mkpath(PICTURE_DIR);
    const QImage window = W().grab().toImage();
    QVERIFY(window.save(PICTURE_DIR "/main-window.png"));
    const QRect areas[] = {QRect(8, 96, 480, 40), QRect(8, 382, 480, 26), QRect(500, 120, 345, 112)};
    QImage sheet(2 * 480, 2 * (40 + 26 + 112), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    int y = 0;
    for (const QRect& a : areas) {
        p.drawImage(0, y, window.copy(a).scaled(a.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        y += 2 * a.height();
    }
    p.end();
    QVERIFY(sheet.save(PICTURE_DIR "/main-readouts-2x.png"));
    const QImage dialog = D().grab().toImage();
    QVERIFY(dialog.save(PICTURE_DIR "/duty-cycle-dialog.png"));
}

QTEST_MAIN(FirstUseTest)
#include "tst_firstuse.moc"
