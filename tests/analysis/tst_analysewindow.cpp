// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Analyse d'un son": a sound taken or refused, files opened and
// saved, the three sounds played through the port, "Vers la synthèse"
// setting the main window, names and keyboard, and how it looks.

#include "tests/common/fakedialogs.h"
#include "tests/common/fakesoundport.h"

#include "analysis/analysewindow.h"
#include "analysis/filteredsound.h"
#include "analysis/soundfile.h"
#include "app/program.h"
#include "app/simplefour.h"
#include "widgets/tvrslider.h"
#include "widgets/tvrswitch.h"

#include <QAbstractSpinBox>
#include <QDir>
#include <QLabel>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <numbers>
#include <random>

namespace {

constexpr double Pi = std::numbers::pi;

// f0 = 196.3 Hz: fundamental 0.3, harmonic 2 at 0.12 and +90 degrees,
// harmonic 3 at 0.06 and 180 degrees, mean 0.03.
MonoSound Tone(double rate = 48000, double seconds = 1.0)
{
    MonoSound s{rate, std::vector<double>(static_cast<std::size_t>(rate * seconds))};
    for (std::size_t i = 0; i < s.Samples.size(); ++i) {
        const double t = i / rate;
        s.Samples[i] = 0.03 + 0.3 * std::sin(2 * Pi * 196.3 * t) + 0.12 * std::sin(4 * Pi * 196.3 * t + Pi / 2)
                       + 0.06 * std::sin(6 * Pi * 196.3 * t + Pi);
    }
    return s;
}

MonoSound Noise()
{
    std::mt19937 gen(5);
    std::normal_distribution<double> d(0, 0.2);
    MonoSound s{48000, std::vector<double>(48000)};
    for (double& v : s.Samples)
        v = d(gen);
    return s;
}

template <typename W>
W* Find(QWidget* window, const char* name)
{
    W* w = window->findChild<W*>(QString::fromLatin1(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

void SavePicture(QWidget* w, const char* name)
{
    QDir().mkpath(QStringLiteral(PICTURE_DIR));
    w->grab().save(QStringLiteral(PICTURE_DIR "/") + QString::fromLatin1(name));
}

} // namespace

class TestAnalyseWindow : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dialogs = std::make_unique<FakeDialogs>();
        m_port = std::make_unique<FakeSoundPort>();
        m_window = std::make_unique<Tfenanalyse>(m_state, *m_dialogs, *m_port);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup()
    {
        m_window.reset();
    }

    void soundTakenShowsItsAnalysis()
    {
        QVERIFY(!Find<QPushButton>(m_window.get(), "VersSyntheseButton")->isEnabled());
        QVERIFY(m_window->TakeSound(Tone(), QStringLiteral("Enregistrement"), true));
        QVERIFY(m_dialogs->Errors.isEmpty());
        auto* table = Find<QTableWidget>(m_window.get(), "HarmoniquesTable");
        QCOMPARE(table->rowCount(), 12);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("1"));
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("196,30"));
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("0,3000"));
        QCOMPARE(table->item(1, 2)->text(), QStringLiteral("0,1200"));
        QCOMPARE(table->item(1, 3)->text(), QStringLiteral("90,0"));
        QCOMPARE(table->item(2, 3)->text(), QStringLiteral("180,0"));
        QCOMPARE(table->item(3, 3)->text(), QStringLiteral("—"));
        QCOMPARE(Find<QLabel>(m_window.get(), "FondamentaleLabel")->text(), QStringLiteral("f0 = 196,30 Hz"));
        QCOMPARE(Find<QLabel>(m_window.get(), "MoyenneLabel")->text(), QStringLiteral("Moyenne = 0,0300"));
        QVERIFY(Find<QLabel>(m_window.get(), "EcartLabel")->text().contains(QStringLiteral("f0 = 196 Hz")));
        for (const char* name : {"VersSyntheseButton", "EcouteOriginalButton", "EcouteResyntheseButton",
                                 "EcouteFiltreButton", "SauverButton"})
            QVERIFY2(Find<QPushButton>(m_window.get(), name)->isEnabled(), name);
        SavePicture(m_window.get(), "analyse-window.png");
        // Three periods.
        Find<QSpinBox>(m_window.get(), "PeriodesSpin")->setValue(3);
        SavePicture(m_window.get(), "analyse-window-3periods.png");
    }

    // No sound input on the machine: a French message, nothing recorded.
    void noInputDevice()
    {
        if (!QMediaDevices::audioInputs().isEmpty())
            QSKIP("this machine has a sound input");
        QTest::mouseClick(Find<QPushButton>(m_window.get(), "EnregistrerButton"), Qt::LeftButton);
        QCOMPARE(m_dialogs->Errors, QStringList{QStringLiteral(
                                        "Aucune entrée son (microphone) n'a été trouvée : impossible d'enregistrer.")});
        QCOMPARE(Find<QPushButton>(m_window.get(), "EnregistrerButton")->text(), QStringLiteral("&Enregistrer"));
        QVERIFY(!m_window->Analysis().Ok);
    }

    // A sound refused brings a French message and leaves the window as it was.
    void refusedSoundChangesNothing()
    {
        QVERIFY(m_window->TakeSound(Tone(), QStringLiteral("Enregistrement"), true));
        const double f0 = m_window->Analysis().F0Hz;
        QVERIFY(!m_window->TakeSound(Noise(), QStringLiteral("Enregistrement"), true));
        QVERIFY(!m_window->TakeSound(MonoSound{48000, std::vector<double>(48000, 0.0)}, QStringLiteral("Enregistrement"), true));
        QCOMPARE(m_dialogs->Errors.size(), 2);
        QVERIFY(m_dialogs->Errors[0].contains(QStringLiteral("pas périodique")));
        QVERIFY(m_dialogs->Errors[1].contains(QStringLiteral("silence")));
        QCOMPARE(m_window->Analysis().F0Hz, f0);
        QCOMPARE(Find<QTableWidget>(m_window.get(), "HarmoniquesTable")->item(0, 1)->text(), QStringLiteral("196,30"));
    }

    void openFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("says");
        QTest::newRow("empty") << "empty.wav" << "vide";
        QTest::newRow("not a sound") << "not_a_sound.wav" << "n'est pas un son";
        QTest::newRow("one sample") << "one_sample.wav" << "trop court";
        QTest::newRow("truncated") << "truncated.wav" << "tronqué";
        QTest::newRow("384 kHz") << "rate_384k.wav" << "384 000 Hz";
        QTest::newRow("one hour") << "one_hour.flac" << "10 minutes";
    }
    void openFiles()
    {
        QFETCH(QString, file);
        QFETCH(QString, says);
        m_dialogs->FileNames.push(QStringLiteral(ANALYSIS_FIXTURES "/") + file);
        QTest::mouseClick(Find<QPushButton>(m_window.get(), "OuvrirButton"), Qt::LeftButton);
        QCOMPARE(m_dialogs->Errors.size(), 1);
        QVERIFY2(m_dialogs->Errors[0].startsWith(file + QStringLiteral(" : ")), qPrintable(m_dialogs->Errors[0]));
        QVERIFY2(m_dialogs->Errors[0].contains(says), qPrintable(m_dialogs->Errors[0]));
        QVERIFY(!m_window->Analysis().Ok);
    }

    void openAndSave()
    {
        QTemporaryDir dir;
        const QString tone = dir.filePath(QStringLiteral("tone.wav"));
        QCOMPARE(WriteWavFile(tone.toStdString(), Tone(44100)), std::string());
        m_dialogs->FileNames.push(tone);
        QTest::mouseClick(Find<QPushButton>(m_window.get(), "OuvrirButton"), Qt::LeftButton);
        QVERIFY(m_dialogs->Errors.isEmpty());
        QVERIFY(std::abs(m_window->Analysis().F0Hz - 196.3) < 0.1);
        // A file is not saved again; a recording is.
        QVERIFY(!Find<QPushButton>(m_window.get(), "SauverButton")->isEnabled());
        QVERIFY(m_window->TakeSound(Tone(), QStringLiteral("Enregistrement"), true));
        m_dialogs->FileNames.push(dir.filePath(QStringLiteral("saved")));
        QTest::mouseClick(Find<QPushButton>(m_window.get(), "SauverButton"), Qt::LeftButton);
        const SoundReading back = ReadSoundFile(dir.filePath(QStringLiteral("saved.wav")).toStdString());
        QVERIFY2(back.Ok, back.Error.c_str());
        QCOMPARE(back.Sound.Samples.size(), Tone().Samples.size());
        // Into a folder that does not exist: a message, nothing written.
        m_dialogs->FileNames.push(dir.filePath(QStringLiteral("none/saved.wav")));
        QTest::mouseClick(Find<QPushButton>(m_window.get(), "SauverButton"), Qt::LeftButton);
        QCOMPARE(m_dialogs->Errors.size(), 1);
        QVERIFY(m_dialogs->Errors[0].contains(QStringLiteral("n'a pas pu être écrit")));
    }

    // The three sounds go through the port as 16-bit samples at the
    // recording's rate; "Arret son" stops the port.
    void listening()
    {
        QVERIFY(m_window->TakeSound(Tone(44100, 1.0), QStringLiteral("Enregistrement"), true));
        for (const char* name : {"EcouteOriginalButton", "EcouteResyntheseButton", "EcouteFiltreButton"}) {
            m_port->Calls.clear();
            QTest::mouseClick(Find<QPushButton>(m_window.get(), name), Qt::LeftButton);
            QCOMPARE(m_port->Names(), (std::vector<std::string>{"SOUNDIS", "SOUNDSETRATE", "SOUNDSETBYTES", "SOUNDOUT"}));
            QCOMPARE(m_port->Calls[1].value, 44100);
            QCOMPARE(m_port->Calls[2].value, 2);
            QCOMPARE(m_port->Calls[3].value, 44100);
        }
        m_port->Calls.clear();
        QTest::mouseClick(Find<QPushButton>(m_window.get(), "ArretSonButton"), Qt::LeftButton);
        QCOMPARE(m_port->Names(), std::vector<std::string>{"Stop"});
        // The filtered sound follows the filter of the state.
        m_state.Filter.Kind = FilterKind::LowPass1;
        m_state.Filter.CutoffHz = 196.3;
        m_state.Filter.StaticGain = 1;
        const std::vector<double> y = m_window->SoundToPlay(Tfenanalyse::Playing::Filtered);
        const std::vector<double> expected = FilteredSound(Tone(44100, 1.0).Samples, 44100, m_state.Filter);
        QCOMPARE(y.size(), expected.size());
        QCOMPARE(y[20000], expected[20000]);
        // Without a sound output: the sound window's message.
        m_port->HasCard = false;
        m_port->Calls.clear();
        QTest::mouseClick(Find<QPushButton>(m_window.get(), "EcouteOriginalButton"), Qt::LeftButton);
        QCOMPARE(m_port->Names(), std::vector<std::string>{"SOUNDIS"});
        QCOMPARE(m_dialogs->Messages, QStringList{QStringLiteral("Attention :Carte son non détectée")});
    }

    // Every control has its name, a French accessible name and the keyboard.
    void namesAndKeyboard()
    {
        QList<QWidget*> controls;
        for (QWidget* w : m_window->findChildren<QWidget*>())
            if (w->parentWidget() == m_window.get()
                && (qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QTableWidget*>(w)))
                controls << w;
        QCOMPARE(controls.size(), 11);
        for (QWidget* w : controls) {
            QVERIFY(!w->objectName().isEmpty());
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
            QVERIFY2(w->focusPolicy() & Qt::TabFocus, qPrintable(w->objectName()));
        }
        for (const char* name : {"NiveauMeter", "FormePicture", "RaiesPicture", "FondamentaleLabel", "ResiduLabel",
                                 "ConfianceLabel", "EcartLabel", "DecompteLabel", "SourceLabel"})
            QVERIFY2(!Find<QWidget>(m_window.get(), name)->accessibleName().isEmpty(), name);
        // Tab runs from the record button through the window.
        QVERIFY(m_window->TakeSound(Tone(), QStringLiteral("Enregistrement"), true));
        m_window->activateWindow();
        Find<QPushButton>(m_window.get(), "EnregistrerButton")->setFocus();
        QStringList visited;
        for (int i = 0; i < 11; ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QVERIFY2(visited.contains(QStringLiteral("VersSyntheseButton")) && visited.contains(QStringLiteral("ArretSonButton")),
                 qPrintable(visited.join(u',')));
        // The duration stays within 0.5 .. 5 s.
        auto* duration = Find<QDoubleSpinBox>(m_window.get(), "DureeSpin");
        duration->setValue(9);
        QCOMPARE(duration->value(), 5.0);
        duration->setValue(0.1);
        QCOMPARE(duration->value(), 0.5);
    }

    // "Vers la synthèse" in the running program: the main window's controls
    // take f0, the full scale, the mean, the amplitudes and the phases.
    void towardsTheSynthesis()
    {
        FakeDialogs dialogs;
        FakeSoundPort port;
        Program program(dialogs, &port);
        program.Show();
        auto* open = Find<QPushButton>(&program.fensynth(), "BitBtnAnalyse");
        const QRect at = open->geometry();
        QVERIFY(at.left() >= 774 && at.right() <= 850 && at.top() >= 386 && at.bottom() <= 457);
        QCOMPARE(open->accessibleName(), QStringLiteral("Analyse d'un son"));
        QTest::mouseClick(open, Qt::LeftButton);
        Tfenanalyse& window = program.fenanalyse();
        QVERIFY(window.isVisible());
        SavePicture(&program.fensynth(), "analyse-mainwindow.png");
        // A preset first: the analysis goes back to free synthesis.
        QTest::mouseClick(Find<QWidget>(&program.fensynth(), "VrPowerButton3"), Qt::LeftButton);
        QCOMPARE(program.State().Signal.Preset, PresetKind::Triangle);
        QVERIFY(window.TakeSound(Tone(), QStringLiteral("Enregistrement"), true));
        QTest::mouseClick(Find<QPushButton>(&window, "VersSyntheseButton"), Qt::LeftButton);
        const SignalState& s = program.State().Signal;
        QCOMPARE(s.Preset, PresetKind::Free);
        QCOMPARE(s.FundamentalHz, 196);
        QCOMPARE(s.FullScaleValue, 0.3);
        QCOMPARE(s.MeanPercent, 10);
        QCOMPARE(s.MeanValue, 0.03);
        QCOMPARE(s.Harmonics.AmplitudePercent[1], 100.0);
        QCOMPARE(s.Harmonics.AmplitudePercent[2], 40.0);
        QCOMPARE(s.Harmonics.AmplitudePercent[3], 20.0);
        QCOMPARE(s.Harmonics.AmplitudePercent[4], 0.0);
        QCOMPARE(s.Harmonics.PhaseRad[2], Pi / 2);
        QCOMPARE(s.Harmonics.PhaseRad[3], Pi);
        QCOMPARE(Find<TVrSlider>(&program.fensynth(), "Vramp2")->Position(), 40);
        QCOMPARE(Find<TVrSwitch>(&program.fensynth(), "VrSwitch3")->Offset(), 3);
        QVERIFY(dialogs.Errors.isEmpty());
        QVERIFY(window.Synthesis().RmsDifferencePercent < 1.0);
    }

private:
    SharedState m_state;
    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<FakeSoundPort> m_port;
    std::unique_ptr<Tfenanalyse> m_window;
};

QTEST_MAIN(TestAnalyseWindow)
#include "tst_analysewindow.moc"
