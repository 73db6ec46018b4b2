// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpokenVoice.h"

#include "SilenceNotice.h"
#include "SpeechSynthesis.h"

#include <QAudioDevice>

void SpokenVoice::say(const QString &text)
{
    player_.stop();
    // Where nothing can be heard the engine is not even started.
    const QAudioDevice output = SpeechPlayer::defaultOutput();
    if (output.isNull()) {
        reportSilence("nessuna uscita audio");
        return;
    }
    if (const std::optional<Speech> speech = synthesizeSpeech(text))
        player_.play(*speech, output);
}

bool SpokenVoice::play(const Speech &sound)
{
    return player_.play(sound, SpeechPlayer::defaultOutput());
}

void SpokenVoice::stop()
{
    player_.stop();
}

bool SpokenVoice::isPlaying() const
{
    return player_.isPlaying();
}
