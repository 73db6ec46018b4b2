// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/voice/WavFile.h"
#include "platform/voice/RecordingShape.h"
#include "support/Tones.h"

#include <QtEndian>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

template <typename T> void put(QByteArray &bytes, T value)
{
    char at[sizeof(T)];
    qToLittleEndian(value, at);
    bytes.append(at, sizeof(T));
}

// A WAV file as other programs write it: `coding` 1 (PCM) or 3 (float), plain or extensible, a
// `fact` chunk and an odd-sized chunk before the sound, the channels all alike.
QByteArray foreignWav(const Speech &mono, int coding, int bits, int channels, bool extensible)
{
    QByteArray data;
    for (const qint16 sample : mono.samples) {
        const double value = sample / 32768.0;
        for (int channel = 0; channel < channels; ++channel) {
            if (coding == 3 && bits == 32) {
                put(data, float(value));
            } else if (coding == 3) {
                put(data, value);
            } else if (bits == 8) {
                data.append(char(std::lround(value * 127) + 128));
            } else {
                const auto scaled = qint64(std::llround(value * double(1LL << (bits - 1))));
                for (int byte = 0; byte < bits / 8; ++byte)
                    data.append(char((scaled >> (8 * byte)) & 0xFF));
            }
        }
    }
    QByteArray format;
    put<quint16>(format, quint16(extensible ? 0xFFFE : coding));
    put<quint16>(format, quint16(channels));
    put<quint32>(format, quint32(mono.sampleRate));
    put<quint32>(format, quint32(mono.sampleRate * channels * bits / 8));
    put<quint16>(format, quint16(channels * bits / 8));
    put<quint16>(format, quint16(bits));
    if (extensible) {
        put<quint16>(format, 22);
        put<quint16>(format, quint16(bits));
        put<quint32>(format, 0);
        put<quint16>(format, quint16(coding)); // the GUID's first bytes: the coding
        format += QByteArray("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    }
    QByteArray body("WAVE");
    body += "fmt ";
    put<quint32>(body, quint32(format.size()));
    body += format;
    body += "fact";
    put<quint32>(body, 4);
    put<quint32>(body, quint32(mono.samples.size()));
    body += "junk";
    put<quint32>(body, 3);
    body += QByteArray("abc\0", 4); // odd: padded
    body += "data";
    put<quint32>(body, quint32(data.size()));
    body += data;
    QByteArray file("RIFF");
    put<quint32>(file, quint32(body.size()));
    return file + body;
}

struct Layout
{
    const char *name;
    int coding;
    int bits;
    int channels;
    int sampleRate;
    bool extensible;
};

class WavLayout : public ::testing::TestWithParam<Layout>
{
};

TEST_P(WavLayout, IsReadAsTheToneItHoldsAndKeptAsMono16Bit)
{
    const Layout &layout = GetParam();
    const Speech written = tone(440, 1.5, layout.sampleRate);
    const WavReading reading = readWav(
        foreignWav(written, layout.coding, layout.bits, layout.channels, layout.extensible));
    ASSERT_EQ(reading.status, WavReading::Status::Read);
    EXPECT_EQ(reading.length,
              std::chrono::duration_cast<std::chrono::milliseconds>(written.duration()));
    EXPECT_FALSE(reading.ours);

    const Speech read = monoFrom(reading.sound.bytes, reading.sound.layout);
    ASSERT_EQ(read.samples.size(), written.samples.size());
    // Eight bits keep about 1/256 of full scale.
    const int tolerance = layout.bits == 8 ? 300 : 2;
    for (std::size_t i = 0; i < read.samples.size(); i += 97)
        ASSERT_NEAR(read.samples[i], written.samples[i], tolerance) << i;

    const std::optional<Speech> kept = shapedRecording(read);
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->sampleRate, std::clamp(layout.sampleRate, 22050, 48000));
    EXPECT_NEAR(peakOf(*kept), 0.708, 0.01);
    EXPECT_GT(toneShare(*kept, 440), 0.95);
    // Saved, and read back as this program's own.
    const WavReading again = readWav(wavBytes(*kept));
    EXPECT_TRUE(again.ours);
    EXPECT_EQ(again.sound.layout.sample, PcmLayout::Sample::Int16);
    EXPECT_EQ(again.sound.layout.channels, 1);
}

INSTANTIATE_TEST_SUITE_P(
    CommonLayouts, WavLayout,
    ::testing::Values(Layout{"Unsigned8BitMono8kHz", 1, 8, 1, 8000, false},
                      Layout{"Pcm16BitStereo44kHz", 1, 16, 2, 44100, false},
                      Layout{"Pcm24BitMono48kHz", 1, 24, 1, 48000, false},
                      Layout{"Pcm32BitStereo16kHz", 1, 32, 2, 16000, false},
                      Layout{"Float32Stereo48kHz", 3, 32, 2, 48000, false},
                      Layout{"Float64Mono22kHz", 3, 64, 1, 22050, false},
                      Layout{"Extensible24BitStereo96kHz", 1, 24, 2, 96000, true},
                      Layout{"ExtensibleFloatMono11kHz", 3, 32, 1, 11025, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(WavFile, RefusesWhatIsNotAWholeWav)
{
    const QByteArray whole = foreignWav(tone(440, 0.2, 22050), 1, 16, 1, false);
    QByteArray adpcm = whole;
    adpcm[20] = 2; // the coding: Microsoft ADPCM
    QByteArray empty = foreignWav(Speech{{}, 22050}, 1, 16, 1, false);
    const struct
    {
        QByteArray bytes;
        WavReading::Status status;
    } cases[] = {
        {whole.left(whole.size() - 100), WavReading::Status::Truncated},
        {whole.left(44), WavReading::Status::Truncated},
        {empty, WavReading::Status::Empty},
        {adpcm, WavReading::Status::Unsupported},
        {QByteArray("ID3\x03\0\0\0\0\0\0 un MP3"), WavReading::Status::NotWav},
        {QByteArray("RIFF\x10\0\0\0AVI LIST"), WavReading::Status::NotWav},
        {QByteArray(), WavReading::Status::NotWav},
    };
    for (const auto &bad : cases)
        EXPECT_EQ(readWav(bad.bytes).status, bad.status)
            << bad.bytes.left(12).toHex().toStdString();
    // Only the start of a long file, when asked.
    const WavReading start = readWav(whole, 100ms);
    EXPECT_EQ(start.length, 200ms);
    EXPECT_EQ(monoFrom(start.sound.bytes, start.sound.layout).samples.size(), 2205u);
}

} // namespace
