// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryDeck.h"

#include "core/RandomSource.h"
#include "core/WordListStore.h"

SlotWords drawDealWords(RandomSource &random, const WordListStore &words)
{
    const QStringList &drawn = words.distinctWords();
    const std::vector<qint16> picks = drawDistinctWordIndices(random, qint16(drawn.size()), kSlots);
    SlotWords dealt;
    for (std::size_t slot = 0; slot < picks.size(); ++slot)
        dealt[slot] = drawn[picks[slot] - 1];
    return dealt;
}

CardPlaces shuffleCards(RandomSource &random)
{
    constexpr qint16 kUnplaced = -1;
    CardPlaces marks;
    marks.fill(kUnplaced);
    for (qint16 position = 0; position < kCards; ++position) {
        int card = drawBelow(random, kCards);
        while (marks[std::size_t(card)] != kUnplaced)
            card = (card + 1) % kCards;
        marks[std::size_t(card)] = position;
    }
    return marks;
}
