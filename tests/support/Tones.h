// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/voice/Speech.h"

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

// The share of the energy of `samples[begin, end)` that lies at `frequency`, by a Goertzel
// filter: near 1 for a pure tone of that frequency, near 0 for speech or another tone.
inline double toneShare(const Speech &sound, double frequency, std::size_t begin = 0,
                        std::size_t end = std::size_t(-1))
{
    end = std::min(end, sound.samples.size());
    if (end <= begin)
        return 0;
    const double coefficient = 2 * std::cos(2 * std::numbers::pi * frequency / sound.sampleRate);
    double previous = 0;
    double beforeThat = 0;
    double energy = 0;
    for (std::size_t i = begin; i < end; ++i) {
        const double sample = sound.samples[i];
        const double next = sample + coefficient * previous - beforeThat;
        beforeThat = previous;
        previous = next;
        energy += sample * sample;
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
