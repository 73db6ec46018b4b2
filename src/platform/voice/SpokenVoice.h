// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AudioModule.h"
#include "SpeechPlayer.h"

// The program's voice on the default audio output: the speech engine's Italian voice, and the
// recordings it is given.
class SpokenVoice final : public SoundOutput
{
public:
    void say(const QString &text) override;
    bool play(const Speech &sound) override;
    void stop() override;
    bool isPlaying() const override;
    std::chrono::microseconds playedSoFar() const { return player_.playedSoFar(); }

private:
    SpeechPlayer player_;
};
