#include "wordsearch/CruciPuzzleGame.h"

#include "BoardScript.h"
#include "app/RandomSource.h"
#include "app/WordListStore.h"
#include "support/ScriptedRandom.h"
#include "support/WordLists.h"

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
        game = std::make_unique<CruciPuzzleGame>(store, *random, pictures);
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
        EXPECT_EQ(game->RightAnswers(), right);
        EXPECT_EQ(game->WrongAnswers(), wrong);
        EXPECT_EQ(game->lastAnswer(), last);
    }

    WordListStore store;
    RecordedPictures pictures;
    std::unique_ptr<ScriptedRandom> random;
    std::size_t scripted = 0;
    std::unique_ptr<CruciPuzzleGame> game;
};

TEST_F(CruciPuzzleGameTest, AWordIsFoundWhenItsLastLetterIsClickedInAnyOrder)
{
    startCaneAndLupo();
    EXPECT_TRUE(pictures.shown[1]);
    for (int cell : {2, 0, 3}) {
        EXPECT_EQ(game->click(cell), Outcome::LetterFound);
        EXPECT_TRUE(game->board().cells[std::size_t(cell)].Found);
        expectScores(0, 0, Answer::None);
        EXPECT_TRUE(pictures.shown[1]);
    }
    EXPECT_EQ(game->click(1), Outcome::WordFound);
    expectScores(1, 0, Answer::Right);
    EXPECT_EQ(game->WordsFound(), 1);
    EXPECT_FALSE(pictures.shown[1]);
    EXPECT_TRUE(pictures.shown[2]);
}

TEST_F(CruciPuzzleGameTest, FillLettersAreWrongEveryTimeAndFoundLettersDoNothing)
{
    startCaneAndLupo();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(game->click(99), Outcome::WrongAnswer);
    expectScores(0, 3, Answer::Wrong);
    EXPECT_FALSE(game->board().cells[99].Found);

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
        EXPECT_FALSE(pictures.shown[1]);
        EXPECT_TRUE(pictures.shown[2]);
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
    ASSERT_EQ(game->board().WordsPlaced, 1);
    for (int cell : {0, 1, 2})
        game->click(cell);
    EXPECT_EQ(game->click(3), Outcome::BoardSolved);
    EXPECT_EQ(random->used(), scripted);
    expectScores(1, 0, Answer::Right);
    EXPECT_EQ(game->WordsFound(), 0);
    EXPECT_EQ(game->board().WordsPlaced, 2);
    EXPECT_EQ(game->board().cells[99].Letter, U'Z');
    EXPECT_EQ(game->board().cells[10].Owner, 2);
    EXPECT_FALSE(game->board().cells[0].Found);
    // CANE's picture went with its word; the new board shows both of its own.
    EXPECT_EQ(pictures.events, (std::vector<int>{1, -1, 1, 2}));
}

// Clicks every cell that still belongs to a word until the board changes.
int solve(CruciPuzzleGame &game)
{
    int clicks = 0;
    for (;;) {
        const auto &cells = game.board().cells;
        const auto owned = std::find_if(cells.cbegin(), cells.cend(),
                                        [](const BoardCell &c) { return c.Owner != 0; });
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
    ASSERT_TRUE(bundled.LoadWordList(QStringLiteral(ZIBALDO_DATA_DIR "/listaparole.txt")).loaded());
    ProgramRandom random(7);
    RecordedPictures pictures;
    CruciPuzzleGame game(bundled, random, pictures);
    game.activate();
    game.click(std::find_if(game.board().cells.cbegin(), game.board().cells.cend(),
                            [](const BoardCell &c) { return c.Owner == 0; }) -
               game.board().cells.cbegin());

    int found = 0;
    for (int board = 0; board < 20; ++board) {
        const int placed = game.board().WordsPlaced;
        pictures.events.clear();
        solve(game);
        found += placed;
        EXPECT_EQ(game.RightAnswers(), found);
        EXPECT_EQ(game.WrongAnswers(), 1);
        EXPECT_EQ(game.WordsFound(), 0);
        // The pictures of the solved board cleared, then those of the new one shown, the last
        // found word's slot among them if a word was laid there.
        ASSERT_EQ(pictures.events.size(), std::size_t(placed + game.board().WordsPlaced));
        EXPECT_EQ(std::count(pictures.shown.cbegin(), pictures.shown.cend(), true),
                  game.board().WordsPlaced);
        for (std::size_t i = 0; i < pictures.events.size(); ++i)
            EXPECT_EQ(pictures.events[i] < 0, int(i) < placed);
        for (const BoardCell &cell : game.board().cells)
            EXPECT_FALSE(cell.Found);
    }
}

TEST_F(CruciPuzzleGameTest, CountsStopAtTheirLargestValue)
{
    startCaneAndLupo();
    for (int i = 0; i < 32768; ++i)
        game->click(99);
    EXPECT_EQ(game->WrongAnswers(), 32767);
}

} // namespace
