// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a screen reader meets it: every control of every window
// named with a role, the main window's controls named after what they do,
// a square wave built and read through the reader's interfaces, and the
// graphs' numbers in their tables.
#include "programtest.h"

#include "filter/responsewindow.h"
#include "tests/common/fakesoundport.h"
#include "widgets/accessibility.h"

#include <QAccessible>
#include <QTableWidget>

namespace {

QAccessibleInterface* Describe(QObject* o)
{
    return QAccessible::queryAccessibleInterface(o);
}

// Every object shown under `root` that takes the keyboard: "where: problem".
void CheckTree(QAccessibleInterface* root, const QString& where, QStringList& problems, int& seen)
{
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* c = root->child(i);
        if (!c || c->state().invisible)
            continue;
        if (c->state().focusable) {
            ++seen;
            const QString name = c->text(QAccessible::Name).trimmed();
            const QString id = where + QStringLiteral(" / ") + (c->object() ? c->object()->objectName() : QString());
            if (name.isEmpty())
                problems << id + QStringLiteral(": no name");
            if (c->role() == QAccessible::Client || c->role() == QAccessible::NoRole)
                problems << id + QStringLiteral(": no role (") + name + QLatin1Char(')');
        }
        CheckTree(c, where, problems, seen);
    }
}

QStringList Row(QTableWidget* t, int r)
{
    QStringList out;
    for (int c = 0; c < t->columnCount(); ++c)
        out << (t->item(r, c) ? t->item(r, c)->text() : QString());
    return out;
}

QStringList Header(QTableWidget* t)
{
    QStringList out;
    for (int c = 0; c < t->columnCount(); ++c)
        out << t->horizontalHeaderItem(c)->text();
    return out;
}

} // namespace

class TestAccessibility : public ProgramTest
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dialogs = FakeDialogs();
        m_program = std::make_unique<Program>(m_dialogs, &m_sound);
        m_ui = std::make_unique<Ui>(*m_program);
        m_program->Show();
        QVERIFY(QTest::qWaitForWindowExposed(&G()));
    }
    void cleanup() { StopProgram(); }

    void everyControlOfEveryWindowIsNamed();
    void harmonicColumns_data();
    void harmonicColumns();
    void squareWaveWithoutLooking();
    void graphTables();

private:
    FakeSoundPort m_sound;
};

void TestAccessibility::everyControlOfEveryWindowIsNamed()
{
    Click(U().VrPowerButton[2]); // "Carré": the duty-cycle dialog
    U().VrCheckLed20->setChecked(true); // the spectrum window
    m_program->fenreponse().Open();
    m_program->Form2().show();
    m_program->fenetson().SoundButtonClick();
    const QList<QWidget*> windows{&W(),
                                  &G(),
                                  &D(),
                                  &m_program->fenspectres(),
                                  &m_program->fenreponse(),
                                  &m_program->Form2(),
                                  &m_program->fenetson()};
    QStringList problems;
    for (QWidget* w : windows) {
        QVERIFY2(w->isVisible(), qPrintable(w->windowTitle()));
        QAccessibleInterface* a = Describe(w);
        QVERIFY(a->role() == QAccessible::Window || a->role() == QAccessible::Dialog);
        QCOMPARE(a->text(QAccessible::Name), w->windowTitle());
        int seen = 0;
        CheckTree(a, w->windowTitle(), problems, seen);
        QVERIFY2(seen > 0, qPrintable(w->windowTitle()));
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestAccessibility::harmonicColumns_data()
{
    QTest::addColumn<int>("k");
    for (int k = 1; k <= HarmonicCount; ++k)
        QTest::addRow("%d", k) << k;
}

void TestAccessibility::harmonicColumns()
{
    QFETCH(int, k);
    const QString n = QString::number(k);
    QCOMPARE(Describe(U().Vramp[k])->text(QAccessible::Name), QStringLiteral("Amplitude harmonique ") + n);
    QCOMPARE(Describe(U().VrSwitch[k])->text(QAccessible::Name), QStringLiteral("Phase harmonique ") + n);
    QCOMPARE(Describe(U().VrCheckLed[k])->text(QAccessible::Name), QStringLiteral("Voir harmonique ") + n);
    QCOMPARE(Describe(U().VrNumamp[k])->text(QAccessible::Name),
             QStringLiteral("Affichage amplitude harmonique ") + n);
    QCOMPARE(Describe(U().VrNumph[k])->text(QAccessible::Name), QStringLiteral("Affichage phase harmonique ") + n);
    // The phase switch speaks its angle.
    U().VrSwitch[k]->setOffset(3);
    QCOMPARE(Describe(U().VrSwitch[k])->text(QAccessible::Value), QStringLiteral("180°"));
    QCOMPARE(Describe(U().VrNumph[k])->textInterface()->text(0, -1), QStringLiteral("180°"));
}

void TestAccessibility::squareWaveWithoutLooking()
{
    QAccessibleInterface* carre = Describe(U().VrPowerButton[2]);
    QCOMPARE(carre->text(QAccessible::Name), QStringLiteral("Carré"));
    carre->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(carre->state().checked);
    QVERIFY(!Describe(U().VrPowerButton[1])->state().checked);
    QAccessibleInterface* amp3 = Describe(U().Vramp[3]);
    QCOMPARE(amp3->valueInterface()->currentValue().toInt(), 21);
    QCOMPARE(Describe(U().VrNumamp[3])->textInterface()->text(0, -1), QStringLiteral("21 %"));

    amp3->valueInterface()->setCurrentValue(37);
    QCOMPARE(U().Vramp[3]->Position(), 37);
    QCOMPARE(S().Signal.Harmonics.AmplitudePercent[3], 37.0);
    QCOMPARE(amp3->text(QAccessible::Value), QStringLiteral("37 %"));
    QCOMPARE(Describe(U().VrNumamp[3])->textInterface()->text(0, -1), QStringLiteral("37 %"));

    // The filter's controls: named, and the cut-off knob speaks the read-out.
    U().FilterLed[1]->setChecked(true); // "Passe-bas  ordre2 "
    QAccessibleInterface* knob = Describe(U().VrWheel1);
    QCOMPARE(knob->role(), QAccessible::Dial);
    QCOMPARE(knob->text(QAccessible::Name), QStringLiteral("Fréquence de coupure"));
    knob->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
    QCOMPARE(knob->text(QAccessible::Value),
             QString::number(U().VrNum1->Value()) + QLatin1Char(' ') + U().Label11->text().trimmed());
    QAccessibleInterface* damping = Describe(U().VrTrackBar1);
    QCOMPARE(damping->text(QAccessible::Name), QStringLiteral("Amortissement"));
    damping->valueInterface()->setCurrentValue(200);
    QCOMPARE(damping->text(QAccessible::Value), QStringLiteral("1"));
    QCOMPARE(Describe(U().VrDigitGroup1)->text(QAccessible::Value), QStringLiteral("1,00"));
    QCOMPARE(Describe(U().Label17)->text(QAccessible::Name), QStringLiteral("Amplification statique"));
    QCOMPARE(Describe(U().VrSlidermoy)->text(QAccessible::Name), QStringLiteral("Valeur moyenne"));
}

void TestAccessibility::graphTables()
{
    Click(U().VrPowerButton[2]); // square wave: harmonics 1, 3, 5 ... and a mean of 50 %
    U().VrCheckLed20->setChecked(true);
    Tfenspectres& spectra = m_program->fenspectres();
    QTableWidget* bars = spectra.ValueTable();
    QCOMPARE(bars->objectName(), QStringLiteral("Valeurs"));
    QCOMPARE(Header(bars), (QStringList{"Rang", "Entrée"}));
    QCOMPARE(bars->rowCount(), RowCount);
    QCOMPARE(Row(bars, 0), (QStringList{"0 (moyenne)", "50"}));
    QCOMPARE(Row(bars, 3), (QStringList{"3", "21"}));
    QAccessibleInterface* table = Describe(bars);
    QCOMPARE(table->role(), QAccessible::Table);
    QCOMPARE(table->text(QAccessible::Name), QStringLiteral("Valeurs : Spectre(s)"));
    QVERIFY(table->state().focusable);
    QVERIFY(table->tableInterface());
    QCOMPARE(table->tableInterface()->rowCount(), RowCount);
    // The table lies under the picture, which it does not change.
    PictureView* picture = spectra.findChild<PictureView*>(QStringLiteral("Image1"));
    QCOMPARE(bars->geometry(), picture->geometry());
    QVERIFY(Describe(picture)->text(QAccessible::Description).startsWith(QStringLiteral("Spectre entrée en % ")));

    QTableWidget* time = G().ValueTable();
    QCOMPARE(Header(time), (QStringList{"Signal", "Minimum", "Maximum", "Moyenne", "Efficace"}));
    QCOMPARE(Row(time, 0).value(3), QStringLiteral("0,5"));
    QCOMPARE(Row(time, 1).value(0), QStringLiteral("Sortie"));
    QVERIFY(Describe(G().findChild<PictureView*>(QStringLiteral("Image1")))
                ->text(QAccessible::Description)
                .startsWith(QStringLiteral("Courbes : entrée, sortie du filtre")));

    Tfenreponse& response = m_program->fenreponse();
    response.Open();
    QTableWidget* markers = response.ValueTable();
    QCOMPARE(Header(markers), (QStringList{"Rang", "Fréquence (Hz)", "Gain (dB)", "Phase (°)"}));
    QCOMPARE(Row(markers, 1), (QStringList{"3", "300", "0", "0"}));
    QTableWidget* measures = response.MeasureTable();
    QCOMPARE(Header(measures), (QStringList{"Mesure", "Entrée", "Sortie"}));
    QCOMPARE(measures->rowCount(), MeasureRowCount);
    for (int r = 0; r < MeasureRowCount; ++r) {
        QCOMPARE(Row(measures, r).value(1),
                 SpokenNumberText(response.Value(MeasureRow(r), MeasureColumn::Input)->text()));
        QCOMPARE(Row(measures, r).value(2),
                 SpokenNumberText(response.Value(MeasureRow(r), MeasureColumn::Output)->text()));
    }
    QCOMPARE(Row(measures, 0), (QStringList{"Valeur moyenne", "0,5", "0,5"}));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
