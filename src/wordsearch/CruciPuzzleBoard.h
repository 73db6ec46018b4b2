// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>
#include <string_view>
#include <vector>

class RandomSource;
class WordListStore;

// A word as the grid shows it: one capital per letter, at most ten, spaces, apostrophes and
// hyphens left out; no letters for a word that does not fit.
struct BoardLetters
{
    std::array<char32_t, 10> letters{};
    int length = 0;
};

struct BoardCell
{
    char32_t letter = 0; // 0 while the cell is empty
    qint16 owner = 0;    // slot of the word that last wrote the cell; 0 for a fill letter
    bool found = false;
};

// A word laid on the board, in the slot (1 to 10) whose picture shows beside the grid.
struct LaidWord
{
    int slot = 0;
    QString word; // as the list writes it
    int startCell = 0;
    int direction = 0; // clockwise from up, 0 to 7
};

// The word search board: up to ten words drawn from the list, laid in straight lines in a 10 x 10
// grid in any of eight directions, crossing where their letters agree, the other cells filled with
// random letters. Its cells are public, like the board on a table: play marks them found.
class CruciPuzzleBoard
{
public:
    static constexpr int kRows = 10;
    static constexpr int kColumns = 10;
    static constexpr int kCells = kRows * kColumns;
    static constexpr int kWordsPerBoard = 10;
    // A word that still clashes after this many mismatching cells is left off the board.
    static constexpr int kConflictBudget = 1000;
    // The 21 letters of the Italian alphabet.
    static constexpr std::u32string_view kFillLetters = U"QERTUIOPLHGFDSAZCVBNM";
    // How far each direction moves from one cell to the next.
    static constexpr std::array<int, 8> kSteps = {-10, -9, 1, 11, 10, 9, -1, -11};

    // Draws the words, lays them one slot after the other, and fills the cells left empty.
    static CruciPuzzleBoard build(const WordListStore &words, RandomSource &random);

    // The word laid in `slot`, or nullptr.
    const LaidWord *laidWord(int slot) const;

    std::array<BoardCell, kCells> cells{};
    std::vector<LaidWord> laidWords; // in slot order
    QStringList givenUp;             // drawn, but no room was found for them
};

// Whether a word can take part in a board: 1 to 10 letters, not counting spaces, apostrophes and
// hyphens.
bool fitsOnBoard(const QString &word);

// A word's letters in capitals by the rules of the user's language.
BoardLetters boardLettersOf(const QString &word);
