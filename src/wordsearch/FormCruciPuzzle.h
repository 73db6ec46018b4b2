// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CruciPuzzleGame.h"
#include "platform/GameWindow.h"

class DesignLabel;
class PictureBox;
class PraiseBanner;
struct Services;

// The word search window: the letter grid, the pictures of the hidden words beside it, the
// answer icons and the counts of right and wrong answers. It mirrors its game.
class FormCruciPuzzle : public GameWindow
{
    Q_OBJECT

public:
    explicit FormCruciPuzzle(Services &services, QWidget *parent = nullptr);

    const CruciPuzzleGame &game() const { return game_; }

protected:
    void activate() override;

private:
    void clickLetter(int cell);
    void mirrorBoard();
    void mirrorCell(int cell);
    void mirrorScores();

    Services &services_;
    std::array<DesignLabel *, CruciPuzzleBoard::kCells> cells_{};
    std::array<PictureBox *, CruciPuzzleBoard::kWordsPerBoard> pictures_{};
    CruciPuzzleGame game_;
    PraiseBanner *praise_;
};
