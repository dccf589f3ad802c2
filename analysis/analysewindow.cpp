// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/analysewindow.h"

#include "analysis/analysisdrawing.h"
#include "analysis/filteredsound.h"
#include "analysis/soundfile.h"
#include "analysis/soundrecorder.h"
#include "sound/portinc.h"
#include "widgets/dialogservice.h"
#include "widgets/vrpanel.h"

#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr double LongestPlaySeconds = 10.0;

QString HarmonicTableText(const SoundAnalysis& a, int k, int column)
{
    switch (column) {
    case 0:
        return QString::number(k);
    case 1:
        return FrenchNumber(k * a.F0Hz, 2);
    case 2:
        return FrenchNumber(a.Amplitude[k], 4);
    default: {
        // The phase of a harmonic lost in the noise means nothing.
        double largest = 0;
        for (int j = 1; j <= AnalysedHarmonics; ++j)
            largest = std::max(largest, a.Amplitude[j]);
        return a.Amplitude[k] > 0.002 * largest ? FrenchNumber(a.PhaseDeg[k], 1) : QStringLiteral("—");
    }
    }
}

} // namespace

Tfenanalyse::Tfenanalyse(SharedState& state, DialogService& dialogs, SoundPort& port, QWidget* parent)
    : QWidget(parent, Qt::Window), m_state(state), m_dialogs(dialogs), m_port(port),
      m_recorder(new SoundRecorder(this)), m_folder(QDir::homePath())
{
    setObjectName(QStringLiteral("fenanalyse"));
    setWindowTitle(QStringLiteral("Analyse d'un son"));
    VrPanel::Silver(this);
    BuildControls();
    SetTabOrder();
    Connect();
    DrawPictures();
    EnableControls();
}

Tfenanalyse::~Tfenanalyse() = default;

void Tfenanalyse::Connect()
{
    connect(EnregistrerButton, &QPushButton::clicked, this, &Tfenanalyse::RecordClick);
    connect(OuvrirButton, &QPushButton::clicked, this, &Tfenanalyse::OpenClick);
    connect(SauverButton, &QPushButton::clicked, this, &Tfenanalyse::SaveClick);
    connect(PeriodesSpin, &QSpinBox::valueChanged, this, &Tfenanalyse::DrawPictures);
    connect(VersSyntheseButton, &QPushButton::clicked, this, [this] {
        if (m_analysis.Ok)
            emit SynthesisRequested(m_synthesis);
    });
    connect(EcouteOriginalButton, &QPushButton::clicked, this, [this] { Play(Playing::Original); });
    connect(EcouteResyntheseButton, &QPushButton::clicked, this, [this] { Play(Playing::Resynthesis); });
    connect(EcouteFiltreButton, &QPushButton::clicked, this, [this] { Play(Playing::Filtered); });
    connect(ArretSonButton, &QPushButton::clicked, this, &Tfenanalyse::StopSound);
    connect(m_recorder, &SoundRecorder::Progress, this, &Tfenanalyse::RecordingProgress);
    connect(m_recorder, &SoundRecorder::Finished, this, &Tfenanalyse::RecordingFinished);
    connect(m_recorder, &SoundRecorder::Failed, this, &Tfenanalyse::RecordingFailed);
}

void Tfenanalyse::Open()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void Tfenanalyse::StopSound()
{
    m_port.Stop();
}

bool Tfenanalyse::TakeSound(const MonoSound& sound, const QString& origin, bool recorded)
{
    SoundAnalysis a = AnalyseSound(sound);
    if (!a.Ok) {
        m_dialogs.Error(this, origin + QStringLiteral(" : ") + QString::fromStdString(a.Error));
        return false;
    }
    m_sound = sound;
    m_analysis = std::move(a);
    m_synthesis = ToSynthesis(m_analysis, m_meanLimit ? std::max(0, m_meanLimit()) : 400);
    m_recorded = recorded;
    SourceLabel->setText(origin + QStringLiteral(" — ") + FrenchNumber(sound.DurationSeconds(), 2)
                         + QStringLiteral(" s à ") + FrenchNumber(sound.SampleRateHz, 0) + QStringLiteral(" Hz"));
    ShowAnalysis();
    DrawPictures();
    EnableControls();
    return true;
}

void Tfenanalyse::ShowAnalysis()
{
    const SoundAnalysis& a = m_analysis;
    FondamentaleLabel->setText(QStringLiteral("f0 = ") + FrenchNumber(a.F0Hz, 2) + QStringLiteral(" Hz"));
    MoyenneLabel->setText(QStringLiteral("Moyenne = ") + FrenchNumber(a.Mean, 4));
    ResiduLabel->setText(QStringLiteral("Résidu = ") + FrenchNumber(a.ResidualPercent, 1) + QStringLiteral(" %"));
    ConfianceLabel->setText(QStringLiteral("Confiance = ") + FrenchNumber(a.Confidence, 2));
    const SynthesisSettings& s = m_synthesis;
    EcartLabel->setText(QStringLiteral("Synthèse : f0 = %1 Hz, 100 % = %2\nÉcart RMS au son mesuré : %3 %")
                            .arg(s.FundamentalHz)
                            .arg(FrenchNumber(s.FullScaleValue, s.FullScaleValue < 0.01 ? 5 : 3))
                            .arg(FrenchNumber(s.RmsDifferencePercent, 1)));
    for (int k = 1; k <= AnalysedHarmonics; ++k)
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(HarmonicTableText(a, k, c));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            HarmoniquesTable->setItem(k - 1, c, item);
        }
}

void Tfenanalyse::DrawPictures()
{
    const qreal ratio = devicePixelRatioF();
    FormePicture->setPixmap(QPixmap::fromImage(WaveformPicture(m_sound, m_analysis, PeriodesSpin->value(), m_state.Display,
                                                               FormePicture->width(), FormePicture->height(), ratio)));
    RaiesPicture->setPixmap(QPixmap::fromImage(
        BarsPicture(m_analysis, m_state.Display, RaiesPicture->width(), RaiesPicture->height(), ratio)));
}

void Tfenanalyse::EnableControls()
{
    const bool recording = m_recorder->Recording();
    const bool ready = m_analysis.Ok && !recording;
    EnregistrerButton->setText(recording ? QStringLiteral("Arrêter l'&enregistrement") : QStringLiteral("&Enregistrer"));
    DureeSpin->setEnabled(!recording);
    OuvrirButton->setEnabled(!recording);
    SauverButton->setEnabled(ready && m_recorded);
    VersSyntheseButton->setEnabled(ready);
    EcouteOriginalButton->setEnabled(ready);
    EcouteResyntheseButton->setEnabled(ready);
    EcouteFiltreButton->setEnabled(ready);
}

void Tfenanalyse::RecordClick()
{
    if (m_recorder->Recording()) {
        m_recorder->Cancel();
        DecompteLabel->clear();
        NiveauMeter->setValue(0);
        EnableControls();
        return;
    }
    StopSound();
    const QString problem = m_recorder->Start(DureeSpin->value());
    if (!problem.isEmpty()) {
        m_dialogs.Error(this, problem);
        return;
    }
    EnableControls();
}

void Tfenanalyse::RecordingProgress(double level, double secondsLeft)
{
    NiveauMeter->setValue(static_cast<int>(std::lround(std::clamp(level, 0.0, 1.0) * 100)));
    DecompteLabel->setText(QStringLiteral("Reste ") + FrenchNumber(secondsLeft, 1) + QStringLiteral(" s"));
}

void Tfenanalyse::RecordingFinished(const MonoSound& sound)
{
    DecompteLabel->setText(QStringLiteral("Terminé"));
    EnableControls();
    TakeSound(sound, QStringLiteral("Enregistrement"), true);
}

void Tfenanalyse::RecordingFailed(const QString& message)
{
    DecompteLabel->clear();
    EnableControls();
    m_dialogs.Error(this, message);
}

void Tfenanalyse::OpenClick()
{
    const std::optional<QString> name =
        m_dialogs.OpenFileName(this, QStringLiteral("Ouvrir un son"), m_folder,
                               QStringLiteral("Sons (*.wav *.flac *.ogg *.oga *.WAV *.FLAC *.OGG);;Tous les fichiers (*)"));
    if (!name || name->isEmpty())
        return;
    const QFileInfo info(*name);
    m_folder = info.absolutePath();
    const SoundReading r = ReadSoundFile(QFile::encodeName(*name).toStdString());
    if (!r.Ok) {
        m_dialogs.Error(this, info.fileName() + QStringLiteral(" : ") + QString::fromStdString(r.Error));
        return;
    }
    TakeSound(r.Sound, info.fileName(), false);
}

void Tfenanalyse::SaveClick()
{
    if (!m_recorded || !m_analysis.Ok)
        return;
    const std::optional<QString> name =
        m_dialogs.SaveFileName(this, QStringLiteral("Enregistrer le son"), QDir(m_folder).filePath(QStringLiteral("enregistrement.wav")),
                               QStringLiteral("Sons WAV (*.wav)"));
    if (!name || name->isEmpty())
        return;
    QString path = *name;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".wav");
    const std::string problem = WriteWavFile(QFile::encodeName(path).toStdString(), m_sound);
    if (!problem.empty()) {
        m_dialogs.Error(this, QFileInfo(path).fileName() + QStringLiteral(" : ") + QString::fromStdString(problem));
        return;
    }
    m_folder = QFileInfo(path).absolutePath();
}

std::vector<double> Tfenanalyse::SoundToPlay(Playing which) const
{
    if (!m_analysis.Ok)
        return {};
    const double rate = m_sound.SampleRateHz;
    const std::size_t count =
        std::min(m_sound.Samples.size(), static_cast<std::size_t>(std::lround(LongestPlaySeconds * rate)));
    std::vector<double> y;
    switch (which) {
    case Playing::Original:
        y.assign(m_sound.Samples.begin(), m_sound.Samples.begin() + static_cast<std::ptrdiff_t>(count));
        break;
    case Playing::Resynthesis:
        y = Resynthesis(m_analysis, rate, count);
        break;
    case Playing::Filtered:
        y = FilteredSound(std::vector<double>(m_sound.Samples.begin(), m_sound.Samples.begin() + static_cast<std::ptrdiff_t>(count)),
                          rate, m_state.Filter);
        break;
    }
    double peak = 0;
    for (double v : y)
        peak = std::max(peak, std::abs(v));
    if (peak > 1)
        for (double& v : y)
            v /= peak;
    return y;
}

void Tfenanalyse::Play(Playing which)
{
    if (!m_analysis.Ok)
        return;
    if (!m_port.SOUNDIS()) {
        m_dialogs.Message(this, QStringLiteral("Attention :Carte son non détectée"));
        return;
    }
    const std::vector<double> y = SoundToPlay(which);
    std::vector<std::int16_t> samples(y.size());
    std::transform(y.begin(), y.end(), samples.begin(),
                   [](double v) { return static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767)); });
    m_port.SOUNDSETRATE(static_cast<std::int32_t>(std::lround(m_sound.SampleRateHz)));
    m_port.SOUNDSETBYTES(2);
    m_port.SOUNDOUT(reinterpret_cast<const std::uint8_t*>(samples.data()), static_cast<std::int32_t>(samples.size()));
}
