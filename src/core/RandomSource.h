// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <cstdint>
#include <random>
#include <vector>

// Where the program's random draws come from. Game code takes one by reference, so tests can
// script exact sequences of draws.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // A uniform number r with 0 <= r < 1.
    virtual double draw() = 0;
};

// The program's one generator. The engine's raw output is fixed by the C++ standard; the standard
// distributions are not, so the conversion to [0, 1) is ours and seeded runs agree everywhere.
class ProgramRandom final : public RandomSource
{
public:
    explicit ProgramRandom(std::uint64_t seed) : engine_(seed) {}
    double draw() override;

    static std::uint64_t seedFromClock();

private:
    std::mt19937_64 engine_;
};

// floor(r * n) for one draw: 0 to n - 1 for n >= 1.
int drawBelow(RandomSource &random, int n);

// A random position in a list of `wordCount` words, 1 to wordCount.
qint16 drawWordIndex(RandomSource &random, qint16 wordCount);

// `howMany` different word positions, each redrawn while it equals one drawn before (positions
// are compared, not words). With fewer words than asked for, as many as there are.
std::vector<qint16> drawDistinctWordIndices(RandomSource &random, qint16 wordCount, int howMany);
