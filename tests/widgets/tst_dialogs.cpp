// SPDX-License-Identifier: GPL-3.0-or-later
// The standard dialogs of the program speak French.
#include "widgets/dialogservice.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>
#include <QtTest>

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void inputBoxButtons_data();
    void inputBoxButtons();
    void longTextIsWrittenOnSeveralLines();
    void longTextShownFitsTheScreen();

private:
    // Answers the next modal dialog from inside its own event loop: reads its
    // buttons, then presses the one captioned `press`.
    void AnswerNextDialog(const QString& press);

    QStringList m_buttons;
};

void TestDialogs::initTestCase()
{
    QVERIFY(InstallQtFrench());
}

void TestDialogs::AnswerNextDialog(const QString& press)
{
    m_buttons.clear();
    QTimer::singleShot(0, this, [this, press] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return; // nothing opened: the comparisons below fail
        QAbstractButton* pressed = nullptr;
        const QList<QAbstractButton*> buttons =
            dialog->findChild<QDialogButtonBox*>() ? dialog->findChild<QDialogButtonBox*>()->buttons()
                                                   : QList<QAbstractButton*>{};
        for (QAbstractButton* b : buttons) {
            m_buttons << b->text().remove('&');
            if (m_buttons.last() == press)
                pressed = b;
        }
        if (pressed)
            pressed->click();
        else
            dialog->reject();
    });
}

void TestDialogs::inputBoxButtons_data()
{
    QTest::addColumn<QString>("press");
    QTest::addColumn<bool>("answered");
    QTest::addRow("Annuler") << "Annuler" << false;
    QTest::addRow("OK") << "OK" << true;
}

void TestDialogs::inputBoxButtons()
{
    QFETCH(QString, press);
    QFETCH(bool, answered);
    QtDialogService dialogs(QStringLiteral("Fourier et filtres"));
    AnswerNextDialog(press);
    const std::optional<QString> answer =
        dialogs.InputBox(nullptr, QStringLiteral("Fréquence particulière"), QStringLiteral("Entrer"), QStringLiteral("12"));
    QCOMPARE(m_buttons, (QStringList{QStringLiteral("OK"), QStringLiteral("Annuler")}));
    QCOMPARE(answer.has_value(), answered);
    if (answered)
        QCOMPARE(*answer, QStringLiteral("12"));
}

// The text box keeps its lines; Tab leaves the text for the buttons instead
// of writing a tab, and Ctrl+Entrée confirms.
void TestDialogs::longTextIsWrittenOnSeveralLines()
{
    QtDialogService dialogs;
    QString tabbedTo;
    QTimer::singleShot(0, this, [&tabbedTo] {
        QWidget* dialog = QApplication::activeModalWidget();
        auto* edit = dialog ? dialog->findChild<QPlainTextEdit*>(QStringLiteral("Texte")) : nullptr;
        if (!edit)
            return;
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog)) {
            dialog->setVisible(false); // nothing typed: the comparisons below fail
            return;
        }
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClicks(edit, QStringLiteral(" Deux"));
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClicks(edit, QStringLiteral("Trois"));
        QTest::keyClick(edit, Qt::Key_Tab);
        tabbedTo = QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className() : QString();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
        if (dialog->isVisible()) // not confirmed: the comparisons below fail
            edit->setPlainText(QStringLiteral("Ctrl+Entrée sans effet"));
        QTimer::singleShot(0, dialog, [dialog] { dialog->setVisible(false); });
    });
    const std::optional<QString> answer =
        dialogs.EditText(nullptr, QStringLiteral("Consigne"), QStringLiteral("Consigne pour l'élève :"),
                         QStringLiteral("Un"));
    QCOMPARE(tabbedTo, QStringLiteral("QPushButton"));
    QVERIFY(answer.has_value());
    QCOMPARE(*answer, QStringLiteral("Un Deux\nTrois"));

    AnswerNextDialog(QStringLiteral("Annuler"));
    QVERIFY(!dialogs.EditText(nullptr, QStringLiteral("Consigne"), QStringLiteral("Consigne :"), QStringLiteral("x")));
    QCOMPARE(m_buttons, (QStringList{QStringLiteral("OK"), QStringLiteral("Annuler")}));
}

// However long the text, the box stays on the screen and the text scrolls.
void TestDialogs::longTextShownFitsTheScreen()
{
    QtDialogService dialogs;
    QRect shown;
    bool readOnly = false;
    QTimer::singleShot(0, this, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        shown = dialog->frameGeometry();
        auto* edit = dialog->findChild<QPlainTextEdit*>(QStringLiteral("Texte"));
        readOnly = edit && edit->isReadOnly();
    });
    AnswerNextDialog(QStringLiteral("Fermer"));
    QString text;
    for (int i = 0; text.size() < 20000; ++i)
        text += QStringLiteral("Ligne %1 : écoutez la sortie, puis mesurez la fréquence de coupure.\n").arg(i);
    dialogs.ShowText(nullptr, QStringLiteral("Consigne"), QStringLiteral("Consigne de la séance :"), text);
    QCOMPARE(m_buttons, QStringList{QStringLiteral("Fermer")});
    QVERIFY(readOnly);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(shown.width() <= screen.width() && shown.height() <= screen.height(),
             qPrintable(QStringLiteral("%1x%2 on %3x%4")
                            .arg(shown.width()).arg(shown.height()).arg(screen.width()).arg(screen.height())));
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
