#include "menu/GameRequirements.h"

#include "app/WordListStore.h"
#include "support/WordLists.h"

#include <gtest/gtest.h>

namespace {

TEST(GameRequirements, TheWordSearchNeedsOneShortWordAndMemoryTwelveWords)
{
    WordListStore words;
    EXPECT_EQ(wordSearchRefusal(words),
              QStringLiteral("Il Crucipuzzle ha bisogno di almeno una parola da 1 a 10 lettere: "
                             "la lista è vuota."));
    EXPECT_EQ(memoryRefusal(words),
              QStringLiteral("Il Memory ha bisogno di almeno 12 parole: la lista è vuota."));

    loadWords(words, {"", "arcobaleni colorati", "elicotteri"});
    EXPECT_EQ(wordSearchRefusal(words), QString()) << "ten letters fit";
    loadWords(words, {"", "arcobaleni colorati", "elicotterii"});
    EXPECT_EQ(wordSearchRefusal(words),
              QStringLiteral("Il Crucipuzzle ha bisogno di almeno una parola da 1 a 10 lettere: "
                             "la lista ha 3 parole, tutte più lunghe di 10 lettere o vuote."));

    QStringList eleven = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"};
    loadWords(words, eleven);
    EXPECT_EQ(memoryRefusal(words),
              QStringLiteral("Il Memory ha bisogno di almeno 12 parole: la lista ne ha solo 11."));
    loadWords(words, eleven << "k");
    EXPECT_EQ(memoryRefusal(words), QString()) << "twelve entries, even with a word twice";
}

} // namespace
