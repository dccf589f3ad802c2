// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sound port on Qt Multimedia: the default audio output of the desktop's
// sound server (PulseAudio or PipeWire), fed from the port's own copy of the
// samples while the event loop runs.

#include "sound/portinc.h"

#include <QBuffer>
#include <QByteArray>
#include <QObject>

#include <memory>

class QAudioSink;

class QtSoundPort : public QObject, public SoundPort {
    Q_OBJECT

public:
    explicit QtSoundPort(QObject* parent = nullptr);
    ~QtSoundPort() override;

    // true when the desktop offers at least one audio output.
    bool SOUNDIS() override;
    void SOUNDSETRATE(std::int32_t samplesPerSecond) override;
    // 1: unsigned 8-bit, 2: signed 16-bit, 4: signed 32-bit samples; any
    // other value reads as 1.
    void SOUNDSETBYTES(std::int32_t bytesPerSample) override;
    // Starts playing a copy of the samples on the default output, one
    // channel at the rate last set, and returns at once. The whole sound is
    // played: the output is kept open after its last samples have been
    // handed over, until the next sound or Stop.
    void SOUNDOUT(const std::uint8_t* samples, std::int32_t count) override;
    void Stop() override;

private:
    std::int32_t m_rate = 44000;
    std::int32_t m_bytes = 1;
    QByteArray m_samples;
    QBuffer m_source;
    std::unique_ptr<QAudioSink> m_sink;
};
