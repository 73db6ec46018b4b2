// SPDX-License-Identifier: GPL-3.0-or-later
#include "memory/MemoryGame.h"
#include "memory/Deals.h"
#include "memory/MemoryView.h"
#include "support/RecordedVoice.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

// What the pupil would see, as the game last set it.
class SeenBoard final : public MemoryView
{
public:
    DeckShape deck{};
    SlotWords words, pictures;
    std::array<bool, kCards> coverShown{};
    std::array<int, kCards> places{};
    bool pauseRunning = true; // the window's timer runs from its creation
    QString caption = QStringLiteral("Label3");
    std::vector<QString> praises;

    void layDeck(DeckShape shape) override { deck = shape; }
    void showWord(int slot, const QString &w) override { words[std::size_t(slot)] = w; }
    void showPicture(int slot, const QString &w) override { pictures[std::size_t(slot)] = w; }
    void setCoverShown(int card, bool shown) override { coverShown[std::size_t(card)] = shown; }
    void moveCard(int card, int position) override { places[std::size_t(card)] = position; }
    void setPauseRunning(bool running) override { pauseRunning = running; }
    void setMoveCaption(const QString &text) override { caption = text; }
    void showPraise(const QString &text) override { praises.push_back(text); }

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
    RecordedVoice voice;
    MemoryGame game{board, random, words, voice};
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
    MemoryGame dealt(seen, draws, twice, voice);
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
    voice.said.clear();
    for (int card = 0; card < kCards; ++card)
        game.coverClicked(card);
    game.pauseOver();
    EXPECT_EQ(board.coversShown(), 0);
    EXPECT_FALSE(board.pauseRunning);
    EXPECT_EQ(board.caption, QStringLiteral("mosse =  12"));
    EXPECT_TRUE(voice.said.empty());
    EXPECT_EQ(board.praises.size(), 1u);
}

// Word cards say their word as they are turned; picture cards leave the word to the pupil.
TEST_F(MemoryGameTest, AWordCardSaysItsWordAndAPictureCardNothing)
{
    game.activate();
    EXPECT_TRUE(voice.said.empty());
    game.coverClicked(3); // the picture of "mela"
    EXPECT_TRUE(voice.said.empty());
    game.coverClicked(16); // the word "pera": a miss
    EXPECT_EQ(voice.said, std::vector<QString>{"pera"});
    game.coverClicked(13); // refused during the pause
    game.pauseOver();
    EXPECT_EQ(voice.said, std::vector<QString>{"pera"});

    game.coverClicked(12);
    game.coverClicked(13); // two words
    EXPECT_EQ(voice.said, (std::vector<QString>{"pera", "cane", "gatto"}));
    game.pauseOver();
    game.coverClicked(0);
    game.coverClicked(5); // two pictures
    game.pauseOver();
    EXPECT_EQ(voice.said.size(), 3u);
    EXPECT_TRUE(board.praises.empty());
    EXPECT_EQ(voice.stops, 0);
}

TEST_F(MemoryGameTest, WordsAreSaidAsTheListWritesThemAccentsAndAll)
{
    QStringList accented = kTwelveWords;
    accented[0] = QStringLiteral("caffè");
    accented[1] = QStringLiteral("perché");
    const WordListStore store = storeOf(accented);
    ScriptedRandom draws = dealsInOrder(1);
    SeenBoard seen;
    MemoryGame accentedGame(seen, draws, store, voice);
    accentedGame.activate();
    accentedGame.coverClicked(12);
    accentedGame.coverClicked(13);
    EXPECT_EQ(voice.said,
              (std::vector<QString>{QStringLiteral("caffè"), QStringLiteral("perché")}));
}

// The pair's word comes with its second card, once, whichever card was turned first; the count
// and the pause are the same as for any pair.
TEST_F(MemoryGameTest, APairSaysItsWordAsItsSecondCardTurns)
{
    game.activate();
    game.coverClicked(0); // the picture of "cane"
    game.coverClicked(12);
    EXPECT_EQ(voice.said, std::vector<QString>{"cane"});
    EXPECT_EQ(game.phase(), PlayPhase::Pause);
    game.pauseOver();

    game.coverClicked(19); // the word "ape"
    game.coverClicked(7);  // its picture
    EXPECT_EQ(voice.said, (std::vector<QString>{"cane", "ape", "ape"}));
    EXPECT_EQ(game.state().moveCount, 1);
    EXPECT_TRUE(board.pauseRunning);
    game.pauseOver();
    EXPECT_EQ(voice.said.size(), 3u);
    EXPECT_EQ(board.caption, QStringLiteral("mosse =  2"));
}

TEST_F(MemoryGameTest, TheLastPairPraisesThePupilWithTheMovesWhenItsPauseEnds)
{
    game.activate();
    playPair(0, 1); // a miss
    playPair(2, 14);
    for (int slot = 0; slot < kSlots; ++slot) {
        if (slot != 2 && slot != 11)
            playPair(slot + kSlots, slot);
    }
    EXPECT_TRUE(board.praises.empty());
    game.coverClicked(11);
    game.coverClicked(23);
    EXPECT_EQ(voice.said.back(), QStringLiteral("nave"));
    EXPECT_TRUE(board.praises.empty());
    game.pauseOver();
    const QString praise = QStringLiteral("Bravo! Hai finito in 13 mosse");
    EXPECT_EQ(voice.said.back(), praise);
    EXPECT_EQ(board.praises, std::vector<QString>{praise});
    EXPECT_EQ(board.caption, QStringLiteral("mosse =  13"));

    // A new deal is a new game: its last pair is praised with its own count.
    game.restart();
    for (int slot = 0; slot < kSlots; ++slot)
        playPair(slot, slot + kSlots);
    EXPECT_EQ(board.praises.back(), QStringLiteral("Bravo! Hai finito in 12 mosse"));
    EXPECT_EQ(board.praises.size(), 2u);
}

class MemoryLevelTest : public ::testing::TestWithParam<Level>
{
};

TEST_P(MemoryLevelTest, ADealLaysTheLevelsCardsAndIsPlayedToThePraise)
{
    const DeckShape shape = deckShapeOf(GetParam());
    const WordListStore words = storeOf(kTwelveWords);
    ScriptedRandom random(dealInOrder(shape));
    SeenBoard board;
    RecordedVoice voice;
    MemoryGame game(board, random, words, voice, GetParam());
    game.activate();
    EXPECT_EQ(random.used(), random.scripted());
    EXPECT_EQ(board.deck.cards(), shape.cards());
    for (int card = 0; card < kCards; ++card) {
        const int slot = slotOf(card);
        const bool dealt = slot < shape.pairs();
        EXPECT_EQ(board.coverShown[std::size_t(card)], dealt) << "card " << card;
        const int inOrder = isPictureCard(card) ? slot : shape.pairs() + slot;
        EXPECT_EQ(game.positionOf(card), dealt ? inOrder : -1) << "card " << card;
        if (!dealt)
            game.coverClicked(card); // refused: out of the deal
    }
    EXPECT_EQ(game.phase(), PlayPhase::WaitingForFirstCard);

    for (int slot = 0; slot < shape.pairs(); ++slot) {
        EXPECT_TRUE(board.praises.empty());
        game.coverClicked(slot);
        game.coverClicked(slot + kSlots);
        game.pauseOver();
    }
    const QString praise = QStringLiteral("Bravo! Hai finito in %1 mosse").arg(shape.pairs());
    EXPECT_EQ(board.praises, std::vector<QString>{praise});
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, MemoryLevelTest,
                         ::testing::Values(Level::Easy, Level::Medium, Level::Hard));

TEST_F(MemoryGameTest, TheMoveCountStopsAtItsLargestValue)
{
    game.activate();
    for (int move = 0; move < 32768; ++move)
        playPair(0, 1);
    EXPECT_EQ(board.caption, QStringLiteral("mosse =  32767"));
}

} // namespace
