// SPDX-License-Identifier: GPL-3.0-or-later
#include "RandomSource.h"

#include <algorithm>
#include <chrono>

double ProgramRandom::draw()
{
    // The top 53 bits fill a double's mantissa exactly, so r never reaches 1.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

std::uint64_t ProgramRandom::seedFromClock()
{
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

int drawBelow(RandomSource &random, int n)
{
    // r * n is never negative, so truncation is the floor.
    return static_cast<int>(random.draw() * n);
}

qint16 drawWordIndex(RandomSource &random, qint16 wordCount)
{
    return static_cast<qint16>(drawBelow(random, wordCount) + 1);
}

std::vector<qint16> drawDistinctWordIndices(RandomSource &random, qint16 wordCount, int howMany)
{
    std::vector<qint16> drawn;
    const int wanted = std::clamp<int>(wordCount, 0, howMany);
    drawn.reserve(static_cast<std::size_t>(wanted));
    while (static_cast<int>(drawn.size()) < wanted) {
        qint16 index = drawWordIndex(random, wordCount);
        while (std::find(drawn.begin(), drawn.end(), index) != drawn.end())
            index = drawWordIndex(random, wordCount);
        drawn.push_back(index);
    }
    return drawn;
}
