// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/voice/AudioModule.h"

#include <QString>
#include <memory>

// The sound of a module loaded at its first use (see VoiceModule.h): the speech engine, Qt
// Multimedia and the sound libraries under them stay out of the program's start. Without a module
// that can be loaded the program plays silently, has no microphone and decodes no file, and says
// why once on the error stream.
class LoadedAudio final : public AudioModule
{
public:
    explicit LoadedAudio(QString modulePath);
    ~LoadedAudio() override;

    SoundOutput &output() override { return output_; }
    std::unique_ptr<Microphone> defaultMicrophone() override;
    void decodeFile(const QString &path, std::chrono::milliseconds atMost,
                    std::function<void(const DecodedFile &)> done) override;

private:
    // The module's output, once there is one.
    class Output final : public SoundOutput
    {
    public:
        explicit Output(LoadedAudio &audio) : audio_(audio) {}
        void say(const QString &text) override;
        bool play(const Speech &sound) override;
        void stop() override;
        bool isPlaying() const override;

    private:
        LoadedAudio &audio_;
    };

    AudioModule *loaded();

    QString modulePath_;
    bool tried_ = false;
    Output output_{*this};
    // Made by the module, which stays loaded for the rest of the process.
    std::unique_ptr<AudioModule> module_;
};
