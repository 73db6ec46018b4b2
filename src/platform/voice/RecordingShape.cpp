// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordingShape.h"

#include "PcmSound.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace std::chrono_literals;

// -3 dBFS.
constexpr double kTargetPeak = 0.708 * 32767;
// Below -45 dBFS at its loudest a recording holds no voice, only the microphone's hiss.
constexpr int kQuietestVoice = 184;
// The level is measured over frames this long.
constexpr auto kFrame = 10ms;
// Kept before the voice starts and after it ends: a word's first and last sounds are soft.
constexpr auto kKeptBefore = 50ms;
constexpr auto kKeptAfter = 100ms;

std::vector<double> frameLevels(const Speech &sound, std::size_t frame)
{
    std::vector<double> levels;
    for (std::size_t start = 0; start < sound.samples.size(); start += frame) {
        const std::size_t end = std::min(sound.samples.size(), start + frame);
        double sum = 0;
        for (std::size_t i = start; i < end; ++i)
            sum += double(sound.samples[i]) * sound.samples[i];
        levels.push_back(std::sqrt(sum / double(end - start)));
    }
    return levels;
}

std::size_t samplesIn(std::chrono::milliseconds time, int rate)
{
    return std::size_t(time.count()) * std::size_t(rate) / 1000;
}

} // namespace

Speech atKeptRate(const Speech &sound)
{
    return resampled(sound, std::clamp(sound.sampleRate, kLowestKeptRate, kHighestKeptRate));
}

std::optional<Speech> shapedRecording(const Speech &recorded)
{
    Speech sound = atKeptRate(recorded);
    const auto loudest =
        std::max_element(sound.samples.begin(), sound.samples.end(),
                         [](qint16 a, qint16 b) { return std::abs(a) < std::abs(b); });
    if (loudest == sound.samples.end() || std::abs(int(*loudest)) < kQuietestVoice)
        return std::nullopt;

    // The voice is where the level rises well above the room's own: the quietest tenth of the
    // frames tells that, the loudest frame bounds it.
    const std::size_t frame = std::max<std::size_t>(1, samplesIn(kFrame, sound.sampleRate));
    const std::vector<double> levels = frameLevels(sound, frame);
    std::vector<double> sorted = levels;
    std::nth_element(sorted.begin(), sorted.begin() + std::ptrdiff_t(sorted.size() / 10),
                     sorted.end());
    const double room = sorted[sorted.size() / 10];
    const double top = *std::max_element(levels.begin(), levels.end());
    const double threshold = std::min(top / 2, std::max({room * 4, top / 20, 30.0}));
    const auto voiced = [threshold](double level) { return level > threshold; };
    const auto first =
        std::size_t(std::find_if(levels.begin(), levels.end(), voiced) - levels.begin());
    const auto last =
        levels.size() - 1 -
        std::size_t(std::find_if(levels.rbegin(), levels.rend(), voiced) - levels.rbegin());
    const std::size_t begin =
        first * frame - std::min(first * frame, samplesIn(kKeptBefore, sound.sampleRate));
    const std::size_t end = std::min(sound.samples.size(),
                                     (last + 1) * frame + samplesIn(kKeptAfter, sound.sampleRate));

    const double gain = kTargetPeak / std::abs(int(*loudest));
    Speech shaped;
    shaped.sampleRate = sound.sampleRate;
    shaped.samples.reserve(end - begin);
    for (std::size_t i = begin; i < end; ++i)
        shaped.samples.push_back(
            qint16(std::lround(std::clamp(sound.samples[i] * gain, -32767.0, 32767.0))));
    return shaped;
}
