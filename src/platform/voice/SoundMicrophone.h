// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AudioModule.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <memory>

class QAudioSource;
class QIODevice;

// A microphone of the system, heard through Qt Multimedia, in mono 16-bit samples where it
// offers them.
class SoundMicrophone final : public Microphone
{
public:
    explicit SoundMicrophone(const QAudioDevice &device);
    ~SoundMicrophone() override;

    // The system's default microphone, or none.
    static std::unique_ptr<Microphone> defaultOne();

    bool start() override;
    PcmSound stop() override;
    double peakLevel() override;
    std::chrono::milliseconds heard() const override;

private:
    void readHeard();

    QAudioDevice device_;
    QAudioFormat format_;
    PcmLayout layout_;
    std::unique_ptr<QAudioSource> source_;
    QIODevice *stream_ = nullptr;
    QByteArray heard_;
    qsizetype levelFrom_ = 0;
};
