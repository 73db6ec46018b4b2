// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/voice/Voice.h"

#include <QString>
#include <vector>

// Records what the program says, in order, and how often it silenced the voice.
class RecordedVoice final : public Voice
{
public:
    std::vector<QString> said;
    int stops = 0;

    void say(const QString &text) override { said.push_back(text); }
    void stop() override { ++stops; }
};
