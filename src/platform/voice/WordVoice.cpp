// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordVoice.h"

#include "WavFile.h"

WordVoice::WordVoice(SoundOutput &output, std::function<QString(const QString &)> recordingOf)
    : output_(output), recordingOf_(std::move(recordingOf))
{}

void WordVoice::say(const QString &text)
{
    output_.say(text);
}

void WordVoice::sayWord(const QString &word)
{
    if (const QString file = recordingOf_(word); !file.isEmpty()) {
        if (const std::optional<Speech> recording = readRecording(file)) {
            output_.play(*recording);
            return;
        }
    }
    output_.say(word);
}

void WordVoice::stop()
{
    output_.stop();
}
