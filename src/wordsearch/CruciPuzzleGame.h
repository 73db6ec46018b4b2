#pragma once

#include "CruciPuzzleBoard.h"

// The play of the word search on its board: a click on a letter is judged, found words are
// counted, and a solved board is replaced at once by a new one with the counts running on.
class CruciPuzzleGame
{
public:
    enum class Answer
    {
        None, // no answer yet since activation
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

    CruciPuzzleGame(const WordListStore &words, RandomSource &random, WordPictures &pictures);

    // Counts back to 0 and the first board.
    void activate();
    ClickOutcome click(int cell);

    const CruciPuzzleBoard &board() const { return board_; }
    qint16 RightAnswers() const { return rightAnswers_; }
    qint16 WrongAnswers() const { return wrongAnswers_; }
    qint16 WordsFound() const { return wordsFound_; }
    Answer lastAnswer() const { return lastAnswer_; }

private:
    void Ricomincia();
    void resetBoardCounts();

    CruciPuzzleBoard board_;
    WordPictures &pictures_;
    qint16 rightAnswers_ = 0;
    qint16 wrongAnswers_ = 0;
    qint16 wordsFound_ = 0;
    Answer lastAnswer_ = Answer::None;
};
