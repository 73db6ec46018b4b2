// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordsearch/CruciPuzzleGame.h"

#include "BoardScript.h"
#include "core/RandomSource.h"
#include "core/WordListStore.h"
#include "support/RecordedVoice.h"
#include "support/ScriptedRandom.h"
#include "support/WordLists.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using D = BoardScript::Direction;
using Outcome = CruciPuzzleGame::ClickOutcome;
using Answer = CruciPuzzleGame::Answer;

class CruciPuzzleGameTest : public ::testing::Test
{
protected:
    void start(const QStringList &words, const BoardScript &script)
    {
        loadWords(store, words);
        scripted = script.draws().size();
        random = std::make_unique<ScriptedRandom>(script.draws());
        game = std::make_unique<CruciPuzzleGame>(store, *random, voice);
        game->activate();
    }

    // CANE on the top row, LUPO on the sixth; the other cells hold Q.
    void startCaneAndLupo()
    {
        start({"CANE", "LUPO"}, BoardScript()
                                    .pick(1, 2)
                                    .pick(2, 2)
                                    .attempt(4, D::Right, 0, 0)
                                    .attempt(4, D::Right, 5, 0)
                                    .fill(92));
    }

    void expectScores(int right, int wrong, Answer last)
    {
        EXPECT_EQ(game->rightAnswers(), right);
        EXPECT_EQ(game->wrongAnswers(), wrong);
        EXPECT_EQ(game->lastAnswer(), last);
    }

    WordListStore store;
    std::unique_ptr<ScriptedRandom> random;
    std::size_t scripted = 0;
    RecordedVoice voice;
    std::unique_ptr<CruciPuzzleGame> game;
};

TEST_F(CruciPuzzleGameTest, AWordIsFoundWhenItsLastLetterIsClickedInAnyOrder)
{
    startCaneAndLupo();
    EXPECT_TRUE(game->showsPicture(1));
    for (int cell : {2, 0, 3}) {
        EXPECT_EQ(game->click(cell), Outcome::LetterFound);
        EXPECT_TRUE(game->board().cells[std::size_t(cell)].found);
        expectScores(0, 0, Answer::None);
        EXPECT_TRUE(game->showsPicture(1));
    }
    EXPECT_EQ(game->click(1), Outcome::WordFound);
    EXPECT_EQ(game->lastFoundSlot(), 1);
    expectScores(1, 0, Answer::Right);
    EXPECT_EQ(game->wordsFound(), 1);
    EXPECT_FALSE(game->showsPicture(1));
    EXPECT_TRUE(game->showsPicture(2));
}

// A word is heard when it is found, not before; a picture says its word while it stands.
TEST_F(CruciPuzzleGameTest, AFoundWordIsSaidAndAPictureSaysItsWordUntilFound)
{
    startCaneAndLupo();
    game->pictureClicked(2);
    game->pictureClicked(1);
    EXPECT_EQ(voice.said, (std::vector<QString>{"LUPO", "CANE"}));
    for (int slot : {0, 3, 10, 11, -1})
        game->pictureClicked(slot);
    for (int cell : {99, 0, 1, 2, 2})
        game->click(cell);
    EXPECT_EQ(voice.said.size(), 2u);
    EXPECT_EQ(game->rightAnswers(), 0);
    EXPECT_EQ(game->wrongAnswers(), 1);

    EXPECT_EQ(game->click(3), Outcome::WordFound);
    EXPECT_EQ(voice.said.back(), QStringLiteral("CANE"));
    game->pictureClicked(1);
    EXPECT_EQ(voice.said.size(), 3u);
    EXPECT_EQ(voice.stops, 0);
}

TEST_F(CruciPuzzleGameTest, FillLettersAreWrongEveryTimeAndFoundLettersDoNothing)
{
    startCaneAndLupo();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(game->click(99), Outcome::WrongAnswer);
    expectScores(0, 3, Answer::Wrong);
    EXPECT_FALSE(game->board().cells[99].found);

    // A letter of a word leaves the last answer shown as it was.
    EXPECT_EQ(game->click(50), Outcome::LetterFound);
    expectScores(0, 3, Answer::Wrong);
    EXPECT_EQ(game->click(50), Outcome::Ignored);
    EXPECT_EQ(game->click(100), Outcome::Ignored);
    expectScores(0, 3, Answer::Wrong);
}

TEST_F(CruciPuzzleGameTest, ACrossedWordIsFoundWhetherOrNotTheSharedCellIsClicked)
{
    // CIELO runs down from the C of CASA and owns it.
    const BoardScript script = BoardScript()
                                   .pick(1, 3)
                                   .pick(2, 3)
                                   .pick(3, 3)
                                   .attempt(4, D::Right, 0, 0)
                                   .attempt(5, D::Down, 0, 0)
                                   .attempt(4, D::Right, 9, 0)
                                   .fill(100 - 4 - 4 - 4);
    for (bool sharedFirst : {false, true}) {
        SCOPED_TRACE(sharedFirst);
        start({"CASA", "CIELO", "LUPO"}, script);
        if (sharedFirst) {
            EXPECT_EQ(game->click(0), Outcome::LetterFound);
        }
        EXPECT_EQ(game->click(1), Outcome::LetterFound);
        EXPECT_EQ(game->click(2), Outcome::LetterFound);
        EXPECT_EQ(game->click(3), Outcome::WordFound);
        EXPECT_FALSE(game->showsPicture(1));
        EXPECT_TRUE(game->showsPicture(2));
    }
}

TEST_F(CruciPuzzleGameTest, ABoardWithAWordGivenUpIsSolvedByTheOthers)
{
    start({"CANE", "Z"}, BoardScript()
                             .pick(1, 2)
                             .pick(2, 2)
                             .attempt(4, D::Right, 0, 0)
                             .repeatAttempt(1001, 1, D::Up, 0, 0)
                             .fill(96)
                             // the next board: Z first this time, then CANE
                             .pick(2, 2)
                             .pick(1, 2)
                             .attempt(1, D::Right, 9, 9)
                             .attempt(4, D::Down, 0, 0)
                             .fill(95));
    ASSERT_EQ(game->board().laidWords.size(), 1u);
    for (int cell : {0, 1, 2})
        game->click(cell);
    EXPECT_EQ(game->click(3), Outcome::BoardSolved);
    // The praise stands for the last word too.
    EXPECT_EQ(voice.said, std::vector<QString>{"Bravo!"});
    EXPECT_EQ(random->used(), scripted);
    expectScores(1, 0, Answer::Right);
    EXPECT_EQ(game->wordsFound(), 0);
    EXPECT_EQ(game->board().laidWords.size(), 2u);
    EXPECT_EQ(game->board().cells[99].letter, U'Z');
    EXPECT_EQ(game->board().cells[10].owner, 2);
    EXPECT_FALSE(game->board().cells[0].found);
    // The new board shows the pictures of both its words, CANE's slot found on the old one.
    EXPECT_EQ(game->lastFoundSlot(), 1);
    EXPECT_TRUE(game->showsPicture(1) && game->showsPicture(2));
}

// Clicks every cell that still belongs to a word until the board changes.
int solve(CruciPuzzleGame &game)
{
    int clicks = 0;
    for (;;) {
        const auto &cells = game.board().cells;
        const auto owned = std::find_if(cells.cbegin(), cells.cend(), [](const BoardCell &c) {
            return c.owner != 0 && !c.found;
        });
        if (owned == cells.cend())
            return clicks;
        ++clicks;
        if (game.click(int(owned - cells.cbegin())) == Outcome::BoardSolved)
            return clicks;
    }
}

TEST(CruciPuzzleGames, ASolvedBoardIsReplacedAtOnceAndTheCountsRunOn)
{
    WordListStore bundled;
    ASSERT_TRUE(bundled.loadWordList(QStringLiteral(ZIBALDO_DATA_DIR "/listaparole.txt")).loaded());
    ProgramRandom random(7);
    RecordedVoice voice;
    CruciPuzzleGame game(bundled, random, voice);
    game.activate();
    game.click(std::find_if(game.board().cells.cbegin(), game.board().cells.cend(),
                            [](const BoardCell &c) { return c.owner == 0; }) -
               game.board().cells.cbegin());

    int found = 0;
    for (int board = 0; board < 20; ++board) {
        const int placed = int(game.board().laidWords.size());
        solve(game);
        found += placed;
        EXPECT_EQ(game.rightAnswers(), found);
        EXPECT_EQ(game.wrongAnswers(), 1);
        EXPECT_EQ(game.wordsFound(), 0);
        // Every word of the new board shows its picture, and no other slot does.
        for (int slot = 1; slot <= CruciPuzzleBoard::kWordsPerBoard; ++slot)
            EXPECT_EQ(game.showsPicture(slot), game.board().laidWord(slot) != nullptr);
        for (const BoardCell &cell : game.board().cells)
            EXPECT_FALSE(cell.found);
    }
    // Each word found was said, but the last of each board, which the praise stands for.
    EXPECT_EQ(voice.said.size(), std::size_t(found));
    EXPECT_EQ(std::count(voice.said.begin(), voice.said.end(), QStringLiteral("Bravo!")), 20);
    // Words are said as the list writes them: the list's own words, accents and all.
    QStringList listed;
    for (int i = 1; i <= bundled.wordCount(); ++i)
        listed << bundled.wordList(i);
    for (const QString &said : voice.said) {
        if (said != QStringLiteral("Bravo!")) {
            EXPECT_TRUE(listed.contains(said)) << said.toStdString();
        }
    }
}

TEST_F(CruciPuzzleGameTest, AnotherLevelStartsAfreshOnABoardOfItsOwn)
{
    startCaneAndLupo();
    game->click(99);
    for (int cell : {0, 1, 2, 3})
        game->click(cell);

    // "Facile": LUPO then CANE, down the last column and along the bottom row.
    random->append(BoardScript(Level::Easy)
                       .pick(2, 2)
                       .pick(1, 2)
                       .attempt(4, D::Down, 0, 9)
                       .attempt(4, D::Right, 9, 0)
                       .fill(92)
                       .draws());
    game->startLevel(Level::Easy);
    EXPECT_EQ(random->used(), random->scripted());
    EXPECT_EQ(game->level(), Level::Easy);
    expectScores(0, 0, Answer::None);
    EXPECT_EQ(game->wordsFound(), 0);
    EXPECT_TRUE(game->showsPicture(1) && game->showsPicture(2));
    EXPECT_EQ(game->board().cells[39].letter, U'O');
    EXPECT_EQ(game->directionArrows(), QStringList({"→", "↓"}));

    // Its next board is of the same level: down is the second of its two directions.
    random->append(BoardScript(Level::Easy)
                       .pick(1, 2)
                       .pick(2, 2)
                       .attempt(4, D::Down, 0, 0)
                       .attempt(4, D::Down, 0, 1)
                       .fill(92)
                       .draws());
    for (int cell : {9, 19, 29, 39, 90, 91, 92, 93})
        game->click(cell);
    EXPECT_EQ(random->used(), random->scripted());
    EXPECT_EQ(game->board().cells[11].letter, U'U');
}

TEST_F(CruciPuzzleGameTest, CountsStopAtTheirLargestValue)
{
    startCaneAndLupo();
    for (int i = 0; i < 32768; ++i)
        game->click(99);
    EXPECT_EQ(game->wrongAnswers(), 32767);
}

} // namespace
