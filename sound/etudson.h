// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sound study window "Etude sonore": plays the input signal or the
// filter's output for a chosen duration, through the sound port.

#include "signal/sharedstate.h"
#include "sound/soundrender.h"

#include <QWidget>

class DialogService;
class QFrame;
class QLabel;
class TClickableLabel;
class QPushButton;
class SoundPort;

class Tfenetson : public QWidget {
    Q_OBJECT

public:
    Tfenetson(SharedState& state, DialogService& dialogs, SoundPort& port, QWidget* parent = nullptr);

    // What the window plays: the duration and the source of the last sound.
    const SoundStudyState& Study() const { return m_study; }

public slots:
    // The main window's sound button: shows this window when the machine
    // has a sound output, else the message "Attention :Carte son non
    // détectée" and nothing more.
    void SoundButtonClick();
    // Ends any sound still playing.
    void StopSound();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();

    // "Ecoute entrée", "Ecoute sortie", "Arret son" and the duration label.
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void Label3Click();

    // Renders the signal that PlayInput or PlayOutput names, for the
    // current duration, and hands it to the port: SOUNDSETRATE(44000),
    // SOUNDSETBYTES(1), SOUNDOUT(buffer, N), also when N is 0. A
    // fundamental whose twelfth harmonic passes 20 kHz brings a warning
    // first.
    void RenderAndPlay();

    SharedState& m_state;
    DialogService& m_dialogs;
    SoundPort& m_port;
    SoundStudyState m_study;

    QPushButton* BitBtn1; // "Ecoute entrée"
    QPushButton* BitBtn2; // "Ecoute sortie"
    QFrame* Shape1;       // the filter's box
    QFrame* Shape2;       // the line from input to output through it
    QLabel* Label1;       // "filtre"
    QPushButton* BitBtn3; // "Arret son"
    QLabel* Label2;       // "Durée (s) :"
    TClickableLabel* Label3; // the duration, clicked to change it
};
