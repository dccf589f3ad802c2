// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window "Analyse d'un son": a sound recorded from the default input or
// read from a file is taken apart into a mean and twelve harmonics; the
// window shows a few periods of it with its resynthesis, the harmonics as
// bars and as a table, f0, the residual and the confidence; it hands the
// nearest synthesis settings to the main window and plays the recording,
// its resynthesis and the recording through the current filter.

#include "analysis/soundanalysis.h"
#include "analysis/synthesisfit.h"
#include "signal/sharedstate.h"

#include <QWidget>

#include <functional>

class DialogService;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class SoundPort;
class SoundRecorder;

class Tfenanalyse : public QWidget {
    Q_OBJECT

public:
    Tfenanalyse(SharedState& state, DialogService& dialogs, SoundPort& port, QWidget* parent = nullptr);
    ~Tfenanalyse() override;

    // The range of the main window's mean slider (its upper end), read when
    // a sound is analysed; 400 when none is given.
    void SetMeanLimit(std::function<int()> limit) { m_meanLimit = std::move(limit); }

    // Analyses `sound` and, when it is accepted, makes it the window's
    // sound: pictures, table and read-outs follow. A sound refused brings
    // its French message (an error box) and changes nothing. `recorded`:
    // it comes from the input (and may be saved as WAV); `origin` names it.
    bool TakeSound(const MonoSound& sound, const QString& origin, bool recorded);

    const MonoSound& Sound() const { return m_sound; }
    const SoundAnalysis& Analysis() const { return m_analysis; }
    const SynthesisSettings& Synthesis() const { return m_synthesis; }

    // What the three listening buttons play: at most the first 10 s of the
    // sound; the resynthesis over the same length; the sound through the
    // filter of the state. Each one scaled down to full scale only when it
    // would pass it.
    enum class Playing { Original, Resynthesis, Filtered };
    std::vector<double> SoundToPlay(Playing which) const;

signals:
    // "Vers la synthèse": the main window is to take these settings.
    void SynthesisRequested(const SynthesisSettings& settings);

public slots:
    // Shows the window in front.
    void Open();
    // Ends a sound still playing ("Arret son").
    void StopSound();

private:
    void BuildControls();
    void SetTabOrder();
    void Connect();

    void RecordClick();
    void OpenClick();
    void SaveClick();
    void Play(Playing which);
    void RecordingProgress(double level, double secondsLeft);
    void RecordingFinished(const MonoSound& sound);
    void RecordingFailed(const QString& message);

    void ShowAnalysis();
    void DrawPictures();
    void EnableControls();

    SharedState& m_state;
    DialogService& m_dialogs;
    SoundPort& m_port;
    SoundRecorder* m_recorder;
    std::function<int()> m_meanLimit;

    MonoSound m_sound;
    SoundAnalysis m_analysis;
    SynthesisSettings m_synthesis;
    bool m_recorded = false;
    QString m_folder;

    QPushButton* EnregistrerButton;
    QDoubleSpinBox* DureeSpin;
    QProgressBar* NiveauMeter;
    QLabel* DecompteLabel;
    QPushButton* OuvrirButton;
    QPushButton* SauverButton;
    QLabel* SourceLabel;
    QLabel* FormePicture;
    QSpinBox* PeriodesSpin;
    QLabel* RaiesPicture;
    QTableWidget* HarmoniquesTable;
    QLabel* FondamentaleLabel;
    QLabel* MoyenneLabel;
    QLabel* ResiduLabel;
    QLabel* ConfianceLabel;
    QLabel* EcartLabel;
    QPushButton* VersSyntheseButton;
    QPushButton* EcouteOriginalButton;
    QPushButton* EcouteResyntheseButton;
    QPushButton* EcouteFiltreButton;
    QPushButton* ArretSonButton;
};
