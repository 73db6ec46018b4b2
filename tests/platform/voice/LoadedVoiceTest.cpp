// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/voice/LoadedVoice.h"

#include "platform/voice/VoiceModule.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdlib>
#include <gtest/gtest.h>

// The module the build makes, the one the program loads from its own folder.
TEST(LoadedVoiceDeathTest, SpeaksThroughTheBuiltModule)
{
    EXPECT_EXIT(
        {
            // Without a sound server the module's voice says why it is silent: proof that it is
            // the one that took the word.
            qputenv("PULSE_SERVER", "unix:/nonexistent/zibaldo/pulse/native");
            LoadedVoice voice(QDir(QStringLiteral(ZIBALDO_PROGRAM_DIR))
                                  .filePath(QString::fromLatin1(kVoiceModuleFile)));
            voice.say(QStringLiteral("gatto"));
            voice.stop();
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "^Zibaldo: senza voce \\(nessuna uscita audio\\)\n$");
}

// A copy of the program moved without its module plays on, silent.
TEST(LoadedVoiceDeathTest, WithoutItsModuleStaysSilentWithOneLine)
{
    EXPECT_EXIT(
        {
            LoadedVoice voice(QStringLiteral("/nonexistent/zibaldo/zibaldo-voice.so"));
            voice.stop();
            voice.say(QStringLiteral("gatto"));
            voice.say(QStringLiteral("Bravo!"));
            voice.stop();
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "^Zibaldo: senza voce \\(modulo della voce: [^\n]*\\)\n$");
}
