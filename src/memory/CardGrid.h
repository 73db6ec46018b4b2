// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ClassChoices.h"

// The memory cards: 12 word slots, each with a picture card (its slot number) and a word card (its
// slot number + 12). They lie on a grid of at most 4 rows by 6 columns, positions numbered row by
// row.

inline constexpr int kSlots = 12;
inline constexpr int kCards = 2 * kSlots;
inline constexpr int kGridColumns = 6;

constexpr bool isPictureCard(int card)
{
    return card < kSlots;
}

constexpr int slotOf(int card)
{
    return card % kSlots;
}

// A pair is known by card numbers alone: two slots holding the same word are still two pairs.
constexpr bool isPair(int first, int second)
{
    return first - second == kSlots || second - first == kSlots;
}

// How many rows and columns of cards a deal lays at each level: the hardest is the full grid.
struct DeckShape
{
    int rows;
    int columns;

    constexpr int cards() const { return rows * columns; }
    constexpr int pairs() const { return cards() / 2; }
};

inline constexpr DeckShape kFullDeck = {kCards / kGridColumns, kGridColumns};

constexpr DeckShape deckShapeOf(Level level)
{
    switch (level) {
    case Level::Easy:
        return {3, 4};
    case Level::Medium:
        return {4, 4};
    case Level::Hard:
        break;
    }
    return kFullDeck;
}

// A smaller deck plays the first slots: card `index` of the deck, in card order, is one of their
// picture cards and then one of their word cards. The full deck's cards are its card numbers.
constexpr int deckCard(int index, DeckShape shape)
{
    return index < shape.pairs() ? index : kSlots + index - shape.pairs();
}

constexpr bool isInDeck(int card, DeckShape shape)
{
    return slotOf(card) < shape.pairs();
}
