// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PcmSound.h"
#include "platform/voice/Voice.h"

#include <QString>
#include <chrono>
#include <functional>
#include <memory>

struct Speech;

// The program's sound output: the speech engine's voice and the teacher's recordings, one sound
// at a time on the default audio output; each cuts short the one before.
class SoundOutput : public Voice
{
public:
    // Plays a recording; false when nothing can be heard (no audio output).
    virtual bool play(const Speech &sound) = 0;
    virtual bool isPlaying() const = 0;
};

// The default microphone, hearing for one recording at a time. Runs on the event loop of the
// thread that made it.
class Microphone
{
public:
    virtual ~Microphone() = default;
    // Starts hearing afresh; false when the microphone cannot be opened.
    virtual bool start() = 0;
    // Stops, and hands over what was heard since the start.
    virtual PcmSound stop() = 0;
    // The loudest sample heard since the last call, from 0 to 1.
    virtual double peakLevel() = 0;
    // How much sound has been heard since the start.
    virtual std::chrono::milliseconds heard() const = 0;
};

// A sound file decoded by the system's own decoders, or why not.
struct DecodedFile
{
    bool decoded = false;
    PcmSound sound;
    // Only the first `atMost` asked for was kept: the file goes on.
    bool cut = false;
};

// What the sound module hands out: everything that touches the audio devices, the speech engine
// or the system's media decoders.
class AudioModule
{
public:
    virtual ~AudioModule() = default;
    virtual SoundOutput &output() = 0;
    // The default microphone; none when the system has none (a monitor of an output is none).
    virtual std::unique_ptr<Microphone> defaultMicrophone() = 0;
    // Decodes the sound file at `path` (MP3, M4A, OGG… as far as the system can) and hands the
    // first `atMost` of its sound to `done`, later, on this thread's event loop.
    virtual void decodeFile(const QString &path, std::chrono::milliseconds atMost,
                            std::function<void(const DecodedFile &)> done) = 0;
};
