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

TEST(ShuffleCards, ASmallerDeckPlacesItsOwnCardsWrappingFromItsLastToItsFirst)
{
    // The Easy deck is cards 0 to 5 and 12 to 17: its last card, drawn twice, sends the probe
    // round to card 0, and each later draw of card 0 walks on through the deck.
    std::vector<double> draws(12, 0.0);
    draws[0] = draws[1] = kJustBelowOne;
    ScriptedRandom random(draws);
    const CardPlaces places = shuffleCards(random, deckShapeOf(Level::Easy));
    EXPECT_EQ(random.used(), 12u);
    EXPECT_EQ(places, (CardPlaces{1, 2, 3, 4,  5,  6, -1, -1, -1, -1, -1, -1,
                                  7, 8, 9, 10, 11, 0, -1, -1, -1, -1, -1, -1}));

    for (const Level level : levelsOf()) {
        const DeckShape shape = deckShapeOf(level);
        for (std::uint64_t seed = 1; seed <= 200; ++seed) {
            ProgramRandom drawn(seed);
            const CardPlaces shuffled = shuffleCards(drawn, shape);
            std::vector<int> positions;
            for (int card = 0; card < kCards; ++card) {
                if (isInDeck(card, shape))
                    positions.push_back(shuffled[std::size_t(card)]);
                else
                    ASSERT_EQ(shuffled[std::size_t(card)], -1);
            }
            std::sort(positions.begin(), positions.end());
            for (int position = 0; position < shape.cards(); ++position)
                ASSERT_EQ(positions[std::size_t(position)], position) << "seed " << seed;
        }
    }
}

} // namespace
