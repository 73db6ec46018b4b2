#pragma once

#include "app/WordListStore.h"
#include "support/ScriptedRandom.h"
#include "support/WordLists.h"

#include <vector>

// Draws for `deals` deals from a list of twelve words: slot k gets word k + 1 and card c lies on
// grid position c, so picture cards fill the top two rows and word cards the bottom two.
inline ScriptedRandom dealsInOrder(int deals)
{
    std::vector<double> draws;
    for (int deal = 0; deal < deals; ++deal) {
        for (int slot = 0; slot < 12; ++slot)
            draws.push_back((slot + 0.5) / 12);
        draws.insert(draws.end(), 24, 0.0);
    }
    return ScriptedRandom(std::move(draws));
}

inline const QStringList kTwelveWords = {"cane", "gatto", "topo", "mela", "pera", "uva",
                                         "rana", "ape",   "orso", "lupo", "fico", "nave"};

inline WordListStore storeOf(const QStringList &words)
{
    WordListStore store;
    loadWords(store, words);
    return store;
}
