// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/voice/LoadedAudio.h"

#include "platform/voice/VoiceModule.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdlib>
#include <gtest/gtest.h>

// The module the build makes, the one the program loads from its own folder.
TEST(LoadedAudioDeathTest, SpeaksThroughTheBuiltModule)
{
    EXPECT_EXIT(
        {
            // Without a sound server the module's voice says why it is silent: proof that it is
            // the one that took the word. Nor is there a microphone.
            qputenv("PULSE_SERVER", "unix:/nonexistent/zibaldo/pulse/native");
            LoadedAudio audio(QDir(QStringLiteral(ZIBALDO_PROGRAM_DIR))
                                  .filePath(QString::fromLatin1(kVoiceModuleFile)));
            audio.output().say(QStringLiteral("gatto"));
            audio.output().stop();
            std::exit(audio.defaultMicrophone() ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "^Zibaldo: senza voce \\(nessuna uscita audio\\)\n$");
}

// A copy of the program moved without its module plays on, silent, and decodes nothing.
TEST(LoadedAudioDeathTest, WithoutItsModuleStaysSilentWithOneLine)
{
    EXPECT_EXIT(
        {
            LoadedAudio audio(QStringLiteral("/nonexistent/zibaldo/zibaldo-voice.so"));
            audio.output().stop();
            audio.output().say(QStringLiteral("gatto"));
            const bool silent = !audio.output().play(Speech{{1, 2, 3}, 22050});
            bool decoded = true;
            audio.decodeFile(QStringLiteral("/nonexistent/gatto.mp3"), std::chrono::seconds(5),
                             [&decoded](const DecodedFile &file) { decoded = file.decoded; });
            std::exit(silent && !decoded && !audio.defaultMicrophone() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "^Zibaldo: senza voce \\(modulo della voce: [^\n]*\\)\n$");
}
