// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/voice/SpokenVoice.h"
#include "platform/voice/SpeechPlayer.h"
#include "platform/voice/SpeechSynthesis.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QThread>
#include <cstdlib>
#include <gtest/gtest.h>

// What a classroom PC without sound, or the build machine, goes through: no sound server at all.
TEST(SpokenVoiceDeathTest, WithoutSoundServerStaysSilentAtOnceWithOneLine)
{
    EXPECT_EXIT(
        {
            qputenv("PULSE_SERVER", "unix:/nonexistent/zibaldo/pulse/native");
            SpokenVoice voice;
            QElapsedTimer clock;
            clock.start();
            for (const char *word : {"gatto", "caffè", "Bravo!"})
                voice.say(QString::fromUtf8(word));
            voice.stop();
            const bool quick = clock.elapsed() < 500;
            QCoreApplication::processEvents();
            std::exit(quick && QMediaDevices::defaultAudioOutput().isNull() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "^Zibaldo: senza voce \\(nessuna uscita audio\\)\n$");
}

TEST(SpeechPlayer, RefusesANullDevice)
{
    const std::optional<Speech> speech = synthesizeSpeech(QStringLiteral("gatto"));
    ASSERT_TRUE(speech.has_value());
    SpeechPlayer player;
    EXPECT_FALSE(player.play(*speech, QAudioDevice()));
    EXPECT_FALSE(player.isPlaying());
}
