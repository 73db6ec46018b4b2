// SPDX-License-Identifier: GPL-3.0-or-later
#include "TileRecorder.h"

#include "platform/voice/AudioModule.h"
#include "platform/voice/RecordingShape.h"

namespace {

// The level meter moves this often.
constexpr std::chrono::milliseconds kTick{50};

} // namespace

TileRecorder::TileRecorder(AudioModule *audio, QObject *parent) : QObject(parent), audio_(audio)
{
    ticks_.setInterval(kTick);
    connect(&ticks_, &QTimer::timeout, this, &TileRecorder::listen);
}

TileRecorder::~TileRecorder() = default;

TileRecorder::Start TileRecorder::start()
{
    if (isRecording())
        return Start::Started;
    std::unique_ptr<Microphone> microphone = audio_ ? audio_->defaultMicrophone() : nullptr;
    if (!microphone)
        return Start::NoMicrophone;
    if (!microphone->start())
        return Start::Failed;
    microphone_ = std::move(microphone);
    since_.start();
    ticks_.start();
    return Start::Started;
}

void TileRecorder::listen()
{
    if (!microphone_)
        return;
    emit level(microphone_->peakLevel());
    // The sound heard is the measure; the clock stands in for a microphone that stalls.
    if (microphone_->heard() >= kRecordingTime ||
        std::chrono::milliseconds(since_.elapsed()) >= kRecordingTime + kTick * 10)
        stop();
}

void TileRecorder::stop()
{
    if (!microphone_)
        return;
    ticks_.stop();
    const PcmSound heard = microphone_->stop();
    microphone_.reset();
    emit level(0);
    emit finished(heard);
}
