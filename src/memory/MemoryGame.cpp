// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryGame.h"

#include "MemoryView.h"
#include "core/Counting.h"
#include "core/NumberText.h"
#include "platform/voice/Voice.h"

#include <algorithm>

MemoryGame::MemoryGame(MemoryView &view, RandomSource &random, const WordListStore &words,
                       Voice &voice, Level level)
    : view_(view), random_(random), store_(words), voice_(voice), shape_(deckShapeOf(level))
{}

PlayPhase MemoryGame::phase() const
{
    if (state_.clicksAccepted)
        return state_.firstTurned ? PlayPhase::OneCardUp : PlayPhase::WaitingForFirstCard;
    return state_.firstTurned ? PlayPhase::Pause : PlayPhase::NotDealt;
}

void MemoryGame::activate()
{
    view_.setMoveCaption(QStringLiteral("mosse = 0"));
    deal();
    state_.clicksAccepted = true;
}

void MemoryGame::restart()
{
    deal();
    // A restart during the pause would otherwise leave the new board shut for good: only the
    // pause's end opens it, and the deal has cancelled that.
    state_.clicksAccepted = true;
}

void MemoryGame::changeLevel(Level level)
{
    shape_ = deckShapeOf(level);
    activate();
}

void MemoryGame::deal()
{
    words_ = drawDealWords(random_, store_, shape_);
    view_.layDeck(shape_);
    for (int slot = 0; slot < shape_.pairs(); ++slot) {
        view_.showWord(slot, words_[std::size_t(slot)]);
        view_.showPicture(slot, words_[std::size_t(slot)]);
    }
    state_.firstTurned = false;
    state_.moveCount = 0;
    faceUp_.fill(false);
    for (int card = 0; card < kCards; ++card)
        view_.setCoverShown(card, isInDeck(card, shape_));
    view_.setPauseRunning(false);

    places_ = shuffleCards(random_, shape_);
    for (int index = 0; index < shape_.cards(); ++index) {
        const int card = deckCard(index, shape_);
        view_.moveCard(card, places_[std::size_t(card)]);
    }
}

void MemoryGame::coverClicked(int card)
{
    if (!state_.clicksAccepted || card < 0 || card >= kCards || !isInDeck(card, shape_) ||
        isFaceUp(card))
        return;
    setFaceUp(card, true);
    // A picture is left for the pupil to name. A pair's word is said as soon as its second card is
    // up, not when the pause settles it: the child hears it while looking at both cards.
    const bool pairFound = state_.firstTurned && isPair(state_.firstCard, card);
    if (!isPictureCard(card) || pairFound)
        voice_.sayWord(words_[std::size_t(slotOf(card))]);
    if (!state_.firstTurned) {
        state_.firstTurned = true;
        state_.firstCard = qint16(card);
        return;
    }
    state_.secondCard = qint16(card);
    state_.clicksAccepted = false;
    view_.setPauseRunning(true);
}

void MemoryGame::pauseOver()
{
    view_.setPauseRunning(false);
    // Only a pause has a pair to settle; the window's timer also runs before the first deal.
    if (phase() != PlayPhase::Pause)
        return;
    if (!isPair(state_.firstCard, state_.secondCard)) {
        setFaceUp(state_.firstCard, false);
        setFaceUp(state_.secondCard, false);
    }
    state_.moveCount = countOneMore(state_.moveCount);
    view_.setMoveCaption(QStringLiteral("mosse = ") + numberToText(state_.moveCount));
    state_.clicksAccepted = true;
    state_.firstTurned = false;
    // Only the deck's cards ever turn up.
    if (std::count(faceUp_.begin(), faceUp_.end(), true) == shape_.cards()) {
        const QString praise =
            QStringLiteral("Bravo! Hai finito in %1 mosse").arg(state_.moveCount);
        voice_.say(praise);
        view_.showPraise(praise);
    }
}

void MemoryGame::setFaceUp(int card, bool up)
{
    faceUp_[std::size_t(card)] = up;
    view_.setCoverShown(card, !up);
}
