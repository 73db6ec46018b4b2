// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/voice/WavFile.h"
#include "platform/voice/RecordingShape.h"
#include "support/Tones.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

struct Layout
{
    const char *name;
    const char *format; // GStreamer's name for the samples
    int channels;
    int sampleRate;
};

class WavLayout : public ::testing::TestWithParam<Layout>
{
};

// Files as another program writes them; more than two channels take the extensible header.
TEST_P(WavLayout, IsReadAsTheToneItHoldsAndKeptAtAListsRate)
{
    const Layout &layout = GetParam();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tone.wav"));
    const int samples = layout.sampleRate * 2 / 5;
    ASSERT_TRUE(encodedTone(path, 440, samples,
                            QStringLiteral("audio/x-raw,format=%1,channels=%2,rate=%3 ! wavenc")
                                .arg(QLatin1String(layout.format))
                                .arg(layout.channels)
                                .arg(layout.sampleRate)));
    const WavReading reading = readWavFile(path);
    ASSERT_EQ(reading.status, WavReading::Status::Read);
    EXPECT_EQ(reading.length, 400ms);
    EXPECT_FALSE(reading.ours);

    const Speech read = monoFrom(reading.sound.bytes, reading.sound.layout);
    EXPECT_EQ(read.sampleRate, layout.sampleRate);
    EXPECT_EQ(read.samples.size(), std::size_t(samples));
    EXPECT_NEAR(peakOf(read), 0.5, 0.02);
    EXPECT_GT(toneShare(read, 440), 0.99);
    // A low rate raised, a high one lowered.
    const Speech kept = atKeptRate(read);
    EXPECT_EQ(kept.sampleRate, std::clamp(layout.sampleRate, kLowestKeptRate, kHighestKeptRate));
    EXPECT_GT(toneShare(kept, 440), 0.95);
}

INSTANTIATE_TEST_SUITE_P(CommonLayouts, WavLayout,
                         ::testing::Values(Layout{"Unsigned8BitMono8kHz", "U8", 1, 8000},
                                           Layout{"Pcm16BitStereo44kHz", "S16LE", 2, 44100},
                                           Layout{"Pcm24BitMono48kHz", "S24LE", 1, 48000},
                                           Layout{"Pcm32BitStereo16kHz", "S32LE", 2, 16000},
                                           Layout{"Float32Stereo48kHz", "F32LE", 2, 48000},
                                           Layout{"Float64Mono22kHz", "F64LE", 1, 22050},
                                           Layout{"Extensible24Bit96kHz", "S24LE", 3, 96000},
                                           Layout{"ExtensibleFloat11kHz", "F32LE", 3, 11025}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(WavFile, TellsASoundFromWhatIsNotAWholeWav)
{
    const QByteArray whole = wavBytes(tone(440, 0.2, 22050));
    QByteArray adpcm = whole;
    adpcm[20] = 2; // the coding: Microsoft ADPCM
    QByteArray oddChunk = whole;
    oddChunk.insert(36, QByteArray("junk\x03\0\0\0abc\0", 12)); // padded to an even size
    const struct
    {
        QByteArray bytes;
        WavReading::Status status;
    } cases[] = {
        {oddChunk, WavReading::Status::Read},
        {whole.left(whole.size() - 100), WavReading::Status::Truncated},
        {whole.left(whole.indexOf("data")), WavReading::Status::Truncated},
        {wavBytes(Speech{{}, 22050}), WavReading::Status::Empty},
        {adpcm, WavReading::Status::Unsupported},
        {QByteArray("ID3\x03\0\0\0\0\0\0 un MP3"), WavReading::Status::NotWav},
        {QByteArray("RIFF\x10\0\0\0AVI LIST"), WavReading::Status::NotWav},
        {QByteArray(), WavReading::Status::NotWav},
    };
    for (const auto &file : cases)
        EXPECT_EQ(readWav(file.bytes).status, file.status)
            << file.bytes.left(12).toHex().toStdString();
    // Only the start of a long file, when asked.
    const WavReading start = readWav(whole, 100ms);
    EXPECT_EQ(start.length, 200ms);
    EXPECT_EQ(monoFrom(start.sound.bytes, start.sound.layout).samples.size(), 2205u);
}

} // namespace
