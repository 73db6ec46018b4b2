// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/voice/WordVoice.h"
#include "platform/voice/VoiceSwitch.h"
#include "platform/voice/WavFile.h"
#include "support/Files.h"
#include "support/ScriptedAudio.h"
#include "support/Tones.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(WordVoice, SaysAWordInItsReadableRecordingElseInTheEnginesVoice)
{
    QTemporaryDir folder;
    writeFile(folder.filePath("gatto.wav"), wavBytes(tone(440, 0.25, 44100)));
    writeFile(folder.filePath("topo.wav"), wavBytes(tone(440, 0.5, 22050)).left(60));
    ScriptedAudio output;
    // The files as the program finds them; "mela" has none.
    WordVoice voice(output, [&](const QString &word) {
        const QString file = folder.filePath(word + QStringLiteral(".wav"));
        return QFile::exists(file) ? file : QString();
    });
    voice.sayWord(QStringLiteral("gatto"));
    voice.sayWord(QStringLiteral("topo")); // cut short: none
    voice.sayWord(QStringLiteral("mela"));
    voice.say(QStringLiteral("gatto")); // a sentence: always the engine's
    ASSERT_EQ(output.played.size(), 1u);
    EXPECT_EQ(output.played[0].sampleRate, 44100);
    EXPECT_EQ(output.said, (std::vector<QString>{"topo", "mela", "gatto"}));

    // "Voce: no" silences both voices.
    SwitchableVoice switched(voice, false);
    switched.sayWord(QStringLiteral("gatto"));
    switched.sayWord(QStringLiteral("mela"));
    EXPECT_EQ(output.played.size() + output.said.size(), 4u);
}

} // namespace
