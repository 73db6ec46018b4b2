// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MemoryGame.h"
#include "MemoryView.h"
#include "platform/GameWindow.h"

#include <array>

class DesignLabel;
class PictureBox;
class PraiseBanner;
class QTimer;
struct Services;

// The memory game's window: it passes the pupil's clicks and the pause's end to the game and shows
// what the game tells it.
class FormMemory : public GameWindow, private MemoryView
{
    Q_OBJECT

public:
    explicit FormMemory(Services &services, QWidget *parent = nullptr);

    const MemoryGame &game() const { return game_; }

protected:
    void activate() override;

private:
    void showWord(int slot, const QString &word) override;
    void showPicture(int slot, const QString &word) override;
    void setCoverShown(int card, bool shown) override;
    void moveCard(int card, int position) override;
    void setPauseRunning(bool running) override;
    void setMoveCaption(const QString &caption) override;
    void showPraise(const QString &praise) override;

    QWidget *faceOf(int card) const;

    Services &services_;
    MemoryGame game_;
    QTimer *pauseTimer_;
    PraiseBanner *praise_;
    std::array<DesignLabel *, kCards> covers_{};
    std::array<PictureBox *, kSlots> pictureFaces_{};
    std::array<DesignLabel *, kSlots> wordFaces_{};
};
