// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/voice/PcmSound.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>

class AudioModule;
class Microphone;

// One recording from the default microphone at a time: its level while it hears, and what it
// heard once stopped, by the teacher or by itself after kRecordingTime.
class TileRecorder : public QObject
{
    Q_OBJECT

public:
    enum class Start
    {
        Started,
        NoMicrophone,
        Failed,
    };

    // `audio` may be null: then there is no microphone.
    explicit TileRecorder(AudioModule *audio, QObject *parent = nullptr);
    ~TileRecorder() override;

    Start start();
    // Hands what was heard to finished(); nothing when not recording.
    void stop();
    bool isRecording() const { return microphone_ != nullptr; }

signals:
    // The loudest sound of the last moment, from 0 to 1.
    void level(double peak);
    void finished(const PcmSound &heard);

private:
    void listen();

    AudioModule *audio_;
    std::unique_ptr<Microphone> microphone_;
    QTimer ticks_;
    QElapsedTimer since_;
};
