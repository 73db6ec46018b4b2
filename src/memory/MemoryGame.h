// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MemoryDeck.h"

#include <QtGlobal>
#include <array>

class MemoryView;
class RandomSource;
class Voice;
class WordListStore;

// The play state: all zero or false until the first deal.
struct PlayState
{
    bool firstTurned = false;
    qint16 firstCard = 0;
    qint16 secondCard = 0;
    bool clicksAccepted = false;
    qint16 moveCount = 0; // pairs turned since the deal, matched or not
};

enum class PlayPhase
{
    NotDealt,
    WaitingForFirstCard,
    OneCardUp,
    Pause,
};

// One memory game: the pupil turns two cards at a time, a picture and its own word stay up, and
// every pair turned counts one move once the pause after it ends. A word card says its word as it
// is turned, a pair found says its word, and the last pair praises the pupil. The level sets how
// many cards a deal lays.
class MemoryGame
{
public:
    static constexpr int kPauseMilliseconds = 1500;
    static constexpr int kPraiseMilliseconds = 3000;

    MemoryGame(MemoryView &view, RandomSource &random, const WordListStore &words, Voice &voice,
               Level level = Level::Hard);

    void activate();
    void restart();
    // A new deal of the level's shape at once, its count from the start as at activation.
    void changeLevel(Level level);
    void coverClicked(int card);
    // The end of the pause after a second card.
    void pauseOver();

    const PlayState &state() const { return state_; }
    PlayPhase phase() const;
    DeckShape shape() const { return shape_; }
    const SlotWords &words() const { return words_; }
    qint16 positionOf(int card) const { return places_[std::size_t(card)]; }
    bool isFaceUp(int card) const { return faceUp_[std::size_t(card)]; }

private:
    void deal();
    void setFaceUp(int card, bool up);

    MemoryView &view_;
    RandomSource &random_;
    const WordListStore &store_;
    Voice &voice_;
    DeckShape shape_;
    PlayState state_;
    SlotWords words_;
    CardPlaces places_{};
    std::array<bool, kCards> faceUp_{};
};
