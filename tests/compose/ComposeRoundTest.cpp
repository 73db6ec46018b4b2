// SPDX-License-Identifier: GPL-3.0-or-later
#include "compose/ComposeRound.h"

#include "compose/ComposeRequirements.h"
#include "core/RandomSource.h"
#include "core/WordListStore.h"
#include "support/RecordedVoice.h"
#include "support/ScriptedRandom.h"
#include "support/WordLists.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

using Outcome = ComposeRound::Outcome;
using Phase = ComposeRound::Phase;

// A round on a list of the words given, drawn with a real source.
class ComposeRoundTest : public ::testing::Test
{
protected:
    void play(const QStringList &list, Level level)
    {
        loadWords(words, list);
        round.startLevel(level);
    }
    // The tile holding `letter`, among those still free.
    int tileOf(const QString &letter) const
    {
        for (int tile = 0; tile < round.tiles().size(); ++tile) {
            if (!round.tileUsed(tile) && round.tiles()[tile] == letter)
                return tile;
        }
        return -1;
    }
    QString boxes() const
    {
        QString shown;
        for (const ComposeRound::Box &box : round.boxes())
            shown += box.letter.isEmpty() ? QStringLiteral("_") : box.letter;
        return shown;
    }

    WordListStore words;
    ProgramRandom random{42};
    RecordedVoice voice;
    ComposeRound round{words, random, voice};
};

TEST_F(ComposeRoundTest, EachLevelDrawsUpToTenDifferentWordsItFits)
{
    QStringList list = {"a",
                        "tè",
                        "gelato",
                        "formica",
                        "elicotter",
                        "elicottero",
                        "supercalifragilistic",
                        "supercalifragilistico",
                        "",
                        "Gelato"};
    for (int i = 0; i < 12; ++i)
        list << QStringLiteral("gattino%1").arg(QChar(u'a' + i));
    loadWords(words, list);
    for (const auto &[level, most] :
         {std::pair(Level::Easy, 6), std::pair(Level::Medium, 9), std::pair(Level::Hard, 20)}) {
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

TEST_F(ComposeRoundTest, AListWithFewerThanThreeWordsForTheLevelIsRefused)
{
    EXPECT_EQ(composeRefusal(words, Level::Easy),
              QStringLiteral("Componi la parola ha bisogno di almeno 3 parole da 2 a 6 lettere: la "
                             "lista è vuota."));
    loadWords(words, {"cane", "gatto", "elefante", "CANE", "a"});
    EXPECT_EQ(composeRefusal(words, Level::Easy),
              QStringLiteral("Componi la parola ha bisogno di almeno 3 parole da 2 a 6 lettere: la "
                             "lista ne ha solo 2."));
    EXPECT_EQ(composeRefusal(words, Level::Medium), QString());
    loadWords(words, {"a", "precipitevolissimevolmente"});
    EXPECT_EQ(composeRefusal(words, Level::Hard),
              QStringLiteral("Componi la parola ha bisogno di almeno 3 parole da 2 a 20 lettere: "
                             "la lista non ne ha nessuna."));
}

// "Facile": the first letter stands in its box; a wrong tile is counted and stays to be picked;
// the word composed is praised, and the next one said as it comes.
TEST_F(ComposeRoundTest, TilesArePlacedRightOrCountedWrongUntilTheWordIsDone)
{
    play({"ape", "uva", "oca"}, Level::Easy);
    const QString first = round.word();
    EXPECT_EQ(voice.said, std::vector<QString>{first});
    EXPECT_EQ(round.boxes()[0].given, true);
    EXPECT_EQ(boxes(), first.left(1) + QStringLiteral("__"));

    const QString second = first.mid(1, 1), third = first.mid(2, 1);
    EXPECT_EQ(round.pressTile(tileOf(third)), Outcome::Wrong);
    EXPECT_EQ(round.errors(), 1);
    EXPECT_EQ(round.lastWrongLetter(), third);
    EXPECT_NE(tileOf(third), -1) << "a wrong tile goes back";
    EXPECT_EQ(round.typeLetter(second.toUpper()), Outcome::Placed);
    EXPECT_EQ(round.typeLetter(QStringLiteral("z")), Outcome::Ignored) << "no tile of it";
    EXPECT_EQ(round.takeBack(0), Outcome::Ignored) << "the given letter stays";
    EXPECT_EQ(round.takeBackLast(), Outcome::TakenBack);
    EXPECT_EQ(boxes(), first.left(1) + QStringLiteral("__"));
    EXPECT_EQ(round.pressTile(tileOf(second)), Outcome::Placed);
    EXPECT_EQ(round.pressTile(tileOf(third)), Outcome::WordDone);
    EXPECT_EQ(round.phase(), Phase::WordDone);
    EXPECT_EQ(round.pressTile(0), Outcome::Ignored);
    EXPECT_EQ(voice.said.back(), ComposeRound::kPraise);
    EXPECT_EQ(round.rightWords(), 1);
    EXPECT_EQ(round.firstTryWords(), 0);

    round.sayWord();
    EXPECT_EQ(voice.said.back(), first);
    round.nextWord();
    EXPECT_EQ(voice.said.back(), round.word());
    EXPECT_NE(round.word(), first);
}

// "Difficile": the letters typed fill the boxes and the word is checked only once they are full;
// a wrong accent is a wrong letter, marked until another takes its place.
TEST_F(ComposeRoundTest, TheHardestLevelChecksTheWholeWordAndAccentsCount)
{
    play({"caffè", "caffè", "caffè"}, Level::Hard);
    ASSERT_EQ(round.roundWords(), QStringList{"caffè"}) << "one word, drawn once";
    EXPECT_TRUE(round.tiles().isEmpty());
    for (const char *letter : {"C", "a", "f", "f"})
        EXPECT_EQ(round.typeLetter(QString::fromUtf8(letter)), Outcome::Placed);
    EXPECT_EQ(round.typeLetter(QStringLiteral("e")), Outcome::Checked);
    EXPECT_EQ(round.markedBoxes(), 1);
    EXPECT_TRUE(round.boxes()[4].wrong);
    EXPECT_EQ(round.errors(), 1);
    EXPECT_EQ(round.typeLetter(QStringLiteral("É")), Outcome::Checked);
    EXPECT_EQ(round.errors(), 2);
    EXPECT_EQ(round.typeLetter(QStringLiteral("È")), Outcome::WordDone);
    EXPECT_EQ(round.firstTryWords(), 0);

    round.nextWord();
    EXPECT_EQ(round.phase(), Phase::RoundOver);
    EXPECT_EQ(round.rightWords(), 1);
    round.start();
    EXPECT_EQ(round.errors(), 0) << "a new round counts afresh";
}

TEST_F(ComposeRoundTest, WordsOfManyPartsHaveABoxPerLetterOnly)
{
    play({"pesce spada", "l'ape", "ape"}, Level::Hard);
    for (int word = 0; word < 3; ++word) {
        const int letters = round.word() == QStringLiteral("pesce spada") ? 10
                            : round.word() == QStringLiteral("l'ape")     ? 4
                                                                          : 3;
        EXPECT_EQ(int(round.boxes().size()), letters) << round.word().toStdString();
        for (const QString &letter : lettersOf(round.word()))
            round.typeLetter(letter);
        EXPECT_EQ(round.phase(), Phase::WordDone);
        round.nextWord();
    }
    EXPECT_EQ(round.firstTryWords(), 3);
    EXPECT_EQ(round.errors(), 0);
}

// A letter taken out of the middle leaves the first empty box there: the next one goes in it.
TEST_F(ComposeRoundTest, ALetterTakenBackLeavesItsBoxForTheNext)
{
    play({"gatto", "gatto", "gatto"}, Level::Medium);
    for (const char *letter : {"g", "a", "t"})
        round.typeLetter(QString::fromUtf8(letter));
    EXPECT_EQ(round.takeBack(1), Outcome::TakenBack);
    EXPECT_EQ(boxes(), QStringLiteral("g_t__"));
    EXPECT_EQ(round.typeLetter(QStringLiteral("t")), Outcome::Wrong);
    EXPECT_EQ(round.typeLetter(QStringLiteral("a")), Outcome::Placed);
    EXPECT_EQ(boxes(), QStringLiteral("gat__"));
}

} // namespace
