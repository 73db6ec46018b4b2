// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordsearch/CruciPuzzleBoard.h"

#include "BoardScript.h"
#include "core/RandomSource.h"
#include "core/WordListStore.h"
#include "support/ScriptedRandom.h"
#include "support/WordLists.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

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
    void build(const QStringList &words, std::vector<double> draws, Level level = Level::Hard)
    {
        loadWords(store, words);
        const std::size_t scripted = draws.size();
        ScriptedRandom random(std::move(draws));
        board = CruciPuzzleBoard::build(store, random, level);
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

TEST_F(CruciPuzzleBoardTest, FillLettersSpellingAWordAreDrawnAgainAfterTheFill)
{
    // A second CANE on the sixth row: its highest fill cell, the E, is drawn again. Backwards, and
    // drawn again once more when the new letter spells it again. An unsuitable word of fill
    // letters and a laid word: DIO before CANE.
    struct Case
    {
        int row, column, firstFill;
        std::u32string_view fill;
        int secondFill;
        std::u32string_view refill;
        int length;
        const char *reads;
    };
    const Case cases[] = {
        {0, 0, 46, U"CANE", 46, U"O", 4, "CANO"},
        {0, 0, 46, U"ENAC", 46, U"CT", 4, "ENAT"},
        {5, 3, 50, U"DIO", 43, U"A", 7, "DIACANE"},
    };
    for (const Case &c : cases) {
        build({"CANE"}, BoardScript()
                            .pick(1, 1)
                            .attempt(4, D::Right, c.row, c.column)
                            .fill(c.firstFill)
                            .fillWith(c.fill)
                            .fill(c.secondFill)
                            .fillWith(c.refill)
                            .draws());
        EXPECT_EQ(readBack(board, 50, 1, c.length), QString::fromLatin1(c.reads));
    }
}

TEST_F(CruciPuzzleBoardTest, WordsSpelledByTheWordsLettersAloneAreLaidAgainUnlessNoLayoutAvoidsThem)
{
    // The C of CANE and the ASA of CASA spell CASA leftwards: the words are laid again, and after
    // a few layouts in vain the last one stays.
    for (int layouts : {1, CruciPuzzleBoard::kNewLayouts + 1}) {
        BoardScript script;
        script.pick(1, 2).pick(2, 2);
        for (int layout = 0; layout < layouts; ++layout)
            script.attempt(4, D::Right, 0, 0).attempt(4, D::Down, 0, 4).fill(92);
        if (layouts == 1)
            script.attempt(4, D::Right, 0, 0).attempt(4, D::Right, 5, 0).fill(92);
        build({"CASA", "CANE"}, script.draws());
        EXPECT_EQ(board.laidWords.at(1).startCell, layouts == 1 ? 50 : 4);
    }

    // No layout avoids RE in FIORE, or the E of a word of one letter, and a palindrome read
    // backwards is its own cells: nothing is drawn again. But the fill never shows that E.
    BoardScript script;
    for (int position = 1; position <= 4; ++position)
        script.pick(position, 4);
    script.attempt(5, D::Right, 0, 0)
        .attempt(2, D::Right, 2, 0)
        .attempt(1, D::Right, 4, 0)
        .attempt(4, D::Left, 9, 9)
        .fillWith(U"E")
        .fill(87)
        .fillWith(U"T");
    build({"FIORE", "RE", "E", "ANNA"}, script.draws());
    EXPECT_EQ(board.cells[5].letter, U'T');
}

TEST_F(CruciPuzzleBoardTest, AFillThatCannotBeMendedIsLeftAfterItsRounds)
{
    // The word Q on cell 0, every fill letter a Q that is drawn again as a Q: every draw the first.
    build({"Q"}, std::vector<double>(1 + 3 + 99 + CruciPuzzleBoard::kMendRounds * 99, 0.0));
    EXPECT_EQ(board.laidWords.at(0).startCell, 0);
    EXPECT_EQ(board.cells[99].letter, U'Q');
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

// The places where `word` reads on the board, each as the set of its cells: in any of the eight
// directions, a place read backwards (a palindrome over its own cells) being the same place.
std::set<std::vector<int>> placesOf(const CruciPuzzleBoard &board, std::u32string_view word)
{
    static constexpr std::array<int, 8> rowHeading = {-1, -1, 0, 1, 1, 1, 0, -1};
    static constexpr std::array<int, 8> columnHeading = {0, 1, 1, 1, 0, -1, -1, -1};
    std::set<std::vector<int>> places;
    for (int start = 0; start < CruciPuzzleBoard::kCells; ++start) {
        for (std::size_t direction = 0; direction < 8; ++direction) {
            std::vector<int> cells;
            int row = start / 10, column = start % 10;
            for (char32_t letter : word) {
                if (row < 0 || row > 9 || column < 0 || column > 9 ||
                    board.cells[std::size_t(row * 10 + column)].letter != letter)
                    break;
                cells.push_back(row * 10 + column);
                row += rowHeading[direction];
                column += columnHeading[direction];
            }
            if (cells.size() == word.size()) {
                std::sort(cells.begin(), cells.end());
                places.insert(cells);
            }
        }
    }
    return places;
}

std::vector<int> cellsOf(const LaidWord &laid)
{
    std::vector<int> cells;
    for (int j = 0; j < boardLettersOf(laid.word).length; ++j)
        cells.push_back(laid.startCell + j * CruciPuzzleBoard::kSteps[std::size_t(laid.direction)]);
    std::sort(cells.begin(), cells.end());
    return cells;
}

// A second reading that no fill letter and no other layout could have avoided: within the cells of
// one laid word (AUTO in AUTOBUS), or a word of one or two letters on the words' letters alone.
bool unavoidable(const CruciPuzzleBoard &board, const std::vector<int> &place)
{
    if (place.size() <= 2)
        return std::all_of(place.begin(), place.end(),
                           [&](int cell) { return board.cells[std::size_t(cell)].owner != 0; });
    return std::any_of(board.laidWords.begin(), board.laidWords.end(), [&](const LaidWord &laid) {
        const std::vector<int> cells = cellsOf(laid);
        return std::includes(cells.begin(), cells.end(), place.begin(), place.end());
    });
}

class BoardsOfALevel : public ::testing::TestWithParam<Level>
{
};

TEST_P(BoardsOfALevel, WordsRunTheLevelsWaysAndReadOnceAndNothingUnsuitableReads)
{
    const Level level = GetParam();
    const BoardLevel rules = boardLevel(level);
    WordListStore bundled;
    ASSERT_TRUE(bundled.loadWordList(QStringLiteral(ZIBALDO_DATA_DIR "/listaparole.txt")).loaded());
    // Words the fill and the crossings spell often: of one and two letters, of few letters, a
    // palindrome, words inside others.
    WordListStore prone;
    loadWords(prone, {"E", "RE", "TE", "ALA", "ANNA", "NONNA", "OSSO", "CASA", "CANE", "ERO",
                      "ALBERO", "FIORE", "MARE"});
    for (auto [store, boards] : {std::pair(&bundled, 1100), std::pair(&prone, 500)}) {
        ProgramRandom random(20260518 + std::uint64_t(level));
        for (int round = 0; round < boards; ++round) {
            const CruciPuzzleBoard board = CruciPuzzleBoard::build(*store, random, level);
            ASSERT_EQ(int(board.laidWords.size()) + board.givenUp.size(), rules.words);
            for (const LaidWord &laid : board.laidWords) {
                SCOPED_TRACE(laid.word.toStdString());
                EXPECT_TRUE(std::find(rules.directions.begin(), rules.directions.end(),
                                      laid.direction) != rules.directions.end());
                const BoardLetters letters = boardLettersOf(laid.word);
                const std::vector<int> own = cellsOf(laid);
                const auto places =
                    placesOf(board, std::u32string_view(letters.letters.data(),
                                                        std::size_t(letters.length)));
                ASSERT_TRUE(places.contains(own));
                EXPECT_TRUE(std::any_of(own.begin(), own.end(), [&](int cell) {
                    return board.cells[std::size_t(cell)].owner == laid.slot;
                })) << "a word that can never be found";
                for (const std::vector<int> &place : places) {
                    EXPECT_TRUE(place == own || unavoidable(board, place));
                }
            }
            for (std::u32string_view word : unsuitableWords()) {
                for (const std::vector<int> &place : placesOf(board, word)) {
                    EXPECT_TRUE(unavoidable(board, place));
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, BoardsOfALevel,
                         ::testing::Values(Level::Easy, Level::Medium, Level::Hard),
                         [](const ::testing::TestParamInfo<Level> &info) {
                             return levelCaption(info.param).toStdString();
                         });

} // namespace
