// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ClassChoices.h"
#include "core/RandomSource.h"
#include "core/WordListStore.h"
#include "memory/FormMemory.h"
#include "memory/MemoryRequirements.h"
#include "platform/Services.h"
#include "platform/design/DesignLabel.h"
#include "platform/design/DesignSurface.h"
#include "platform/voice/VoiceSwitch.h"
#include "support/RecordedVoice.h"
#include "support/ScriptedDialogs.h"
#include "support/Windows.h"
#include "wordsearch/FormCruciPuzzle.h"

#include <QAction>
#include <QFile>
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The games' "Lettere" and "Livello" menus, on the program's own list and pictures.
class GameMenusTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            words.loadWordList(QStringLiteral(ZIBALDO_DATA_DIR "/listaparole.txt")).loaded());
    }
    void TearDown() override { discardWindows(); }

    template <typename Form> Form *open()
    {
        auto *form = new Form(services);
        form->resize(form->surface()->designSize().toSize());
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form));
        return form;
    }
    static void choose(QWidget *form, const char *menu, int index)
    {
        const QString item = QString::fromLatin1(menu) + QStringLiteral("Scelta");
        for (QAction *action : form->findChildren<QAction *>(item))
            if (action->property("index").toInt() == index)
                return action->trigger();
        FAIL() << "no item " << index << " in " << menu;
    }
    static QString menuTitle(QWidget *form, const char *menu)
    {
        return form->findChild<QMenu *>(QString::fromLatin1(menu))->title();
    }
    static QString drawnFamily(const QWidget *widget) { return QFontInfo(widget->font()).family(); }

    QTemporaryDir folder;
    WordListStore words;
    ProgramRandom random{20261208};
    ScriptedDialogs dialogs;
    RecordedVoice recorded;
    SwitchableVoice voice{recorded};
    ClassChoices choices;
    Services services{words, random, dialogs, QStringLiteral(ZIBALDO_DATA_DIR), voice, choices, {}};
};

TEST_F(GameMenusTest, ALetterFormRewritesTheSameBoardAndKeepsTheScores)
{
    auto *form = open<FormCruciPuzzle>();
    EXPECT_EQ(menuTitle(form, "mnuLettere"), QStringLiteral("Lettere: MAIUSCOLO"));
    const CruciPuzzleBoard before = form->game().board();
    const auto cell = [&](int i) { return form->surface()->label("Label1", i); };
    const auto fill = std::find_if(before.cells.begin(), before.cells.end(),
                                   [](const BoardCell &c) { return c.owner == 0; });
    QTest::mouseClick(cell(int(fill - before.cells.begin())), Qt::LeftButton);
    ASSERT_EQ(form->game().wrongAnswers(), 1);

    choose(form, "mnuLettere", 1); // minuscolo
    EXPECT_EQ(menuTitle(form, "mnuLettere"), QStringLiteral("Lettere: minuscolo"));
    EXPECT_EQ(choices.letters(Game::WordSearch), LetterForm::Lowercase);
    EXPECT_EQ(form->game().wrongAnswers(), 1);
    for (int i = 0; i < CruciPuzzleBoard::kCells; ++i) {
        const QString capital = QString::fromUcs4(&before.cells[std::size_t(i)].letter, 1);
        ASSERT_EQ(form->game().board().cells[std::size_t(i)].letter,
                  before.cells[std::size_t(i)].letter);
        ASSERT_EQ(cell(i)->text(), capital.toLower());
    }
    EXPECT_EQ(drawnFamily(cell(0)), QStringLiteral("Andika"));

    choose(form, "mnuLettere", 2); // corsivo
    EXPECT_EQ(drawnFamily(cell(0)), QStringLiteral("Playwrite IT Moderna"));
    choose(form, "mnuLettere", 0);
    EXPECT_EQ(cell(0)->text(), QString::fromUcs4(&before.cells[0].letter, 1));
    EXPECT_EQ(drawnFamily(cell(0)), drawnFamily(form->surface()->label("Label3")));
}

TEST_F(GameMenusTest, ALetterFormRewritesTheSameDealAndTheWindowOpensInTheChosenOne)
{
    choices.setLetters(Game::Memory, LetterForm::Lowercase);
    auto *form = open<FormMemory>();
    EXPECT_EQ(menuTitle(form, "mnuLettere"), QStringLiteral("Lettere: minuscolo"));
    const SlotWords dealt = form->game().words();
    const auto face = [&](int slot) { return form->surface()->label("Label1", slot); };
    EXPECT_EQ(face(0)->text(), dealt[0].toLower());
    EXPECT_EQ(drawnFamily(face(0)), QStringLiteral("Andika"));

    choose(form, "mnuLettere", 1); // MAIUSCOLO
    EXPECT_EQ(form->game().words(), dealt);
    EXPECT_EQ(face(0)->text(), dealt[0].toUpper());
    EXPECT_EQ(drawnFamily(face(0)), drawnFamily(form->surface()->label("Label3")));
    EXPECT_EQ(choices.letters(Game::Memory), LetterForm::Capitals);
}

// Seven words play "Facile" (six pairs), not "Difficile": the level stays, said why.
TEST_F(GameMenusTest, ALevelTheListIsTooShortForIsRefusedAndTheGameGoesOn)
{
    words = WordListStore();
    const QString list = QStringLiteral("%1/sette.txt").arg(folder.path());
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("cane\ngatto\ntopo\nmela\npera\nuva\nsole\n");
    file.close();
    ASSERT_TRUE(words.loadWordList(list).loaded());
    choices.setLevel(Game::Memory, Level::Easy);
    auto *form = open<FormMemory>();
    const SlotWords dealt = form->game().words();

    choose(form, "mnuLivello", 2); // Difficile
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, memoryRefusal(words, Level::Hard));
    EXPECT_EQ(choices.level(Game::Memory), Level::Easy);
    EXPECT_EQ(menuTitle(form, "mnuLivello"), QStringLiteral("Livello: Facile"));
    EXPECT_EQ(form->game().words(), dealt);
    for (QAction *item : form->findChildren<QAction *>(QStringLiteral("mnuLivelloScelta")))
        EXPECT_EQ(item->isChecked(), item->property("index").toInt() == 0);
}

} // namespace
