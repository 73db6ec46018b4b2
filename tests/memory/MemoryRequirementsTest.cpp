// SPDX-License-Identifier: GPL-3.0-or-later
#include "memory/MemoryRequirements.h"

#include "core/WordListStore.h"
#include "support/WordLists.h"

#include <gtest/gtest.h>

namespace {

TEST(MemoryRequirements, ADealNeedsTwelveWords)
{
    WordListStore words;
    EXPECT_EQ(memoryRefusal(words),
              QStringLiteral("Il Memory ha bisogno di almeno 12 parole: la lista è vuota."));

    QStringList eleven = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"};
    loadWords(words, eleven);
    EXPECT_EQ(memoryRefusal(words),
              QStringLiteral("Il Memory ha bisogno di almeno 12 parole: la lista ne ha solo 11."));
    loadWords(words, eleven << "k");
    EXPECT_EQ(memoryRefusal(words), QString()) << "twelve entries, even with a word twice";
}

} // namespace
