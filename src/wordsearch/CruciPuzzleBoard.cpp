#include "CruciPuzzleBoard.h"

#include "app/RandomSource.h"
#include "app/WordListStore.h"

#include <QLocale>
#include <algorithm>
#include <vector>

namespace {

// Which way each direction moves the row and the column, clockwise from up, as the steps
// of the direction table.
struct Heading
{
    int row;
    int column;
};
constexpr std::array<Heading, 8> kHeadings = {
    {{-1, 0}, {-1, 1}, {0, 1}, {1, 1}, {1, 0}, {1, -1}, {0, -1}, {-1, -1}}};
static_assert(BoardLetters().letters.size() == CruciPuzzleBoard::kColumns);

constexpr std::array<qint16, 8> kSteps = {-10, -9, 1, 11, 10, 9, -1, -11};
static_assert([] {
    for (std::size_t d = 0; d < kSteps.size(); ++d)
        if (kSteps[d] != kHeadings[d].row * CruciPuzzleBoard::kColumns + kHeadings[d].column)
            return false;
    return true;
}());

// The characters of `text`, a pair of surrogates being one; false when they are too many.
bool splitCharacters(QStringView text, BoardLetters &split)
{
    split.length = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
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

} // namespace

bool fitsOnBoard(const QString &word)
{
    constexpr int most = CruciPuzzleBoard::kColumns;
    if (word.isEmpty() || word.size() > 2 * most)
        return false;
    if (word.size() <= most)
        return true;
    return std::count_if(word.cbegin(), word.cend(), [](QChar c) { return !c.isLowSurrogate(); }) <=
           most;
}

BoardLetters boardLettersOf(const QString &word)
{
    BoardLetters original, upper;
    if (!splitCharacters(word, original))
        return {};
    // The language's rules may turn one letter into two (ß into SS); a cell holds one, so such a
    // word keeps the plain capital of each letter instead.
    if (splitCharacters(QLocale().toUpper(word), upper) && upper.length == original.length)
        return upper;
    for (int j = 0; j < original.length; ++j)
        original.letters[std::size_t(j)] = QChar::toUpper(original.letters[std::size_t(j)]);
    return original;
}

CruciPuzzleBoard::CruciPuzzleBoard(const WordListStore &words, RandomSource &random,
                                   WordPictures &pictures)
    : words_(words), random_(random), pictures_(pictures)
{}

void CruciPuzzleBoard::LeggiDirezioni()
{
    Directions = kSteps;
}

void CruciPuzzleBoard::LeggiParole()
{
    // Words too long for the grid, or empty, stay in the list for the memory game; the draws
    // run over the rest, so a board never waits for words the list does not have.
    usableWords_.clear();
    for (qint16 i = 1; i <= words_.WordCount(); ++i)
        if (fitsOnBoard(words_.WordList(i)))
            usableWords_.push_back(i);
    const std::vector<qint16> picks =
        drawDistinctWordIndices(random_, qint16(usableWords_.size()), kWordsPerBoard);

    wordCount_ = int(picks.size());
    for (int slot = 1; slot <= kWordsPerBoard; ++slot) {
        const bool used = slot <= wordCount_;
        BoardWords[slot] =
            used ? words_.WordList(usableWords_[std::size_t(picks[slot - 1] - 1)]) : QString();
        boardLetters_[slot] = boardLettersOf(BoardWords[slot]);
    }
}

void CruciPuzzleBoard::ClearBoard()
{
    cells.fill(BoardCell{});
    ownedCells_.fill(0);
}

void CruciPuzzleBoard::InserisciParole()
{
    WordSlot = 1;
    Conflicts = 0;
    while (WordsTried < wordCount_) {
        WordLength = qint16(boardLetters_[WordSlot].length);
        DirectionIndex = qint16(drawBelow(random_, 8));
        drawStartCell();
        ControllaSpazi();
        if (WordFits) {
            SistemaParola();
            ++WordsTried;
            Conflicts = 0;
            moveToNextSlot();
        }
        if (Conflicts > kConflictBudget) {
            ++WordsTried;
            moveToNextSlot();
            Conflicts = 0;
        }
    }
    RiempiAltriSpazi();
}

// A coordinate that the direction increases starts in 0 to 10 - L, one that it decreases in
// L - 1 to 9, one that it keeps in 0 to 9: every attempt lies inside the grid. Row first.
void CruciPuzzleBoard::drawStartCell()
{
    const int room = kColumns + 1 - WordLength;
    const auto start = [&](int heading) {
        if (heading > 0)
            return drawBelow(random_, room);
        if (heading < 0)
            return drawBelow(random_, room) + WordLength - 1;
        return drawBelow(random_, kColumns);
    };
    const int row = start(kHeadings[std::size_t(DirectionIndex)].row);
    const int column = start(kHeadings[std::size_t(DirectionIndex)].column);
    StartCell = qint16(row * kColumns + column);
}

void CruciPuzzleBoard::moveToNextSlot()
{
    WordSlot = qint16(WordSlot % kWordsPerBoard + 1);
}

void CruciPuzzleBoard::ControllaSpazi()
{
    const auto &letters = boardLetters_[WordSlot].letters;
    const int step = Directions[std::size_t(DirectionIndex)];
    std::array<qint16, kWordsPerBoard + 1> shared{};
    WordFits = true;
    int cell = StartCell;
    for (int j = 0; j < WordLength; ++j, cell += step) {
        const BoardCell &here = cells[std::size_t(cell)];
        if (here.Owner == 0)
            continue;
        // Both letters are capitals already: a word's letters are put on the board that way.
        if (letters[std::size_t(j)] != here.Letter) {
            WordFits = false;
            ++Conflicts;
        } else {
            ++shared[std::size_t(here.Owner)];
        }
    }
    if (!WordFits)
        return;
    // A word whose every cell would pass to this one could never be found: no room here.
    for (int slot = 1; slot <= kWordsPerBoard; ++slot) {
        if (shared[std::size_t(slot)] > 0 && shared[std::size_t(slot)] == ownedCells_[slot]) {
            WordFits = false;
            ++Conflicts;
            return;
        }
    }
}

void CruciPuzzleBoard::SistemaParola()
{
    pictures_.showPicture(WordSlot);
    ++WordsPlaced;
    const auto &letters = boardLetters_[WordSlot].letters;
    const int step = Directions[std::size_t(DirectionIndex)];
    int cell = StartCell;
    for (int j = 0; j < WordLength; ++j, cell += step) {
        BoardCell &here = cells[std::size_t(cell)];
        if (here.Owner != 0)
            --ownedCells_[std::size_t(here.Owner)];
        here.Letter = letters[std::size_t(j)];
        here.Owner = WordSlot;
        ++ownedCells_[std::size_t(WordSlot)];
    }
}

void CruciPuzzleBoard::RiempiAltriSpazi()
{
    for (BoardCell &cell : cells)
        if (cell.Letter == 0)
            cell.Letter = FillLetters[std::size_t(drawBelow(random_, int(FillLetters.size())))];
}
