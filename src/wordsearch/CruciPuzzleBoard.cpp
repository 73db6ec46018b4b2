// SPDX-License-Identifier: GPL-3.0-or-later
#include "CruciPuzzleBoard.h"

#include "core/RandomSource.h"
#include "core/WordListStore.h"

#include <QLocale>
#include <algorithm>

namespace {

using Board = CruciPuzzleBoard;

// Which way each direction moves the row and the column, in the order of the steps.
struct Heading
{
    int row;
    int column;
};
constexpr std::array<Heading, 8> kHeadings = {
    {{-1, 0}, {-1, 1}, {0, 1}, {1, 1}, {1, 0}, {1, -1}, {0, -1}, {-1, -1}}};
static_assert(BoardLetters().letters.size() == Board::kColumns);
static_assert([] {
    for (std::size_t d = 0; d < Board::kSteps.size(); ++d)
        if (Board::kSteps[d] != kHeadings[d].row * Board::kColumns + kHeadings[d].column)
            return false;
    return true;
}());

// Spaces, apostrophes and hyphens join the parts of a word ("gatto nero", "l'ape", "pesce-spada")
// but take no cell: the pupil looks for the letters.
bool isJoiner(QChar c)
{
    return c.isSpace() || c == u'\'' || c == u'\u2019' || c == u'-' || c == u'\u2010' ||
           c == u'\u2011';
}

// The letters of `text`, a pair of surrogates being one; false when they are too many.
bool splitLetters(QStringView text, BoardLetters &split)
{
    split.length = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isJoiner(text[i]))
            continue;
        char32_t character = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            character = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (split.length == int(split.letters.size()))
            return false;
        split.letters[std::size_t(split.length++)] = character;
    }
    return true;
}

// Builds one board, keeping the draws in their order: the words, then for each attempt the
// direction, the row and the column, then the fill letters.
class BoardGenerator
{
public:
    BoardGenerator(const WordListStore &words, RandomSource &random, Board &board)
        : words_(words), random_(random), board_(board)
    {}

    void run()
    {
        LeggiDirezioni();
        LeggiParole();
        InserisciParole();
    }

private:
    // Takes the step of each direction.
    void LeggiDirezioni();
    // Draws the board's words from those of the list that fit.
    void LeggiParole();
    // Lays the words slot after slot, giving one up once its conflicts pass the budget.
    void InserisciParole();
    // Checks the drawn place of the word against the letters already on the board.
    void ControllaSpazi();
    // Writes the word on the board at its drawn place.
    void SistemaParola();
    // Fills every empty cell with a random letter.
    void RiempiAltriSpazi();

    void drawStartCell();
    void moveToNextSlot();

    const WordListStore &words_;
    RandomSource &random_;
    Board &board_;

    std::array<int, 8> directions_{};
    std::array<QString, Board::kWordsPerBoard + 1> boardWords_; // slot 0 unused
    std::array<BoardLetters, Board::kWordsPerBoard + 1> boardLetters_;
    // How many cells each slot owns while the board is being built.
    std::array<int, Board::kWordsPerBoard + 1> ownedCells_{};
    int wordCount_ = 0;
    int wordSlot_ = 1;
    int wordLength_ = 0;
    int directionIndex_ = 0;
    int startCell_ = 0;
    bool wordFits_ = false;
    int wordsTried_ = 0;
    int conflicts_ = 0;
};

void BoardGenerator::LeggiDirezioni()
{
    directions_ = Board::kSteps;
}

void BoardGenerator::LeggiParole()
{
    // Words too long for the grid stay in the list for the memory game; the draws run over the
    // rest, so a board never waits for words the list does not have.
    std::vector<const QString *> usableWords;
    usableWords.reserve(std::size_t(words_.distinctWords().size()));
    for (const QString &word : words_.distinctWords())
        if (fitsOnBoard(word))
            usableWords.push_back(&word);
    const std::vector<qint16> picks =
        drawDistinctWordIndices(random_, qint16(usableWords.size()), Board::kWordsPerBoard);

    wordCount_ = int(picks.size());
    board_.laidWords.reserve(std::size_t(wordCount_));
    for (int slot = 1; slot <= wordCount_; ++slot) {
        boardWords_[slot] = *usableWords[std::size_t(picks[slot - 1] - 1)];
        boardLetters_[slot] = boardLettersOf(boardWords_[slot]);
    }
}

void BoardGenerator::InserisciParole()
{
    while (wordsTried_ < wordCount_) {
        wordLength_ = boardLetters_[wordSlot_].length;
        directionIndex_ = drawBelow(random_, 8);
        drawStartCell();
        ControllaSpazi();
        if (wordFits_) {
            SistemaParola();
            ++wordsTried_;
            conflicts_ = 0;
            moveToNextSlot();
        }
        if (conflicts_ > Board::kConflictBudget) {
            board_.givenUp << boardWords_[wordSlot_];
            ++wordsTried_;
            moveToNextSlot();
            conflicts_ = 0;
        }
    }
    RiempiAltriSpazi();
}

// A coordinate that the direction increases starts in 0 to 10 - L, one that it decreases in
// L - 1 to 9, one that it keeps in 0 to 9: every attempt lies inside the grid. Row first.
void BoardGenerator::drawStartCell()
{
    const int room = Board::kColumns + 1 - wordLength_;
    const auto start = [&](int heading) {
        if (heading > 0)
            return drawBelow(random_, room);
        if (heading < 0)
            return drawBelow(random_, room) + wordLength_ - 1;
        return drawBelow(random_, Board::kColumns);
    };
    const int row = start(kHeadings[std::size_t(directionIndex_)].row);
    const int column = start(kHeadings[std::size_t(directionIndex_)].column);
    startCell_ = row * Board::kColumns + column;
}

void BoardGenerator::moveToNextSlot()
{
    wordSlot_ = wordSlot_ % Board::kWordsPerBoard + 1;
}

void BoardGenerator::ControllaSpazi()
{
    const auto &letters = boardLetters_[wordSlot_].letters;
    const int step = directions_[std::size_t(directionIndex_)];
    std::array<int, Board::kWordsPerBoard + 1> shared{};
    wordFits_ = true;
    int cell = startCell_;
    for (int j = 0; j < wordLength_; ++j, cell += step) {
        const BoardCell &here = board_.cells[std::size_t(cell)];
        if (here.owner == 0)
            continue;
        // Both letters are capitals already: a word's letters are put on the board that way.
        if (letters[std::size_t(j)] != here.letter) {
            wordFits_ = false;
            ++conflicts_;
        } else {
            ++shared[std::size_t(here.owner)];
        }
    }
    if (!wordFits_)
        return;
    // A word whose every cell would pass to this one could never be found: no room here.
    for (int slot = 1; slot <= Board::kWordsPerBoard; ++slot) {
        if (shared[std::size_t(slot)] > 0 && shared[std::size_t(slot)] == ownedCells_[slot]) {
            wordFits_ = false;
            ++conflicts_;
            return;
        }
    }
}

void BoardGenerator::SistemaParola()
{
    board_.laidWords.push_back({wordSlot_, boardWords_[wordSlot_], startCell_, directionIndex_});
    const auto &letters = boardLetters_[wordSlot_].letters;
    const int step = directions_[std::size_t(directionIndex_)];
    int cell = startCell_;
    for (int j = 0; j < wordLength_; ++j, cell += step) {
        BoardCell &here = board_.cells[std::size_t(cell)];
        if (here.owner != 0)
            --ownedCells_[std::size_t(here.owner)];
        here.letter = letters[std::size_t(j)];
        here.owner = qint16(wordSlot_);
        ++ownedCells_[std::size_t(wordSlot_)];
    }
}

void BoardGenerator::RiempiAltriSpazi()
{
    for (BoardCell &cell : board_.cells)
        if (cell.letter == 0)
            cell.letter = Board::kFillLetters[std::size_t(
                drawBelow(random_, int(Board::kFillLetters.size())))];
}

} // namespace

bool fitsOnBoard(const QString &word)
{
    // Ten characters or fewer hold ten letters or fewer: only one of them need be a letter.
    if (word.size() <= Board::kColumns)
        return std::any_of(word.cbegin(), word.cend(), [](QChar c) { return !isJoiner(c); });
    BoardLetters letters;
    return splitLetters(word, letters) && letters.length > 0;
}

BoardLetters boardLettersOf(const QString &word)
{
    BoardLetters original, upper;
    if (!splitLetters(word, original))
        return {};
    // The language's rules may turn one letter into two (ß into SS); a cell holds one, so such a
    // word keeps the plain capital of each letter instead.
    if (splitLetters(QLocale().toUpper(word), upper) && upper.length == original.length)
        return upper;
    for (int j = 0; j < original.length; ++j)
        original.letters[std::size_t(j)] = QChar::toUpper(original.letters[std::size_t(j)]);
    return original;
}

CruciPuzzleBoard CruciPuzzleBoard::build(const WordListStore &words, RandomSource &random)
{
    CruciPuzzleBoard board;
    BoardGenerator(words, random, board).run();
    return board;
}

const LaidWord *CruciPuzzleBoard::laidWord(int slot) const
{
    const auto laid = std::find_if(laidWords.cbegin(), laidWords.cend(),
                                   [slot](const LaidWord &word) { return word.slot == slot; });
    return laid == laidWords.cend() ? nullptr : &*laid;
}
