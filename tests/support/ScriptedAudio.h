// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/voice/AudioModule.h"
#include "platform/voice/RecordingShape.h"
#include "platform/voice/Speech.h"

#include <QTimer>
#include <deque>
#include <vector>

// Sound devices for window tests: an output that records what it is given, a microphone that
// hears a scripted sound all at once, and a decoder that answers from a script.
class ScriptedAudio final : public AudioModule
{
public:
    class Output final : public SoundOutput
    {
    public:
        std::vector<QString> said;
        std::vector<Speech> played;

        void say(const QString &text) override { said.push_back(text); }
        bool play(const Speech &sound) override
        {
            played.push_back(sound);
            return true;
        }
        void stop() override {}
        bool isPlaying() const override { return false; }
    };

    class Heard final : public Microphone
    {
    public:
        explicit Heard(PcmSound sound) : sound_(std::move(sound)) {}
        bool start() override { return true; }
        PcmSound stop() override { return sound_; }
        double peakLevel() override { return 0.5; }
        // The whole time at once: the recording stops by itself at the first look.
        std::chrono::milliseconds heard() const override { return kRecordingTime; }

    private:
        PcmSound sound_;
    };

    Output out;
    // What the microphone hears, once each; none: there is no microphone.
    std::deque<PcmSound> microphone;
    // What the decoder makes of each file; when it runs out, the file cannot be decoded.
    std::deque<DecodedFile> decoded;

    SoundOutput &output() override { return out; }
    std::unique_ptr<Microphone> defaultMicrophone() override
    {
        if (microphone.empty())
            return nullptr;
        auto heard = std::make_unique<Heard>(microphone.front());
        microphone.pop_front();
        return heard;
    }
    void decodeFile(const QString &, std::chrono::milliseconds,
                    std::function<void(const DecodedFile &)> done) override
    {
        DecodedFile file;
        if (!decoded.empty()) {
            file = decoded.front();
            decoded.pop_front();
        }
        // Later, as the system's decoders answer.
        QTimer::singleShot(0, [done, file] { done(file); });
    }
};

// `sound` as bytes of 16-bit samples, as a microphone gives them.
inline PcmSound asHeard(const Speech &sound)
{
    PcmSound heard;
    heard.layout = {PcmLayout::Sample::Int16, 1, sound.sampleRate};
    heard.bytes = QByteArray(reinterpret_cast<const char *>(sound.samples.data()),
                             qsizetype(sound.samples.size() * sizeof(qint16)));
    return heard;
}
