// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/WordListStore.h"
#include "memory/CardGrid.h"
#include "support/ScriptedRandom.h"
#include "support/WordLists.h"

#include <vector>

// The draws of one deal from a list of twelve words: slot k gets word k + 1 and the deck's cards
// lie on the grid in card order, so picture cards fill the first half of the positions and word
// cards the second.
inline std::vector<double> dealInOrder(DeckShape shape = kFullDeck)
{
    std::vector<double> draws;
    for (int slot = 0; slot < shape.pairs(); ++slot)
        draws.push_back((slot + 0.5) / 12);
    draws.insert(draws.end(), std::size_t(shape.cards()), 0.0);
    return draws;
}

inline ScriptedRandom dealsInOrder(int deals)
{
    ScriptedRandom random{};
    for (int deal = 0; deal < deals; ++deal)
        random.append(dealInOrder());
    return random;
}

inline const QStringList kTwelveWords = {"cane", "gatto", "topo", "mela", "pera", "uva",
                                         "rana", "ape",   "orso", "lupo", "fico", "nave"};

inline WordListStore storeOf(const QStringList &words)
{
    WordListStore store;
    loadWords(store, words);
    return store;
}
