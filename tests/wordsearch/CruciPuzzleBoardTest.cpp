// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordsearch/CruciPuzzleBoard.h"

#include "BoardScript.h"
#include "core/RandomSource.h"
#include "core/WordListStore.h"
#include "support/ScriptedRandom.h"
#include "support/WordLists.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

using D = BoardScript::Direction;

// The letters of `length` cells from `start`, `step` apart.
QString readBack(const CruciPuzzleBoard &board, int start, int step, int length)
{
    QString letters;
    for (int j = 0, cell = start; j < length; ++j, cell += step)
        letters += QString::fromUcs4(&board.cells[std::size_t(cell)].letter, 1);
    return letters;
}

// The slots of the words laid, in the order the board lists them.
std::vector<int> laidSlots(const CruciPuzzleBoard &board)
{
    std::vector<int> laid;
    for (const LaidWord &word : board.laidWords)
        laid.push_back(word.slot);
    return laid;
}

class CruciPuzzleBoardTest : public ::testing::Test
{
protected:
    // A new board from `words`, every draw scripted.
    void build(const QStringList &words, std::vector<double> draws)
    {
        loadWords(store, words);
        const std::size_t scripted = draws.size();
        ScriptedRandom random(std::move(draws));
        board = CruciPuzzleBoard::build(store, random);
        EXPECT_EQ(random.used(), scripted) << "draws left over";
    }

    WordListStore store;
    CruciPuzzleBoard board;
};

TEST_F(CruciPuzzleBoardTest, TenLetterWordsRunCornerToCornerOrEdgeToEdge)
{
    struct Case
    {
        D direction;
        int row, column; // the coordinate the direction keeps is drawn as 3
        int start, end, step;
    };
    const Case cases[] = {
        {D::Up, 9, 3, 93, 3, -10},   {D::UpRight, 9, 0, 90, 9, -9},
        {D::Right, 3, 0, 30, 39, 1}, {D::DownRight, 0, 0, 0, 99, 11},
        {D::Down, 0, 3, 3, 93, 10},  {D::DownLeft, 0, 9, 9, 90, 9},
        {D::Left, 3, 9, 39, 30, -1}, {D::UpLeft, 9, 9, 99, 0, -11},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.direction);
        build({"ABCDEFGHIL"},
              BoardScript().pick(1, 1).attempt(10, c.direction, c.row, c.column).fill(90).draws());
        ASSERT_EQ(laidSlots(board), std::vector<int>{1});
        EXPECT_EQ(board.laidWords[0].startCell, c.start);
        EXPECT_EQ(board.laidWords[0].direction, int(c.direction));
        EXPECT_EQ(board.laidWords[0].word, QStringLiteral("ABCDEFGHIL"));
        EXPECT_EQ(readBack(board, c.start, c.step, 10), QStringLiteral("ABCDEFGHIL"));
        EXPECT_EQ(board.cells[std::size_t(c.end)].letter, U'L');
        EXPECT_EQ(board.cells[std::size_t(c.end)].owner, 1);
    }
}

TEST_F(CruciPuzzleBoardTest, StartCellsKeepShortWordsInsideTheGrid)
{
    // CANE going up: its row is 3 + floor(r * 7); at the largest draw, row 9.
    build({"CANE"},
          BoardScript().draw(0.0).draw(0.0).draw(kJustBelowOne).draw(0.0).fill(96).draws());
    ASSERT_EQ(board.laidWords.at(0).startCell, 90);
    EXPECT_EQ(readBack(board, 90, -10, 4), QStringLiteral("CANE"));

    // Up and left from the smallest draws: row 3, column 3, ending in the corner.
    build({"CANE"}, BoardScript().draw(0.0).draw(7 / 8.0).draw(0.0).draw(0.0).fill(96).draws());
    ASSERT_EQ(board.laidWords.at(0).startCell, 33);
    EXPECT_EQ(readBack(board, 33, -11, 4), QStringLiteral("CANE"));
}

TEST_F(CruciPuzzleBoardTest, CrossingsAgreeIgnoringCaseAndTheLaterWordOwnsTheSharedCell)
{
    build({"CASA", "città", "sale"}, BoardScript()
                                         .pick(1, 3)
                                         .pick(2, 3)
                                         .pick(3, 3)
                                         .attempt(4, D::Right, 0, 0)
                                         .attempt(5, D::Down, 0, 1)  // A under the c of città: no
                                         .attempt(5, D::Down, 0, 0)  // C and c agree
                                         .attempt(4, D::Right, 0, 2) // runs along CASA over S and A
                                         .fill(100 - 4 - 4 - 2)
                                         .draws());
    EXPECT_EQ(readBack(board, 0, 1, 6), QStringLiteral("CASALE"));
    EXPECT_EQ(readBack(board, 0, 10, 5), QStringLiteral("CITTÀ"));
    EXPECT_EQ(board.cells[0].owner, 2);
    EXPECT_EQ(board.cells[1].owner, 1);
    EXPECT_EQ(board.cells[2].owner, 3);
    EXPECT_EQ(board.cells[3].owner, 3);
    EXPECT_EQ(laidSlots(board), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(board.laidWords[1].word, QStringLiteral("città"));
}

TEST_F(CruciPuzzleBoardTest, AWordMayNotCoverEveryCellLeftToAnEarlierOne)
{
    // Two words of the same letters, and a word lying inside another: the later one goes
    // elsewhere.
    build({"l'ape", "lape"}, BoardScript()
                                 .pick(1, 2)
                                 .pick(2, 2)
                                 .attempt(4, D::Right, 0, 0)
                                 .attempt(4, D::Right, 0, 0)
                                 .attempt(4, D::Right, 5, 0)
                                 .fill(92)
                                 .draws());
    EXPECT_EQ(board.cells[0].owner, 1);
    EXPECT_EQ(board.cells[50].owner, 2);

    build({"ERO", "ALBERO"}, BoardScript()
                                 .pick(1, 2)
                                 .pick(2, 2)
                                 .attempt(3, D::Right, 0, 3)
                                 .attempt(6, D::Right, 0, 0) // would take all of ERO: no
                                 .attempt(6, D::Right, 1, 0)
                                 .fill(91)
                                 .draws());
    EXPECT_EQ(board.cells[3].owner, 1);
    EXPECT_EQ(board.cells[10].owner, 2);
    EXPECT_EQ(laidSlots(board), (std::vector<int>{1, 2}));
}

TEST_F(CruciPuzzleBoardTest, OnlyTheLettersOfAWordTakeCellsAndItsPictureIsTheWordAsWritten)
{
    build({"gatto nero", "l’ape", "pesce-spada"}, BoardScript()
                                                      .pick(1, 3)
                                                      .pick(2, 3)
                                                      .pick(3, 3)
                                                      .attempt(9, D::Right, 0, 0)
                                                      .attempt(4, D::Right, 1, 0)
                                                      .attempt(10, D::Right, 2, 0)
                                                      .fill(100 - 9 - 4 - 10)
                                                      .draws());
    EXPECT_EQ(readBack(board, 0, 1, 9), QStringLiteral("GATTONERO"));
    EXPECT_EQ(readBack(board, 10, 1, 4), QStringLiteral("LAPE"));
    EXPECT_EQ(readBack(board, 20, 1, 10), QStringLiteral("PESCESPADA"));
    EXPECT_EQ(board.laidWords[1].word, QStringLiteral("l’ape"));
}

TEST_F(CruciPuzzleBoardTest, AWordThatNeverFitsIsGivenUpOnceItsConflictsPassTheBudget)
{
    // Every attempt of Z lands on the C of CANE: one conflict each, so 1001 attempts.
    build({"CANE", "Z"}, BoardScript()
                             .pick(1, 2)
                             .pick(2, 2)
                             .attempt(4, D::Right, 0, 0)
                             .repeatAttempt(1001, 1, D::Up, 0, 0)
                             .fill(96)
                             .draws());
    EXPECT_EQ(laidSlots(board), std::vector<int>{1});
    EXPECT_EQ(board.givenUp, QStringList{"Z"});
    EXPECT_EQ(readBack(board, 0, 1, 4), QStringLiteral("CANE"));
}

TEST_F(CruciPuzzleBoardTest, OnlyWordsOfOneToTenCharactersTakePart)
{
    // Picks run over "cane" and "gatto" only; the second pick of gatto is drawn again.
    build({"", "ippopotamino", "cane", "gatto"}, BoardScript()
                                                     .pick(2, 2)
                                                     .pick(2, 2)
                                                     .pick(1, 2)
                                                     .attempt(5, D::Right, 0, 0)
                                                     .attempt(4, D::Right, 1, 0)
                                                     .fill(91)
                                                     .draws());
    ASSERT_EQ(laidSlots(board), (std::vector<int>{1, 2}));
    EXPECT_EQ(board.laidWords[0].word, QStringLiteral("gatto"));
    EXPECT_EQ(board.laidWords[1].word, QStringLiteral("cane"));
    EXPECT_TRUE(board.givenUp.isEmpty());
    EXPECT_EQ(board.laidWord(3), nullptr);

    // A list with no such word gives a board of fill letters, and never waits for one.
    build({"ippopotamino"}, BoardScript().fill(100).draws());
    EXPECT_TRUE(board.laidWords.empty());

    // A word written twice, in any case, is drawn once.
    build({"CANE", "cane", "gatto"}, BoardScript()
                                         .pick(1, 2)
                                         .pick(2, 2)
                                         .attempt(4, D::Right, 0, 0)
                                         .attempt(5, D::Right, 1, 0)
                                         .fill(91)
                                         .draws());
    EXPECT_EQ(laidSlots(board), (std::vector<int>{1, 2}));
    EXPECT_EQ(board.laidWords[1].word, QStringLiteral("gatto"));

    // A letter that the language writes as two capitals keeps its plain capital.
    EXPECT_EQ(boardLettersOf(QStringLiteral("straße")).length, 6);
}

void checkManyBoards(const WordListStore &store)
{
    ProgramRandom random(20261208);
    for (int round = 0; round < 300; ++round) {
        const CruciPuzzleBoard board = CruciPuzzleBoard::build(store, random);
        int previousSlot = 0;
        for (const LaidWord &laid : board.laidWords) {
            EXPECT_GT(laid.slot, previousSlot) << "laid words in slot order";
            previousSlot = laid.slot;
            const BoardLetters word = boardLettersOf(laid.word);
            const int step = CruciPuzzleBoard::kSteps[std::size_t(laid.direction)];
            int cell = laid.startCell, owned = 0;
            for (int j = 0; j < word.length; ++j) {
                ASSERT_TRUE(cell >= 0 && cell < CruciPuzzleBoard::kCells);
                const BoardCell &here = board.cells[std::size_t(cell)];
                ASSERT_EQ(here.letter, word.letters[std::size_t(j)]) << laid.word.toStdString();
                owned += here.owner == laid.slot;
                // A straight line never jumps from one edge of the grid to the other.
                const int next = cell + step;
                if (j + 1 < word.length) {
                    ASSERT_LE(std::abs(next % 10 - cell % 10), 1);
                }
                cell = next;
            }
            EXPECT_GT(owned, 0) << "a word that can never be found";
        }
        EXPECT_LE(board.laidWords.size() + std::size_t(board.givenUp.size()),
                  std::size_t(CruciPuzzleBoard::kWordsPerBoard));
        for (const BoardCell &cell : board.cells) {
            ASSERT_NE(cell.letter, 0u);
            if (cell.owner == 0) {
                EXPECT_NE(CruciPuzzleBoard::kFillLetters.find(cell.letter), std::u32string::npos);
            }
        }
    }
}

TEST(CruciPuzzleBoards, EveryLaidWordReadsBackInAStraightLineAndCanBeFound)
{
    WordListStore bundled;
    ASSERT_TRUE(bundled.loadWordList(QStringLiteral(ZIBALDO_DATA_DIR "/listaparole.txt")).loaded());
    checkManyBoards(bundled);

    // Long words with few letters in common: many are given up.
    WordListStore crowded;
    loadWords(crowded,
              {"AAAAAAAAAA", "BBBBBBBBBB", "CCCCCCCCCC", "DDDDDDDDDD", "EEEEEEEEEE", "FFFFFFFFFF",
               "GGGGGGGGGG", "HHHHHHHHHH", "IIIIIIIIII", "LLLLLLLLLL", "AEIOUAEIOU", "CASACASACA"});
    checkManyBoards(crowded);
}

} // namespace
