#include "memory/MemoryDeck.h"
#include "memory/Deals.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

// The draw that picks word `index` (1-based) of `count`, and the one that starts at `card`.
constexpr double wordDraw(int index, int count)
{
    return (index - 0.5) / count;
}
constexpr double cardDraw(int card)
{
    return (card + 0.5) / kCards;
}

TEST(LeggiParole, ATwelveWordListIsDealtWholeAndARepeatedPickIsDrawnAgain)
{
    const WordListStore words = storeOf(kTwelveWords);
    ScriptedRandom random{wordDraw(3, 12), wordDraw(3, 12),  wordDraw(1, 12), wordDraw(12, 12),
                          wordDraw(1, 12), wordDraw(12, 12), wordDraw(2, 12), wordDraw(4, 12),
                          wordDraw(5, 12), wordDraw(6, 12),  wordDraw(7, 12), wordDraw(8, 12),
                          wordDraw(9, 12), wordDraw(10, 12), wordDraw(11, 12)};
    const SlotWords dealt = LeggiParole(random, words);
    EXPECT_EQ(random.used(), 15u);
    const SlotWords expected = {"topo", "cane", "nave", "gatto", "mela", "pera",
                                "uva",  "rana", "ape",  "orso",  "lupo", "fico"};
    EXPECT_EQ(dealt, expected);
}

TEST(LeggiParole, AShortListFillsOnlyTheSlotsItCan)
{
    const WordListStore three = storeOf("cane\r\ngatto\r\ntopo\r\n");
    ScriptedRandom random{0.9, 0.9, 0.1, 0.5};
    const SlotWords dealt = LeggiParole(random, three);
    EXPECT_EQ(random.used(), 4u);
    EXPECT_EQ(dealt[0], QStringLiteral("topo"));
    EXPECT_EQ(dealt[1], QStringLiteral("cane"));
    EXPECT_EQ(dealt[2], QStringLiteral("gatto"));
    EXPECT_TRUE(
        std::all_of(dealt.begin() + 3, dealt.end(), [](const QString &w) { return w.isEmpty(); }));

    ScriptedRandom none{};
    const SlotWords empty = LeggiParole(none, storeOf(""));
    EXPECT_EQ(none.used(), 0u);
    EXPECT_TRUE(empty[0].isEmpty());
}

TEST(Mescola, AStartCardAlreadyPlacedGivesWayToTheNextAndTheLastWrapsToTheFirst)
{
    // Card 23 first; drawn again, it sends the probe round to card 0; every later draw of card 0
    // walks on to the first card still free.
    ScriptedRandom script{kJustBelowOne,
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
    const CardPlaces places = mescola(script);
    EXPECT_EQ(script.used(), 24u);
    EXPECT_EQ(places[23], 0);
    EXPECT_EQ(places[0], 1);
    for (int card = 1; card < 23; ++card)
        EXPECT_EQ(places[std::size_t(card)], card + 1) << "card " << card;
}

TEST(Mescola, TheLastPositionTakesTheOneCardLeftWhateverItsDraw)
{
    ScriptedRandom script{cardDraw(0),  cardDraw(1),  cardDraw(2),  cardDraw(3),  cardDraw(4),
                          cardDraw(5),  cardDraw(6),  cardDraw(8),  cardDraw(9),  cardDraw(10),
                          cardDraw(11), cardDraw(12), cardDraw(13), cardDraw(14), cardDraw(15),
                          cardDraw(16), cardDraw(17), cardDraw(18), cardDraw(19), cardDraw(20),
                          cardDraw(21), cardDraw(22), cardDraw(23), cardDraw(9)};
    const CardPlaces places = mescola(script);
    EXPECT_EQ(script.used(), 24u);
    EXPECT_EQ(places[7], 23);
}

TEST(Mescola, EveryShuffleGivesEachPositionExactlyOneCard)
{
    for (std::uint64_t seed = 1; seed <= 500; ++seed) {
        ProgramRandom random(seed);
        CardPlaces places = mescola(random);
        std::sort(places.begin(), places.end());
        for (int position = 0; position < kCards; ++position)
            ASSERT_EQ(places[std::size_t(position)], position) << "seed " << seed;
    }
}

} // namespace
