// SPDX-License-Identifier: GPL-3.0-or-later
#include "compose/ComposeTiles.h"

#include "compose/ComposeWord.h"
#include "core/WordListStore.h"
#include "support/ScriptedRandom.h"

#include <algorithm>
#include <gtest/gtest.h>

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
    QStringList left = sorted(tiles);
    for (const QString &letter : sorted(lettersOf(word))) {
        if (!left.removeOne(letter))
            return false;
    }
    return true;
}

TEST(ComposeWord, LettersTakeBoxesAndMarksStandInPlace)
{
    const std::vector<WordPiece> ape = piecesOf(QStringLiteral(" l'ape "));
    EXPECT_EQ(ape, (std::vector<WordPiece>{
                       {"l", true}, {"'", false}, {"a", true}, {"p", true}, {"e", true}}));
    EXPECT_EQ(lettersOf(QStringLiteral("pesce  spada")).size(), 10);
    EXPECT_EQ(piecesOf(QStringLiteral("pesce  spada"))[5], (WordPiece{" ", false}));
    // An accent typed apart from its letter is one letter with it, as a teacher's Mac writes it.
    EXPECT_EQ(lettersOf(QStringLiteral("caffe\u0300")),
              (QStringList{"c", "a", "f", "f", QStringLiteral("è")}));

    EXPECT_TRUE(sameLetter(QStringLiteral("È"), QStringLiteral("è")));
    EXPECT_TRUE(sameLetter(QStringLiteral("e\u0300"), QStringLiteral("È")));
    EXPECT_FALSE(sameLetter(QStringLiteral("e"), QStringLiteral("è")));
    EXPECT_FALSE(sameLetter(QStringLiteral("é"), QStringLiteral("è")));
}

struct Temptation
{
    const char *word;
    const char *tempting; // the three, in their order
};

class TemptingLetters : public ::testing::TestWithParam<Temptation>
{
};

// One more of a letter doubled or that could be, an accent's twin, a look-alike; then what the
// other kinds or common letters offer.
TEST_P(TemptingLetters, TemptWithDoublingsAccentsAndLookAlikes)
{
    const QString word = QString::fromUtf8(GetParam().word);
    EXPECT_EQ(temptingLetters(word, {}).join(QLatin1Char(' ')),
              QString::fromUtf8(GetParam().tempting));
}

INSTANTIATE_TEST_SUITE_P(Words, TemptingLetters,
                         ::testing::Values(Temptation{"gatto", "t ò à"},
                                           Temptation{"caffè", "f e à"},
                                           Temptation{"pane", "n è q"}, Temptation{"uva", "v à n"},
                                           // No accent of its own twice, nor the other accent.
                                           Temptation{"bebè", "b d a"},
                                           Temptation{"perché", "q a i"},
                                           Temptation{"Tè", "e a i"}));

// The bundled list and words with marks: three tempting letters, none of the word's own but a
// consonant to double, none letting the tiles spell another listed word as long, which they did
// not.
TEST(TemptingLetters, NeverSpellTheWordAnotherWay)
{
    WordListStore store;
    ASSERT_TRUE(store.loadWordList(QStringLiteral(ZIBALDO_DATA_DIR "/listaparole.txt")).loaded());
    const QStringList listed =
        store.distinctWords() + QStringList{"rama", "pesce spada", "l'ape", "perché", "città"};
    for (const QString &word : listed) {
        const QStringList letters = lettersOf(word);
        const QStringList tempting = temptingLetters(word, listed);
        ASSERT_EQ(tempting.size(), 3) << word.toStdString();
        for (const QString &letter : tempting) {
            EXPECT_FALSE(spells(letters, letter) && QStringLiteral("aeiouàèéìòù").contains(letter))
                << word.toStdString() << " " << letter.toStdString();
        }
        for (const QString &other : listed) {
            if (lettersOf(other).size() == letters.size() && !spells(letters, other)) {
                EXPECT_FALSE(spells(letters + tempting, other))
                    << word.toStdString() << " spells " << other.toStdString();
            }
        }
    }
    // "rana" with an m would read "rama", listed too: its look-alike is the other one of n.
    EXPECT_FALSE(temptingLetters(QStringLiteral("rana"), listed).contains(QStringLiteral("m")));
    EXPECT_TRUE(temptingLetters(QStringLiteral("rana"), listed).contains(QStringLiteral("u")));
}

// Every level's tiles over many draws: the word's letters (after the given first at "Facile"),
// the tempting ones at "Medio", and never the word read off them in order.
TEST(ComposeTiles, ShufflesNeverReadTheWordInOrder)
{
    ProgramRandom random(2026);
    for (const char *text : {"ape", "uva", "gatto", "nonno", "pesce spada", "l'ape", "Anna"}) {
        const QString word = QString::fromUtf8(text);
        QStringList letters = lettersOf(word);
        for (int round = 0; round < 200; ++round) {
            const QStringList easy = tilesFor(word, Level::Easy, {}, random);
            EXPECT_EQ(sorted(easy), sorted(letters.mid(1))) << text;
            EXPECT_FALSE(readsInOrder(easy, letters.mid(1))) << text;
            const QStringList medium = tilesFor(word, Level::Medium, {}, random);
            EXPECT_EQ(sorted(medium), sorted(letters + temptingLetters(word, {}))) << text;
            EXPECT_FALSE(readsInOrder(medium, letters)) << text;
        }
        EXPECT_TRUE(tilesFor(word, Level::Hard, {}, random).isEmpty());
    }
}

TEST(ComposeTiles, AnOrderReadingTheWordIsDrawnAgain)
{
    // Each draw just below 1 leaves every tile where it is.
    const QStringList word = {"g", "a", "t", "t", "o"};
    ScriptedRandom random(std::vector<double>(4, kJustBelowOne));
    random.append({0.0, 0.0, 0.0, 0.0});
    EXPECT_EQ(shuffledTiles(word, word, random), (QStringList{"a", "t", "t", "o", "g"}));
    EXPECT_EQ(random.used(), 8u);

    // One tile, or tiles all of one letter, have no other order: no draw at all.
    ScriptedRandom none{};
    EXPECT_EQ(shuffledTiles({"è"}, {"è"}, none), QStringList{"è"});
    EXPECT_EQ(shuffledTiles({"n", "N"}, {"n", "n"}, none), (QStringList{"n", "N"}));
    // A source stuck on one number ends with the tiles turned round.
    ScriptedRandom stuck(std::vector<double>(64, kJustBelowOne));
    EXPECT_EQ(shuffledTiles({"p", "e"}, {"p", "e"}, stuck), (QStringList{"e", "p"}));
}

} // namespace
