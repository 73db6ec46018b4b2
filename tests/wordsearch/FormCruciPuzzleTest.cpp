// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordsearch/FormCruciPuzzle.h"

#include "BoardScript.h"
#include "core/ClassChoices.h"
#include "core/WordListStore.h"
#include "platform/Services.h"
#include "platform/accessibility/GridFocus.h"
#include "platform/design/DesignLabel.h"
#include "platform/design/DesignSurface.h"
#include "platform/pictures/PictureBox.h"
#include "platform/voice/VoiceSwitch.h"
#include "support/Pictures.h"
#include "support/RecordedVoice.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedRandom.h"
#include "support/Windows.h"
#include "support/WordLists.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using D = BoardScript::Direction;

class FormCruciPuzzleTest : public ::testing::Test
{
protected:
    // CANE on the top row and LUPO on the sixth, every other cell a Q; opened at scale 1.
    void SetUp() override
    {
        loadWords(words, {"CANE", "LUPO"});
        QDir(program.path()).mkdir(QStringLiteral("jpg"));
        writeJpeg(program.filePath(QStringLiteral("jpg/CANE.jpg")), Qt::red);
        writeJpeg(program.filePath(QStringLiteral("jpg/LUPO.jpg")), Qt::gray);
        form = new FormCruciPuzzle(services);
        form->resize(form->surface()->designSize().toSize() +
                     QSize(0, form->menuBar()->sizeHint().height()));
        form->show();
        ASSERT_DOUBLE_EQ(form->surface()->scale(), 1.0);
    }

    void TearDown() override
    {
        delete form;
        EXPECT_EQ(random.used(), random.scripted()) << "the board was built once";
    }

    DesignLabel *label(const char *name, int index = -1)
    {
        return form->surface()->label(name, index);
    }
    PictureBox *picture(const char *name, int index = -1)
    {
        return form->surface()->picture(name, index);
    }
    void click(int cell) { QTest::mouseClick(label("Label1", cell), Qt::LeftButton); }
    void chooseLevel(Level level)
    {
        for (QAction *choice : form->findChildren<QAction *>(QStringLiteral("mnuLivelloScelta")))
            if (levelsOf()[std::size_t(choice->property("index").toInt())] == level)
                choice->trigger();
    }
    // The level shown: the arrows beside the pictures, the grid's description, the picture boxes.
    void expectLevelShown(FormCruciPuzzle *window, const char *arrows, const char *description,
                          int pictures)
    {
        const DesignLabel *shown = window->surface()->label("lblDirezioni");
        EXPECT_EQ(shown->text().split(u'\n').join(u' '), QString::fromUtf8(arrows));
        const QRect drawn = QFontMetrics(shown->font())
                                .boundingRect(shown->rect(), Qt::AlignHCenter, shown->text());
        EXPECT_TRUE(shown->rect().contains(drawn)) << "in their column";
        EXPECT_EQ(window->findChild<GridFocus *>()->accessibleDescription(),
                  QString::fromUtf8(description));
        for (int box = 0; box < CruciPuzzleBoard::kWordsPerBoard; ++box) {
            EXPECT_EQ(window->surface()->picture("Image1", box)->isVisibleTo(window),
                      box < pictures);
        }
    }
    bool iconShown(const char *name) { return picture(name)->isVisibleTo(form); }

    QTemporaryDir program;
    WordListStore words;
    ScriptedRandom random{BoardScript()
                              .pick(1, 2)
                              .pick(2, 2)
                              .attempt(4, D::Right, 0, 0)
                              .attempt(4, D::Right, 5, 0)
                              .fill(92)
                              .draws()};
    ScriptedDialogs dialogs;
    RecordedVoice recorded;
    SwitchableVoice voice{recorded};
    ClassChoices choices;
    Services services{words, random, dialogs, program.path(), voice, choices, {}};
    QPointer<FormCruciPuzzle> form;
};

TEST_F(FormCruciPuzzleTest, ControlsStandAtTheirDesignPlaces)
{
    EXPECT_EQ(form->objectName(), QStringLiteral("FormCruciPuzzle"));
    EXPECT_EQ(label("Label1", 0)->geometry(), QRect(8, 16, 41, 41));
    EXPECT_EQ(label("Label1", 37)->geometry(), QRect(288, 136, 41, 41));
    EXPECT_EQ(label("Label1", 99)->geometry(), QRect(368, 376, 41, 41));
    EXPECT_EQ(picture("Image1", 8)->geometry(), QRect(504, 352, 73, 65));
    EXPECT_EQ(picture("Image1", 9)->geometry(), QRect(416, 352, 73, 65));
    EXPECT_EQ(picture("ComandoIconaSi")->geometry(), QRect(424, 8, 49, 49));
    EXPECT_EQ(picture("ComandoIconaNo")->geometry(), QRect(424, 8, 49, 49));
    EXPECT_EQ(label("Label1", 37)->font().pixelSize(), 35);
    EXPECT_EQ(label("Label3")->text(), QStringLiteral("Esatti"));
    EXPECT_EQ(label("Label2")->text(), QStringLiteral("Errati"));
    EXPECT_EQ(form->findChildren<QAction *>(QStringLiteral("mnuEsci")).size(), 1);

    // The board as built: letters in the cells, the words' pictures, scores at 0.
    EXPECT_EQ(label("Label1", 0)->text(), QStringLiteral("C"));
    EXPECT_EQ(label("Label1", 53)->text(), QStringLiteral("O"));
    EXPECT_EQ(label("Label1", 37)->text(), QStringLiteral("Q"));
    EXPECT_EQ(label("Label1", 37)->background(), QColor(Qt::white));
    PictureBox::waitForPictures();
    EXPECT_EQ(picture("Image1", 0)->content(), PictureBox::Content::Picture);
    EXPECT_EQ(picture("Image1", 1)->pictureFile(),
              program.filePath(QStringLiteral("jpg/LUPO.jpg")));
    EXPECT_EQ(picture("Image1", 2)->content(), PictureBox::Content::Nothing);
    EXPECT_EQ(label("EtichettaEsatti")->text(), QStringLiteral(" 0"));
    EXPECT_EQ(label("EtichettaErrati")->text(), QStringLiteral(" 0"));

    // Both icons stand, the right answer's in front; the window's green around them.
    EXPECT_TRUE(iconShown("ComandoIconaSi") && iconShown("ComandoIconaNo"));
    const QImage shot = form->surface()->grab().toImage();
    const QColor disc = shot.pixelColor(448, 18); // the top of the icons' white disc
    EXPECT_GT(std::min({disc.red(), disc.green(), disc.blue()}), 0xE0) << disc.name().toStdString();
    EXPECT_EQ(shot.pixelColor(426, 10), QColor(0x00, 0x80, 0x00));
    EXPECT_EQ(shot.pixelColor(600, 40), QColor(0x00, 0x80, 0x00)); // behind the scores
}

TEST_F(FormCruciPuzzleTest, TheIconsAndScoresFollowTheAnswers)
{
    click(99);
    click(99);
    EXPECT_EQ(label("EtichettaErrati")->text(), QStringLiteral(" 2"));
    EXPECT_TRUE(iconShown("ComandoIconaNo"));
    EXPECT_FALSE(iconShown("ComandoIconaSi"));
    EXPECT_EQ(label("Label1", 99)->background(), QColor(Qt::white));

    for (int cell : {3, 1, 0}) {
        click(cell);
        EXPECT_EQ(label("Label1", cell)->background(), QColor(Qt::yellow));
    }
    EXPECT_TRUE(iconShown("ComandoIconaNo"));
    PictureBox::waitForPictures();
    EXPECT_EQ(picture("Image1", 0)->content(), PictureBox::Content::Picture);
    click(2);
    EXPECT_TRUE(iconShown("ComandoIconaSi"));
    EXPECT_FALSE(iconShown("ComandoIconaNo"));
    EXPECT_EQ(label("EtichettaEsatti")->text(), QStringLiteral(" 1"));
    EXPECT_EQ(label("EtichettaErrati")->text(), QStringLiteral(" 2"));
    EXPECT_EQ(picture("Image1", 0)->content(), PictureBox::Content::Nothing);
}

TEST_F(FormCruciPuzzleTest, LeavingAnsweredNoChangesNothingAndYesSaysSo)
{
    click(99);
    click(0);
    QAction *esci = form->findChild<QAction *>(QStringLiteral("mnuEsci"));
    dialogs.answers = {false};
    esci->trigger();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, ScriptedDialogs::Kind::Question);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Vuoi tornare al menù? "));
    // Coming back to the window does not build a new board.
    form->hide();
    form->show();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(label("EtichettaErrati")->text(), QStringLiteral(" 1"));
    EXPECT_EQ(label("Label1", 0)->background(), QColor(Qt::yellow));
    EXPECT_EQ(label("Label1", 1)->text(), QStringLiteral("A"));
    EXPECT_TRUE(iconShown("ComandoIconaNo"));
    EXPECT_FALSE(iconShown("ComandoIconaSi"));

    QSignalSpy leave(form, &FormCruciPuzzle::leaveConfirmed);
    dialogs.answers = {true};
    esci->trigger();
    EXPECT_EQ(leave.count(), 1);
}

TEST_F(FormCruciPuzzleTest, PicturesSayTheirWordsAndFoundWordsAreSaid)
{
    QTest::mouseClick(picture("Image1", 1), Qt::LeftButton);
    QTest::mouseClick(picture("Image1", 2), Qt::LeftButton); // no word in that slot
    EXPECT_EQ(recorded.said, std::vector<QString>{"LUPO"});
    for (int cell : {99, 0, 1, 2})
        click(cell);
    EXPECT_EQ(recorded.said.size(), 1u);
    EXPECT_EQ(label("EtichettaErrati")->text(), QStringLiteral(" 1"));
    click(3);
    EXPECT_EQ(recorded.said.back(), QStringLiteral("CANE"));
    QTest::mouseClick(picture("Image1", 0), Qt::LeftButton); // found: no picture there now
    EXPECT_EQ(recorded.said.size(), 2u);

    QAction *voce = form->findChild<QAction *>(QStringLiteral("mnuVoce"));
    ASSERT_TRUE(voce);
    EXPECT_EQ(voce->text(), QStringLiteral("Voce: sì"));
    EXPECT_TRUE(voce->isChecked());
    voce->trigger();
    EXPECT_EQ(voce->text(), QStringLiteral("Voce: no"));
    QTest::mouseClick(picture("Image1", 1), Qt::LeftButton);
    click(50);
    EXPECT_EQ(recorded.said.size(), 2u);
    voce->trigger();
    QTest::mouseClick(picture("Image1", 1), Qt::LeftButton);
    EXPECT_EQ(recorded.said.back(), QStringLiteral("LUPO"));
    EXPECT_EQ(recorded.said.size(), 3u);
}

TEST_F(FormCruciPuzzleTest, ASolvedBoardIsPraisedForTwoSecondsOverTheNewBoard)
{
    // The next board: LUPO and then CANE on the bottom row.
    random.append(BoardScript()
                      .pick(2, 2)
                      .pick(1, 2)
                      .attempt(4, D::Right, 9, 0)
                      .attempt(4, D::Right, 9, 6)
                      .fill(92)
                      .draws());
    for (int cell : {0, 1, 2, 3, 50, 51, 52})
        click(cell);
    auto *praise = form->findChild<QLabel *>(QStringLiteral("PraiseBanner"));
    ASSERT_TRUE(praise);
    EXPECT_FALSE(praise->isVisible());
    click(53);
    EXPECT_EQ(recorded.said, (std::vector<QString>{"CANE", "Bravo!"}));
    ASSERT_TRUE(praise->isVisible());
    EXPECT_EQ(praise->text(), QStringLiteral("Bravo!"));
    EXPECT_EQ(label("EtichettaEsatti")->text(), QStringLiteral(" 2"));

    // The new board is there under it, and open to clicks.
    EXPECT_EQ(label("Label1", 50)->background(), QColor(Qt::white));
    PictureBox::waitForPictures();
    EXPECT_EQ(picture("Image1", 0)->content(), PictureBox::Content::Picture);
    EXPECT_TRUE(praise->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_NE(form->surface()->childAt(praise->geometry().center()), praise);
    click(90);
    EXPECT_EQ(label("Label1", 90)->background(), QColor(Qt::yellow));

    auto *shown = form->findChild<QTimer *>(QStringLiteral("PraiseBannerTimer"));
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->interval(), 2000);
    EXPECT_TRUE(shown->isActive());
    QMetaObject::invokeMethod(shown, "timeout");
    EXPECT_FALSE(praise->isVisible());
}

TEST_F(FormCruciPuzzleTest, TheGridIsPlayedFromTheKeyboardAsWithClicks)
{
    QWidget *grid = form->focusWidget();
    ASSERT_TRUE(qobject_cast<GridFocus *>(grid))
        << "the grid holds the focus when the window opens";
    // C A N E along the top row: Space, Enter, then End and back to the E.
    QTest::keyClick(grid, Qt::Key_Space);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(grid, Qt::Key_End);
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(form->game().rightAnswers(), 0);
    EXPECT_EQ(form->game().wrongAnswers(), 1) << "the Q at the row's end";
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(grid, Qt::Key_Left);
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(form->game().rightAnswers(), 1) << "CANE found";
    EXPECT_EQ(label("Label1", 3)->background(), QColor(Qt::yellow));
    // Ctrl+End reaches the last cell, a Q; Ctrl+Home the first, already found.
    QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::keyClick(grid, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(form->game().wrongAnswers(), 2);
    EXPECT_EQ(form->game().rightAnswers(), 1);
}

TEST_F(FormCruciPuzzleTest, ATapOnALetterIsAClick)
{
    const std::unique_ptr<QPointingDevice> screen(QTest::createTouchDevice());
    const QPoint middle = label("Label1", 0)->geometry().center();
    QTest::touchEvent(form->surface(), screen.get()).press(0, middle);
    QTest::touchEvent(form->surface(), screen.get()).release(0, middle);
    QCoreApplication::processEvents();
    EXPECT_EQ(label("Label1", 0)->background(), QColor(Qt::yellow));
    EXPECT_EQ(form->game().wrongAnswers(), 0);
}

TEST_F(FormCruciPuzzleTest, EscapeF10AndTheWindowManagersCloseAskTheLeaveQuestion)
{
    QSignalSpy leave(form, &FormCruciPuzzle::leaveConfirmed);
    dialogs.answers = {false, true};
    QTest::keyClick(form->focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(leave.count(), 0);
    QTest::keyClick(form->focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(leave.count(), 1);

    // F10 takes the keyboard to the menu bar's "Esci"; Enter asks, and No gives it back.
    QWidget *grid = form->focusWidget();
    dialogs.answers = {false};
    QTest::keyClick(grid, Qt::Key_F10);
    ASSERT_EQ(form->focusWidget(), form->menuBar());
    EXPECT_EQ(form->menuBar()->activeAction()->objectName(), QStringLiteral("mnuEsci"));
    QTest::keyClick(form->menuBar(), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->focusWidget(), grid);
    QTest::keyClick(grid, Qt::Key_F10);
    QTest::keyClick(form->menuBar(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->focusWidget(), grid) << "Escape leaves the menu bar without asking";

    // Alt+F4: the window manager's close is held while the question is asked.
    dialogs.answers = {false, true};
    for (int time = 0; time < 2; ++time) {
        EXPECT_FALSE(closeAsTheWindowSystemDoes(form));
    }
    EXPECT_EQ(leave.count(), 2);
    EXPECT_TRUE(form->isVisible()) << "the navigator closes it";
    QStringList asked;
    for (const ScriptedDialogs::Shown &box : dialogs.shown)
        asked << box.text;
    EXPECT_EQ(asked, QStringList(5, QStringLiteral("Vuoi tornare al menù? ")));

    // The program's own close does not ask.
    EXPECT_TRUE(form->close());
    EXPECT_EQ(dialogs.shown.size(), 5u);
}

TEST_F(FormCruciPuzzleTest, AnotherLevelStartsAfreshWithItsPicturesAndArrows)
{
    expectLevelShown(form, "→ ↓ ↘ ↗ ← ↑ ↖ ↙", "parole →, ↓, ↘, ↗, ←, ↑, ↖ e ↙", 10);
    click(99);
    click(0);

    // LUPO down the last column, CANE along the bottom row.
    random.append(BoardScript(Level::Easy)
                      .pick(2, 2)
                      .pick(1, 2)
                      .attempt(4, D::Down, 0, 9)
                      .attempt(4, D::Right, 9, 0)
                      .fill(92)
                      .draws());
    chooseLevel(Level::Easy);
    EXPECT_EQ(choices.level(Game::WordSearch), Level::Easy);
    expectLevelShown(form, "→ ↓", "parole → e ↓", 6);
    EXPECT_EQ(label("EtichettaErrati")->text(), QStringLiteral(" 0"));
    EXPECT_TRUE(iconShown("ComandoIconaSi") && iconShown("ComandoIconaNo"));
    EXPECT_EQ(label("Label1", 0)->background(), QColor(Qt::white));
    EXPECT_EQ(label("Label1", 39)->text(), QStringLiteral("O"));
    PictureBox::waitForPictures();
    EXPECT_EQ(picture("Image1", 0)->pictureFile(),
              program.filePath(QStringLiteral("jpg/LUPO.jpg")));
}

TEST_F(FormCruciPuzzleTest, AWindowOpensAtTheClassLevel)
{
    choices.setLevel(Game::WordSearch, Level::Medium);
    random.append(BoardScript(Level::Medium)
                      .pick(1, 2)
                      .pick(2, 2)
                      .attempt(4, D::Right, 0, 0)
                      .attempt(4, D::Down, 1, 0)
                      .fill(92)
                      .draws());
    FormCruciPuzzle medium(services);
    medium.show();
    EXPECT_EQ(medium.game().level(), Level::Medium);
    EXPECT_EQ(medium.surface()->label("Label1", 40)->text(), QStringLiteral("O"));
    expectLevelShown(&medium, "→ ↓ ↘ ↗", "parole →, ↓, ↘ e ↗", 8);
}

TEST_F(FormCruciPuzzleTest, TheMenuBarGrowsWithTheWindow)
{
    QCoreApplication::processEvents();
    const int small = QFontInfo(form->menuBar()->font()).pixelSize();
    const int low = form->menuBar()->height();
    EXPECT_GE(small, QFontInfo(QApplication::font(form->menuBar())).pixelSize());
    form->resize(form->size() * 3);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_GE(QFontInfo(form->menuBar()->font()).pixelSize(), 2 * small);
    EXPECT_GT(form->menuBar()->height(), low) << "\"Esci\" grows with it";
}

} // namespace
