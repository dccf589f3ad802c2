// SPDX-License-Identifier: GPL-3.0-or-later
// The mystery filter: a lesson that hides its filter shows nothing of it in
// any window (what a screen reader reads included), while the graphs and
// the spectra are those of the filter; revealing it asks first.

#include "programtest.h"

#include "app/lessonio.h"
#include "app/lessonsession.h"
#include "filter/responsewindow.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>

class TestMystery : public ProgramTest {
    Q_OBJECT

    LessonSession& Session() { return m_program->Session(); }

    // The example with a band-pass of 300 Hz, m = 0.5 and G0 = 2, every
    // window asked for.
    static Lesson Mystery(bool hidden)
    {
        Lesson l = *ReadLessonFile(QStringLiteral(LESSON_FIXTURES "/exemple.seance")).Read;
        l.Filter = FilterKind::BandPass;
        l.StaticGain = 2;
        l.FilterHidden = hidden;
        l.ResponseOpen = l.SoundOpen = l.SettingsOpen = true;
        l.Consigne = "Quel est ce filtre ?";
        return l;
    }

    // Every text of every window on screen: titles, labels, tooltips and
    // what the accessibility layer gives for names, values and descriptions.
    static QStringList ShownTexts()
    {
        QStringList texts;
        for (QWidget* w : QApplication::allWidgets()) {
            if (!w->isVisible())
                continue;
            texts << w->windowTitle() << w->toolTip() << w->accessibleName() << w->accessibleDescription();
            if (auto* label = qobject_cast<QLabel*>(w))
                texts << label->text();
            if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w))
                for (QAccessible::Text t : {QAccessible::Name, QAccessible::Value, QAccessible::Description})
                    texts << a->text(t);
        }
        texts.removeAll(QString());
        return texts;
    }

private slots:
    void init() { StartProgram(); }
    void cleanup() { StopProgram(); }

    void NothingGivesTheFilterAway()
    {
        Session().Restore(Mystery(true));
        QVERIFY(!m_program->fenreponse().isVisible());
        QVERIFY(m_program->fenetson().isVisible() && m_program->Form2().isVisible());
        const QStringList giveAways = {"Amplificateur", "Passe-", "Coupe-bande", "Bande pass", "Ao =", "m=",
                                       "f0=",           "300",    "0.5",         "0,5",       "KHz"};
        for (const QString& text : ShownTexts())
            for (const QString& word : giveAways)
                QVERIFY2(!text.contains(word), qPrintable(QStringLiteral("« %1 » montre « %2 »").arg(text, word)));
        QVERIFY(ShownTexts().contains(QStringLiteral("Filtre caché")));
        // The picture cannot be clicked for the response: it is not there.
        QVERIFY(!U().VrBitmapImage1->isVisible());
        for (TVrCheckLed* led : U().FilterLed)
            QVERIFY(!led->isVisible());
    }

    // The graphs and the spectra are the filter's, hidden or not.
    void GraphsAreThoseOfTheFilter()
    {
        Session().Restore(Mystery(false));
        const QImage time = G().Picture();
        const QImage spectra = m_program->fenspectres().Picture();
        Session().Restore(Mystery(true));
        QCOMPARE(G().Picture(), time);
        QCOMPARE(m_program->fenspectres().Picture(), spectra);
    }

    void RevealingAsksFirst()
    {
        Session().Restore(Mystery(true));
        m_dialogs.Replies.push(QMessageBox::No);
        Session().RevealFilter();
        QCOMPARE(m_dialogs.Questions.size(), 1);
        QVERIFY(W().FilterHidden());
        m_dialogs.Replies.push(QMessageBox::Yes);
        Session().RevealFilter();
        QVERIFY(!W().FilterHidden());
        QVERIFY(U().FilterLed[3]->isVisible() && U().FilterLed[3]->Checked());
        QVERIFY(U().GroupBox3->isVisible()); // the band-pass's bandwidth
        QVERIFY(U().VrBitmapImage1->isVisible());
        QCOMPARE(S().Filter.Kind, FilterKind::BandPass);
    }

    // Hiding from the menu closes the response and is kept in the file.
    void HidingIsSaved()
    {
        Session().Restore(Mystery(false));
        QVERIFY(m_program->fenreponse().isVisible());
        Session().HideFilter();
        QVERIFY(!m_program->fenreponse().isVisible());
        QVERIFY(Session().Capture().FilterHidden);
    }
};

QTEST_MAIN(TestMystery)
#include "tst_mystery.moc"
