// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/voice/Voice.h"

#include <QStringList>

// The voice as the pupil hears it: the menu command "Voce" turns it off and on, and the program
// starts with it off when asked to on its command line.
class SwitchableVoice final : public Voice
{
public:
    explicit SwitchableVoice(Voice &voice, bool enabled = true) : voice_(voice), enabled_(enabled)
    {}

    void say(const QString &text) override
    {
        if (enabled_)
            voice_.say(text);
    }
    void sayWord(const QString &word) override
    {
        if (enabled_)
            voice_.sayWord(word);
    }
    void stop() override { voice_.stop(); }

    bool isEnabled() const { return enabled_; }
    // Turning the voice off also silences the word being said.
    void setEnabled(bool enabled)
    {
        enabled_ = enabled;
        if (!enabled)
            voice_.stop();
    }

private:
    Voice &voice_;
    bool enabled_;
};

// For a classroom without headphones.
inline const QString kNoVoiceOption = QStringLiteral("--senza-voce");

// False when the command line (program name first, as QCoreApplication::arguments() gives it)
// asks for a silent program.
inline bool voiceWantedFrom(const QStringList &arguments)
{
    return !arguments.mid(1).contains(kNoVoiceOption);
}
