// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundMicrophone.h"

#include "AudioFormats.h"
#include "RecordingShape.h"
#include "SpeechPlayer.h"

#include <QAudioSource>
#include <QMediaDevices>
#include <cmath>

namespace {

constexpr std::chrono::milliseconds kHandedOver{40};

} // namespace

SoundMicrophone::SoundMicrophone(const QAudioDevice &device) : device_(device)
{
    QAudioFormat mono;
    mono.setSampleFormat(QAudioFormat::Int16);
    mono.setChannelCount(1);
    mono.setSampleRate(std::max(device.preferredFormat().sampleRate(), kLowestKeptRate));
    format_ = device.isFormatSupported(mono) ? mono : device.preferredFormat();
    layout_ = layoutOf(format_).value_or(PcmLayout{});
}

SoundMicrophone::~SoundMicrophone()
{
    // As an audio output must be (see SpeechPlayer), stopped before it goes.
    if (source_)
        source_->stop();
}

std::unique_ptr<Microphone> SoundMicrophone::defaultOne()
{
    // The first look connects to the sound server, quietly where there is none.
    SpeechPlayer::defaultOutput();
    const QAudioDevice input = QMediaDevices::defaultAudioInput();
    if (input.isNull() || !layoutOf(input.preferredFormat()))
        return nullptr;
    return std::make_unique<SoundMicrophone>(input);
}

bool SoundMicrophone::start()
{
    stop();
    if (!layout_.isValid())
        return false;
    source_ = std::make_unique<QAudioSource>(device_, format_);
    // Asked to hand the sound over in small parts, for the level meter.
    source_->setBufferSize(layout_.bytesPerFrame() * layout_.sampleRate * kHandedOver.count() /
                           1000);
    stream_ = source_->start();
    if (!stream_ || source_->error() != QAudio::NoError) {
        source_.reset();
        stream_ = nullptr;
        return false;
    }
    QObject::connect(stream_, &QIODevice::readyRead, source_.get(), [this] { readHeard(); });
    return true;
}

void SoundMicrophone::readHeard()
{
    if (stream_)
        heard_ += stream_->readAll();
}

PcmSound SoundMicrophone::stop()
{
    if (source_) {
        readHeard();
        source_->stop();
        source_.reset();
        stream_ = nullptr;
    }
    PcmSound sound{std::move(heard_), layout_};
    heard_.clear();
    levelFrom_ = 0;
    return sound;
}

double SoundMicrophone::peakLevel()
{
    readHeard();
    const qsizetype frame = layout_.bytesPerFrame();
    if (frame <= 0)
        return 0;
    const qsizetype end = heard_.size() - heard_.size() % frame;
    const Speech recent =
        monoFrom(QByteArrayView(heard_).sliced(levelFrom_, end - levelFrom_), layout_);
    levelFrom_ = end;
    int peak = 0;
    for (const qint16 sample : recent.samples)
        peak = std::max(peak, std::abs(int(sample)));
    return peak / 32768.0;
}

std::chrono::milliseconds SoundMicrophone::heard() const
{
    const qsizetype frame = layout_.bytesPerFrame();
    if (frame <= 0 || layout_.sampleRate <= 0)
        return {};
    return std::chrono::milliseconds(qint64(heard_.size() / frame) * 1000 / layout_.sampleRate);
}
