// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/qtsoundport.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <limits>

QtSoundPort::QtSoundPort(QObject* parent) : QObject(parent) {}

QtSoundPort::~QtSoundPort()
{
    Stop();
}

bool QtSoundPort::SOUNDIS()
{
    return !QMediaDevices::audioOutputs().isEmpty();
}

void QtSoundPort::SOUNDSETRATE(std::int32_t samplesPerSecond)
{
    m_rate = samplesPerSecond;
}

void QtSoundPort::SOUNDSETBYTES(std::int32_t bytesPerSample)
{
    m_bytes = bytesPerSample;
}

void QtSoundPort::SOUNDOUT(const std::uint8_t* samples, std::int32_t count)
{
    Stop();
    if (!samples || count <= 0)
        return;

    QAudioFormat format;
    format.setChannelCount(1);
    // A rate the sound server cannot take plays at the usual 44000.
    format.setSampleRate(m_rate >= 1000 && m_rate <= 384000 ? m_rate : 44000);
    int bytes = 1;
    switch (m_bytes) {
    case 2:
        format.setSampleFormat(QAudioFormat::Int16);
        bytes = 2;
        break;
    case 4:
        format.setSampleFormat(QAudioFormat::Int32);
        bytes = 4;
        break;
    default:
        format.setSampleFormat(QAudioFormat::UInt8);
        break;
    }
    if (count > std::numeric_limits<int>::max() / bytes)
        return;

    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;

    m_samples = QByteArray(reinterpret_cast<const char*>(samples), static_cast<qsizetype>(count) * bytes);
    m_source.setData(m_samples);
    m_source.open(QIODevice::ReadOnly);
    m_sink = std::make_unique<QAudioSink>(device, format);
    // The server is asked to take the whole sound at once (10 s are 440 kB),
    // so that a busy event loop cannot starve it halfway.
    m_sink->setBufferSize(m_samples.size());
    // The sink turns idle as soon as the last samples are handed over,
    // while the server still plays them: it is left open, not stopped.
    m_sink->start(&m_source);
}

void QtSoundPort::Stop()
{
    if (m_sink) {
        m_sink->stop();
        m_sink.reset();
    }
    m_source.close();
}
