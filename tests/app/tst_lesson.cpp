// SPDX-License-Identifier: GPL-3.0-or-later
// Lesson files in the running program: what is saved reopens to the same
// lesson and the same pictures; hostile files and failed saves leave
// everything as it was; the title, the question before dropping changes,
// the note and the mystery filter.

#include "programtest.h"

#include "app/lessonio.h"
#include "app/lessonsession.h"
#include "filter/responsewindow.h"
#include "lesson/lessonfile.h"
#include "signal/presets.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>

#include <functional>

namespace {

QString Fixture(const QString& name)
{
    return QStringLiteral(LESSON_FIXTURES "/") + name;
}

QByteArray Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestLesson : public ProgramTest {
    Q_OBJECT

    LessonSession& Session() { return m_program->Session(); }
    QString Temp(const QString& name) { return m_temp.filePath(name); }

    // The pictures a lesson shows.
    QList<QImage> Pictures()
    {
        return {G().Picture(), m_program->fenspectres().Picture()};
    }

    QTemporaryDir m_temp;

private slots:
    void init() { StartProgram(); }
    void cleanup() { StopProgram(); }

    // The user sets a lesson up through the controls; saved, reopened in a
    // new program, it is the same lesson with the same pictures, and saving
    // it again writes the same bytes.
    void RoundTrip_data()
    {
        QTest::addColumn<std::function<void(TestLesson&)>>("setUp");
        QTest::addRow("start-up") << std::function<void(TestLesson&)>([](TestLesson&) {});
        QTest::addRow("square and band-pass") << std::function<void(TestLesson&)>([](TestLesson& t) {
            Click(t.U().VrPowerButton[2]);
            t.U().delta->setPosition(30);
            t.U().Vramp[2]->setPosition(40);
            t.U().VrSwitch[2]->setOffset(Switch180);
            t.U().VrCheckLed[3]->setChecked(true);
            t.U().VrCheckLed13->setChecked(true);
            t.U().FilterLed[3]->setChecked(true);
            t.U().VrWheel1->setPosition(550);
            t.U().VrTrackBar1->setPosition(40);
            t.U().VrCheckLed20->setChecked(true);
            t.U().VrCheckLed21->setChecked(true);
        });
        QTest::addRow("typed cut-off, gain, mystery") << std::function<void(TestLesson&)>([](TestLesson& t) {
            Click(t.U().VrPowerButton[3]);
            t.U().FilterLed[5]->setChecked(true);
            t.TypeCutoff(QStringLiteral("250"));
            t.m_dialogs.Answers.push(QStringLiteral("-2.5"));
            Click(t.U().Label17);
            t.U().VrSlidermoy->setPosition(-120);
            t.Session().SetConsigne(QStringLiteral("Trouvez le filtre.\nÉcoutez la sortie."));
            t.Session().HideFilter();
            t.U().VrCheckLed21->setChecked(true);
        });
        QTest::addRow("a lesson restored whole") << std::function<void(TestLesson&)>([](TestLesson& t) {
            Lesson l;
            l.FundamentalHz = 1500;
            l.FullScaleValue = 2.5;
            l.Preset = PresetKind::HalfWave;
            l.MeanBound = 900;
            l.MeanPercent = 850;
            l.KeyStep = 2;
            l.AmplitudePercent[1] = 100;
            l.PhaseDegrees[1] = 90;
            l.Filter = FilterKind::HighPass2;
            l.CutoffHz = 0.5;
            l.Damping = 2.5;
            l.PeriodsShown = 3.5;
            l.Display.OutputScaleFactor = 100;
            l.Display.BlackBackground = false;
            l.Display.Plot.GridOn = true;
            l.Display.SpectrumMode = SpectrumMode::Rms;
            l.Display.ShowInputSpectrum = true;
            l.Display.SynthesisColour = 0x123456;
            l.Display.CopyWidthPx = 300;
            l.Display.PaperPalette = true;
            l.ResponseOpen = true;
            t.Session().Restore(l);
            QCOMPARE(t.Session().Capture(), l);
            // The settings dialog shows what was restored.
            QVERIFY(Ui::Get<TVrCheckLed>(t.m_program->Form2(), QStringLiteral("CheckBoxPapier"))->Checked());
        });
    }
    void RoundTrip()
    {
        QFETCH(std::function<void(TestLesson&)>, setUp);
        setUp(*this);
        const Lesson before = Session().Capture();
        const QList<QImage> pictures = Pictures();
        const QString path = Temp(QStringLiteral("a.seance"));
        m_dialogs.FileNames.push(path);
        QVERIFY(Session().Save());
        QVERIFY(m_dialogs.Errors.isEmpty());
        QVERIFY(!Session().IsModified());

        StopProgram();
        StartProgram();
        QVERIFY(Session().Open(path));
        QCOMPARE(Session().Capture(), before);
        QCOMPARE(Pictures(), pictures);
        const QString again = Temp(QStringLiteral("b.seance"));
        QVERIFY(WriteLessonFile(again, Session().Capture()).isEmpty());
        QCOMPARE(Bytes(again), Bytes(path));
    }

    // A file that cannot be taken shows a message naming the problem and
    // changes nothing: not the lesson, not the file in use, not the title.
    void HostileFileChangesNothing_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        QTest::addRow("missing") << Temp("absent.seance") << "le fichier n'existe pas";
        QTest::addRow("folder") << m_temp.path() << "c'est un dossier";
        QTest::addRow("huge") << Temp("enorme.seance") << "trop grand";
        QTest::addRow("truncated") << Fixture("tronque.seance") << "tronqué";
        QTest::addRow("binary") << Fixture("binaire.seance") << "pas du JSON";
        QTest::addRow("newer") << Fixture("version-future.seance") << "version plus récente";
        QTest::addRow("out of bounds") << Fixture("fc-trop-grande.seance") << "filtre.fc_hz";
        QTest::addRow("empty") << Fixture("vide.seance") << "vide";
    }
    void HostileFileChangesNothing()
    {
        QFETCH(QString, path);
        QFETCH(QString, message);
        QFile huge(Temp("enorme.seance"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(100LL * 1024 * 1024)); // sparse
        huge.close();
        QVERIFY(Session().Open(Fixture("exemple.seance"), false));
        U().Vramp[5]->setPosition(77);
        const Lesson before = Session().Capture();
        const QString title = W().windowTitle();
        const QList<QImage> pictures = Pictures();
        QVERIFY(!Session().Open(path));
        QCOMPARE(m_dialogs.Errors.size(), 1);
        QVERIFY2(m_dialogs.Errors.first().contains(message), qPrintable(m_dialogs.Errors.first()));
        QCOMPARE(Session().Capture(), before);
        QCOMPARE(W().windowTitle(), title);
        QVERIFY(W().isWindowModified());
        QCOMPARE(Pictures(), pictures);
    }

    // A save that fails says so and leaves the file that was there whole.
    void FailedSaveLeavesTheOldFile()
    {
        const QString path = Temp(QStringLiteral("garde.seance"));
        m_dialogs.FileNames.push(path);
        QVERIFY(Session().SaveAs());
        const QByteArray saved = Bytes(path);
        U().Vramp[1]->setPosition(50);
        for (const QString& bad : {path + QStringLiteral("/dedans.seance"), m_temp.path()}) {
            m_dialogs.FileNames.push(bad);
            QVERIFY(!Session().SaveAs());
            QVERIFY(m_dialogs.Errors.last().startsWith(QStringLiteral("Impossible d'enregistrer la séance")));
            QVERIFY(m_dialogs.Errors.last().contains(QStringLiteral("n'a pas été modifié")));
        }
        QCOMPARE(Bytes(path), saved);
        QCOMPARE(Session().FilePath(), QFileInfo(path).absoluteFilePath());
        QVERIFY(Session().IsModified());
    }

    // The title names the file and marks changes; closing or opening over
    // changes asks first, and cancelling keeps everything.
    void TitleAndQuestionBeforeDroppingChanges()
    {
        QCOMPARE(W().windowTitle(), ProgramTitle());
        W().close(); // no lesson file: closing asks nothing, as before
        QVERIFY(m_dialogs.Questions.isEmpty());
        StopProgram();
        StartProgram();

        QVERIFY(Session().Open(Fixture("exemple.seance")));
        QVERIFY(m_dialogs.Messages.isEmpty());
        QCOMPARE(m_dialogs.Texts.size(), 1); // the note, in a box of its own
        QVERIFY(m_dialogs.Texts.first().startsWith(QStringLiteral("Consigne – exemple.seance: ")));
        QVERIFY(m_dialogs.Texts.first().contains(QStringLiteral("quels harmoniques passent")));
        QCOMPARE(W().windowTitle(), QStringLiteral("exemple.seance[*] – Fourier et filtres"));
        QVERIFY(!W().isWindowModified());
        U().Vramp[2]->setPosition(10);
        QVERIFY(W().isWindowModified());

        m_dialogs.Replies.push(QMessageBox::Cancel);
        QVERIFY(!W().close());
        QCOMPARE(m_dialogs.Questions.size(), 1);
        QVERIFY(m_dialogs.Questions.first().contains(QStringLiteral("exemple.seance")));

        m_dialogs.Replies.push(QMessageBox::Cancel);
        Session().OpenCommand();
        QVERIFY(m_dialogs.FilePickers.isEmpty()); // cancelled before the picker

        U().Vramp[2]->setPosition(0); // back as saved: nothing to ask
        QVERIFY(!W().isWindowModified());
        QVERIFY(W().close());
        QCOMPARE(m_dialogs.Questions.size(), 2);
    }

    // "Enregistrer" writes to the file in use; the shortcuts are the
    // menu's actions.
    void MenuAndShortcuts()
    {
        auto* button = W().findChild<QToolButton*>(QStringLiteral("BoutonFichier"));
        QVERIFY(button && button->menu());
        QCOMPARE(button->accessibleName(), QStringLiteral("Menu Fichier"));
        QCOMPARE(button->focusPolicy(), Qt::StrongFocus);
        QVERIFY(QRect(774, 347, 76, 34).contains(button->geometry()));
        const QList<QPair<QString, QKeySequence>> keys = {
            {"ActionOuvrir", QKeySequence(Qt::CTRL | Qt::Key_O)},
            {"ActionEnregistrer", QKeySequence(Qt::CTRL | Qt::Key_S)},
            {"ActionEnregistrerSous", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
            {"ActionImprimer", QKeySequence(Qt::CTRL | Qt::Key_P)},
        };
        for (const auto& [name, sequence] : keys) {
            auto* a = button->menu()->findChild<QAction*>(name);
            QVERIFY2(a, qPrintable(name));
            QCOMPARE(a->shortcut(), sequence);
            QVERIFY(W().actions().contains(a));
        }
        const QString path = Temp(QStringLiteral("c.seance"));
        m_dialogs.FileNames.push(Temp(QStringLiteral("c"))); // the extension is added
        button->menu()->findChild<QAction*>("ActionEnregistrer")->trigger();
        QVERIFY(QFileInfo::exists(path));
        U().Vramp[4]->setPosition(20);
        button->menu()->findChild<QAction*>("ActionEnregistrer")->trigger();
        QCOMPARE(m_dialogs.FilePickers.size(), 1); // asked once, the first time
        QVERIFY(ReadLessonFile(path).Read->AmplitudePercent[4] == 20);
    }

    void NoteIsEditedAndSaved()
    {
        m_dialogs.Answers.push(QStringLiteral("  Mesurez la fréquence de coupure.\n\n  Puis écoutez.  \n"));
        Session().EditConsigne();
        QCOMPARE(Session().Consigne(), QStringLiteral("Mesurez la fréquence de coupure.\n\n  Puis écoutez."));
        QVERIFY(Session().IsModified());
        const QString path = Temp(QStringLiteral("d.seance"));
        QVERIFY(WriteLessonFile(path, Session().Capture()).isEmpty());
        QCOMPARE(ReadLessonFile(path).Read->Consigne, std::string("Mesurez la fréquence de coupure.\n\n  Puis écoutez."));
    }
};

QTEST_MAIN(TestLesson)
#include "tst_lesson.moc"
