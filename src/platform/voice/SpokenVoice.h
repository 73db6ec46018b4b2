// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SpeechPlayer.h"
#include "platform/voice/Voice.h"

// The program's voice: the speech engine's Italian voice on the default audio output.
class SpokenVoice final : public Voice
{
public:
    void say(const QString &text) override;
    void stop() override;

private:
    SpeechPlayer player_;
};
