// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/voice/Voice.h"

#include <QString>
#include <memory>

// The voice of a module loaded at the first word (see VoiceModule.h): the speech engine and the
// sound libraries under it stay out of the program's start. Without a module that can be loaded
// the program plays silently, and says why once on the error stream.
class LoadedVoice final : public Voice
{
public:
    explicit LoadedVoice(QString modulePath);
    ~LoadedVoice() override;

    void say(const QString &text) override;
    void stop() override;

private:
    Voice *loaded();

    QString modulePath_;
    bool tried_ = false;
    // Made by the module, which stays loaded for the rest of the process.
    std::unique_ptr<Voice> voice_;
};
