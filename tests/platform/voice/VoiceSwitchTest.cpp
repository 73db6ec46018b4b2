// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/voice/VoiceSwitch.h"
#include "support/RecordedVoice.h"

#include <gtest/gtest.h>

TEST(SwitchableVoice, PassesWordsOnWhileOnAndNoneWhileOff)
{
    RecordedVoice recorded;
    SwitchableVoice voice(recorded);
    ASSERT_TRUE(voice.isEnabled());
    voice.say(QStringLiteral("gatto"));
    voice.setEnabled(false);
    voice.say(QStringLiteral("caffè"));
    voice.setEnabled(true);
    voice.say(QStringLiteral("perché"));
    EXPECT_EQ(recorded.said,
              (std::vector<QString>{QStringLiteral("gatto"), QStringLiteral("perché")}));
}

TEST(SwitchableVoice, TurningOffSilencesTheWordBeingSaid)
{
    RecordedVoice recorded;
    SwitchableVoice voice(recorded);
    voice.say(QStringLiteral("Bravo! Hai finito in 12 mosse"));
    voice.setEnabled(false);
    EXPECT_EQ(recorded.stops, 1);
    voice.setEnabled(true);
    EXPECT_EQ(recorded.stops, 1);
    voice.stop();
    EXPECT_EQ(recorded.stops, 2);
}

TEST(SwitchableVoice, StartsOffWhenAsked)
{
    RecordedVoice recorded;
    SwitchableVoice voice(recorded, false);
    voice.say(QStringLiteral("gatto"));
    EXPECT_TRUE(recorded.said.empty());
}

TEST(VoiceOption, OnlyTheExactOptionAfterTheProgramNameSilences)
{
    const QString program = QStringLiteral("/usr/lib/zibaldo/zibaldo");
    EXPECT_TRUE(voiceWantedFrom({program}));
    EXPECT_TRUE(voiceWantedFrom({}));
    EXPECT_FALSE(voiceWantedFrom({program, QStringLiteral("--senza-voce")}));
    EXPECT_FALSE(voiceWantedFrom({program, QStringLiteral("-x"), QStringLiteral("--senza-voce")}));
    EXPECT_TRUE(voiceWantedFrom({program, QStringLiteral("--senza-voce=no")}));
    // The program itself may be called anything, even that.
    EXPECT_TRUE(voiceWantedFrom({QStringLiteral("--senza-voce")}));
}
