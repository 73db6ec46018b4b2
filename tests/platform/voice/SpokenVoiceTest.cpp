// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/voice/SpokenVoice.h"
#include "platform/voice/SpeechPlayer.h"
#include "platform/voice/SpeechSynthesis.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTest>
#include <QThread>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

std::optional<QAudioDevice> nullSink()
{
    SpeechPlayer::defaultOutput();
    for (const QAudioDevice &output : QMediaDevices::audioOutputs()) {
        if (output.id().endsWith("null"))
            return output;
    }
    return std::nullopt;
}

// Runs the event loop until `done` or the deadline; true if `done`.
template <typename Done> bool waitUntil(Done done, std::chrono::milliseconds deadline)
{
    QDeadlineTimer timer(deadline);
    while (!done() && !timer.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return done();
}

} // namespace

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

// On the null sink of the tests' own sound server (tests/audio/sound-server.sh).
TEST(SpeechPlayer, PlaysOnAPulseAudioNullSinkAndCutsTheWordBefore)
{
    const std::optional<QAudioDevice> output = nullSink();
    ASSERT_TRUE(output) << "no PulseAudio null sink: these tests run under ctest, which starts one";
    const std::optional<Speech> gatto = synthesizeSpeech(QStringLiteral("gatto"));
    const std::optional<Speech> perche = synthesizeSpeech(QStringLiteral("perché"));
    ASSERT_TRUE(gatto && perche);

    SpeechPlayer player;
    ASSERT_TRUE(player.play(*gatto, *output));
    EXPECT_TRUE(player.isPlaying());
    ASSERT_TRUE(player.play(*perche, *output));
    EXPECT_TRUE(player.isPlaying());
    const auto allowed = std::chrono::duration_cast<std::chrono::milliseconds>(perche->duration()) +
                         std::chrono::seconds(5);
    EXPECT_TRUE(waitUntil([&] { return !player.isPlaying(); }, allowed))
        << "the sink never drained the word";

    ASSERT_TRUE(player.play(*gatto, *output));
    player.stop();
    EXPECT_FALSE(player.isPlaying());
    // A pupil clicking fast: each word cut while the output takes it in.
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(player.play(i % 2 ? *gatto : *perche, *output));
        // Waited for as the event loop goes on, deferred deletions too.
        ASSERT_TRUE(QTest::qWaitFor([&] { return player.playedSoFar().count() > 0; }, 5000));
    }
}
