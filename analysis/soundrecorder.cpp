// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/soundrecorder.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSource>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstring>

SoundRecorder::SoundRecorder(QObject* parent) : QObject(parent), m_timer(new QTimer(this))
{
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, &SoundRecorder::Tick);
}

SoundRecorder::~SoundRecorder()
{
    Cancel();
}

QString SoundRecorder::Start(double seconds)
{
    Cancel();
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    if (device.isNull())
        return QStringLiteral("Aucune entrée son (microphone) n'a été trouvée : impossible d'enregistrer.");
    QAudioFormat format;
    format.setSampleRate(48000);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        format = device.preferredFormat();
    if (format.sampleRate() < MinSampleRateHz || format.sampleRate() > MaxSampleRateHz || format.channelCount() < 1
        || format.sampleFormat() == QAudioFormat::Unknown)
        return QStringLiteral("L'entrée son n'offre aucun format que le programme sait lire.");
    m_channels = format.channelCount();
    m_format = format.sampleFormat();
    m_sound = MonoSound{};
    m_sound.SampleRateHz = format.sampleRate();
    m_wanted = static_cast<std::size_t>(std::lround(seconds * format.sampleRate()));
    m_sound.Samples.reserve(m_wanted);
    m_peak = 0;
    m_finishing = false;
    m_source = std::make_unique<QAudioSource>(device, format);
    m_input = m_source->start();
    if (!m_input || m_source->error() != QAudio::NoError) {
        m_source.reset();
        m_input = nullptr;
        return QStringLiteral("L'entrée son n'a pas pu être ouverte : impossible d'enregistrer.");
    }
    connect(m_input, &QIODevice::readyRead, this, &SoundRecorder::ReadAvailable);
    m_timer->start();
    emit Progress(0.0, seconds);
    return {};
}

void SoundRecorder::Cancel()
{
    m_timer->stop();
    if (m_source) {
        m_source->stop();
        m_source.reset();
    }
    m_input = nullptr;
}

void SoundRecorder::ReadAvailable()
{
    if (!m_input || m_finishing)
        return;
    const QByteArray bytes = m_input->readAll();
    int size = 2;
    switch (m_format) {
    case QAudioFormat::UInt8:
        size = 1;
        break;
    case QAudioFormat::Int32:
    case QAudioFormat::Float:
        size = 4;
        break;
    default:
        break;
    }
    const qsizetype frameBytes = static_cast<qsizetype>(size) * m_channels;
    const char* p = bytes.constData();
    for (qsizetype at = 0; at + frameBytes <= bytes.size() && m_sound.Samples.size() < m_wanted; at += frameBytes) {
        double sum = 0;
        for (int c = 0; c < m_channels; ++c) {
            const char* s = p + at + static_cast<qsizetype>(c) * size;
            double v = 0;
            switch (m_format) {
            case QAudioFormat::UInt8:
                v = (static_cast<unsigned char>(*s) - 128) / 128.0;
                break;
            case QAudioFormat::Int32: {
                std::int32_t i;
                std::memcpy(&i, s, 4);
                v = i / 2147483648.0;
                break;
            }
            case QAudioFormat::Float: {
                float f;
                std::memcpy(&f, s, 4);
                v = std::isfinite(f) ? f : 0.0;
                break;
            }
            default: {
                std::int16_t i;
                std::memcpy(&i, s, 2);
                v = i / 32768.0;
                break;
            }
            }
            sum += v;
        }
        const double mono = sum / m_channels;
        m_peak = std::max(m_peak, std::abs(mono));
        m_sound.Samples.push_back(mono);
    }
    if (m_sound.Samples.size() >= m_wanted && !m_finishing) {
        // The source is in the middle of its own signal: it is ended once
        // that has returned.
        m_finishing = true;
        disconnect(m_input, nullptr, this, nullptr);
        m_timer->stop();
        QTimer::singleShot(0, this, [this] {
            Cancel();
            emit Progress(m_peak, 0.0);
            emit Finished(m_sound);
        });
    }
}

void SoundRecorder::Tick()
{
    if (!m_source)
        return;
    if (m_source->error() != QAudio::NoError) {
        Cancel();
        emit Failed(QStringLiteral("L'entrée son s'est interrompue pendant l'enregistrement."));
        return;
    }
    const double left = (static_cast<double>(m_wanted) - static_cast<double>(m_sound.Samples.size())) / m_sound.SampleRateHz;
    emit Progress(m_peak, std::max(0.0, left));
    m_peak = 0;
}
