// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CardGrid.h"

#include <QString>

// What the memory game asks of its window.
class MemoryView
{
public:
    virtual ~MemoryView() = default;

    // The deal lies on a grid of `shape`; the faces of the slots beyond its pairs are put away.
    virtual void layDeck(DeckShape shape) = 0;
    virtual void showWord(int slot, const QString &word) = 0;
    // The picture of `word` on the picture card of `slot`.
    virtual void showPicture(int slot, const QString &word) = 0;
    virtual void setCoverShown(int card, bool shown) = 0;
    // Moves a card's cover and its face together onto a grid position of the deck.
    virtual void moveCard(int card, int position) = 0;
    virtual void setPauseRunning(bool running) = 0;
    virtual void setMoveCaption(const QString &caption) = 0;
    // The praise for a finished game, shown over the board for kPraiseMilliseconds.
    virtual void showPraise(const QString &praise) = 0;
};
