// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <chrono>
#include <cstdint>
#include <vector>

// A word as sound, said by the speech engine or recorded by the teacher: mono 16-bit samples.
struct Speech
{
    std::vector<qint16> samples;
    int sampleRate = 0;

    std::chrono::microseconds duration() const
    {
        if (sampleRate <= 0)
            return {};
        return std::chrono::microseconds(std::int64_t(samples.size()) * 1000000 / sampleRate);
    }
};
