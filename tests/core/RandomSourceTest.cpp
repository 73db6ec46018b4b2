// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/RandomSource.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace {

TEST(RandomSource, TheProgramGeneratorStaysInItsRangeAndRepeatsForASeed)
{
    ProgramRandom first(42);
    ProgramRandom second(42);
    double smallest = 1.0;
    double largest = 0.0;
    for (int i = 0; i < 100000; ++i) {
        const double r = first.draw();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        ASSERT_EQ(r, second.draw());
        smallest = std::min(smallest, r);
        largest = std::max(largest, r);
    }
    EXPECT_LT(smallest, 0.001);
    EXPECT_GT(largest, 0.999);
}

TEST(RandomSource, WordIndicesRunFromOneToTheCount)
{
    ScriptedRandom random{0.0, kJustBelowOne, 0.0, kJustBelowOne};
    EXPECT_EQ(drawWordIndex(random, 500), 1);
    EXPECT_EQ(drawWordIndex(random, 500), 500);
    EXPECT_EQ(drawWordIndex(random, 1), 1);
    EXPECT_EQ(drawWordIndex(random, 1), 1);
}

TEST(RandomSource, DistinctIndicesRedrawARepeatedOne)
{
    // 10 words: 0.0 -> 1, 0.05 -> 1 again, 0.95 -> 10, 0.0 -> 1, 0.1 -> 2.
    ScriptedRandom random{0.0, 0.05, 0.95, 0.0, 0.1};
    EXPECT_EQ(drawDistinctWordIndices(random, 10, 3), (std::vector<qint16>{1, 10, 2}));
    EXPECT_EQ(random.used(), 5u);
}

TEST(RandomSource, FewerWordsThanAskedForGiveEachOnce)
{
    ScriptedRandom two{0.7, 0.9, 0.2};
    EXPECT_EQ(drawDistinctWordIndices(two, 2, 3), (std::vector<qint16>{2, 1}));
    ScriptedRandom none{};
    EXPECT_TRUE(drawDistinctWordIndices(none, 0, 3).empty());
    EXPECT_EQ(none.used(), 0u);
}

} // namespace
