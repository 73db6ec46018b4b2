// SPDX-License-Identifier: GPL-3.0-or-later
#include "memory/MemoryDeck.h"
#include "memory/Deals.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

// The draw that picks word `index` (1-based) of twelve.
constexpr double pick(int index)
{
    return (index - 0.5) / 12;
}

TEST(DrawDealWords, TwelveWordsAreAllDealtAndARepeatedPickIsDrawnAgain)
{
    ScriptedRandom random{pick(3), pick(3), pick(1), pick(12), pick(1), pick(2),  pick(4),
                          pick(5), pick(6), pick(7), pick(8),  pick(9), pick(10), pick(11)};
    const SlotWords dealt = drawDealWords(random, storeOf(kTwelveWords), kFullDeck);
    EXPECT_EQ(random.used(), 14u);
    EXPECT_EQ(dealt, (SlotWords{"topo", "cane", "nave", "gatto", "mela", "pera", "uva", "rana",
                                "ape", "orso", "lupo", "fico"}));
}

TEST(DrawDealWords, AShortListFillsWhatItCanInsteadOfDrawingForEver)
{
    ScriptedRandom random{0.9, 0.9, 0.1, 0.5};
    EXPECT_EQ(drawDealWords(random, storeOf({"cane", "gatto", "topo"}), kFullDeck),
              (SlotWords{"topo", "cane", "gatto"}));
    EXPECT_EQ(random.used(), 4u);
}

TEST(ShuffleCards, APlacedStartCardGivesWayToTheNextWrappingFromTheLastToTheFirst)
{
    // Card 23 first; drawn again it sends the probe round to card 0; each later draw of card 0
    // walks on to the first free card, so the last position gets card 22.
    ScriptedRandom random{kJustBelowOne,
                          kJustBelowOne,
                          0,
                          0,
                          0,
                          0,
                          0,
                          0,
                          0,
                          0,
                          0,
                          0,
                          0,
                          0,
                          0,
                          0,
                          0,
                          0,
                          0,
                          0,
                          0,
                          0,
                          0,
                          0};
    const CardPlaces places = shuffleCards(random, kFullDeck);
    EXPECT_EQ(random.used(), 24u);
    EXPECT_EQ(places[23], 0);
    EXPECT_EQ(places[0], 1);
    for (int card = 1; card < 23; ++card)
        EXPECT_EQ(places[std::size_t(card)], card + 1) << "card " << card;
}

TEST(ShuffleCards, EveryShuffleGivesEachPositionExactlyOneCard)
{
    for (std::uint64_t seed = 1; seed <= 500; ++seed) {
        ProgramRandom random(seed);
        CardPlaces places = shuffleCards(random, kFullDeck);
        std::sort(places.begin(), places.end());
        for (int position = 0; position < kCards; ++position)
            ASSERT_EQ(places[std::size_t(position)], position) << "seed " << seed;
    }
}

} // namespace
