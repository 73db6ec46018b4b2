#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <string_view>
#include <vector>

class RandomSource;
class WordListStore;

// What the board asks of its window: the picture of the word in slot 1 to 10.
class WordPictures
{
public:
    virtual void showPicture(int slot) = 0;
    virtual void clearPicture(int slot) = 0;

protected:
    ~WordPictures() = default;
};

// A word as the grid shows it: one capital per character, at most ten; no letters for a word
// that does not fit.
struct BoardLetters
{
    std::array<char32_t, 10> letters{};
    int length = 0;
};

struct BoardCell
{
    char32_t Letter = 0; // 0 while the cell is empty
    qint16 Owner = 0;    // slot of the word that last wrote the cell; 0 for a fill letter
    bool Found = false;
};

// The word search board: ten words drawn from the list, laid in straight lines in a 10 x 10 grid
// in any of eight directions, crossing where their letters agree, the other cells filled with
// random letters. Its state is public, like the board on a table: play marks cells found.
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
    static constexpr std::u32string_view FillLetters = U"QERTUIOPLHGFDSAZCVBNM";

    CruciPuzzleBoard(const WordListStore &words, RandomSource &random, WordPictures &pictures);

    void LeggiDirezioni();
    void LeggiParole();
    void ClearBoard();
    void InserisciParole();
    void ControllaSpazi();
    void SistemaParola();
    void RiempiAltriSpazi();

    // Slots 1 to this number hold words; fewer than ten when the list has fewer usable words.
    int boardWordCount() const { return wordCount_; }

    std::array<BoardCell, kCells> cells{};
    std::array<QString, kWordsPerBoard + 1> BoardWords; // slot 0 unused
    std::array<qint16, 8> Directions{};

    qint16 WordSlot = 0;
    qint16 WordLength = 0;
    qint16 DirectionIndex = 0;
    qint16 StartCell = 0;
    bool WordFits = false;
    qint16 WordsTried = 0;
    qint16 WordsPlaced = 0;
    qint16 Conflicts = 0;

private:
    void drawStartCell();
    void moveToNextSlot();

    const WordListStore &words_;
    RandomSource &random_;
    WordPictures &pictures_;
    int wordCount_ = 0;
    std::array<BoardLetters, kWordsPerBoard + 1> boardLetters_;
    std::vector<qint16> usableWords_; // kept between boards to spare an allocation
    // How many cells each slot owns while the board is being built.
    std::array<qint16, kWordsPerBoard + 1> ownedCells_{};
};

// Whether a word can take part in a board: 1 to 10 characters.
bool fitsOnBoard(const QString &word);

// A word's characters in capitals by the rules of the user's language.
BoardLetters boardLettersOf(const QString &word);
