// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/voice/AudioModule.h"
#include "platform/voice/RecordingShape.h"

#include <QTimer>
#include <optional>
#include <vector>

// Sound devices for tests: an output that records what it is given, a microphone that hears a
// scripted sound all at once, and no decoder of any file but WAV.
class ScriptedAudio final : public AudioModule, public SoundOutput
{
public:
    std::vector<QString> said;
    std::vector<Speech> played;
    // What the microphone hears next; none: there is no microphone.
    std::optional<PcmSound> microphone;

    void say(const QString &text) override { said.push_back(text); }
    bool play(const Speech &sound) override
    {
        played.push_back(sound);
        return true;
    }
    void stop() override {}
    bool isPlaying() const override { return false; }

    SoundOutput &output() override { return *this; }
    std::unique_ptr<Microphone> defaultMicrophone() override
    {
        std::unique_ptr<Microphone> heard;
        if (microphone)
            heard = std::make_unique<Heard>(*microphone);
        microphone.reset();
        return heard;
    }
    void decodeFile(const QString &, std::chrono::milliseconds,
                    std::function<void(const DecodedFile &)> done) override
    {
        // Later, as the system's decoders answer.
        QTimer::singleShot(0, [done] { done({}); });
    }

private:
    // Hears the whole recording time at once: the recording stops by itself at the first look.
    class Heard final : public Microphone
    {
    public:
        explicit Heard(PcmSound sound) : sound_(std::move(sound)) {}
        bool start() override { return true; }
        PcmSound stop() override { return sound_; }
        double peakLevel() override { return 0.5; }
        std::chrono::milliseconds heard() const override { return kRecordingTime; }

    private:
        PcmSound sound_;
    };
};
