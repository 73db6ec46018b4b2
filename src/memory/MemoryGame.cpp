#include "MemoryGame.h"

#include "MemoryView.h"
#include "app/Counting.h"
#include "app/NumberText.h"

MemoryGame::MemoryGame(MemoryView &view, RandomSource &random, const WordListStore &words)
    : view_(view), random_(random), store_(words)
{}

PlayPhase MemoryGame::phase() const
{
    if (state_.ClicksAccepted)
        return state_.FirstTurned ? PlayPhase::OneCardUp : PlayPhase::WaitingForFirstCard;
    return state_.FirstTurned ? PlayPhase::Pause : PlayPhase::NotDealt;
}

void MemoryGame::activate()
{
    view_.setMoveCaption(QStringLiteral("mosse = 0"));
    Ricomincia();
    state_.ClicksAccepted = true;
}

void MemoryGame::restart()
{
    Ricomincia();
    // A restart during the pause would otherwise leave the new board shut for good: only the
    // pause's end opens it, and the deal has cancelled that.
    state_.ClicksAccepted = true;
}

void MemoryGame::Ricomincia()
{
    words_ = LeggiParole(random_, store_);
    for (int slot = 0; slot < kSlots; ++slot) {
        view_.showWord(slot, words_[std::size_t(slot)]);
        view_.showPicture(slot, words_[std::size_t(slot)]);
    }
    state_.FirstTurned = false;
    state_.MoveCount = 0;
    for (int card = 0; card < kCards; ++card)
        setFaceUp(card, false);
    view_.setPauseRunning(false);

    places_ = mescola(random_);
    for (int card = 0; card < kCards; ++card)
        view_.moveCard(card, CardPositions[std::size_t(places_[std::size_t(card)])]);
}

void MemoryGame::coverClicked(int card)
{
    if (!state_.ClicksAccepted || card < 0 || card >= kCards || isFaceUp(card))
        return;
    setFaceUp(card, true);
    if (!state_.FirstTurned) {
        state_.FirstTurned = true;
        state_.FirstCard = qint16(card);
        return;
    }
    state_.SecondCard = qint16(card);
    state_.ClicksAccepted = false;
    view_.setPauseRunning(true);
}

void MemoryGame::pauseOver()
{
    view_.setPauseRunning(false);
    // Only a pause has a pair to settle; the window's timer also runs before the first deal.
    if (phase() != PlayPhase::Pause)
        return;
    if (!isPair(state_.FirstCard, state_.SecondCard)) {
        setFaceUp(state_.FirstCard, false);
        setFaceUp(state_.SecondCard, false);
    }
    state_.MoveCount = countOneMore(state_.MoveCount);
    view_.setMoveCaption(QStringLiteral("mosse = ") + numberToText(state_.MoveCount));
    state_.ClicksAccepted = true;
    state_.FirstTurned = false;
}

void MemoryGame::setFaceUp(int card, bool up)
{
    faceUp_[std::size_t(card)] = up;
    view_.setCoverShown(card, !up);
}
