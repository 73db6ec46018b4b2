// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/voice/RecordingShape.h"
#include "platform/voice/Speech.h"
#include "platform/voice/WavFile.h"

#include <QProcess>
#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <numbers>

// `seconds` of a pure tone at `amplitude` of full scale.
inline Speech tone(double frequency, double seconds, int sampleRate, double amplitude = 0.5)
{
    Speech sound;
    sound.sampleRate = sampleRate;
    const auto count = std::size_t(seconds * sampleRate);
    for (std::size_t i = 0; i < count; ++i)
        sound.samples.push_back(qint16(
            std::lround(amplitude * 32767 *
                        std::sin(2 * std::numbers::pi * frequency * double(i) / sampleRate))));
    return sound;
}

// `samples` of a tone at half of full scale, written to `path` by GStreamer's own encoders, as
// other programs write sound files: `encoder` goes from the raw samples to the file, in
// gst-launch-1.0's words ("audio/x-raw,format=S24LE,rate=48000 ! wavenc", "vorbisenc ! oggmux").
inline bool encodedTone(const QString &path, double frequency, int samples, const QString &encoder)
{
    return QProcess::execute(
               QStringLiteral("gst-launch-1.0"),
               QProcess::splitCommand(
                   QStringLiteral(
                       "-q audiotestsrc freq=%1 volume=0.5 num-buffers=1 "
                       "samplesperbuffer=%2 ! audioconvert ! %3 ! filesink location=\"%4\"")
                       .arg(frequency)
                       .arg(samples)
                       .arg(encoder, path))) == 0;
}

// The share of the energy of `sound` that lies at `frequency`, the silence around it left out, by
// a Goertzel filter: near 1 for a pure tone of that frequency, near 0 for speech or another tone.
inline double toneShare(const Speech &sound, double frequency)
{
    const auto loud = [](qint16 sample) { return std::abs(int(sample)) > 1000; };
    const auto begin = std::find_if(sound.samples.begin(), sound.samples.end(), loud);
    const auto end = std::find_if(sound.samples.rbegin(), sound.samples.rend(), loud).base();
    const double coefficient = 2 * std::cos(2 * std::numbers::pi * frequency / sound.sampleRate);
    double previous = 0;
    double beforeThat = 0;
    double energy = 0;
    for (auto at = begin; at < end; ++at) {
        const double next = *at + coefficient * previous - beforeThat;
        beforeThat = previous;
        previous = next;
        energy += double(*at) * *at;
    }
    const double power =
        previous * previous + beforeThat * beforeThat - coefficient * previous * beforeThat;
    return energy > 0 ? 2 * power / (double(end - begin) * energy) : 0;
}

// The loudest sample, at full scale 1.
inline double peakOf(const Speech &sound)
{
    int peak = 0;
    for (const qint16 sample : sound.samples)
        peak = std::max(peak, std::abs(int(sample)));
    return peak / 32767.0;
}

// The recording at `path` if it is one of this program's as the list keeps it: its own WAV,
// 16-bit mono at a kept rate.
inline std::optional<Speech> keptRecording(const QString &path)
{
    const WavReading saved = readWavFile(path);
    const PcmLayout &layout = saved.sound.layout;
    if (saved.status != WavReading::Status::Read || !saved.ours ||
        layout.sample != PcmLayout::Sample::Int16 || layout.channels != 1 ||
        layout.sampleRate != std::clamp(layout.sampleRate, kLowestKeptRate, kHighestKeptRate))
        return std::nullopt;
    return monoFrom(saved.sound.bytes, layout);
}
