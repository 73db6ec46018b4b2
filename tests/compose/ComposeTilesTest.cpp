// SPDX-License-Identifier: GPL-3.0-or-later
#include "compose/ComposeTiles.h"

#include "compose/ComposeWord.h"
#include "core/WordListStore.h"
#include "support/ScriptedRandom.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <utility>

namespace {

QStringList sorted(QStringList letters)
{
    for (QString &letter : letters)
        letter = letter.toCaseFolded();
    letters.sort();
    return letters;
}

// Whether `tiles` hold the letters of `word`, as many of each.
bool spells(const QStringList &tiles, const QString &word)
{
    const QStringList held = sorted(tiles), needed = sorted(lettersOf(word));
    return std::includes(held.begin(), held.end(), needed.begin(), needed.end());
}

TEST(ComposeWord, LettersTakeBoxesAndMarksStandInPlace)
{
    EXPECT_EQ(
        piecesOf(QStringLiteral(" l'ape ")),
        (std::vector<WordPiece>{{"l", true}, {"'", false}, {"a", true}, {"p", true}, {"e", true}}));
    // An accent typed apart from its letter is one letter with it, as a teacher's Mac writes it.
    EXPECT_EQ(lettersOf(QStringLiteral("caffe\u0300")),
              (QStringList{"c", "a", "f", "f", QStringLiteral("è")}));
}

using TemptingLetters = ::testing::TestWithParam<std::pair<const char *, const char *>>;

// One more of a letter doubled or that could be, an accent's twin, a look-alike, in that order;
// then what the other kinds or common letters offer.
TEST_P(TemptingLetters, TemptWithDoublingsAccentsAndLookAlikes)
{
    EXPECT_EQ(temptingLetters(QString::fromUtf8(GetParam().first), {}).join(QLatin1Char(' ')),
              QString::fromUtf8(GetParam().second));
}

INSTANTIATE_TEST_SUITE_P(Words, TemptingLetters,
                         ::testing::Values(std::pair("gatto", "t ò à"), std::pair("caffè", "f e à"),
                                           std::pair("pane", "n è q"), std::pair("uva", "v à n"),
                                           // No accent of its own twice, nor the other accent.
                                           std::pair("bebè", "b d a"), std::pair("perché", "q a i"),
                                           std::pair("Tè", "e a i")));

// The bundled list and words with marks, over many draws: each level's tiles are the word's
// letters (after the given first at "Facile"), with three tempting ones at "Medio", and never read
// the word in order; no tempting letter lets them spell another listed word as long ("rana" with
// an m would read "rama"), which the word's own letters did not.
TEST(ComposeTiles, TilesNeverReadTheWordInOrderNorSpellAnotherWord)
{
    WordListStore store;
    ASSERT_TRUE(store.loadWordList(QStringLiteral(ZIBALDO_DATA_DIR "/listaparole.txt")).loaded());
    const QStringList listed =
        store.distinctWords() +
        QStringList{"rama", "pesce spada", "l'ape", "perché", "città", "nonno", "Anna"};
    ProgramRandom random(2026);
    for (const QString &word : listed) {
        SCOPED_TRACE(word.toStdString());
        const QStringList letters = lettersOf(word);
        const QStringList tempting = temptingLetters(word, listed);
        ASSERT_EQ(tempting.size(), 3);
        for (const QString &other : listed) {
            if (lettersOf(other).size() == letters.size() && !spells(letters, other)) {
                EXPECT_FALSE(spells(letters + tempting, other)) << other.toStdString();
            }
        }
        for (int draw = 0; draw < 20; ++draw) {
            const QStringList easy = tilesFor(word, Level::Easy, listed, random);
            EXPECT_EQ(sorted(easy), sorted(letters.mid(1)));
            // The single tile of a word of two letters has no other order.
            EXPECT_TRUE(easy.size() < 2 || !readsInOrder(easy, letters.mid(1)));
            const QStringList medium = tilesFor(word, Level::Medium, listed, random);
            EXPECT_EQ(sorted(medium), sorted(letters + tempting));
            EXPECT_FALSE(readsInOrder(medium, letters));
        }
        EXPECT_TRUE(tilesFor(word, Level::Hard, listed, random).isEmpty());
    }
    // From a source stuck on one number, the tiles turn round instead.
    ScriptedRandom stuck(std::vector<double>(64, kJustBelowOne));
    EXPECT_EQ(shuffledTiles({"p", "e"}, {"p", "e"}, stuck), (QStringList{"e", "p"}));
}

} // namespace
