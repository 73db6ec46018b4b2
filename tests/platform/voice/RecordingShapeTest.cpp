// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/voice/RecordingShape.h"
#include "support/Tones.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

// The hiss of a room at about -50 dBFS.
void addHiss(Speech &sound)
{
    QRandomGenerator noise(7);
    for (qint16 &sample : sound.samples)
        sample = qint16(sample + int(noise.bounded(201)) - 100);
}

TEST(RecordingShape, CutsTheSilenceAroundTheVoiceAndBringsItToMinus3dBFS)
{
    const int rate = 48000;
    Speech heard = tone(0, 0.7, rate); // silence
    const Speech voice = tone(300, 1.2, rate, 0.1);
    heard.samples.insert(heard.samples.end(), voice.samples.begin(), voice.samples.end());
    heard.samples.resize(heard.samples.size() + std::size_t(rate * 0.9));
    addHiss(heard);

    const std::optional<Speech> kept = shapedRecording(heard);
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->sampleRate, rate);
    // What is left starts within 0.1 s of the voice and ends soon after it.
    EXPECT_GE(kept->duration(), std::chrono::milliseconds(1200));
    EXPECT_LE(kept->duration(), std::chrono::milliseconds(1400));
    const auto loud = [](qint16 sample) { return std::abs(int(sample)) > 3000; };
    const auto first = std::find_if(kept->samples.begin(), kept->samples.end(), loud);
    EXPECT_LE(first - kept->samples.begin(), rate / 10);
    EXPECT_NEAR(peakOf(*kept), 0.708, 0.02);
}

TEST(RecordingShape, HearsNoVoiceInHissAlone)
{
    Speech hiss = tone(0, 2, 44100);
    addHiss(hiss);
    EXPECT_FALSE(shapedRecording(hiss).has_value());
    EXPECT_FALSE(shapedRecording(Speech{{}, 44100}).has_value());
}

} // namespace
