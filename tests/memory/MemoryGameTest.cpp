// SPDX-License-Identifier: GPL-3.0-or-later
#include "memory/MemoryGame.h"
#include "memory/Deals.h"
#include "memory/MemoryView.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

// What the pupil would see, as the game last set it.
class SeenBoard final : public MemoryView
{
public:
    SlotWords words, pictures;
    std::array<bool, kCards> coverShown{};
    std::array<int, kCards> places{};
    bool pauseRunning = true; // the window's timer runs from its creation
    QString caption = QStringLiteral("Label3");

    void showWord(int slot, const QString &w) override { words[std::size_t(slot)] = w; }
    void showPicture(int slot, const QString &w) override { pictures[std::size_t(slot)] = w; }
    void setCoverShown(int card, bool shown) override { coverShown[std::size_t(card)] = shown; }
    void moveCard(int card, int position) override { places[std::size_t(card)] = position; }
    void setPauseRunning(bool running) override { pauseRunning = running; }
    void setMoveCaption(const QString &text) override { caption = text; }

    int coversShown() const { return int(std::count(coverShown.begin(), coverShown.end(), true)); }
};

class MemoryGameTest : public ::testing::Test
{
protected:
    void playPair(int first, int second)
    {
        game.coverClicked(first);
        game.coverClicked(second);
        game.pauseOver();
    }

    WordListStore words = storeOf(kTwelveWords);
    ScriptedRandom random = dealsInOrder(3);
    SeenBoard board;
    MemoryGame game{board, random, words};
};

TEST_F(MemoryGameTest, NothingAnswersBeforeActivationWhichDealsEveryCardFaceDown)
{
    game.coverClicked(3);
    game.pauseOver();
    EXPECT_EQ(game.phase(), PlayPhase::NotDealt);
    EXPECT_EQ(board.caption, QStringLiteral("Label3"));

    game.activate();
    EXPECT_EQ(random.used(), 36u);
    EXPECT_EQ(game.phase(), PlayPhase::WaitingForFirstCard);
    EXPECT_EQ(board.caption, QStringLiteral("mosse = 0"));
    EXPECT_FALSE(board.pauseRunning);
    EXPECT_EQ(board.coversShown(), kCards);
    EXPECT_EQ(board.words[11], QStringLiteral("nave"));
    EXPECT_EQ(board.pictures, board.words);
    for (int card = 0; card < kCards; ++card)
        EXPECT_EQ(board.places[std::size_t(card)], card);
}

TEST_F(MemoryGameTest, TwoCardsTurnThenPauseAndAThirdClickIsRefused)
{
    game.activate();
    game.coverClicked(0);
    game.coverClicked(0); // already face up
    EXPECT_EQ(game.phase(), PlayPhase::OneCardUp);
    game.coverClicked(5);
    EXPECT_EQ(game.phase(), PlayPhase::Pause);
    EXPECT_TRUE(board.pauseRunning);
    EXPECT_FALSE(board.coverShown[0] || board.coverShown[5]);
    game.coverClicked(7);
    EXPECT_TRUE(board.coverShown[7]);
    EXPECT_EQ(game.state().moveCount, 0);

    game.pauseOver();
    EXPECT_EQ(game.phase(), PlayPhase::WaitingForFirstCard);
    EXPECT_FALSE(board.pauseRunning);
    EXPECT_EQ(board.coversShown(), kCards);
    EXPECT_EQ(board.caption, QStringLiteral("mosse =  1"));
}

TEST_F(MemoryGameTest, OnlyAPictureAndItsOwnWordStayUp)
{
    game.activate();
    playPair(15, 3);
    playPair(0, 1);   // two pictures
    playPair(12, 13); // two words
    playPair(2, 16);  // another slot's word
    playPair(4, 16);
    EXPECT_EQ(board.coversShown(), kCards - 4);
    EXPECT_FALSE(board.coverShown[3] || board.coverShown[15] || board.coverShown[4] ||
                 board.coverShown[16]);
    EXPECT_EQ(board.caption, QStringLiteral("mosse =  5"));

    // A word written twice in the list is dealt once: its picture has one word card to match.
    const WordListStore twice = storeOf(QStringList(kTwelveWords) << QStringLiteral("CANE"));
    ScriptedRandom draws = dealsInOrder(1);
    SeenBoard seen;
    MemoryGame dealt(seen, draws, twice);
    dealt.activate();
    EXPECT_EQ(QStringList(seen.words.cbegin(), seen.words.cend()), kTwelveWords);
}

TEST_F(MemoryGameTest, RestartDealsAFaceDownBoardOpenToClicksAndKeepsTheCaption)
{
    game.activate();
    playPair(0, 12);
    game.coverClicked(4);
    game.restart();
    EXPECT_EQ(board.coversShown(), kCards);
    EXPECT_EQ(game.state().moveCount, 0);
    EXPECT_EQ(board.caption, QStringLiteral("mosse =  1"));

    game.coverClicked(9);
    game.coverClicked(10);
    game.restart(); // during the pause
    EXPECT_FALSE(board.pauseRunning);
    EXPECT_EQ(board.coversShown(), kCards);
    game.coverClicked(2);
    EXPECT_EQ(game.phase(), PlayPhase::OneCardUp);
    EXPECT_EQ(random.used(), 108u);
}

TEST_F(MemoryGameTest, AfterTheTwelfthPairNothingMoreHappens)
{
    game.activate();
    for (int slot = 0; slot < kSlots; ++slot)
        playPair(slot, slot + kSlots);
    for (int card = 0; card < kCards; ++card)
        game.coverClicked(card);
    game.pauseOver();
    EXPECT_EQ(board.coversShown(), 0);
    EXPECT_FALSE(board.pauseRunning);
    EXPECT_EQ(board.caption, QStringLiteral("mosse =  12"));
}

TEST_F(MemoryGameTest, TheMoveCountStopsAtItsLargestValue)
{
    game.activate();
    for (int move = 0; move < 32768; ++move)
        playPair(0, 1);
    EXPECT_EQ(board.caption, QStringLiteral("mosse =  32767"));
}

} // namespace
