// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CruciPuzzleBoard.h"

class Voice;

// The play of the word search on its board: a click on a letter is judged, found words are
// counted, and a solved board is replaced at once by a new one of the same level with the counts
// running on. A word found is said aloud, a solved board praised, and a picture beside the grid
// says its word when clicked, for pupils still learning to read.
class CruciPuzzleGame
{
public:
    static constexpr int kPraiseMilliseconds = 2000;
    // What a solved board says, and shows over the new one.
    static inline const QString kPraise = QStringLiteral("Bravo!");

    enum class Answer
    {
        None, // no answer yet since the first board
        Right,
        Wrong,
    };

    enum class ClickOutcome
    {
        Ignored,     // a cell already found, or no cell at all
        WrongAnswer, // a fill letter
        LetterFound, // a letter of a word with cells still to find
        WordFound,
        BoardSolved, // the last word of the board: a new board stands in its place
    };

    CruciPuzzleGame(const WordListStore &words, RandomSource &random, Voice &voice,
                    Level level = Level::Hard);

    // Counts back to 0 and the first board.
    void activate();
    // Another level: play starts afresh as in activate(), on a board of that level.
    void startLevel(Level level);
    Level level() const { return level_; }
    // The most words a board of this level holds, and the arrows of the ways they run.
    int wordsPerBoard() const { return boardLevel(level_).words; }
    QStringList directionArrows() const { return ::directionArrows(level_); }
    ClickOutcome click(int cell);
    // Says the word of the picture in `slot`, while it stands beside the grid.
    void pictureClicked(int slot);

    const CruciPuzzleBoard &board() const { return board_; }
    // A laid word's picture stands beside the grid until the word is found.
    bool showsPicture(int slot) const;
    // The slot of the word the last WordFound or BoardSolved found, on the board it was found on.
    int lastFoundSlot() const { return lastFoundSlot_; }
    const QString &lastFoundWord() const { return lastFoundWord_; }
    qint16 rightAnswers() const { return rightAnswers_; }
    qint16 wrongAnswers() const { return wrongAnswers_; }
    qint16 wordsFound() const { return wordsFound_; }
    Answer lastAnswer() const { return lastAnswer_; }

private:
    void newBoard();

    const WordListStore &words_;
    RandomSource &random_;
    Voice &voice_;
    Level level_;
    CruciPuzzleBoard board_;
    std::array<bool, CruciPuzzleBoard::kWordsPerBoard + 1> wordFound_{};
    int lastFoundSlot_ = 0;
    QString lastFoundWord_;
    qint16 rightAnswers_ = 0;
    qint16 wrongAnswers_ = 0;
    qint16 wordsFound_ = 0;
    Answer lastAnswer_ = Answer::None;
};
