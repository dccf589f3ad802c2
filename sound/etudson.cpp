// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/etudson.h"

#include "numeric/numbers.h"
#include "sound/portinc.h"
#include "widgets/artwork.h"
#include "widgets/dialogservice.h"
#include "widgets/tclickablelabel.h"
#include "widgets/vrlook.h"
#include "widgets/vrpanel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

using VrPanel::Named;
using VrPanel::Place;
using VrPanel::SetText;
using VrPanel::Text;

namespace {

QString Fmt(double x)
{
    return QString::fromStdString(FormatNumber(x));
}

// A flat area of one colour: the filter's box (with a black border) or the
// signal's line.
QFrame* Shape(QWidget* parent, const char* name, const QColor& fill, bool border, int x, int y, int w, int h)
{
    auto* f = Place(new QFrame(parent), name, x, y, w, h);
    f->setAutoFillBackground(true);
    QPalette pal = f->palette();
    pal.setColor(QPalette::Window, fill);
    pal.setColor(QPalette::WindowText, Qt::black);
    f->setPalette(pal);
    if (border) {
        f->setFrameShape(QFrame::Box);
        f->setFrameShadow(QFrame::Plain);
        f->setLineWidth(1);
    }
    return f;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, int x, int y, int w, int h)
{
    auto* b = Place(new QPushButton(caption, parent), name, x, y, w, h);
    b->setFont(VrLook::font(13));
    return b;
}

} // namespace

Tfenetson::Tfenetson(SharedState& state, DialogService& dialogs, SoundPort& port, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_state(state),
      m_dialogs(dialogs),
      m_port(port)
{
    setObjectName(QStringLiteral("fenetson"));
    setWindowTitle(QStringLiteral("Etude sonore"));
    setFixedSize(411, 218);
    VrPanel::Silver(this);

    // The block diagram: input button, line through the filter's box,
    // output button.
    BitBtn1 = Button(this, "BitBtn1", QStringLiteral("Ecoute entrée"), 16, 28, 113, 41);
    BitBtn2 = Button(this, "BitBtn2", QStringLiteral("Ecoute sortie"), 282, 28, 113, 41);
    Shape1 = Shape(this, "Shape1", Qt::white, true, 166, 16, 80, 65);
    Shape2 = Shape(this, "Shape2", Qt::black, false, 129, 48, 153, 2);
    Label1 = Named(Text(this, QStringLiteral("filtre"), 0, 0, 14, true), "Label1");
    Label1->setAutoFillBackground(true);
    QPalette white = Label1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Label1->setPalette(white);
    Label1->setContentsMargins(4, 1, 4, 1);
    Label1->adjustSize();
    Label1->move(206 - Label1->width() / 2, 49 - Label1->height() / 2);

    BitBtn3 = Button(this, "BitBtn3", QStringLiteral("Arret son"), 146, 100, 120, 41);
    BitBtn3->setIcon(QIcon(ButtonGlyph(GlyphKind::Stop, 20, ArtworkRatio())));
    BitBtn3->setIconSize(QSize(20, 20));

    Label2 = Named(Text(this, QStringLiteral("Durée (s) :"), 132, 170, 13), "Label2");
    // The duration: a click, or Enter or the space bar once Tab has
    // reached it, asks for a new one.
    Label3 = Named(new TClickableLabel(QString(), this), "Label3");
    Label3->setFont(VrLook::font(14, true));
    Label3->setTextColour(VrLook::Ink);
    Label3->move(224, 166);
    Label3->setAutoFillBackground(true);
    QPalette grey = Label3->palette();
    grey.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    Label3->setPalette(grey);
    Label3->setContentsMargins(6, 2, 6, 2);
    Label3->setMinimumWidth(36);
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setCursor(Qt::PointingHandCursor);
    Label3->setToolTip(QStringLiteral("Cliquer pour changer"));
    Label3->setAccessibleName(QStringLiteral("Durée en secondes"));
    connect(Label3, &TClickableLabel::OnClick, this, &Tfenetson::Label3Click);

    connect(BitBtn1, &QPushButton::clicked, this, &Tfenetson::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &Tfenetson::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &Tfenetson::BitBtn3Click);

    FormCreate();
}

void Tfenetson::FormCreate()
{
    m_study = SoundStudyState{};
    SetText(Label3, Fmt(m_study.DurationSeconds));
}

void Tfenetson::SoundButtonClick()
{
    if (m_port.SOUNDIS()) {
        show();
        raise();
        activateWindow();
    } else {
        m_dialogs.Message(QApplication::activeWindow(), QStringLiteral("Attention :Carte son non détectée"));
    }
}

void Tfenetson::BitBtn1Click()
{
    m_study.PlayInput = true;
    RenderAndPlay();
    m_study.PlayInput = false;
}

void Tfenetson::BitBtn2Click()
{
    m_study.PlayOutput = true;
    RenderAndPlay();
    m_study.PlayOutput = false;
}

void Tfenetson::RenderAndPlay()
{
    m_study.SampleRateHz = SoundRateHz;
    if (MayBeInaudible(m_state))
        m_dialogs.Message(this, QStringLiteral("Ces signaux peuvent contenir des fréquences inaudibles"));
    const SoundSource source = m_study.PlayOutput ? SoundSource::Output : SoundSource::Input;
    PlaySound(m_port, RenderSound(m_state, m_study.DurationSeconds, source));
}

// "Arret son": the window goes, and so does a sound still playing, since
// the port does not wait for the end of a sound.
void Tfenetson::BitBtn3Click()
{
    StopSound();
    hide();
}

void Tfenetson::StopSound()
{
    m_port.Stop();
}

// The duration typed in seconds, its magnitude held to 10 s; a text that is
// no number the program can hold gets "Mauvaise entrée" and changes nothing.
void Tfenetson::Label3Click()
{
    const std::optional<QString> answer = m_dialogs.InputBox(this, QStringLiteral("Entrée durée du son"),
                                                             QStringLiteral("Valeur <= 10s"), QStringLiteral("2"));
    if (!answer)
        return; // a cancelled box changes nothing
    const std::optional<double> seconds = DurationFromText(answer->toStdString());
    if (!seconds) {
        m_dialogs.Message(this, QStringLiteral("Mauvaise entrée"));
        return;
    }
    m_study.DurationSeconds = *seconds;
    SetText(Label3, Fmt(m_study.DurationSeconds));
}

// However the window is closed, it closes as "Arret son" does.
void Tfenetson::closeEvent(QCloseEvent* event)
{
    StopSound();
    QWidget::closeEvent(event);
}
