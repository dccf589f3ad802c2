// SPDX-License-Identifier: GPL-3.0-or-later
#include "filter/filterresponse.h"
#include "plot/sampling.h"
#include "sound/etudson.h"
#include "sound/soundrender.h"
#include "tests/common/fakedialogs.h"
#include "tests/common/fakesoundport.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <cmath>
#include <memory>

using Names = std::vector<std::string>;

namespace {

// Dialogs that also note how many port calls had been made when each
// message came up.
class OrderedDialogs : public FakeDialogs {
public:
    explicit OrderedDialogs(const FakeSoundPort& port) : m_port(port) {}
    QList<int> PortCallsAtMessage;

    void Message(QWidget* parent, const QString& text) override
    {
        PortCallsAtMessage.append(static_cast<int>(m_port.Calls.size()));
        FakeDialogs::Message(parent, text);
    }

private:
    const FakeSoundPort& m_port;
};

void Click(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

} // namespace

class SoundWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layout();
    void soundButton_data();
    void soundButton();
    void playback_data();
    void playback();
    void inaudibleWarning_data();
    void inaudibleWarning();
    void duration_data();
    void duration();
    void durationBoxCancelled();
    void stopSound();
    void savePicture();

private:
    Tfenetson& W() { return *m_window; }
    // A control of the window, by its name; the test stops when there is none.
    template <typename T>
    T* Control(const char* name)
    {
        T* c = m_window->findChild<T*>(QString::fromLatin1(name));
        if (!c)
            qFatal("the sound window has no control %s", name);
        return c;
    }

    SharedState m_state;
    FakeSoundPort m_port;
    std::unique_ptr<OrderedDialogs> m_dialogs;
    std::unique_ptr<Tfenetson> m_window;
    // Its controls, found by their names.
    struct {
        QPushButton *BitBtn1, *BitBtn2, *BitBtn3;
        QFrame *Shape1, *Shape2;
        QLabel *Label1, *Label2, *Label3;
    } C{};
};

void SoundWindowTest::init()
{
    // A 440 Hz tone with a mean, its value axis sized as the program does.
    m_state = SharedState{};
    m_state.Signal.FundamentalHz = 440;
    m_state.Signal.MeanPercent = 20;
    m_state.Signal.MeanValue = 0.2;
    m_state.Signal.Harmonics.AmplitudePercent[1] = 100;
    m_state.Signal.Harmonics.AmplitudePercent[3] = 30;
    m_state.Filter.Kind = FilterKind::HighPass1;
    m_state.Filter.CutoffHz = 300;
    ApplyFilter(m_state);
    ComputeTimeGraphExtents(m_state);
    m_port = FakeSoundPort();
    m_dialogs = std::make_unique<OrderedDialogs>(m_port);
    m_window = std::make_unique<Tfenetson>(m_state, *m_dialogs, m_port);
    C.BitBtn1 = Control<QPushButton>("BitBtn1");
    C.BitBtn2 = Control<QPushButton>("BitBtn2");
    C.BitBtn3 = Control<QPushButton>("BitBtn3");
    C.Shape1 = Control<QFrame>("Shape1");
    C.Shape2 = Control<QFrame>("Shape2");
    C.Label1 = Control<QLabel>("Label1");
    C.Label2 = Control<QLabel>("Label2");
    C.Label3 = Control<QLabel>("Label3");
}

void SoundWindowTest::cleanup()
{
    m_window.reset();
}

void SoundWindowTest::layout()
{
    QCOMPARE(W().windowTitle(), QStringLiteral("Etude sonore"));
    QCOMPARE(W().size(), QSize(411, 218));
    QVERIFY(W().windowFlags() & Qt::Tool);
    QVERIFY(W().windowFlags() & Qt::CustomizeWindowHint);
    QVERIFY(!(W().windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)));
    QVERIFY(W().isHidden());

    const struct {
        const char* name;
        QString text;
    } texts[] = {
        {"BitBtn1", QStringLiteral("Ecoute entrée")}, {"BitBtn2", QStringLiteral("Ecoute sortie")},
        {"BitBtn3", QStringLiteral("Arret son")},     {"Label1", QStringLiteral("filtre")},
        {"Label2", QStringLiteral("Durée (s) :")},    {"Label3", QStringLiteral("2")},
    };
    for (const auto& t : texts) {
        QObject* o = W().findChild<QObject*>(QString::fromLatin1(t.name));
        QVERIFY2(o, t.name);
        QCOMPARE(o->property("text").toString(), t.text);
    }
    QVERIFY(W().findChild<QFrame*>(QStringLiteral("Shape1")));
    QVERIFY(W().findChild<QFrame*>(QStringLiteral("Shape2")));
    QVERIFY(!C.BitBtn3->icon().isNull());
    QCOMPARE(C.Label3->toolTip(), QStringLiteral("Cliquer pour changer"));
    QVERIFY(C.Label3->font().bold());
    QCOMPARE(C.Label3->font().family(), QStringLiteral("Arial"));

    // The diagram reads left to right: input, line through the box, output;
    // "Arret son" below it.
    QVERIFY(C.BitBtn1->geometry().right() < C.Shape1->geometry().left());
    QVERIFY(C.Shape1->geometry().right() < C.BitBtn2->geometry().left());
    QVERIFY(C.Shape1->geometry().contains(C.Label1->geometry()));
    QCOMPARE(C.Shape2->geometry().left(), C.BitBtn1->geometry().right() + 1);
    QCOMPARE(C.Shape2->geometry().right() + 1, C.BitBtn2->geometry().left());
    QVERIFY(C.BitBtn3->geometry().top() > C.Shape1->geometry().bottom());
    for (QWidget* w : W().findChildren<QWidget*>())
        QVERIFY2(W().rect().contains(w->geometry()), qPrintable(w->objectName()));

    const SoundStudyState& s = W().Study();
    QCOMPARE(s.DurationSeconds, 2.0);
    QCOMPARE(s.SampleRateHz, 44000);
    QVERIFY(!s.PlayInput && !s.PlayOutput);
    QVERIFY(m_port.Calls.empty());
}

void SoundWindowTest::soundButton_data()
{
    QTest::addColumn<bool>("card");
    QTest::addRow("sound card") << true;
    QTest::addRow("no sound card") << false;
}

void SoundWindowTest::soundButton()
{
    QFETCH(bool, card);
    m_port.HasCard = card;
    for (int press = 1; press <= 2; ++press) {
        W().SoundButtonClick();
        QCOMPARE(W().isVisible(), card);
        QCOMPARE(m_port.Names(), Names(press, "SOUNDIS"));
        const QStringList messages = card ? QStringList{}
                                          : QStringList(press, QStringLiteral("Attention :Carte son non détectée"));
        QCOMPARE(m_dialogs->Messages, messages);
    }
    QVERIFY(m_dialogs->Boxes.isEmpty());
}

void SoundWindowTest::playback_data()
{
    QTest::addColumn<bool>("output");
    QTest::addRow("Ecoute entrée") << false;
    QTest::addRow("Ecoute sortie") << true;
}

void SoundWindowTest::playback()
{
    QFETCH(bool, output);
    W().SoundButtonClick();
    m_port.Calls.clear();
    Click(output ? C.BitBtn2 : C.BitBtn1);

    QCOMPARE(m_port.Names(), (Names{"SOUNDSETRATE", "SOUNDSETBYTES", "SOUNDOUT"}));
    QCOMPARE(m_port.Calls[0].value, 44000);
    QCOMPARE(m_port.Calls[1].value, 1);
    QCOMPARE(m_port.Calls[2].value, 88000); // the default 2 s
    const std::vector<std::uint8_t> want =
        RenderSound(m_state, 2.0, output ? SoundSource::Output : SoundSource::Input);
    QVERIFY(m_port.Calls[2].samples == want);
    QVERIFY(!W().Study().PlayInput && !W().Study().PlayOutput);
    QVERIFY(m_dialogs->Messages.isEmpty());

    // The high-pass takes the mean away: the output swings about
    // 127 - 0.2 * 127 / ValueMax / 1.5, the input about 127.
    const double centre = output ? 127 - 0.2 * 127 / m_state.View.ValueMax / 1.5 : 127;
    const auto [lo, hi] = std::minmax_element(want.begin(), want.end());
    QVERIFY2(std::abs((*lo + *hi) / 2.0 - centre) < 2.5, qPrintable(QString::number((*lo + *hi) / 2.0)));
}

void SoundWindowTest::inaudibleWarning_data()
{
    QTest::addColumn<int>("f0");
    QTest::addColumn<bool>("warned");
    QTest::addRow("1666 Hz") << 1666 << false;
    QTest::addRow("1667 Hz") << 1667 << true;
    QTest::addRow("20000 Hz") << 20000 << true;
}

void SoundWindowTest::inaudibleWarning()
{
    QFETCH(int, f0);
    QFETCH(bool, warned);
    m_state.Signal.FundamentalHz = f0;
    for (QPushButton* b : {C.BitBtn1, C.BitBtn2}) {
        m_port.Calls.clear();
        m_dialogs->Messages.clear();
        m_dialogs->PortCallsAtMessage.clear();
        Click(b);
        QCOMPARE(m_dialogs->Messages,
                 warned ? QStringList{QStringLiteral("Ces signaux peuvent contenir des fréquences inaudibles")}
                        : QStringList{});
        if (warned)
            QCOMPARE(m_dialogs->PortCallsAtMessage, QList<int>{0}); // before anything is played
        // The sound is played all the same.
        QCOMPARE(m_port.Names(), (Names{"SOUNDSETRATE", "SOUNDSETBYTES", "SOUNDOUT"}));
        QCOMPARE(m_port.Calls[2].value, 88000);
    }
}

void SoundWindowTest::duration_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("samples");
    QTest::addColumn<bool>("refused"); // "Mauvaise entrée", and the 5 s typed before stay
    QTest::addRow("1 s") << "1" << 1.0 << "1" << 44000 << false;
    QTest::addRow("10 s") << "10" << 10.0 << "10" << 440000 << false;
    QTest::addRow("25 gives 10") << "25" << 10.0 << "10" << 440000 << false;
    QTest::addRow("-3 gives 3") << "-3" << 3.0 << "3" << 132000 << false;
    QTest::addRow("a quarter") << ".25" << 0.25 << ".25" << 11000 << false;
    QTest::addRow("0 s") << "0" << 0.0 << "0" << 0 << false;
    QTest::addRow("default text") << "2" << 2.0 << "2" << 88000 << false;
    QTest::addRow("tiny") << "1.23e-300" << 1.23e-300 << " 1.23E-300" << 0 << false;
    QTest::addRow("empty") << "" << 5.0 << "5" << 220000 << true;
    QTest::addRow("nan") << "nan" << 5.0 << "5" << 220000 << true;
    QTest::addRow("1e999") << "1e999" << 5.0 << "5" << 220000 << true;
    QTest::addRow("1e-320") << "1e-320" << 5.0 << "5" << 220000 << true;
    QTest::addRow("letters") << "deux" << 5.0 << "5" << 220000 << true;
    QTest::addRow("comma") << "1,5" << 5.0 << "5" << 220000 << true;
}

void SoundWindowTest::duration()
{
    QFETCH(QString, typed);
    QFETCH(double, seconds);
    QFETCH(QString, shown);
    QFETCH(int, samples);
    QFETCH(bool, refused);

    // Another duration first: the box's default text is "2" all the same.
    m_dialogs->Answers.push(QStringLiteral("5"));
    m_dialogs->Answers.push(typed);
    Click(C.Label3);
    Click(C.Label3);
    QCOMPARE(m_dialogs->Boxes.size(), 2);
    for (const FakeDialogs::Asked& box : m_dialogs->Boxes) {
        QCOMPARE(box.caption, QStringLiteral("Entrée durée du son"));
        QCOMPARE(box.prompt, QStringLiteral("Valeur <= 10s"));
        QCOMPARE(box.defaultText, QStringLiteral("2"));
    }
    QCOMPARE(m_dialogs->Messages, refused ? QStringList{QStringLiteral("Mauvaise entrée")} : QStringList());
    QCOMPARE(W().Study().DurationSeconds, seconds);
    QVERIFY(std::isfinite(W().Study().DurationSeconds));
    QCOMPARE(C.Label3->text(), shown);
    QVERIFY(W().rect().contains(C.Label3->geometry()));
    QVERIFY(C.Label3->width() >= C.Label3->fontMetrics().horizontalAdvance(shown));

    // Both signals are played for that long; no sample still gives the
    // three calls, with a null buffer.
    for (QPushButton* b : {C.BitBtn1, C.BitBtn2}) {
        m_port.Calls.clear();
        Click(b);
        QCOMPARE(m_port.Names(), (Names{"SOUNDSETRATE", "SOUNDSETBYTES", "SOUNDOUT"}));
        QCOMPARE(m_port.Calls[2].value, samples);
        QCOMPARE(m_port.Calls[2].nullBuffer, samples == 0);
        QCOMPARE(static_cast<int>(m_port.Calls[2].samples.size()), samples);
    }
    QVERIFY(m_port.Calls.size() == 3);
}

void SoundWindowTest::durationBoxCancelled()
{
    m_dialogs->Answers.push(QStringLiteral("7.5"));
    m_dialogs->Answers.push(std::nullopt);
    Click(C.Label3);
    Click(C.Label3); // cancelled
    QCOMPARE(m_dialogs->Boxes.size(), 2);
    QCOMPARE(W().Study().DurationSeconds, 7.5);
    QCOMPARE(C.Label3->text(), QStringLiteral("7.5"));
    // A click elsewhere than on the label opens nothing.
    QTest::mouseClick(C.Label2, Qt::LeftButton);
    QCOMPARE(m_dialogs->Boxes.size(), 2);
}

void SoundWindowTest::stopSound()
{
    W().SoundButtonClick();
    QVERIFY(W().isVisible());
    Click(C.BitBtn1);
    Click(C.BitBtn3);
    QVERIFY(W().isHidden());
    QCOMPARE(m_port.Names(), (Names{"SOUNDIS", "SOUNDSETRATE", "SOUNDSETBYTES", "SOUNDOUT", "Stop"}));

    // Opened again, it has kept its duration; closed by the window system,
    // it stops the sound too.
    m_dialogs->Answers.push(QStringLiteral("4"));
    Click(C.Label3);
    W().SoundButtonClick();
    QCOMPARE(C.Label3->text(), QStringLiteral("4"));
    m_port.Calls.clear();
    W().close();
    QVERIFY(W().isHidden());
    QCOMPARE(m_port.Names(), Names{"Stop"});

    // The main window's closing calls the slot directly.
    m_port.Calls.clear();
    W().StopSound();
    QCOMPARE(m_port.Names(), Names{"Stop"});
}

void SoundWindowTest::savePicture()
{
    QDir().mkpath(QStringLiteral(PICTURE_DIR));
    W().SoundButtonClick();
    QVERIFY(QTest::qWaitForWindowExposed(&W()));
    const QImage picture = W().grab().toImage();
    QCOMPARE(picture.size() / picture.devicePixelRatio(), QSize(411, 218));
    QVERIFY(picture.save(QStringLiteral(PICTURE_DIR "/sound-window.png")));
    // The filter's box is white inside, the duration label grey.
    const QPoint box = C.Shape1->geometry().topLeft() + QPoint(6, 6);
    QCOMPARE(picture.pixelColor(box * picture.devicePixelRatio()), QColor(Qt::white));
    const QPoint label = C.Label3->geometry().topLeft() + QPoint(2, 2);
    QCOMPARE(picture.pixelColor(label * picture.devicePixelRatio()), QColor(0x80, 0x80, 0x80));
}

QTEST_MAIN(SoundWindowTest)
#include "tst_etudson.moc"
