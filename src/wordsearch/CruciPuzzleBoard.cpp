// SPDX-License-Identifier: GPL-3.0-or-later
#include "CruciPuzzleBoard.h"

#include "core/RandomSource.h"
#include "core/WordListStore.h"

#include <QLocale>
#include <algorithm>
#include <bitset>
#include <cstdint>

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

// The directions of each level, in the order a direction's draw picks them: "Difficile" draws
// among all eight as the first design did, the others among theirs, never backwards.
constexpr std::array<int, 2> kEasyDirections = {2, 4};         // → ↓
constexpr std::array<int, 4> kMediumDirections = {1, 2, 3, 4}; // ↗ → ↘ ↓
constexpr std::array<int, 8> kAllDirections = {0, 1, 2, 3, 4, 5, 6, 7};

// The arrow of each direction, and the order they are read in: the forward ones first.
constexpr std::array<char16_t, 8> kArrows = {u'↑', u'↗', u'→', u'↘', u'↓', u'↙', u'←', u'↖'};
constexpr std::array<int, 8> kReadingOrder = {2, 4, 3, 1, 6, 0, 7, 5};

constexpr int opposite(int direction)
{
    return (direction + 4) % 8;
}

// How many steps each cell can take in each direction before the edge.
constexpr auto kRoom = [] {
    std::array<std::array<std::uint8_t, 8>, Board::kCells> room{};
    for (int cell = 0; cell < Board::kCells; ++cell) {
        for (std::size_t direction = 0; direction < 8; ++direction) {
            int row = cell / Board::kColumns + kHeadings[direction].row;
            int column = cell % Board::kColumns + kHeadings[direction].column;
            for (; row >= 0 && row < Board::kRows && column >= 0 && column < Board::kColumns;
                 row += kHeadings[direction].row, column += kHeadings[direction].column)
                ++room[std::size_t(cell)][direction];
        }
    }
    return room;
}();

// Words no teacher wants on a child's screen. Random fill letters spell one now and then: a
// four-letter word in some 0.2 % of boards, read in any of the eight directions, and with the
// list's own words beside them, longer ones too. A dozen clear vulgarities and the two commonest
// blasphemies (DIOCANE ends in a word of the bundled list) are enough to keep the worst off the
// grid; a word that only holds one of them (MAGNIFICA) stays playable, since only fill letters are
// ever drawn again. Words of fewer than four letters are left out: they hide in too many innocent
// words.
constexpr std::array<std::u32string_view, 14> kUnsuitableWords = {
    U"CAZZO",   U"MERDA",    U"CULO",    U"FIGA",     U"FICA",  U"TROIA",   U"PUTTANA",
    U"STRONZO", U"COGLIONE", U"MINCHIA", U"BASTARDO", U"PIRLA", U"DIOCANE", U"PORCODIO"};
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
    BoardGenerator(const WordListStore &words, RandomSource &random, BoardLevel level, Board &board)
        : words_(words), random_(random), level_(level), board_(board)
    {}

    void run()
    {
        LeggiDirezioni();
        LeggiParole();
        InserisciParole();
        mendAccidents();
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

    // Empties the board for a new layout of the same words.
    void ClearBoard();

    // What reads on the board by accident.
    struct Accidents
    {
        // Fill cells to draw again: one of each reading that takes in a fill letter.
        std::bitset<Board::kCells> redraw;
        // A reading of three letters or more made of the words' letters alone, which another
        // layout of the same words would avoid.
        bool inTheLayout = false;
    };
    // Lays the words again while their letters spell a word by accident, then draws again the
    // fill letters that do, round after round.
    void mendAccidents();
    Accidents findAccidents() const;

    const WordListStore &words_;
    RandomSource &random_;
    BoardLevel level_;
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
        drawDistinctWordIndices(random_, qint16(usableWords.size()), level_.words);

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
        // "Difficile" draws among all eight: the draw is the direction itself, as designed.
        directionIndex_ =
            level_.directions[std::size_t(drawBelow(random_, int(level_.directions.size())))];
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

void BoardGenerator::ClearBoard()
{
    board_.cells = {};
    board_.laidWords.clear();
    board_.givenUp.clear();
    ownedCells_.fill(0);
    wordSlot_ = 1;
    wordsTried_ = 0;
    conflicts_ = 0;
}

// Fill letters may spell, by accident, a word the pupil is looking for a second time: whoever finds
// that copy first is told it is wrong. They may also spell a word no teacher wants on a child's
// screen. After the fill, every reading of such a word in any of the eight directions that takes
// in a fill letter has its highest-numbered fill cell drawn again from the fill letters, cells in
// order, after every draw of the design: a board without an accident keeps the design's draws
// exactly. Then the grid is read again, as a new letter may spell another word.
//
// The words' own letters may spell one too, where words cross or lie side by side (PALLA across
// SCARPA and FARFALLA, CASA from the ASA of a CASA and the C of CANE beside it): one board in
// some dozens at "Difficile" on the bundled list. The fill cannot mend that, so the same words are
// laid again, with new draws after those of the first layout and its fill, at most kNewLayouts
// times.
//
// What is not an accident, and is left:
// - a laid word's own cells, read either way: a palindrome (ANNA) read backwards is no copy;
// - a reading that lies within the cells of one laid word (AUTO in AUTOBUS, ERO in ALBERO, two
//   words of the same letters, an unsuitable word inside the teacher's own MAGNIFICA): it is there
//   wherever the words go;
// - a word of one or two letters read over the words' letters alone: RE is in FIORE, and one of
//   one letter in nearly every word, so no layout avoids them. Only the fill is kept from spelling
//   them: a one-letter word's letter is never a fill letter, a two-letter word is never written by
//   the fill beside or across the words' letters.
// Those readings are all on cells of laid words: clicking them counts for those words, never as a
// wrong answer.
//
// Both loops are bounded, so a board is always built. A fill that can never avoid every word (a
// random source that always draws the same letter) is left as it stands after kMendRounds rounds,
// and played as ever, a copy of a word being only one more wrong answer. With the program's
// generator a round leaves an accident in place with a chance of one in two at worst (ten words of
// one letter take ten of the 21 fill letters), so not one such board in 10^8 keeps one.
void BoardGenerator::mendAccidents()
{
    Accidents accidents = findAccidents();
    for (int layout = 0; accidents.inTheLayout && layout < Board::kNewLayouts; ++layout) {
        ClearBoard();
        InserisciParole();
        accidents = findAccidents();
    }
    for (int round = 0; accidents.redraw.any() && round < Board::kMendRounds; ++round) {
        for (int cell = 0; cell < Board::kCells; ++cell)
            if (accidents.redraw[std::size_t(cell)])
                board_.cells[std::size_t(cell)].letter = Board::kFillLetters[std::size_t(
                    drawBelow(random_, int(Board::kFillLetters.size())))];
        accidents = findAccidents();
    }
}

BoardGenerator::Accidents BoardGenerator::findAccidents() const
{
    using Cells = std::bitset<Board::kCells>;
    const auto &cells = board_.cells;
    Cells fill;
    for (int cell = 0; cell < Board::kCells; ++cell)
        fill[std::size_t(cell)] = cells[std::size_t(cell)].owner == 0;

    // The words the fill must not spell: the laid words away from their own cells, and the
    // unsuitable words anywhere. The cells of each laid word too, for readings inside it.
    struct Pattern
    {
        std::u32string_view letters;
        const LaidWord *laid; // nullptr for an unsuitable word
    };
    std::array<Pattern, Board::kWordsPerBoard + kUnsuitableWords.size()> patterns{};
    std::array<Cells, Board::kWordsPerBoard> laidCells{};
    std::size_t count = 0;
    for (const LaidWord &laid : board_.laidWords) {
        const BoardLetters &letters = boardLetters_[std::size_t(laid.slot)];
        const int step = Board::kSteps[std::size_t(laid.direction)];
        for (int j = 0; j < letters.length; ++j)
            laidCells[count].set(std::size_t(laid.startCell + j * step));
        patterns[count++] = {
            std::u32string_view(letters.letters.data(), std::size_t(letters.length)), &laid};
    }
    const std::size_t laidCount = count;
    for (std::u32string_view word : kUnsuitableWords)
        patterns[count++] = {word, nullptr};

    // The cells sorted by the low five bits of their letter, so that each word starts only from
    // the cells that may hold its first letter: about one in twenty.
    constexpr std::size_t kBuckets = 32;
    std::array<std::uint8_t, kBuckets + 1> bucketStart{};
    std::array<std::uint8_t, Board::kCells> byLetter{};
    for (const BoardCell &cell : cells)
        ++bucketStart[(cell.letter % kBuckets) + 1];
    for (std::size_t b = 1; b <= kBuckets; ++b)
        bucketStart[b] = std::uint8_t(bucketStart[b] + bucketStart[b - 1]);
    std::array<std::uint8_t, kBuckets> next{};
    std::copy_n(bucketStart.begin(), kBuckets, next.begin());
    for (int cell = 0; cell < Board::kCells; ++cell)
        byLetter[next[cells[std::size_t(cell)].letter % kBuckets]++] = std::uint8_t(cell);

    Accidents found;
    // A reading of `length` cells from `start` by `step`, not a laid word's own cells.
    const auto judge = [&](int start, int step, int length) {
        Cells reading;
        int highestFill = -1;
        for (int j = 0, cell = start; j < length; ++j, cell += step) {
            reading.set(std::size_t(cell));
            if (fill[std::size_t(cell)])
                highestFill = std::max(highestFill, cell);
        }
        if (highestFill >= 0) {
            found.redraw.set(std::size_t(highestFill));
            return;
        }
        if (length < 3)
            return;
        for (std::size_t w = 0; w < laidCount; ++w)
            if ((reading & ~laidCells[w]).none())
                return; // inside one laid word
        found.inTheLayout = true;
    };

    for (std::size_t p = 0; p < count; ++p) {
        const Pattern &pattern = patterns[p];
        const int length = int(pattern.letters.size());
        const std::size_t bucket = pattern.letters[0] % kBuckets;
        for (int k = bucketStart[bucket]; k < bucketStart[bucket + 1]; ++k) {
            const int start = byLetter[std::size_t(k)];
            if (cells[std::size_t(start)].letter != pattern.letters[0])
                continue;
            if (length == 1) {
                if (!(pattern.laid && pattern.laid->startCell == start))
                    judge(start, 1, 1);
                continue;
            }
            for (int direction = 0; direction < 8; ++direction) {
                if (kRoom[std::size_t(start)][std::size_t(direction)] < length - 1)
                    continue;
                const int step = Board::kSteps[std::size_t(direction)];
                int j = 1;
                while (j < length && cells[std::size_t(start + j * step)].letter ==
                                         pattern.letters[std::size_t(j)])
                    ++j;
                if (j < length)
                    continue;
                if (const LaidWord *laid = pattern.laid) {
                    const int end = laid->startCell +
                                    (length - 1) * Board::kSteps[std::size_t(laid->direction)];
                    if ((start == laid->startCell && direction == laid->direction) ||
                        (start == end && direction == opposite(laid->direction)))
                        continue; // its own cells
                }
                judge(start, step, length);
            }
        }
    }
    return found;
}

} // namespace

BoardLevel boardLevel(Level level)
{
    switch (level) {
    case Level::Easy:
        return {6, kEasyDirections};
    case Level::Medium:
        return {8, kMediumDirections};
    case Level::Hard:
        break;
    }
    return {Board::kWordsPerBoard, kAllDirections};
}

QStringList directionArrows(Level level)
{
    const std::span<const int> allowed = boardLevel(level).directions;
    QStringList arrows;
    for (int direction : kReadingOrder)
        if (std::find(allowed.begin(), allowed.end(), direction) != allowed.end())
            arrows << QString(QChar(kArrows[std::size_t(direction)]));
    return arrows;
}

std::span<const std::u32string_view> unsuitableWords()
{
    return kUnsuitableWords;
}

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

CruciPuzzleBoard CruciPuzzleBoard::build(const WordListStore &words, RandomSource &random,
                                         Level level)
{
    CruciPuzzleBoard board;
    BoardGenerator(words, random, boardLevel(level), board).run();
    return board;
}

const LaidWord *CruciPuzzleBoard::laidWord(int slot) const
{
    const auto laid = std::find_if(laidWords.cbegin(), laidWords.cend(),
                                   [slot](const LaidWord &word) { return word.slot == slot; });
    return laid == laidWords.cend() ? nullptr : &*laid;
}
