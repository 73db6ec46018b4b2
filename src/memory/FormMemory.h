// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MemoryGame.h"
#include "MemoryView.h"
#include "gameframe/GameWindow.h"
#include "platform/accessibility/GridFocus.h"

#include <array>

class Announcer;
class DesignLabel;
class PictureBox;
class PraiseBanner;
class QTimer;
struct Services;

// The memory game's window: it passes the pupil's clicks and the pause's end to the game and shows
// what the game tells it. The cards take the keyboard as one grid, by their places on it, and say
// what they show to screen readers.
class FormMemory : public GameWindow, private MemoryView, private GridCells
{
    Q_OBJECT

public:
    explicit FormMemory(Services &services, QWidget *parent = nullptr);
    ~FormMemory() override;

    const MemoryGame &game() const { return game_; }

protected:
    void activate() override;
    void showLetterForm(LetterForm form) override;
    void startLevel(Level level) override;
    QString levelRefusal(Level level) const override;
    std::unique_ptr<Worksheet> worksheet() override;

private:
    void layDeck(DeckShape shape) override;
    void showWord(int slot, const QString &word) override;
    void showPicture(int slot, const QString &word) override;
    void setCoverShown(int card, bool shown) override;
    void moveCard(int card, int position) override;
    void setPauseRunning(bool running) override;
    void setMoveCaption(const QString &caption) override;
    void showPraise(const QString &praise) override;

    QWidget *cellWidget(int position) const override;
    QString cellName(int position) const override;
    QString cellDescription(int) const override { return {}; }
    void pressCell(int position) override { turnCard(cardAt(position)); }

    QWidget *faceOf(int card) const;
    int cardAt(int position) const;
    QString faceName(int card) const;
    void turnCard(int card);
    void showNewGame();

    Services &services_;
    MemoryGame game_;
    QTimer *pauseTimer_;
    PraiseBanner *praise_;
    GridFocus *grid_;
    Announcer *announcer_;
    std::array<DesignLabel *, kCards> covers_{};
    std::array<PictureBox *, kSlots> pictureFaces_{};
    std::array<DesignLabel *, kSlots> wordFaces_{};
};
