// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/voice/WordVoice.h"
#include "platform/voice/VoiceSwitch.h"
#include "platform/voice/WavFile.h"
#include "support/Files.h"
#include "support/Tones.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Records what reaches the audio output.
class RecordedOutput final : public SoundOutput
{
public:
    std::vector<QString> said;
    std::vector<std::size_t> played; // the samples of each recording played
    int stops = 0;

    void say(const QString &text) override { said.push_back(text); }
    bool play(const Speech &sound) override
    {
        played.push_back(sound.samples.size());
        return true;
    }
    void stop() override { ++stops; }
    bool isPlaying() const override { return false; }
};

TEST(WordVoice, SaysAWordInItsReadableRecordingElseInTheEnginesVoice)
{
    QTemporaryDir folder;
    writeFile(folder.filePath("gatto.wav"), wavBytes(tone(440, 0.5, 22050)));
    writeFile(folder.filePath("cane.wav"), wavBytes(tone(440, 0.25, 44100)));
    writeFile(folder.filePath("topo.wav"), wavBytes(tone(440, 0.5, 22050)).left(60));
    writeFile(folder.filePath("bravo.wav"), wavBytes(tone(440, 0.5, 22050)));

    RecordedOutput output;
    // The files as the program finds them; "mela" has none.
    WordVoice voice(output, [&](const QString &word) {
        const QString file = folder.filePath(word + QStringLiteral(".wav"));
        return QFile::exists(file) ? file : QString();
    });
    voice.sayWord(QStringLiteral("gatto"));
    voice.sayWord(QStringLiteral("cane"));
    voice.sayWord(QStringLiteral("topo")); // cut short: none
    voice.sayWord(QStringLiteral("mela"));
    voice.say(QStringLiteral("bravo")); // a sentence: always the engine's
    EXPECT_EQ(output.played, (std::vector<std::size_t>{11025, 11025}));
    EXPECT_EQ(output.said, (std::vector<QString>{"topo", "mela", "bravo"}));

    // "Voce: no" silences both voices.
    SwitchableVoice switched(voice, false);
    switched.sayWord(QStringLiteral("gatto"));
    switched.sayWord(QStringLiteral("mela"));
    EXPECT_EQ(output.played.size(), 2u);
    EXPECT_EQ(output.said.size(), 3u);
}

} // namespace
