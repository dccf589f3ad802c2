// SPDX-License-Identifier: GPL-3.0-or-later
// The standard dialogs of the program speak French.
#include "widgets/dialogservice.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void inputBoxButtons_data();
    void inputBoxButtons();

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

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
