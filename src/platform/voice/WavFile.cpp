// SPDX-License-Identifier: GPL-3.0-or-later
#include "WavFile.h"

#include "RecordingShape.h"

#include <QFile>
#include <QtEndian>

namespace {

constexpr quint16 kPcm = 1;
constexpr quint16 kFloat = 3;
constexpr quint16 kExtensible = 0xFFFE;
// The software tag of the files this program writes.
constexpr QByteArrayView kSoftware("Zibaldo");
// Ten minutes of CD-quality stereo: more than any recording of a word, less than the memory of
// any computer.
constexpr qint64 kLargestFile = 110 * 1024 * 1024;

quint16 u16(const char *at)
{
    return qFromLittleEndian<quint16>(at);
}

quint32 u32(const char *at)
{
    return qFromLittleEndian<quint32>(at);
}

std::optional<PcmLayout::Sample> sampleOf(quint16 coding, quint16 bits)
{
    if (coding == kPcm) {
        switch (bits) {
        case 8:
            return PcmLayout::Sample::UInt8;
        case 16:
            return PcmLayout::Sample::Int16;
        case 24:
            return PcmLayout::Sample::Int24;
        case 32:
            return PcmLayout::Sample::Int32;
        default:
            return std::nullopt;
        }
    }
    if (coding == kFloat && bits == 32)
        return PcmLayout::Sample::Float32;
    if (coding == kFloat && bits == 64)
        return PcmLayout::Sample::Float64;
    return std::nullopt;
}

bool listNamesUs(QByteArrayView list)
{
    // An INFO list: "INFO", then sub-chunks of an id, a size and a text ending in NUL.
    if (!list.startsWith("INFO"))
        return false;
    for (qsizetype at = 4; at + 8 <= list.size();) {
        const quint32 size = u32(list.data() + at + 4);
        if (size > quint32(list.size() - at - 8))
            return false;
        const QByteArrayView text = list.sliced(at + 8, size);
        if (list.sliced(at, 4) == "ISFT" && text.startsWith(kSoftware))
            return true;
        at += 8 + size + (size & 1);
    }
    return false;
}

void append16(QByteArray &bytes, quint16 value)
{
    char at[2];
    qToLittleEndian(value, at);
    bytes.append(at, 2);
}

void append32(QByteArray &bytes, quint32 value)
{
    char at[4];
    qToLittleEndian(value, at);
    bytes.append(at, 4);
}

} // namespace

WavReading readWav(QByteArrayView bytes, std::optional<std::chrono::milliseconds> atMost)
{
    WavReading reading;
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.sliced(8, 4) != "WAVE")
        return reading;
    using Status = WavReading::Status;
    const auto endedAs = [&reading](Status status) {
        reading.status = status;
        return reading;
    };
    std::optional<PcmLayout> layout;
    bool knownCoding = false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArrayView id(bytes.data() + at, 4);
        const quint32 declared = u32(bytes.data() + at + 4);
        const qsizetype body = at + 8;
        const qsizetype left = bytes.size() - body;
        // Writers that stream leave the size of the sound open.
        const qsizetype size = id == "data" && declared == 0xFFFFFFFF ? left : qsizetype(declared);
        // Past the sound only the INFO list matters.
        const bool beforeSound = reading.status != Status::Read;
        if (id == "LIST") {
            // The INFO list may come before the sound or after it.
            reading.ours = reading.ours || listNamesUs(bytes.sliced(body, std::min(left, size)));
        } else if (beforeSound && id == "fmt " && declared >= 16 && left >= 16) {
            const char *format = bytes.data() + body;
            quint16 coding = u16(format);
            const quint16 bits = u16(format + 14);
            // The extensible header names its coding in the first two bytes of a GUID.
            if (coding == kExtensible && declared >= 40 && left >= 40)
                coding = u16(format + 24);
            knownCoding = true;
            const std::optional<PcmLayout::Sample> sample = sampleOf(coding, bits);
            if (sample)
                layout = PcmLayout{*sample, u16(format + 2), int(u32(format + 4))};
            if (!sample || !layout->isValid())
                return endedAs(Status::Unsupported);
        } else if (beforeSound && id == "data") {
            if (!layout)
                return endedAs(knownCoding ? Status::Unsupported : Status::NotWav);
            if (size > left)
                return endedAs(Status::Truncated);
            const qsizetype frame = layout->bytesPerFrame();
            const qint64 frames = size / frame;
            reading.length = std::chrono::milliseconds(frames * 1000 / layout->sampleRate);
            if (frames == 0)
                return endedAs(Status::Empty);
            qint64 kept = frames;
            if (atMost)
                kept = std::min<qint64>(frames, atMost->count() * layout->sampleRate / 1000);
            reading.sound = {bytes.sliced(body, kept * frame).toByteArray(), *layout};
            reading.status = Status::Read;
        }
        if (size > left)
            break;
        at = body + size + (size & 1);
    }
    // Else the header, and no sound after it.
    return reading.status == Status::Read ? reading : endedAs(Status::Truncated);
}

WavReading readWavFile(const QString &path, std::optional<std::chrono::milliseconds> atMost)
{
    QFile file(path);
    if (file.size() > kLargestFile || !file.open(QIODevice::ReadOnly))
        return {};
    // Mapped, so that of a long file only its header and the sound kept are read from the disk.
    if (const uchar *mapped = file.map(0, file.size()))
        return readWav(QByteArrayView(mapped, file.size()), atMost);
    return readWav(file.readAll(), atMost);
}

QByteArray wavBytes(const Speech &sound)
{
    QByteArray info("INFO");
    info += "ISFT";
    QByteArray software = kSoftware.toByteArray();
    software += '\0';
    if (software.size() & 1)
        software += '\0';
    append32(info, quint32(software.size()));
    info += software;

    const auto dataSize = quint32(sound.samples.size() * sizeof(qint16));
    QByteArray bytes("RIFF");
    append32(bytes, 4 + (8 + 16) + (8 + quint32(info.size())) + (8 + dataSize));
    bytes += "WAVE";
    bytes += "fmt ";
    append32(bytes, 16);
    append16(bytes, kPcm);
    append16(bytes, 1);
    append32(bytes, quint32(sound.sampleRate));
    append32(bytes, quint32(sound.sampleRate) * 2);
    append16(bytes, 2);
    append16(bytes, 16);
    bytes += "LIST";
    append32(bytes, quint32(info.size()));
    bytes += info;
    bytes += "data";
    append32(bytes, dataSize);
    for (const qint16 sample : sound.samples)
        append16(bytes, quint16(sample));
    return bytes;
}

std::optional<Speech> readRecording(const QString &path)
{
    // A word's recording is never longer; a huge file costs no more than that.
    const WavReading reading = readWavFile(path, kLongestRecording);
    if (reading.status != WavReading::Status::Read)
        return std::nullopt;
    Speech sound = monoFrom(reading.sound.bytes, reading.sound.layout);
    if (sound.samples.empty())
        return std::nullopt;
    return sound;
}
