// SPDX-License-Identifier: GPL-3.0-or-later
#include "ComposeRound.h"

#include "ComposeTiles.h"
#include "core/Counting.h"
#include "core/RandomSource.h"
#include "core/WordListStore.h"
#include "platform/voice/Voice.h"

#include <algorithm>

ComposeRound::ComposeRound(const WordListStore &words, RandomSource &random, Voice &voice,
                           Level level)
    : words_(words), random_(random), voice_(voice), level_(level)
{}

void ComposeRound::start(bool sayFirstWord)
{
    const QStringList fitting = wordsFitting(words_.distinctWords(), level_);
    roundWords_.clear();
    for (const qint16 index :
         drawDistinctWordIndices(random_, qint16(fitting.size()), kWordsPerRound))
        roundWords_ << fitting[index - 1];
    rightWords_ = 0;
    errors_ = 0;
    firstTryWords_ = 0;
    wordIndex_ = 0;
    showWord(sayFirstWord);
}

void ComposeRound::startLevel(Level level)
{
    level_ = level;
    start();
}

void ComposeRound::showWord(bool say)
{
    lastBox_ = -1;
    lastWrongTile_ = -1;
    wordErrors_ = 0;
    if (wordIndex_ >= roundWords_.size()) {
        phase_ = Phase::RoundOver;
        pieces_.clear();
        letters_.clear();
        boxes_.clear();
        tiles_.clear();
        return;
    }
    phase_ = Phase::Composing;
    const QString current = word();
    pieces_ = piecesOf(current);
    letters_ = lettersOf(current);
    boxes_.assign(std::size_t(letters_.size()), Box{});
    if (composeLevel(level_).firstLetterGiven)
        boxes_.front() = {.letter = letters_.front(), .given = true};
    tiles_ = tilesFor(current, level_, words_.distinctWords(), random_);
    if (say)
        sayWord();
}

void ComposeRound::sayWord()
{
    if (phase_ != Phase::RoundOver)
        voice_.sayWord(word());
}

void ComposeRound::nextWord()
{
    if (phase_ != Phase::WordDone)
        return;
    ++wordIndex_;
    showWord(true);
}

int ComposeRound::waitingBox() const
{
    const auto waiting = std::find_if(boxes_.begin(), boxes_.end(), [](const Box &box) {
        return box.letter.isEmpty() || box.wrong;
    });
    return waiting == boxes_.end() ? -1 : int(waiting - boxes_.begin());
}

bool ComposeRound::tileUsed(int tile) const
{
    return std::any_of(boxes_.begin(), boxes_.end(),
                       [tile](const Box &box) { return box.tile == tile; });
}

int ComposeRound::markedBoxes() const
{
    return int(
        std::count_if(boxes_.begin(), boxes_.end(), [](const Box &box) { return box.wrong; }));
}

ComposeRound::Outcome ComposeRound::pressTile(int tile)
{
    if (phase_ != Phase::Composing || tile < 0 || tile >= tiles_.size() || tileUsed(tile))
        return Outcome::Ignored;
    return place(tiles_[tile], tile);
}

ComposeRound::Outcome ComposeRound::typeLetter(const QString &letter)
{
    if (phase_ != Phase::Composing || letter.isEmpty())
        return Outcome::Ignored;
    if (!composeLevel(level_).tiles)
        return place(letter, -1);
    // The free tile of that letter; the right one, where two tiles differ only in case.
    const int box = waitingBox();
    int chosen = -1;
    for (int tile = 0; tile < tiles_.size(); ++tile) {
        if (tileUsed(tile) || !sameLetter(tiles_[tile], letter))
            continue;
        if (chosen < 0 || (box >= 0 && tiles_[tile] == letters_[box]))
            chosen = tile;
    }
    return chosen < 0 ? Outcome::Ignored : place(tiles_[chosen], chosen);
}

ComposeRound::Outcome ComposeRound::place(const QString &letter, int tile)
{
    const int box = waitingBox();
    if (box < 0)
        return Outcome::Ignored;
    lastBox_ = box;
    lastWrongTile_ = -1;
    if (composeLevel(level_).checkedAtOnce && !sameLetter(letter, letters_[box]))
        return wrong(box, letter, tile);
    boxes_[std::size_t(box)] = {.letter = letter, .tile = tile};
    if (waitingBox() >= 0)
        return Outcome::Placed;
    return composeLevel(level_).checkedAtOnce ? wordDone() : check();
}

ComposeRound::Outcome ComposeRound::wrong(int box, const QString &letter, int tile)
{
    lastBox_ = box;
    lastWrongTile_ = tile;
    lastWrongLetter_ = letter;
    ++wordErrors_;
    errors_ = countOneMore(errors_);
    return Outcome::Wrong;
}

ComposeRound::Outcome ComposeRound::check()
{
    int wrongLetters = 0;
    for (qsizetype i = 0; i < letters_.size(); ++i) {
        Box &box = boxes_[std::size_t(i)];
        box.wrong = !sameLetter(box.letter, letters_[i]);
        if (box.wrong) {
            ++wrongLetters;
            errors_ = countOneMore(errors_);
        }
    }
    if (wrongLetters == 0)
        return wordDone();
    wordErrors_ += wrongLetters;
    return Outcome::Checked;
}

ComposeRound::Outcome ComposeRound::wordDone()
{
    phase_ = Phase::WordDone;
    rightWords_ = countOneMore(rightWords_);
    if (wordErrors_ == 0)
        firstTryWords_ = countOneMore(firstTryWords_);
    voice_.say(kPraise);
    return Outcome::WordDone;
}

ComposeRound::Outcome ComposeRound::takeBack(int box)
{
    if (phase_ != Phase::Composing || box < 0 || box >= int(boxes_.size()))
        return Outcome::Ignored;
    Box &taken = boxes_[std::size_t(box)];
    if (taken.given || taken.letter.isEmpty())
        return Outcome::Ignored;
    taken = {};
    lastBox_ = box;
    lastWrongTile_ = -1;
    return Outcome::TakenBack;
}

ComposeRound::Outcome ComposeRound::takeBackLast()
{
    for (int box = int(boxes_.size()) - 1; box >= 0; --box) {
        const Box &last = boxes_[std::size_t(box)];
        if (!last.given && !last.letter.isEmpty())
            return takeBack(box);
    }
    return Outcome::Ignored;
}
