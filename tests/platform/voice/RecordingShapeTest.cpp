// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/voice/RecordingShape.h"
#include "support/Tones.h"

#include <gtest/gtest.h>

namespace {

TEST(RecordingShape, CutsTheRoomAroundTheVoiceAndBringsItToMinus3dBFS)
{
    const int rate = 48000;
    // The room's own sound, at about -50 dBFS, and a voice from 0.7 s to 1.9 s.
    Speech heard = tone(3000, 2.8, rate, 0.003);
    const Speech voice = tone(300, 1.2, rate, 0.1);
    std::copy(voice.samples.begin(), voice.samples.end(), heard.samples.begin() + rate * 7 / 10);

    const std::optional<Speech> kept = shapedRecording(heard);
    ASSERT_TRUE(kept.has_value());
    // What is left starts within 0.1 s of the voice and ends soon after it.
    EXPECT_GE(kept->duration(), std::chrono::milliseconds(1200));
    EXPECT_LE(kept->duration(), std::chrono::milliseconds(1400));
    const auto loud = [](qint16 sample) { return std::abs(int(sample)) > 3000; };
    EXPECT_LE(std::find_if(kept->samples.begin(), kept->samples.end(), loud) -
                  kept->samples.begin(),
              rate / 10);
    EXPECT_NEAR(peakOf(*kept), 0.708, 0.02);

    // In the room's sound alone there is no voice to keep.
    EXPECT_FALSE(shapedRecording(tone(3000, 2, rate, 0.003)).has_value());
    EXPECT_FALSE(shapedRecording(Speech{{}, rate}).has_value());
}

} // namespace
