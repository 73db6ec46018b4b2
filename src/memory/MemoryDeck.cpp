// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryDeck.h"

#include "core/RandomSource.h"
#include "core/WordListStore.h"

SlotWords drawDealWords(RandomSource &random, const WordListStore &words, DeckShape shape)
{
    const QStringList &drawn = words.distinctWords();
    const std::vector<qint16> picks =
        drawDistinctWordIndices(random, qint16(drawn.size()), shape.pairs());
    SlotWords dealt;
    for (std::size_t slot = 0; slot < picks.size(); ++slot)
        dealt[slot] = drawn[picks[slot] - 1];
    return dealt;
}

CardPlaces shuffleCards(RandomSource &random, DeckShape shape)
{
    constexpr qint16 kUnplaced = -1;
    CardPlaces marks;
    marks.fill(kUnplaced);
    const int cards = shape.cards();
    for (qint16 position = 0; position < cards; ++position) {
        int index = drawBelow(random, cards);
        while (marks[std::size_t(deckCard(index, shape))] != kUnplaced)
            index = (index + 1) % cards;
        marks[std::size_t(deckCard(index, shape))] = position;
    }
    return marks;
}
