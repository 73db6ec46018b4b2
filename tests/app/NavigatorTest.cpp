// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Navigator.h"

#include "compose/ComposeRequirements.h"
#include "core/ClassChoices.h"
#include "core/WordListStore.h"
#include "editor/FormPreparaLista.h"
#include "memory/Deals.h"
#include "memory/FormMemory.h"
#include "memory/MemoryRequirements.h"
#include "menu/FormMenu.h"
#include "platform/Services.h"
#include "platform/design/DesignButton.h"
#include "platform/design/DesignLabel.h"
#include "platform/design/DesignSurface.h"
#include "platform/pictures/PictureBox.h"
#include "platform/voice/VoiceSwitch.h"
#include "support/Files.h"
#include "support/RecordedVoice.h"
#include "support/ScriptedDialogs.h"
#include "support/Windows.h"
#include "title/FormAvvio.h"
#include "wordsearch/BoardScript.h"
#include "wordsearch/FormCruciPuzzle.h"
#include "wordsearch/WordSearchRequirements.h"

#include <QAction>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A word search board of the first ten of the twelve words, word k on row k - 1 from its left
// end, and the draws that build it.
std::vector<double> boardOnRows()
{
    BoardScript script;
    for (int position = 1; position <= 10; ++position)
        script.pick(position, 12);
    int letters = 0;
    for (int slot = 1; slot <= 10; ++slot) {
        const int length = int(kTwelveWords[slot - 1].size());
        script.attempt(length, BoardScript::Right, slot - 1, 0);
        letters += length;
    }
    return script.fill(CruciPuzzleBoard::kCells - letters).draws();
}

// The windows that exist, shown or not; a menu bar's own pop-ups belong to their window.
qsizetype windowCount()
{
    const QWidgetList all = QApplication::topLevelWidgets();
    return std::count_if(all.cbegin(), all.cend(),
                         [](const QWidget *widget) { return !widget->parentWidget(); });
}

// The pupil's way through the whole program, one window at a time, with nothing left behind.
class NavigatorTest : public ::testing::Test
{
protected:
    // Exactly one window of the program is open, of the form given, and every window closed
    // before has been discarded.
    template <typename Form> Form *onlyWindow()
    {
        discardClosedWindows();
        EXPECT_EQ(windowCount(), baseline + 1);
        Form *form = openWindow<Form>();
        EXPECT_TRUE(form);
        EXPECT_EQ(openWindows(), QStringList{form ? form->objectName() : QString()});
        return form;
    }
    static void press(DesignWindow *window, const char *button)
    {
        QTest::mouseClick(window->surface()->button(button), Qt::LeftButton);
    }
    static QColor background(DesignWindow *window)
    {
        return window->surface()->palette().color(QPalette::Window);
    }
    void leaveGame(DesignWindow *game)
    {
        dialogs.answers = {true};
        game->findChild<QAction *>(QStringLiteral("mnuEsci"))->trigger();
    }

    void TearDown() override { discardWindows(); }

    // The title's colour and three pictures, then a click on it: the menu, with the colour drawn
    // first.
    FormMenu *openMenu(double menuColour = 0.0)
    {
        random.append({0.0, 0.5 / 12, 1.5 / 12, 2.5 / 12});
        random.append({menuColour});
        navigator.start();
        QTest::mouseClick(onlyWindow<FormAvvio>()->surface(), Qt::LeftButton, {}, QPoint(5, 5));
        return onlyWindow<FormMenu>();
    }

    QTemporaryDir program;
    WordListStore words = storeOf(kTwelveWords);
    ScriptedRandom random{};
    ScriptedDialogs dialogs;
    RecordedVoice recorded;
    SwitchableVoice voice{recorded};
    ClassChoices choices;
    Services services{words, random, dialogs, program.path(), voice, choices, {}};
    Navigator navigator{services};
    const qsizetype baseline = windowCount();
};

TEST_F(NavigatorTest, FromTheTitleThroughBothGamesToTheEnd)
{
    FormMenu *menu = openMenu();
    ASSERT_TRUE(menu);
    random.append(boardOnRows());
    random.append(boardOnRows());
    EXPECT_EQ(background(menu), QColor(0xFF, 0xC0, 0xC0));
    press(menu, "Command13");

    // Every word found: the board is replaced at once.
    FormCruciPuzzle *wordSearch = onlyWindow<FormCruciPuzzle>();
    ASSERT_TRUE(wordSearch);
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < int(kTwelveWords[row].size()); ++column)
            QTest::mouseClick(wordSearch->surface()->label("Label1", row * 10 + column),
                              Qt::LeftButton);
    }
    EXPECT_EQ(wordSearch->game().rightAnswers(), 10);
    EXPECT_EQ(wordSearch->game().wrongAnswers(), 0);
    std::vector<QString> found(kTwelveWords.begin(), kTwelveWords.begin() + 9);
    found.push_back(QStringLiteral("Bravo!"));
    EXPECT_EQ(recorded.said, found);
    EXPECT_EQ(random.used(), random.scripted()) << "a second board was built";

    random.append({0.5});
    leaveGame(wordSearch);
    menu = onlyWindow<FormMenu>();
    ASSERT_TRUE(menu);
    EXPECT_EQ(background(menu), QColor(0xC0, 0x40, 0x00)) << "a new colour for the new menu";

    random.append(dealInOrder());
    press(menu, "Command15");
    FormMemory *memory = onlyWindow<FormMemory>();
    ASSERT_TRUE(memory);
    QTimer *pause = memory->findChild<QTimer *>(QStringLiteral("Timer1"));
    for (int card = 0; card < 12; ++card) {
        for (int turned : {card, card + 12})
            QTest::mouseClick(memory->surface()->label("Label2", turned), Qt::LeftButton, {},
                              QPoint(5, 5));
        QMetaObject::invokeMethod(pause, "timeout");
    }
    EXPECT_EQ(memory->surface()->label("Label3")->text(), QStringLiteral("mosse =  12"));

    random.append({0.9});
    leaveGame(memory);
    menu = onlyWindow<FormMenu>();
    ASSERT_TRUE(menu);
    EXPECT_EQ(background(menu), QColor(0xFF, 0xC0, 0xFF));

    dialogs.answers = {true};
    press(menu, "BottoneEsci");
    discardClosedWindows();
    EXPECT_TRUE(openWindows().isEmpty());
    EXPECT_EQ(windowCount(), baseline) << "every window discarded";
    EXPECT_EQ(random.used(), random.scripted());

    QStringList questions;
    for (const ScriptedDialogs::Shown &box : dialogs.shown)
        questions << box.text;
    EXPECT_EQ(questions, (QStringList{"Vuoi tornare al menù? ", "vuoi tornare al menù? ",
                                      "sicuro di voler terminare?"}));
}

// Counts the mouse presses the program receives.
class MouseWatch : public QObject
{
public:
    MouseWatch() { qApp->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        presses += event->type() == QEvent::MouseButtonPress || event->type() == QEvent::TouchBegin;
        return false;
    }
    int presses = 0;
};

// A key on whatever holds the keyboard in the window now open.
void type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1)
{
    auto *window = openWindow<DesignWindow>();
    ASSERT_TRUE(window);
    for (int i = 0; i < times; ++i)
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, key, modifiers);
}

// From the first cell of a grid to `cell` of a grid `columns` wide.
void goToCell(int cell, int columns)
{
    type(Qt::Key_Home, Qt::ControlModifier);
    type(Qt::Key_Down, Qt::NoModifier, cell / columns);
    type(Qt::Key_Right, Qt::NoModifier, cell % columns);
}

TEST_F(NavigatorTest, TheWholeProgramIsPlayedFromTheKeyboardAlone)
{
    MouseWatch mouse;
    random.append({0.0, 0.5 / 12, 1.5 / 12, 2.5 / 12});
    random.append({0.0});
    navigator.start();
    ASSERT_TRUE(onlyWindow<FormAvvio>());
    type(Qt::Key_Return);
    ASSERT_TRUE(onlyWindow<FormMenu>());

    // "Esci" holds the focus; Tab leads to "Crucipuzzle".
    random.append(boardOnRows());
    random.append(boardOnRows());
    type(Qt::Key_Tab);
    type(Qt::Key_Return);
    FormCruciPuzzle *wordSearch = onlyWindow<FormCruciPuzzle>();
    ASSERT_TRUE(wordSearch);
    for (int row = 0; row < 10; ++row) {
        goToCell(row * 10, 10);
        for (int column = 0; column < int(kTwelveWords[row].size()); ++column) {
            type(Qt::Key_Space);
            type(Qt::Key_Right);
        }
    }
    EXPECT_EQ(wordSearch->game().rightAnswers(), 10);
    EXPECT_EQ(wordSearch->game().wrongAnswers(), 0);
    random.append({0.5});
    dialogs.answers = {true};
    type(Qt::Key_Escape);
    ASSERT_TRUE(onlyWindow<FormMenu>());

    // Memory lies three stops further on; Tab leads from "ricomincia" to the cards.
    random.append(dealInOrder());
    type(Qt::Key_Tab, Qt::NoModifier, 3);
    type(Qt::Key_Space);
    FormMemory *memory = onlyWindow<FormMemory>();
    ASSERT_TRUE(memory);
    type(Qt::Key_Tab);
    QTimer *pause = memory->findChild<QTimer *>(QStringLiteral("Timer1"));
    for (int card = 0; card < 12; ++card) {
        goToCell(card, 6);
        type(Qt::Key_Return);
        type(Qt::Key_Down, Qt::NoModifier, 2);
        type(Qt::Key_Return);
        QMetaObject::invokeMethod(pause, "timeout");
    }
    EXPECT_EQ(memory->surface()->label("Label3")->text(), QStringLiteral("mosse =  12"));
    for (int card = 0; card < 24; ++card)
        EXPECT_TRUE(memory->game().isFaceUp(card)) << card;
    random.append({0.9});
    dialogs.answers = {true};
    type(Qt::Key_Escape);
    ASSERT_TRUE(onlyWindow<FormMenu>());

    // The information box, then another list, with its pictures: "Informazioni" two stops on,
    // the list four further, past "Memory", "Componi la parola" and "Prepara una lista".
    type(Qt::Key_Tab, Qt::NoModifier, 2);
    type(Qt::Key_Return);
    const QString list = program.filePath(QStringLiteral("sole.txt"));
    writeFile(list, "sole\r\nluna\r\n");
    QDir(program.path()).mkpath(QStringLiteral("jpg"));
    writeFile(program.filePath("jpg/sole.jpg"), "");
    writeFile(program.filePath("jpg/luna.jpg"), "");
    dialogs.fileNames = {list};
    type(Qt::Key_Tab, Qt::NoModifier, 4);
    type(Qt::Key_Space);
    EXPECT_EQ(words.wordCount(), 2);

    // Back round to "Esci", and Yes.
    dialogs.answers = {true};
    type(Qt::Key_Tab);
    type(Qt::Key_Return);
    discardClosedWindows();
    EXPECT_TRUE(openWindows().isEmpty());
    EXPECT_EQ(random.used(), random.scripted());
    EXPECT_EQ(mouse.presses, 0);

    QStringList boxes;
    for (const ScriptedDialogs::Shown &box : dialogs.shown)
        boxes << box.text.section(QLatin1Char('\n'), 0, 0);
    EXPECT_EQ(boxes, (QStringList{"Vuoi tornare al menù? ", "vuoi tornare al menù? ",
                                  dialogs.shown[2].text.section(QLatin1Char('\n'), 0, 0),
                                  program.path() +
                                      "|*.TXT (*.txt);;Elenchi (*.txt *.csv);;Tutti i file (*)",
                                  "sicuro di voler terminare?"}));
    EXPECT_EQ(dialogs.shown[2].kind, ScriptedDialogs::Kind::Information);
}

TEST_F(NavigatorTest, AGameTheListIsTooPoorForIsRefusedAndTheMenuStays)
{
    FormMenu *menu = openMenu();
    ASSERT_TRUE(menu);
    loadWords(words, {"precipitevolissimevolmente"});
    press(menu, "Command13");
    press(menu, "Command15");
    press(menu, "Command17");
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[0].text, wordSearchRefusal(words));
    EXPECT_EQ(dialogs.shown[1].text, memoryRefusal(words, Level::Hard));
    EXPECT_EQ(dialogs.shown[1].kind, ScriptedDialogs::Kind::Critical);
    EXPECT_EQ(dialogs.shown[2].text, composeRefusal(words, Level::Hard));
    EXPECT_EQ(onlyWindow<FormMenu>(), menu);
    EXPECT_EQ(random.used(), random.scripted());
}

TEST_F(NavigatorTest, AListLoadedInTheMenuFeedsTheNextGame)
{
    FormMenu *menu = openMenu();
    ASSERT_TRUE(menu);
    const QString list = program.filePath(QStringLiteral("sole.txt"));
    writeFile(list, "sole\r\n");
    dialogs.fileNames = {list};
    press(menu, "Command1");
    random.append(BoardScript().pick(1, 1).attempt(4, BoardScript::Right, 0, 0).fill(96).draws());
    press(menu, "Command13");
    FormCruciPuzzle *game = onlyWindow<FormCruciPuzzle>();
    ASSERT_TRUE(game);
    ASSERT_EQ(game->game().board().laidWords.size(), 1u);
    EXPECT_EQ(game->game().board().laidWords[0].word, QStringLiteral("sole"));
}

// "Voce" turned off in one game stays off in the next: one switch for the whole session.
TEST_F(NavigatorTest, TheVoiceStaysAsTurnedFromOneGameToTheNext)
{
    FormMenu *menu = openMenu();
    ASSERT_TRUE(menu);
    random.append(boardOnRows());
    press(menu, "Command13");
    FormCruciPuzzle *wordSearch = onlyWindow<FormCruciPuzzle>();
    ASSERT_TRUE(wordSearch);
    QTest::mouseClick(wordSearch->surface()->picture("Image1", 0), Qt::LeftButton);
    EXPECT_EQ(recorded.said, std::vector<QString>{"cane"});
    wordSearch->findChild<QAction *>(QStringLiteral("mnuVoce"))->trigger();
    QTest::mouseClick(wordSearch->surface()->picture("Image1", 1), Qt::LeftButton);

    random.append({0.5});
    leaveGame(wordSearch);
    menu = onlyWindow<FormMenu>();
    ASSERT_TRUE(menu);
    random.append(dealInOrder());
    press(menu, "Command15");
    FormMemory *memory = onlyWindow<FormMemory>();
    ASSERT_TRUE(memory);
    QAction *voce = memory->findChild<QAction *>(QStringLiteral("mnuVoce"));
    EXPECT_FALSE(voce->isChecked());
    QTest::mouseClick(memory->surface()->label("Label2", 12), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(recorded.said.size(), 1u);
    voce->trigger();
    QTest::mouseClick(memory->surface()->label("Label2", 13), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(recorded.said.back(), QStringLiteral("gatto"));
    EXPECT_EQ(random.used(), random.scripted());
}

} // namespace

namespace {

TEST_F(NavigatorTest, TheMenuLeadsToTheListEditorAndBack)
{
    FormMenu *menu = openMenu();
    press(menu, "Command16");
    discardClosedWindows();
    EXPECT_EQ(windowCount(), baseline + 1);
    FormPreparaLista *editor = openWindow<FormPreparaLista>();
    ASSERT_TRUE(editor);
    EXPECT_TRUE(editor->isMaximized());
    EXPECT_TRUE(openWindows().isEmpty()); // the menu is gone

    random.append({0.0}); // the new menu's colour
    editor->findChild<QAction *>(QStringLiteral("TornaAlMenu"))->trigger();
    onlyWindow<FormMenu>();
    EXPECT_TRUE(dialogs.shown.empty());
}

} // namespace
