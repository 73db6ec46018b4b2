#include "wordsearch/FormCruciPuzzle.h"

#include "BoardScript.h"
#include "app/WordListStore.h"
#include "platform/DesignLabel.h"
#include "platform/DesignSurface.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"
#include "support/Pictures.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedRandom.h"
#include "support/Windows.h"
#include "support/WordLists.h"

#include <QAction>
#include <QDir>
#include <QMenuBar>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
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
    Services services{words, random, dialogs, program.path()};
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

TEST_F(FormCruciPuzzleTest, LeavingAnsweredNoChangesNothingAndYesGoesBackToTheMenu)
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

    dialogs.answers = {true};
    random.append({0.0}); // the menu's colour
    esci->trigger();
    expectReplacedByMenu(form);
}

} // namespace
