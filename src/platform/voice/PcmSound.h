// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Speech.h"

#include <QByteArray>
#include <QByteArrayView>

// How the samples of a sound lie in its bytes, as a WAV file, a microphone or a decoder gives
// them: interleaved frames of `channels` samples of one type, little-endian.
struct PcmLayout
{
    enum class Sample
    {
        UInt8,
        Int16,
        Int24,
        Int32,
        Float32,
        Float64,
    };

    Sample sample = Sample::Int16;
    int channels = 1;
    int sampleRate = 0;

    int bytesPerFrame() const;
    bool isValid() const;
    bool operator==(const PcmLayout &) const = default;
};

// A sound as it came, before it is made into a word's recording.
struct PcmSound
{
    QByteArray bytes;
    PcmLayout layout;
};

// The sound in `bytes` as mono 16-bit samples at its own rate: the channels mixed, every sample
// type scaled to 16 bits (floats clipped to full scale). A last incomplete frame is left out.
Speech monoFrom(QByteArrayView bytes, const PcmLayout &layout);

// `sound` at `sampleRate`, through a windowed-sinc filter that keeps what lies under half of the
// lower of the two rates.
Speech resampled(const Speech &sound, int sampleRate);
