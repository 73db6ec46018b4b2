// SPDX-License-Identifier: GPL-3.0-or-later
#include "PcmSound.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Each side of the filter reaches this many zero crossings of its sinc.
constexpr int kFilterCrossings = 8;

int bytesPerSample(PcmLayout::Sample sample)
{
    switch (sample) {
    case PcmLayout::Sample::UInt8:
        return 1;
    case PcmLayout::Sample::Int16:
        return 2;
    case PcmLayout::Sample::Int24:
        return 3;
    case PcmLayout::Sample::Int32:
    case PcmLayout::Sample::Float32:
        return 4;
    case PcmLayout::Sample::Float64:
        return 8;
    }
    return 0;
}

// One sample, at full scale ±1.
double sampleAt(const uchar *at, PcmLayout::Sample sample)
{
    switch (sample) {
    case PcmLayout::Sample::UInt8:
        return (int(at[0]) - 128) / 128.0;
    case PcmLayout::Sample::Int16:
        return qFromLittleEndian<qint16>(at) / 32768.0;
    case PcmLayout::Sample::Int24: {
        const qint32 value =
            qint32(quint32(at[0]) << 8 | quint32(at[1]) << 16 | quint32(at[2]) << 24) >> 8;
        return value / 8388608.0;
    }
    case PcmLayout::Sample::Int32:
        return qFromLittleEndian<qint32>(at) / 2147483648.0;
    case PcmLayout::Sample::Float32: {
        const float value = qFromLittleEndian<float>(at);
        return std::isfinite(value) ? value : 0.0;
    }
    case PcmLayout::Sample::Float64: {
        const double value = qFromLittleEndian<double>(at);
        return std::isfinite(value) ? value : 0.0;
    }
    }
    return 0;
}

// A sample at the scale of 16 bits, clipped to them.
qint16 clippedToInt16(double value)
{
    return qint16(std::lround(std::clamp(value, -32768.0, 32767.0)));
}

double sinc(double x)
{
    if (std::abs(x) < 1e-9)
        return 1;
    return std::sin(std::numbers::pi * x) / (std::numbers::pi * x);
}

} // namespace

int PcmLayout::bytesPerFrame() const
{
    return bytesPerSample(sample) * channels;
}

bool PcmLayout::isValid() const
{
    return channels >= 1 && channels <= 32 && sampleRate >= 1000 && sampleRate <= 768000;
}

Speech monoFrom(QByteArrayView bytes, const PcmLayout &layout)
{
    Speech sound;
    if (!layout.isValid())
        return sound;
    sound.sampleRate = layout.sampleRate;
    const int step = bytesPerSample(layout.sample);
    const qsizetype frames = bytes.size() / layout.bytesPerFrame();
    sound.samples.reserve(std::size_t(frames));
    const auto *at = reinterpret_cast<const uchar *>(bytes.data());
    for (qsizetype frame = 0; frame < frames; ++frame) {
        double sum = 0;
        for (int channel = 0; channel < layout.channels; ++channel, at += step)
            sum += sampleAt(at, layout.sample);
        sound.samples.push_back(clippedToInt16(sum / layout.channels * 32768.0));
    }
    return sound;
}

Speech resampled(const Speech &sound, int sampleRate)
{
    if (sound.sampleRate == sampleRate || sound.sampleRate <= 0 || sampleRate <= 0)
        return sound;
    const double ratio = double(sampleRate) / sound.sampleRate;
    // The cut-off, in cycles per input sample: half the lower rate.
    const double cutoff = std::min(1.0, ratio);
    const double reach = kFilterCrossings / cutoff;
    const auto inputs = std::int64_t(sound.samples.size());
    Speech out;
    out.sampleRate = sampleRate;
    const auto count = std::int64_t(std::floor(double(inputs) * ratio));
    out.samples.reserve(std::size_t(count));
    for (std::int64_t i = 0; i < count; ++i) {
        const double centre = double(i) / ratio;
        const auto first = std::max<std::int64_t>(0, std::int64_t(std::ceil(centre - reach)));
        const auto last =
            std::min<std::int64_t>(inputs - 1, std::int64_t(std::floor(centre + reach)));
        double sum = 0;
        double weights = 0;
        for (std::int64_t k = first; k <= last; ++k) {
            const double distance = double(k) - centre;
            // A Hann window over the filter's reach.
            const double window = 0.5 + 0.5 * std::cos(std::numbers::pi * distance / reach);
            const double weight = cutoff * sinc(cutoff * distance) * window;
            sum += weight * sound.samples[std::size_t(k)];
            weights += weight;
        }
        // Normalised by the weights taken, so that the ends, where the filter is cut, keep their
        // level.
        out.samples.push_back(weights > 0 ? clippedToInt16(sum / weights) : 0);
    }
    return out;
}
