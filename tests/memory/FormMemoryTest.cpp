// SPDX-License-Identifier: GPL-3.0-or-later
#include "memory/FormMemory.h"
#include "core/ClassChoices.h"
#include "memory/Deals.h"
#include "platform/Services.h"
#include "platform/accessibility/GridFocus.h"
#include "platform/design/DesignButton.h"
#include "platform/design/DesignLabel.h"
#include "platform/design/DesignSurface.h"
#include "platform/pictures/PictureBox.h"
#include "platform/voice/VoiceSwitch.h"
#include "support/Pictures.h"
#include "support/RecordedVoice.h"
#include "support/ScriptedDialogs.h"
#include "support/Windows.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class FormMemoryTest : public ::testing::Test
{
protected:
    FormMemoryTest()
    {
        QDir(program.path()).mkdir(QStringLiteral("jpg"));
        for (int i = 1; i <= words.wordCount(); ++i)
            writeJpeg(program.filePath(QStringLiteral("jpg/%1.jpg").arg(words.wordList(i))),
                      Qt::blue);
        // At scale 1, the client area just below the menu bar.
        form->resize(form->surface()->designSize().toSize() +
                     QSize(0, form->menuBar()->sizeHint().height()));
    }
    ~FormMemoryTest() override { delete form; }

    void show()
    {
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    }
    DesignLabel *cover(int card) const { return form->surface()->label("Label2", card); }
    void click(int card) const { QTest::mouseClick(cover(card), Qt::LeftButton, {}, {5, 5}); }
    QTimer *timer() const { return form->findChild<QTimer *>("Timer1"); }
    void endPause() const { QMetaObject::invokeMethod(timer(), "timeout"); }
    QString caption() const { return form->surface()->label("Label3")->text(); }
    QAction *voiceCommand() const { return form->findChild<QAction *>("mnuVoce"); }
    QLabel *praise() const { return form->findChild<QLabel *>("PraiseBanner"); }
    QAccessibleTableInterface *readersTable() const
    {
        return QAccessible::queryAccessibleInterface(form->findChild<GridFocus *>())
            ->tableInterface();
    }
    // A choice of the menus "Lettere" and "Livello", by its caption.
    void choose(const QString &caption) const
    {
        for (QAction *choice : form->findChildren<QAction *>()) {
            if (choice->text() == caption && choice->isCheckable())
                return choice->trigger();
        }
        ADD_FAILURE() << "no choice " << caption.toStdString();
    }
    void finishGame() const
    {
        for (int slot = 0; slot < kSlots; ++slot) {
            click(slot);
            click(slot + kSlots);
            endPause();
        }
    }

    QTemporaryDir program;
    WordListStore words = storeOf(kTwelveWords);
    ScriptedRandom random = dealsInOrder(3);
    ScriptedDialogs dialogs;
    RecordedVoice recorded;
    SwitchableVoice voice{recorded};
    ClassChoices choices;
    Services services{words, random, dialogs, program.path(), voice, choices, {}};
    QPointer<FormMemory> form = new FormMemory(services);
};

TEST_F(FormMemoryTest, ShowingDealsOnceWithEveryFaceHiddenUnderItsCover)
{
    EXPECT_EQ(form->objectName(), QStringLiteral("FormMemory"));
    EXPECT_EQ(form->surface()->label("Label1", 11)->text(), QStringLiteral("uova"));
    EXPECT_TRUE(timer()->isActive());
    EXPECT_EQ(timer()->interval(), 1500);

    QFile::remove(program.filePath(QStringLiteral("jpg/uva.jpg")));
    show();
    DesignSurface *surface = form->surface();
    ASSERT_EQ(surface->scale(), 1.0);
    EXPECT_EQ(random.used(), 36u);
    EXPECT_FALSE(timer()->isActive());
    EXPECT_EQ(caption(), QStringLiteral("mosse = 0"));
    EXPECT_EQ(QApplication::focusWidget(), surface->button("Command1"));
    PictureBox::waitForPictures();
    EXPECT_EQ(surface->picture("Image1", 0)->content(), PictureBox::Content::Picture);
    EXPECT_EQ(surface->picture("Image1", 5)->content(), PictureBox::Content::Placeholder);

    // Dealt in order, every card lies on its design place.
    EXPECT_EQ(surface->picture("Image1", 7)->geometry(), QRect(96, 96, 81, 73));
    DesignLabel *lastWord = surface->label("Label1", 11);
    EXPECT_EQ(lastWord->geometry(), QRect(448, 256, 81, 73));
    EXPECT_EQ(lastWord->text(), QStringLiteral("nave"));
    EXPECT_EQ(lastWord->font().pixelSize(), 15);

    const QImage shot = surface->grab().toImage();
    for (int card = 0; card < kCards; ++card) {
        QWidget *face = card < kSlots ? static_cast<QWidget *>(surface->picture("Image1", card))
                                      : surface->label("Label1", card - kSlots);
        EXPECT_EQ(cover(card)->geometry(), face->geometry()) << "card " << card;
        EXPECT_EQ(shot.pixelColor(face->geometry().center()), QColor(0xFF, 0xFF, 0x80))
            << "card " << card;
    }
    EXPECT_EQ(shot.pixelColor(2, 2), QColor(0x80, 0x00, 0x80));

    form->hide();
    form->show();
    EXPECT_EQ(random.used(), 36u);
}

TEST_F(FormMemoryTest, APairStaysUpAndAMissTurnsBackWhenThePauseEnds)
{
    show();
    click(0);
    click(12);
    EXPECT_TRUE(timer()->isActive());
    click(1);
    EXPECT_TRUE(cover(1)->isVisible());
    endPause();
    EXPECT_FALSE(timer()->isActive());
    EXPECT_FALSE(cover(0)->isVisible() || cover(12)->isVisible());
    EXPECT_EQ(caption(), QStringLiteral("mosse =  1"));

    click(1);
    click(2);
    EXPECT_FALSE(cover(1)->isVisible() || cover(2)->isVisible());
    endPause();
    EXPECT_TRUE(cover(1)->isVisible() && cover(2)->isVisible());
}

TEST_F(FormMemoryTest, SpaceAndReturnOnTheFocusedButtonDealAgain)
{
    show();
    click(3);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(random.used(), 72u);
    EXPECT_TRUE(cover(3)->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(random.used(), 108u);
    EXPECT_EQ(QApplication::focusWidget(), form->surface()->button("Command1"));
}

TEST_F(FormMemoryTest, EsciAsksAndYesGoesBackToTheMenu)
{
    show();
    click(0);
    click(1);
    QAction *esci = form->findChild<QAction *>("mnuEsci");
    EXPECT_EQ(esci->text(), QStringLiteral("Esci"));
    QSignalSpy leave(form, &FormMemory::leaveConfirmed);
    dialogs.answers = {false, true};
    esci->trigger();
    EXPECT_EQ(leave.count(), 0);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("vuoi tornare al menù? "));
    EXPECT_EQ(form->game().phase(), PlayPhase::Pause);
    EXPECT_TRUE(timer()->isActive());

    esci->trigger();
    EXPECT_EQ(leave.count(), 1);
}

TEST_F(FormMemoryTest, TurnedWordsAreSaidUntilVoceIsTurnedOffForTheSession)
{
    show();
    QStringList commands;
    for (const QAction *command : form->menuBar()->actions())
        commands << command->objectName();
    EXPECT_EQ(commands, (QStringList{"mnuEsci", "mnuStampa", "mnuSalvaPdf", "mnuLettere",
                                     "mnuLivello", "mnuVoce"}));
    ASSERT_TRUE(voiceCommand());
    EXPECT_EQ(voiceCommand()->text(), QStringLiteral("Voce: sì"));
    EXPECT_TRUE(voiceCommand()->isCheckable());
    EXPECT_TRUE(voiceCommand()->isChecked());

    click(13);
    click(1);
    EXPECT_EQ(recorded.said, (std::vector<QString>{"gatto", "gatto"}));
    endPause();
    click(2);
    EXPECT_EQ(recorded.said.size(), 2u);

    voiceCommand()->trigger();
    EXPECT_FALSE(voiceCommand()->isChecked());
    EXPECT_FALSE(voice.isEnabled());
    EXPECT_EQ(recorded.stops, 1) << "the word being said is cut short";
    click(14);
    endPause();
    finishGame();
    EXPECT_EQ(recorded.said.size(), 2u);
    EXPECT_TRUE(praise()->isVisible()) << "the praise is still shown, silently";

    // A game window opened later in the session shows the voice as it was left.
    auto *next = new FormMemory(services);
    EXPECT_FALSE(next->findChild<QAction *>("mnuVoce")->isChecked());
    voice.setEnabled(true);
    delete next;
    next = new FormMemory(services);
    EXPECT_TRUE(next->findChild<QAction *>("mnuVoce")->isChecked());
    delete next;
}

TEST_F(FormMemoryTest, AFinishedGameIsPraisedOverTheBoardForThreeSeconds)
{
    show();
    ASSERT_TRUE(praise());
    EXPECT_FALSE(praise()->isVisible());
    click(0);
    click(1);
    endPause();
    finishGame();
    const QString bravo = QStringLiteral("Bravo! Hai finito in 13 mosse");
    EXPECT_EQ(recorded.said.back(), bravo);
    ASSERT_TRUE(praise()->isVisible());
    EXPECT_EQ(praise()->text(), bravo);
    EXPECT_EQ(caption(), QStringLiteral("mosse =  13"));

    // Across the middle of the board, in letters larger than the cards', taking no clicks.
    DesignSurface *surface = form->surface();
    const QRect band = praise()->geometry();
    EXPECT_TRUE(surface->rect().contains(band));
    EXPECT_NEAR(band.center().x(), surface->rect().center().x(), 1);
    EXPECT_NEAR(band.center().y(), surface->rect().center().y(), 1);
    EXPECT_GT(praise()->font().pixelSize(), 2 * surface->label("Label1", 0)->font().pixelSize());
    EXPECT_NE(surface->childAt(band.center()), praise());
    EXPECT_EQ(surface->grab().toImage().pixelColor(band.left() + 8, band.center().y()),
              QColor(0xFF, 0xFF, 0x80));

    auto *shown = form->findChild<QTimer *>("PraiseBannerTimer");
    ASSERT_TRUE(shown);
    EXPECT_TRUE(shown->isActive());
    EXPECT_TRUE(shown->isSingleShot());
    EXPECT_EQ(shown->interval(), 3000);
    QMetaObject::invokeMethod(shown, "timeout");
    EXPECT_FALSE(praise()->isVisible());

    // A new deal takes the praise of the game before away at once.
    QTest::mouseClick(surface->button("Command1"), Qt::LeftButton);
    finishGame();
    EXPECT_EQ(praise()->text(), QStringLiteral("Bravo! Hai finito in 12 mosse"));
    EXPECT_TRUE(praise()->isVisible());
    QTest::mouseClick(surface->button("Command1"), Qt::LeftButton);
    EXPECT_FALSE(praise()->isVisible());
    EXPECT_EQ(caption(), QStringLiteral("mosse =  12"));
}

TEST_F(FormMemoryTest, ALetterFormRedrawsTheSameDealAndTheWordsAreStillSaidAsListed)
{
    show();
    click(0);
    click(12);
    endPause();
    click(1);

    choose(QStringLiteral("MAIUSCOLO"));
    EXPECT_EQ(form->surface()->label("Label1", 11)->text(), QStringLiteral("NAVE"));
    click(13);
    EXPECT_EQ(recorded.said, (std::vector<QString>{"cane", "gatto"}));
    EXPECT_EQ(readersTable()->cellAt(2, 1)->text(QAccessible::Name), QStringLiteral("gatto"));
    endPause();
    EXPECT_EQ(random.used(), 36u);
    EXPECT_EQ(caption(), QStringLiteral("mosse =  2"));
}

class FormMemoryLevelTest : public FormMemoryTest, public ::testing::WithParamInterface<Level>
{
};

TEST_P(FormMemoryLevelTest, ASmallerDeckLiesCentredOnTheFullGridInCardsOfTheSameSize)
{
    const DeckShape shape = deckShapeOf(GetParam());
    random = dealsInOrder(1);
    random.append(dealInOrder(shape));
    show();
    QRect fullGrid;
    for (int card = 0; card < kCards; ++card)
        fullGrid |= cover(card)->geometry();
    const QRect firstCard = cover(0)->geometry();
    const QPoint steps = cover(7)->pos() - firstCard.topLeft();
    click(0);
    click(12);
    endPause();

    choose(levelCaption(GetParam()));
    EXPECT_EQ(random.used(), random.scripted());
    EXPECT_EQ(caption(), QStringLiteral("mosse = 0"));
    QRect deck;
    for (int card = 0; card < kCards; ++card) {
        QWidget *face =
            form->surface()->control(isPictureCard(card) ? "Image1" : "Label1", slotOf(card));
        const bool dealt = isInDeck(card, shape);
        EXPECT_EQ(cover(card)->isVisible(), dealt) << "card " << card;
        EXPECT_EQ(face->isVisible(), dealt) << "card " << card;
        if (dealt) {
            EXPECT_EQ(face->geometry(), cover(card)->geometry()) << "card " << card;
            deck |= cover(card)->geometry();
        }
    }
    EXPECT_EQ(cover(0)->size(), firstCard.size());
    EXPECT_EQ(cover(shape.columns + 1)->pos() - cover(0)->pos(), steps);
    EXPECT_NEAR(deck.center().x(), fullGrid.center().x(), 1);
    EXPECT_NEAR(deck.center().y(), fullGrid.center().y(), 1);

    // The keyboard's grid and the screen reader's table have the deal's rows and columns.
    EXPECT_EQ(readersTable()->rowCount(), shape.rows);
    EXPECT_EQ(readersTable()->columnCount(), shape.columns);
}

INSTANTIATE_TEST_SUITE_P(SmallerDecks, FormMemoryLevelTest,
                         ::testing::Values(Level::Easy, Level::Medium));

} // namespace
