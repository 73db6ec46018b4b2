// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ClassChoices.h"
#include "memory/Deals.h"
#include "memory/FormMemory.h"
#include "menu/FormMenu.h"
#include "platform/Services.h"
#include "platform/accessibility/GridFocus.h"
#include "platform/design/DesignLabel.h"
#include "platform/design/DesignSurface.h"
#include "platform/pictures/PictureBox.h"
#include "platform/voice/VoiceSwitch.h"
#include "support/Pictures.h"
#include "support/QtPrinting.h"
#include "support/RecordedVoice.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedRandom.h"
#include "title/FormAvvio.h"
#include "wordsearch/BoardScript.h"
#include "wordsearch/FormCruciPuzzle.h"

#include <QAccessible>
#include <QDir>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

namespace {

QAccessibleInterface *readerView(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QString nameOf(QAccessibleInterface *node)
{
    return node ? node->text(QAccessible::Name) : QStringLiteral("(none)");
}

// How many of each role the window's client area shows a screen reader.
std::map<QAccessible::Role, int> rolesOnSurface(DesignWindow *window)
{
    std::map<QAccessible::Role, int> roles;
    QAccessibleInterface *surface = readerView(window->surface());
    for (int i = 0; i < surface->childCount(); ++i)
        ++roles[surface->child(i)->role()];
    return roles;
}

void press(QAccessibleInterface *node)
{
    ASSERT_TRUE(node && node->actionInterface());
    ASSERT_TRUE(
        node->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

QString announced(DesignWindow *window)
{
    for (int i = 0; i < readerView(window->surface())->childCount(); ++i) {
        QAccessibleInterface *node = readerView(window->surface())->child(i);
        if (node->role() == QAccessible::Notification && !node->state().invisible)
            return nameOf(node);
    }
    return {};
}

class ScreenReaderTest : public ::testing::Test
{
protected:
    ScreenReaderTest() { QDir(program.path()).mkdir(QStringLiteral("jpg")); }

    template <typename Form> Form *open(std::unique_ptr<Form> &form)
    {
        form = std::make_unique<Form>(services);
        form->resize(form->surface()->designSize().toSize() +
                     QSize(0, form->menuBar()->sizeHint().height()));
        form->show();
        return form.get();
    }

    QTemporaryDir program;
    WordListStore words;
    ScriptedRandom random{};
    ScriptedDialogs dialogs;
    RecordedVoice recorded;
    SwitchableVoice voice{recorded};
    ClassChoices choices;
    Services services{words, random, dialogs, program.path(), voice, choices, {}};
};

TEST_F(ScreenReaderTest, TheWordSearchIsATableOfLettersBesidePicturesNamedByTheirWords)
{
    // CANE on the top row, LUPO on the sixth, every other cell a Q; LUPO has no picture file.
    loadWords(words, {"CANE", "LUPO"});
    writeJpeg(program.filePath(QStringLiteral("jpg/CANE.jpg")), Qt::red);
    random.append(BoardScript()
                      .pick(1, 2)
                      .pick(2, 2)
                      .attempt(4, BoardScript::Right, 0, 0)
                      .attempt(4, BoardScript::Right, 5, 0)
                      .fill(92)
                      .draws());
    std::unique_ptr<FormCruciPuzzle> form;
    open(form);

    EXPECT_EQ(nameOf(readerView(form.get())), QStringLiteral("Zibaldo – Crucipuzzle"));
    EXPECT_EQ(rolesOnSurface(form.get()), (std::map<QAccessible::Role, int>{
                                              {QAccessible::Graphic, 12},
                                              {QAccessible::StaticText, 4},
                                              {QAccessible::Table, 1},
                                              {QAccessible::Notification, 1},
                                          }))
        << "the letters are read through the table only";
    EXPECT_EQ(nameOf(readerView(form->surface()->picture("Image1", 0))), QStringLiteral("CANE"));
    EXPECT_EQ(nameOf(readerView(form->surface()->picture("Image1", 1))),
              QStringLiteral("nessuna immagine"));
    EXPECT_EQ(nameOf(readerView(form->surface()->picture("Image1", 2))), QString());

    QAccessibleInterface *table = readerView(form->findChild<GridFocus *>());
    ASSERT_TRUE(table && table->tableInterface());
    EXPECT_EQ(table->tableInterface()->rowCount(), 10);
    EXPECT_EQ(table->tableInterface()->columnCount(), 10);
    EXPECT_EQ(table->childCount(), 100);
    QString top, sixth;
    for (int column = 0; column < 10; ++column) {
        top += nameOf(table->tableInterface()->cellAt(0, column));
        sixth += nameOf(table->tableInterface()->cellAt(5, column));
    }
    EXPECT_EQ(top, QStringLiteral("CANEQQQQQQ"));
    EXPECT_EQ(sixth, QStringLiteral("LUPOQQQQQQ"));
    QAccessibleInterface *n = table->tableInterface()->cellAt(0, 2);
    EXPECT_EQ(n->role(), QAccessible::Cell);
    EXPECT_EQ(n->tableCellInterface()->rowIndex(), 0);
    EXPECT_EQ(n->tableCellInterface()->columnIndex(), 2);
    EXPECT_EQ(n->parent(), table);
    EXPECT_EQ(table->indexOfChild(n), 2);

    // A press waits for the screen reader's call to end, then acts as a click.
    press(table->tableInterface()->cellAt(9, 9));
    EXPECT_EQ(form->game().wrongAnswers(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->game().wrongAnswers(), 1);
    EXPECT_EQ(announced(form.get()), QStringLiteral("Sbagliato"));
    QAccessibleInterface *wrongCount = readerView(form->surface()->label("EtichettaErrati"));
    EXPECT_EQ(wrongCount->role(), QAccessible::StaticText);
    EXPECT_EQ(nameOf(wrongCount), form->surface()->label("EtichettaErrati")->text());
    ASSERT_TRUE(wrongCount->textInterface());
    EXPECT_EQ(wrongCount->textInterface()->text(0, wrongCount->textInterface()->characterCount()),
              QStringLiteral(" 1"));

    press(table->tableInterface()->cellAt(0, 0));
    QCoreApplication::processEvents();
    EXPECT_EQ(announced(form.get()), QStringLiteral("Esatto"));
    for (int column : {1, 2, 3})
        press(table->tableInterface()->cellAt(0, column));
    QCoreApplication::processEvents();
    EXPECT_EQ(announced(form.get()), QStringLiteral("Parola trovata: CANE"));
    EXPECT_EQ(table->tableInterface()->cellAt(0, 3)->text(QAccessible::Description),
              QStringLiteral("trovata"));
    EXPECT_EQ(nameOf(readerView(form->surface()->picture("Image1", 0))), QString())
        << "a found word's picture is gone";
}

TEST_F(ScreenReaderTest, MemoryCardsAreButtonsNamedByWhatTheyShow)
{
    loadWords(words, kTwelveWords);
    random.append(dealInOrder());
    std::unique_ptr<FormMemory> form;
    open(form);

    EXPECT_EQ(nameOf(readerView(form.get())), QStringLiteral("Zibaldo – Memory"));
    EXPECT_EQ(rolesOnSurface(form.get()), (std::map<QAccessible::Role, int>{
                                              {QAccessible::Button, 1},
                                              {QAccessible::StaticText, 1},
                                              {QAccessible::Table, 1},
                                              {QAccessible::Notification, 1},
                                          }));
    QAccessibleTableInterface *cards = readerView(form->findChild<GridFocus *>())->tableInterface();
    ASSERT_TRUE(cards);
    EXPECT_EQ(cards->rowCount(), 4);
    EXPECT_EQ(cards->columnCount(), 6);
    EXPECT_EQ(cards->cellAt(0, 0)->role(), QAccessible::Button);
    EXPECT_EQ(nameOf(cards->cellAt(0, 0)), QStringLiteral("carta coperta, riga 1 colonna 1"));
    EXPECT_EQ(nameOf(cards->cellAt(3, 5)), QStringLiteral("carta coperta, riga 4 colonna 6"));

    press(cards->cellAt(0, 1));
    QCoreApplication::processEvents();
    EXPECT_EQ(nameOf(cards->cellAt(0, 1)), QStringLiteral("immagine: gatto"));
    EXPECT_EQ(announced(form.get()), QStringLiteral("immagine: gatto"));
    press(cards->cellAt(2, 1));
    QCoreApplication::processEvents();
    EXPECT_EQ(nameOf(cards->cellAt(2, 1)), QStringLiteral("gatto"));
    EXPECT_EQ(announced(form.get()), QStringLiteral("gatto. Coppia trovata: gatto"));
    EXPECT_EQ(form->game().phase(), PlayPhase::Pause);
}

TEST_F(ScreenReaderTest, TheMenuAndTheTitleAreNamedAndAButtonPressWaitsForTheCallToEnd)
{
    loadWords(words, {"cane", "gatto", "mela"});
    for (const char *word : {"cane", "gatto", "mela"})
        writeJpeg(program.filePath(QStringLiteral("jpg/%1.jpg").arg(word)), Qt::blue);
    random.append({0.0, 0.5 / 3, 1.5 / 3, 2.5 / 3, 0.0});
    std::unique_ptr<FormAvvio> title;
    open(title);
    EXPECT_EQ(nameOf(readerView(title.get())), QStringLiteral("Zibaldo"));
    QStringList seen;
    for (int box = 0; box < 3; ++box)
        seen << nameOf(readerView(title->surface()->picture("Image1", box)));
    EXPECT_EQ(seen, (QStringList{"cane", "gatto", "mela"}));
    EXPECT_EQ(nameOf(readerView(title->surface()->label("Label2", 0))), QStringLiteral("Zibaldo"));

    std::unique_ptr<FormMenu> menu;
    open(menu);
    EXPECT_EQ(nameOf(readerView(menu.get())), QStringLiteral("Zibaldo – Menù"));
    QAccessibleInterface *surface = readerView(menu->surface());
    QStringList buttons;
    for (int i = 0; i < surface->childCount(); ++i) {
        EXPECT_EQ(surface->child(i)->role(), QAccessible::Button);
        buttons << nameOf(surface->child(i));
    }
    EXPECT_EQ(buttons,
              (QStringList{"Crucipuzzle", "Memory", "Componi la parola", "Prepara una lista",
                           "Carica altra lista di parole", "Informazioni", "Esci"}));
    QSignalSpy chosen(menu.get(), &FormMenu::gameChosen);
    press(surface->child(0));
    EXPECT_EQ(chosen.count(), 0);
    QCoreApplication::processEvents();
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].value<Game>(), Game::WordSearch);
}

} // namespace
