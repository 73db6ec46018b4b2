// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ClassChoices.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>
#include <span>
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

// What a level asks of a board: how many words, and the directions they may run in, as indices of
// CruciPuzzleBoard::kSteps in the order a direction's draw picks them.
struct BoardLevel
{
    int words;
    std::span<const int> directions;
};

BoardLevel boardLevel(Level level);

// The arrows of a level's directions, the forward ones first: → ↓ ↘ ↗ ← ↑ ↖ ↙.
QStringList directionArrows(Level level);

// The word search board: up to ten words drawn from the list, laid in straight lines in a 10 x 10
// grid in the directions of its level, crossing where their letters agree, the other cells filled
// with random letters that spell no listed word a second time and no word unfit for children.
// Its cells are public, like the board on a table: play marks them found.
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

    // Accidental words (see mendAccidents in the source): the most layouts drawn again while the
    // words' own letters spell one, and rounds of fill letters drawn again while the fill does.
    static constexpr int kNewLayouts = 4;
    static constexpr int kMendRounds = 32;

    // Draws the words, lays them one slot after the other, and fills the cells left empty; then
    // draws again the fill letters that spell a word by accident. "Difficile", ten words in all
    // eight directions, is the first design's board, draw for draw.
    static CruciPuzzleBoard build(const WordListStore &words, RandomSource &random,
                                  Level level = Level::Hard);

    // The word laid in `slot`, or nullptr.
    const LaidWord *laidWord(int slot) const;

    std::array<BoardCell, kCells> cells{};
    std::vector<LaidWord> laidWords; // in slot order
    QStringList givenUp;             // drawn, but no room was found for them
};

// Words no teacher wants a child to read in the grid, in capitals: the fill never spells them.
std::span<const std::u32string_view> unsuitableWords();

// Whether a word can take part in a board: 1 to 10 letters, not counting spaces, apostrophes and
// hyphens.
bool fitsOnBoard(const QString &word);

// A word's letters in capitals by the rules of the user's language.
BoardLetters boardLettersOf(const QString &word);
