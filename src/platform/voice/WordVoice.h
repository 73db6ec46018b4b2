// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/voice/AudioModule.h"

#include <functional>

// The games' voice: a word in the teacher's own voice where the list has a recording of it that
// can be read, else in the speech engine's; sentences always in the engine's. A recording that
// cannot be read counts as none, silently: the class hears the engine instead.
class WordVoice final : public Voice
{
public:
    // `recordingOf` names the recording file of a word, or nothing.
    WordVoice(SoundOutput &output, std::function<QString(const QString &word)> recordingOf);

    void say(const QString &text) override;
    void sayWord(const QString &word) override;
    void stop() override;

private:
    SoundOutput &output_;
    std::function<QString(const QString &)> recordingOf_;
};
