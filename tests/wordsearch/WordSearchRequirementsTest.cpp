// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordsearch/WordSearchRequirements.h"

#include "core/WordListStore.h"
#include "support/WordLists.h"

#include <gtest/gtest.h>

namespace {

TEST(WordSearchRequirements, TheBoardNeedsOneWordOfOneToTenLetters)
{
    WordListStore words;
    EXPECT_EQ(wordSearchRefusal(words),
              QStringLiteral("Il Crucipuzzle ha bisogno di almeno una parola da 1 a 10 lettere: "
                             "la lista è vuota."));

    loadWords(words, {"", "arcobaleni colorati", "elicotteri"});
    EXPECT_EQ(wordSearchRefusal(words), QString()) << "ten letters fit";
    loadWords(words, {"", "arcobaleni colorati", "elicotterii"});
    EXPECT_EQ(wordSearchRefusal(words),
              QStringLiteral("Il Crucipuzzle ha bisogno di almeno una parola da 1 a 10 lettere: "
                             "la lista ha 3 parole, tutte più lunghe di 10 lettere o vuote."));

    // Spaces, apostrophes and hyphens take no cell.
    loadWords(words, {"gelato al limone", "pesce-spada"});
    EXPECT_EQ(wordSearchRefusal(words), QString()) << "ten letters and a hyphen fit";
    loadWords(words, {"gelato al limone", "'", " - "});
    EXPECT_FALSE(wordSearchRefusal(words).isEmpty());
}

} // namespace
