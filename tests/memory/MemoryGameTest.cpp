#include "memory/MemoryGame.h"
#include "memory/Deals.h"
#include "memory/MemoryView.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

// What the pupil would see, kept the way the game last set it.
class SeenBoard final : public MemoryView
{
public:
    SlotWords words;
    SlotWords pictures;
    std::array<bool, kCards> coverShown{};
    std::array<GridPlace, kCards> places{};
    bool pauseRunning = true; // the window's timer runs from its creation
    QString caption = QStringLiteral("Label3");

    void showWord(int slot, const QString &word) override { words[std::size_t(slot)] = word; }
    void showPicture(int slot, const QString &word) override { pictures[std::size_t(slot)] = word; }
    void setCoverShown(int card, bool shown) override { coverShown[std::size_t(card)] = shown; }
    void moveCard(int card, GridPlace place) override { places[std::size_t(card)] = place; }
    void setPauseRunning(bool running) override { pauseRunning = running; }
    void setMoveCaption(const QString &text) override { caption = text; }

    int coversShown() const { return int(std::count(coverShown.begin(), coverShown.end(), true)); }
};

class MemoryGameTest : public ::testing::Test
{
protected:
    // Turns two cards and lets the pause run out.
    void playPair(int first, int second)
    {
        game.coverClicked(first);
        game.coverClicked(second);
        game.pauseOver();
    }

    WordListStore words = storeOf(kTwelveWords);
    ScriptedRandom random = dealsInOrder<2>();
    SeenBoard board;
    MemoryGame game{board, random, words};
};

TEST_F(MemoryGameTest, BeforeTheFirstDealClicksAndTheTimerChangeNothing)
{
    game.coverClicked(3);
    game.pauseOver();
    EXPECT_EQ(game.phase(), PlayPhase::NotDealt);
    EXPECT_EQ(game.state().MoveCount, 0);
    EXPECT_FALSE(game.isFaceUp(3));
    EXPECT_FALSE(board.pauseRunning);
    EXPECT_EQ(board.caption, QStringLiteral("Label3"));
}

TEST_F(MemoryGameTest, ActivationDealsEveryCardFaceDownOnItsOwnPlace)
{
    game.activate();
    EXPECT_EQ(random.used(), 36u);
    EXPECT_EQ(game.phase(), PlayPhase::WaitingForFirstCard);
    EXPECT_EQ(board.caption, QStringLiteral("mosse = 0"));
    EXPECT_FALSE(board.pauseRunning);
    EXPECT_EQ(board.coversShown(), kCards);
    EXPECT_EQ(board.words[0], QStringLiteral("cane"));
    EXPECT_EQ(board.words[11], QStringLiteral("nave"));
    EXPECT_EQ(board.pictures, board.words);
    for (int card = 0; card < kCards; ++card)
        EXPECT_EQ(board.places[std::size_t(card)], CardPositions[std::size_t(card)]);
}

TEST_F(MemoryGameTest, TwoCardsTurnThenPauseAndAThirdClickIsRefused)
{
    game.activate();
    game.coverClicked(0);
    EXPECT_EQ(game.phase(), PlayPhase::OneCardUp);
    EXPECT_EQ(game.state().FirstCard, 0);
    EXPECT_FALSE(board.coverShown[0]);
    EXPECT_FALSE(board.pauseRunning);

    game.coverClicked(0); // a face-up card has no cover to click
    EXPECT_EQ(game.phase(), PlayPhase::OneCardUp);

    game.coverClicked(5);
    EXPECT_EQ(game.phase(), PlayPhase::Pause);
    EXPECT_EQ(game.state().SecondCard, 5);
    EXPECT_FALSE(board.coverShown[5]);
    EXPECT_TRUE(board.pauseRunning);

    game.coverClicked(7);
    EXPECT_TRUE(board.coverShown[7]);
    EXPECT_EQ(game.state().SecondCard, 5);
    EXPECT_EQ(game.state().MoveCount, 0);

    game.pauseOver();
    EXPECT_EQ(game.phase(), PlayPhase::WaitingForFirstCard);
    EXPECT_FALSE(board.pauseRunning);
    EXPECT_EQ(board.coversShown(), kCards);
    EXPECT_EQ(game.state().MoveCount, 1);
    EXPECT_EQ(board.caption, QStringLiteral("mosse =  1"));
}

TEST_F(MemoryGameTest, OnlyAPictureAndItsOwnWordStayUp)
{
    game.activate();
    playPair(15, 3);
    playPair(0, 1);   // two pictures
    playPair(12, 13); // two words
    playPair(2, 16);  // a picture and another slot's word
    playPair(4, 16);
    EXPECT_EQ(board.coversShown(), kCards - 4);
    for (int card : {3, 15, 4, 16})
        EXPECT_FALSE(board.coverShown[std::size_t(card)]) << "card " << card;
    EXPECT_EQ(game.state().MoveCount, 5);
    EXPECT_EQ(board.caption, QStringLiteral("mosse =  5"));
}

TEST_F(MemoryGameTest, TwoSlotsHoldingTheSameWordAreTwoPairs)
{
    const WordListStore same = storeOf(QByteArray("cane\r\n").repeated(12));
    ScriptedRandom draws = dealsInOrder<1>();
    SeenBoard seen;
    MemoryGame twins(seen, draws, same);
    twins.activate();
    EXPECT_EQ(seen.words[0], QStringLiteral("cane"));
    EXPECT_EQ(seen.words[1], QStringLiteral("cane"));
    twins.coverClicked(0);
    twins.coverClicked(13);
    twins.pauseOver();
    EXPECT_TRUE(seen.coverShown[0]);
    EXPECT_TRUE(seen.coverShown[13]);
}

TEST_F(MemoryGameTest, RestartWithOneCardUpTurnsEverythingDownAndKeepsTheCaption)
{
    game.activate();
    playPair(0, 12);
    game.coverClicked(4);
    game.restart();
    EXPECT_EQ(random.used(), 72u);
    EXPECT_EQ(board.coversShown(), kCards);
    EXPECT_EQ(game.state().MoveCount, 0);
    EXPECT_EQ(board.caption, QStringLiteral("mosse =  1"));
    game.coverClicked(9);
    EXPECT_EQ(game.phase(), PlayPhase::OneCardUp);
    EXPECT_EQ(game.state().FirstCard, 9);
}

TEST_F(MemoryGameTest, RestartDuringThePauseLeavesTheNewBoardOpen)
{
    game.activate();
    game.coverClicked(0);
    game.coverClicked(1);
    game.restart();
    EXPECT_FALSE(board.pauseRunning);
    EXPECT_EQ(game.phase(), PlayPhase::WaitingForFirstCard);
    EXPECT_EQ(board.coversShown(), kCards);
    game.coverClicked(2);
    EXPECT_FALSE(board.coverShown[2]);
}

TEST_F(MemoryGameTest, AfterTheTwelfthPairNothingMoreHappens)
{
    game.activate();
    for (int slot = 0; slot < kSlots; ++slot)
        playPair(slot, slot + kSlots);
    EXPECT_EQ(board.coversShown(), 0);
    EXPECT_EQ(board.caption, QStringLiteral("mosse =  12"));
    for (int card = 0; card < kCards; ++card)
        game.coverClicked(card);
    game.pauseOver();
    EXPECT_EQ(game.phase(), PlayPhase::WaitingForFirstCard);
    EXPECT_EQ(board.coversShown(), 0);
    EXPECT_EQ(game.state().MoveCount, 12);
    EXPECT_FALSE(board.pauseRunning);
}

TEST_F(MemoryGameTest, TheMoveCountStopsAtItsLargestValue)
{
    game.activate();
    for (int move = 0; move < 32768; ++move)
        playPair(0, 1);
    EXPECT_EQ(game.state().MoveCount, 32767);
    EXPECT_EQ(board.caption, QStringLiteral("mosse =  32767"));
}

} // namespace
