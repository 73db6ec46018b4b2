// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CruciPuzzleGame.h"
#include "gameframe/GameWindow.h"
#include "platform/accessibility/GridFocus.h"

class Announcer;
class DesignLabel;
class PictureBox;
class PraiseBanner;
struct Services;

// The word search window: the letter grid, the pictures of the hidden words beside it, the
// answer icons and the counts of right and wrong answers. It mirrors its game. The grid takes the
// keyboard as one whole, and says every answer to screen readers.
class FormCruciPuzzle : public GameWindow, private GridCells
{
    Q_OBJECT

public:
    explicit FormCruciPuzzle(Services &services, QWidget *parent = nullptr);
    ~FormCruciPuzzle() override;

    const CruciPuzzleGame &game() const { return game_; }

protected:
    void activate() override;
    void showLetterForm(LetterForm form) override;
    void startLevel(Level level) override;
    std::unique_ptr<Worksheet> worksheet() override;

private:
    QWidget *cellWidget(int cell) const override;
    QString cellName(int cell) const override;
    QString cellDescription(int cell) const override;
    void pressCell(int cell) override { clickLetter(cell); }

    void clickLetter(int cell);
    void announce(CruciPuzzleGame::ClickOutcome outcome);
    void showLevel();
    void mirrorBoard();
    void mirrorCell(int cell);
    void mirrorScores();

    Services &services_;
    std::array<DesignLabel *, CruciPuzzleBoard::kCells> cells_{};
    std::array<PictureBox *, CruciPuzzleBoard::kWordsPerBoard> pictures_{};
    CruciPuzzleGame game_;
    GridFocus *grid_;
    Announcer *announcer_;
    PraiseBanner *praise_;
};
