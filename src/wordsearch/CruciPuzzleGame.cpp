// SPDX-License-Identifier: GPL-3.0-or-later
#include "CruciPuzzleGame.h"

#include "core/Counting.h"
#include "platform/voice/Voice.h"

#include <algorithm>

CruciPuzzleGame::CruciPuzzleGame(const WordListStore &words, RandomSource &random, Voice &voice,
                                 Level level)
    : words_(words), random_(random), voice_(voice), level_(level)
{}

void CruciPuzzleGame::activate()
{
    wrongAnswers_ = 0;
    rightAnswers_ = 0;
    lastAnswer_ = Answer::None;
    newBoard();
}

void CruciPuzzleGame::startLevel(Level level)
{
    level_ = level;
    activate();
}

void CruciPuzzleGame::newBoard()
{
    board_ = CruciPuzzleBoard::build(words_, random_, level_);
    wordFound_.fill(false);
    wordsFound_ = 0;
}

bool CruciPuzzleGame::showsPicture(int slot) const
{
    return board_.laidWord(slot) && !wordFound_[std::size_t(slot)];
}

void CruciPuzzleGame::pictureClicked(int slot)
{
    if (showsPicture(slot))
        voice_.sayWord(board_.laidWord(slot)->word);
}

CruciPuzzleGame::ClickOutcome CruciPuzzleGame::click(int cell)
{
    if (cell < 0 || cell >= CruciPuzzleBoard::kCells)
        return ClickOutcome::Ignored;
    BoardCell &clicked = board_.cells[std::size_t(cell)];
    if (clicked.found)
        return ClickOutcome::Ignored;
    if (clicked.owner == 0) {
        lastAnswer_ = Answer::Wrong;
        wrongAnswers_ = countOneMore(wrongAnswers_);
        return ClickOutcome::WrongAnswer;
    }

    clicked.found = true;
    const int slot = clicked.owner;
    if (std::any_of(board_.cells.cbegin(), board_.cells.cend(),
                    [slot](const BoardCell &c) { return c.owner == slot && !c.found; }))
        return ClickOutcome::LetterFound;

    lastAnswer_ = Answer::Right;
    rightAnswers_ = countOneMore(rightAnswers_);
    ++wordsFound_;
    wordFound_[std::size_t(slot)] = true;
    lastFoundSlot_ = slot;
    lastFoundWord_ = board_.laidWord(slot)->word;
    if (wordsFound_ != int(board_.laidWords.size())) {
        voice_.sayWord(lastFoundWord_);
        return ClickOutcome::WordFound;
    }
    // The praise would cut the last word short at once: it stands for both.
    voice_.say(kPraise);
    newBoard();
    return ClickOutcome::BoardSolved;
}
