// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A recording from the desktop's default sound input, of a given length,
// mixed to one channel.

#include "analysis/soundfile.h"

#include <QObject>

#include <memory>

class QAudioSource;
class QIODevice;
class QTimer;

class SoundRecorder : public QObject {
    Q_OBJECT

public:
    explicit SoundRecorder(QObject* parent = nullptr);
    ~SoundRecorder() override;

    // Starts recording `seconds` from the default input. Gives an empty
    // text when it started, else a French message (no input, a format the
    // input refuses).
    QString Start(double seconds);
    // Ends a recording early; nothing is delivered.
    void Cancel();
    bool Recording() const { return m_source != nullptr; }

signals:
    // Every tenth of a second: the peak level of the last samples (0..1)
    // and the seconds still to record.
    void Progress(double level, double secondsLeft);
    // The whole recording.
    void Finished(const MonoSound& sound);
    // The input failed while recording (French text).
    void Failed(const QString& message);

private:
    void ReadAvailable();
    void Tick();

    std::unique_ptr<QAudioSource> m_source;
    QIODevice* m_input = nullptr;
    QTimer* m_timer;
    MonoSound m_sound;
    std::size_t m_wanted = 0;
    int m_channels = 1;
    int m_format = 0; // QAudioFormat::SampleFormat
    double m_peak = 0;
    bool m_finishing = false; // the whole length is there; the source ends at the next turn of the event loop
};
