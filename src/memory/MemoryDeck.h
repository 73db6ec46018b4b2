// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CardGrid.h"

#include <QString>
#include <array>

class RandomSource;
class WordListStore;

using SlotWords = std::array<QString, kSlots>;
// For each card, the grid position it was given; -1 for a card out of the deck.
using CardPlaces = std::array<qint16, kCards>;

// As many different words of the list as the deck has pairs, one draw each and a redraw while a
// word repeats, written into the first slots only once all are drawn. A list of fewer words fills
// as many slots as it has words and leaves the others empty, rather than drawing for ever.
SlotWords drawDealWords(RandomSource &random, const WordListStore &words, DeckShape shape);

// Gives each grid position of the deck in turn a card: a drawn start card, or the next one of the
// deck not yet placed after it, wrapping from the last card to the first. Exactly one draw per
// position.
CardPlaces shuffleCards(RandomSource &random, DeckShape shape);
