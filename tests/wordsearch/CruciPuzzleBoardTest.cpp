#include "wordsearch/CruciPuzzleBoard.h"

#include "BoardScript.h"
#include "app/RandomSource.h"
#include "app/WordListStore.h"
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
        letters += QString::fromUcs4(&board.cells[std::size_t(cell)].Letter, 1);
    return letters;
}

class CruciPuzzleBoardTest : public ::testing::Test
{
protected:
    // A new board from `words`, the way the window builds its first one.
    void build(const QStringList &words, std::vector<double> draws)
    {
        loadWords(store, words);
        const std::size_t scripted = draws.size();
        random = std::make_unique<ScriptedRandom>(std::move(draws));
        board = std::make_unique<CruciPuzzleBoard>(store, *random, pictures);
        board->ClearBoard();
        board->LeggiDirezioni();
        board->LeggiParole();
        board->WordsPlaced = 0;
        board->WordsTried = 0;
        board->InserisciParole();
        EXPECT_EQ(random->used(), scripted) << "draws left over";
    }

    WordListStore store;
    RecordedPictures pictures;
    std::unique_ptr<ScriptedRandom> random;
    std::unique_ptr<CruciPuzzleBoard> board;
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
        pictures = {};
        build({"ABCDEFGHIL"},
              BoardScript().pick(1, 1).attempt(10, c.direction, c.row, c.column).fill(90).draws());
        EXPECT_EQ(board->StartCell, c.start);
        EXPECT_EQ(readBack(*board, c.start, c.step, 10), QStringLiteral("ABCDEFGHIL"));
        EXPECT_EQ(board->cells[std::size_t(c.end)].Letter, U'L');
        EXPECT_EQ(board->cells[std::size_t(c.end)].Owner, 1);
        EXPECT_EQ(board->WordsPlaced, 1);
        EXPECT_EQ(pictures.events, std::vector<int>{1});
    }
}

TEST_F(CruciPuzzleBoardTest, StartCellsKeepShortWordsInsideTheGrid)
{
    // CANE going up: its row is 3 + floor(r * 7); at the largest draw, row 9.
    build({"CANE"},
          BoardScript().draw(0.0).draw(0.0).draw(kJustBelowOne).draw(0.0).fill(96).draws());
    ASSERT_EQ(board->StartCell, 90);
    EXPECT_EQ(readBack(*board, 90, -10, 4), QStringLiteral("CANE"));

    // Up and left from the smallest draws: row 3, column 3, ending in the corner.
    build({"CANE"}, BoardScript().draw(0.0).draw(7 / 8.0).draw(0.0).draw(0.0).fill(96).draws());
    ASSERT_EQ(board->StartCell, 33);
    EXPECT_EQ(readBack(*board, 33, -11, 4), QStringLiteral("CANE"));
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
    EXPECT_EQ(readBack(*board, 0, 1, 6), QStringLiteral("CASALE"));
    EXPECT_EQ(readBack(*board, 0, 10, 5), QStringLiteral("CITTÀ"));
    EXPECT_EQ(board->cells[0].Owner, 2);
    EXPECT_EQ(board->cells[1].Owner, 1);
    EXPECT_EQ(board->cells[2].Owner, 3);
    EXPECT_EQ(board->cells[3].Owner, 3);
    EXPECT_EQ(board->WordsPlaced, 3);
    EXPECT_EQ(board->Conflicts, 0);
    EXPECT_EQ(board->BoardWords[2], QStringLiteral("città"));
}

TEST_F(CruciPuzzleBoardTest, AWordMayNotCoverEveryCellLeftToAnEarlierOne)
{
    // The same word twice, and a word lying inside another: the later one goes elsewhere.
    build({"CASA", "CASA"}, BoardScript()
                                .pick(1, 2)
                                .pick(2, 2)
                                .attempt(4, D::Right, 0, 0)
                                .attempt(4, D::Right, 0, 0)
                                .attempt(4, D::Right, 5, 0)
                                .fill(92)
                                .draws());
    EXPECT_EQ(board->cells[0].Owner, 1);
    EXPECT_EQ(board->cells[50].Owner, 2);

    build({"ERO", "ALBERO"}, BoardScript()
                                 .pick(1, 2)
                                 .pick(2, 2)
                                 .attempt(3, D::Right, 0, 3)
                                 .attempt(6, D::Right, 0, 0) // would take all of ERO: no
                                 .attempt(6, D::Right, 1, 0)
                                 .fill(91)
                                 .draws());
    EXPECT_EQ(board->cells[3].Owner, 1);
    EXPECT_EQ(board->cells[10].Owner, 2);
    EXPECT_EQ(board->WordsPlaced, 2);
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
    EXPECT_EQ(board->WordsPlaced, 1);
    EXPECT_EQ(board->WordsTried, 2);
    EXPECT_EQ(board->Conflicts, 0);
    EXPECT_EQ(pictures.events, std::vector<int>{1});
    EXPECT_EQ(readBack(*board, 0, 1, 4), QStringLiteral("CANE"));
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
    EXPECT_EQ(board->boardWordCount(), 2);
    EXPECT_EQ(board->BoardWords[1], QStringLiteral("gatto"));
    EXPECT_EQ(board->BoardWords[2], QStringLiteral("cane"));
    EXPECT_TRUE(board->BoardWords[3].isEmpty());
    EXPECT_EQ(board->WordsTried, 2);

    // A list with no such word gives a board of fill letters, and never waits for one.
    build({"ippopotamino"}, BoardScript().fill(100).draws());
    EXPECT_EQ(board->WordsPlaced, 0);

    // A letter that the language writes as two capitals keeps its plain capital.
    EXPECT_EQ(boardLettersOf(QStringLiteral("straße")).length, 6);
}

// Records where each word was laid, read from the board when its picture is asked for.
class Placements final : public WordPictures
{
public:
    void showPicture(int slot) override
    {
        laid[std::size_t(slot)] = {true, board->StartCell, board->DirectionIndex};
    }
    void clearPicture(int) override {}

    struct Laid
    {
        bool laid = false;
        int start = 0;
        int direction = 0;
    };
    const CruciPuzzleBoard *board = nullptr;
    std::array<Laid, CruciPuzzleBoard::kWordsPerBoard + 1> laid{};
};

void checkManyBoards(const WordListStore &store)
{
    ProgramRandom random(20261208);
    for (int round = 0; round < 300; ++round) {
        Placements placements;
        CruciPuzzleBoard board(store, random, placements);
        placements.board = &board;
        board.ClearBoard();
        board.LeggiDirezioni();
        board.LeggiParole();
        board.InserisciParole();

        int laid = 0;
        for (int slot = 1; slot <= board.boardWordCount(); ++slot) {
            const Placements::Laid &at = placements.laid[std::size_t(slot)];
            if (!at.laid)
                continue;
            ++laid;
            const BoardLetters word = boardLettersOf(board.BoardWords[slot]);
            const int step = board.Directions[std::size_t(at.direction)];
            int cell = at.start, owned = 0;
            for (int j = 0; j < word.length; ++j) {
                ASSERT_TRUE(cell >= 0 && cell < CruciPuzzleBoard::kCells);
                const BoardCell &here = board.cells[std::size_t(cell)];
                ASSERT_EQ(here.Letter, word.letters[std::size_t(j)])
                    << board.BoardWords[slot].toStdString();
                owned += here.Owner == slot;
                // A straight line never jumps from one edge of the grid to the other.
                const int next = cell + step;
                if (j + 1 < word.length) {
                    ASSERT_LE(std::abs(next % 10 - cell % 10), 1);
                }
                cell = next;
            }
            EXPECT_GT(owned, 0) << "a word that can never be found";
        }
        EXPECT_EQ(board.WordsPlaced, laid);
        EXPECT_EQ(board.WordsTried, board.boardWordCount());
        for (const BoardCell &cell : board.cells) {
            ASSERT_NE(cell.Letter, 0u);
            if (cell.Owner == 0) {
                EXPECT_NE(CruciPuzzleBoard::FillLetters.find(cell.Letter), std::u32string::npos);
            }
        }
    }
}

TEST(CruciPuzzleBoards, EveryLaidWordReadsBackInAStraightLineAndCanBeFound)
{
    WordListStore bundled;
    ASSERT_TRUE(bundled.LoadWordList(QStringLiteral(ZIBALDO_DATA_DIR "/listaparole.txt")).loaded());
    checkManyBoards(bundled);

    // Long words with few letters in common: many are given up.
    WordListStore crowded;
    loadWords(crowded,
              {"AAAAAAAAAA", "BBBBBBBBBB", "CCCCCCCCCC", "DDDDDDDDDD", "EEEEEEEEEE", "FFFFFFFFFF",
               "GGGGGGGGGG", "HHHHHHHHHH", "IIIIIIIIII", "LLLLLLLLLL", "AEIOUAEIOU", "CASACASACA"});
    checkManyBoards(crowded);
}

} // namespace
