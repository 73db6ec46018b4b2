// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PcmSound.h"

#include <QByteArray>
#include <QByteArrayView>
#include <chrono>
#include <optional>

// What a WAV file holds, as far as it could be read.
struct WavReading
{
    enum class Status
    {
        Read,
        NotWav,      // no RIFF WAVE header: another kind of file, perhaps another audio format
        Unsupported, // a WAV of a coding other than PCM or floating point (ADPCM, A-law…)
        Empty,       // no sound in it
        Truncated,   // cut short: its data ends before its header says
    };

    Status status = Status::NotWav;
    PcmSound sound;
    // The length of the whole sound, even where only its start was read.
    std::chrono::milliseconds length{0};
    // Written by this program, as its software tag says.
    bool ours = false;
};

// Reads the WAV file in `bytes`: PCM of 8, 16, 24 or 32 bits, or floating point of 32 or 64,
// plain or in the extensible header, any number of channels and any rate. When `atMost` is
// given only the sound's first `atMost` is kept.
WavReading readWav(QByteArrayView bytes,
                   std::optional<std::chrono::milliseconds> atMost = std::nullopt);
// Reads the WAV file at `path`, refusing more than a few minutes of sound: NotWav when the file
// cannot be read at all.
WavReading readWavFile(const QString &path,
                       std::optional<std::chrono::milliseconds> atMost = std::nullopt);

// A WAV file of `sound`, PCM 16-bit mono, with this program's software tag in its INFO list:
// the mark by which the list editor knows its own files.
QByteArray wavBytes(const Speech &sound);

// The sound of the WAV file at `path` as mono 16-bit samples, at most its first
// kLongestRecording; nothing when it cannot be read or holds no sound.
std::optional<Speech> readRecording(const QString &path);
