#include "CruciPuzzleGame.h"

#include "app/Counting.h"

#include <algorithm>

CruciPuzzleGame::CruciPuzzleGame(const WordListStore &words, RandomSource &random,
                                 WordPictures &pictures)
    : board_(words, random, pictures), pictures_(pictures)
{}

void CruciPuzzleGame::activate()
{
    wrongAnswers_ = 0;
    rightAnswers_ = 0;
    board_.ClearBoard();
    board_.LeggiDirezioni();
    board_.LeggiParole();
    resetBoardCounts();
    board_.InserisciParole();
}

void CruciPuzzleGame::Ricomincia()
{
    board_.ClearBoard();
    resetBoardCounts();
    board_.InserisciParole();
}

void CruciPuzzleGame::resetBoardCounts()
{
    wordsFound_ = 0;
    board_.WordsPlaced = 0;
    board_.WordsTried = 0;
}

CruciPuzzleGame::ClickOutcome CruciPuzzleGame::click(int cell)
{
    if (cell < 0 || cell >= CruciPuzzleBoard::kCells)
        return ClickOutcome::Ignored;
    BoardCell &clicked = board_.cells[std::size_t(cell)];
    if (clicked.Found)
        return ClickOutcome::Ignored;
    if (clicked.Owner == 0) {
        lastAnswer_ = Answer::Wrong;
        wrongAnswers_ = countOneMore(wrongAnswers_);
        return ClickOutcome::WrongAnswer;
    }

    clicked.Found = true;
    const qint16 slot = clicked.Owner;
    clicked.Owner = 0;
    if (std::any_of(board_.cells.cbegin(), board_.cells.cend(),
                    [slot](const BoardCell &c) { return c.Owner == slot; }))
        return ClickOutcome::LetterFound;

    lastAnswer_ = Answer::Right;
    rightAnswers_ = countOneMore(rightAnswers_);
    ++wordsFound_;
    pictures_.clearPicture(slot);
    if (wordsFound_ != board_.WordsPlaced)
        return ClickOutcome::WordFound;
    board_.LeggiParole();
    Ricomincia();
    return ClickOutcome::BoardSolved;
}
