// SPDX-License-Identifier: GPL-3.0-or-later
#include "compose/ComposeRound.h"

#include "compose/ComposeRequirements.h"
#include "core/RandomSource.h"
#include "core/WordListStore.h"
#include "support/RecordedVoice.h"
#include "support/WordLists.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

using Outcome = ComposeRound::Outcome;

// A round drawn with a real source; the pupil types.
class ComposeRoundTest : public ::testing::Test
{
protected:
    // The outcome of the last letter.
    Outcome type(const QString &letters)
    {
        Outcome last = Outcome::Ignored;
        for (const QString &letter : lettersOf(letters))
            last = round.typeLetter(letter);
        return last;
    }

    WordListStore words;
    ProgramRandom random{42};
    RecordedVoice voice;
    ComposeRound round{words, random, voice};
};

// Fewer than three different words that fit the level are refused, and counted once each.
TEST_F(ComposeRoundTest, EachLevelDrawsUpToTenDifferentWordsItFits)
{
    QStringList list = {"a",          "tè", "gelato", "formica",         "elicotter",
                        "elicottero", "",   "Gelato", QString(20, u'z'), QString(21, u'z')};
    for (int i = 0; i < 12; ++i)
        list << QStringLiteral("gattino%1").arg(QChar(u'a' + i));
    loadWords(words, list);
    EXPECT_TRUE(composeRefusal(words, Level::Easy).endsWith(QStringLiteral("ne ha solo 2.")));
    for (const auto &[level, most] :
         {std::pair(Level::Easy, 6), std::pair(Level::Medium, 9), std::pair(Level::Hard, 20)}) {
        EXPECT_EQ(composeRefusal(words, level).isEmpty(), level != Level::Easy);
        for (int draw = 0; draw < 20; ++draw) {
            round.startLevel(level);
            const QStringList drawn = round.roundWords();
            EXPECT_EQ(drawn.size(), level == Level::Easy ? 2 : 10);
            EXPECT_EQ(QSet<QString>(drawn.begin(), drawn.end()).size(), drawn.size());
            for (const QString &word : drawn) {
                EXPECT_GE(lettersOf(word).size(), 2) << word.toStdString();
                EXPECT_LE(lettersOf(word).size(), most) << word.toStdString();
            }
        }
    }
}

// "Difficile": a box for each letter only, the word checked once they are full, whatever the
// case typed, never whatever the accent: "caffe" is not "caffè", nor is "caffé". A wrong letter
// stays marked until another takes its place.
TEST_F(ComposeRoundTest, TheHardestLevelChecksTheWholeWordAndAccentsCount)
{
    loadWords(words, {"caffè", "pesce spada", "l'ape"});
    round.startLevel(Level::Hard);
    const QHash<QString, int> letters = {{"caffè", 5}, {"pesce spada", 10}, {"l'ape", 4}};
    for (int word = 0; word < 3; ++word) {
        EXPECT_EQ(int(round.boxes().size()), letters[round.word()]) << round.word().toStdString();
        if (round.word() == QStringLiteral("caffè")) {
            EXPECT_EQ(type(QStringLiteral("CAFFE")), Outcome::Checked);
            EXPECT_EQ(round.markedBoxes(), 1);
            EXPECT_TRUE(round.boxes()[4].wrong);
            // A letter taken back leaves its box the first to fill.
            EXPECT_EQ(round.takeBack(1), Outcome::TakenBack);
            EXPECT_EQ(type(QStringLiteral("a")), Outcome::Placed);
            EXPECT_EQ(round.lastBox(), 1);
            EXPECT_EQ(type(QStringLiteral("é")), Outcome::Checked);
            EXPECT_EQ(type(QStringLiteral("È")), Outcome::WordDone);
        } else {
            EXPECT_EQ(type(round.word().toUpper()), Outcome::WordDone);
        }
        round.nextWord();
    }
    EXPECT_EQ(round.phase(), ComposeRound::Phase::RoundOver);
    EXPECT_EQ(round.errors(), 2);
    EXPECT_EQ(round.firstTryWords(), 2);
}

} // namespace
