// SPDX-License-Identifier: GPL-3.0-or-later
#include "memory/MemoryRequirements.h"

#include "core/WordListStore.h"
#include "support/WordLists.h"

#include <gtest/gtest.h>

namespace {

TEST(MemoryRequirements, ADealNeedsTwelveWords)
{
    WordListStore words;
    EXPECT_EQ(memoryRefusal(words, Level::Hard),
              QStringLiteral("Il Memory ha bisogno di almeno 12 parole: la lista è vuota."));

    QStringList eleven = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"};
    loadWords(words, eleven);
    EXPECT_EQ(memoryRefusal(words, Level::Hard),
              QStringLiteral("Il Memory ha bisogno di almeno 12 parole: la lista ne ha solo 11."));
    loadWords(words, QStringList(eleven) << "l");
    EXPECT_EQ(memoryRefusal(words, Level::Hard), QString());

    // Blank lines and words written twice, in any case, are no pairs to find.
    loadWords(words, QStringList(eleven) << ""
                                         << "K");
    EXPECT_EQ(memoryRefusal(words, Level::Hard),
              QStringLiteral("Il Memory ha bisogno di almeno 12 parole diverse: la lista ha 13 "
                             "righe, ma solo 11 parole diverse."));
    loadWords(words, {"", " "});
    EXPECT_EQ(memoryRefusal(words, Level::Hard),
              QStringLiteral("Il Memory ha bisogno di almeno 12 parole diverse: la lista ha 2 "
                             "righe, ma nessuna parola."));
}

} // namespace
