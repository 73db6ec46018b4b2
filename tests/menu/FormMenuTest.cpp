// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/FormMenu.h"

#include "core/ClassChoices.h"
#include "core/WordListStore.h"
#include "memory/Deals.h"
#include "platform/Services.h"
#include "platform/design/DesignButton.h"
#include "platform/design/DesignSurface.h"
#include "platform/voice/VoiceSwitch.h"
#include "support/Files.h"
#include "support/RecordedVoice.h"
#include "support/ScriptedDialogs.h"
#include "support/Windows.h"

#include <QDir>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using Kind = ScriptedDialogs::Kind;

class FormMenuTest : public ::testing::Test
{
protected:
    // The first draw is the menu's colour: the palette's first entry, #FFC0C0.
    void open()
    {
        form = new FormMenu(services);
        form->resize(form->surface()->designSize().toSize());
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
        ASSERT_DOUBLE_EQ(form->surface()->scale(), 1.0);
    }
    void TearDown() override { discardWindows(); }

    DesignButton *button(const char *name) const { return form->surface()->button(name); }
    void click(const char *name) const { QTest::mouseClick(button(name), Qt::LeftButton); }
    QString listFile(const char *name, const QByteArray &contents) const
    {
        const QString path = program.filePath(QString::fromLatin1(name));
        writeFile(path, contents);
        return path;
    }

    QTemporaryDir program;
    WordListStore words = storeOf(kTwelveWords);
    ScriptedRandom random{0.0};
    ScriptedDialogs dialogs;
    RecordedVoice recorded;
    SwitchableVoice voice{recorded};
    ClassChoices choices;
    Services services{words, random, dialogs, program.path(), voice, choices, {}};
    QPointer<FormMenu> form;
};

TEST_F(FormMenuTest, ButtonsStandInTheirColumnWithTheMenuCursorAndEsciHoldingTheFocus)
{
    open();
    EXPECT_EQ(form->objectName(), QStringLiteral("FormMenu"));
    EXPECT_EQ(form->surface()->palette().color(QPalette::Window), QColor(0xFF, 0xC0, 0xC0));
    EXPECT_EQ(button("Command13")->geometry(), QRect(128, 16, 225, 57));
    EXPECT_EQ(button("BottoneEsci")->geometry(), QRect(128, 368, 225, 81));
    // "Componi la parola" and "Prepara una lista" share the band between "Memory" and "Carica
    // altra lista di parole": as large as each other, in Memory's font, with even gaps.
    const QRect compose = button("Command17")->geometry();
    const QRect prepare = button("Command16")->geometry();
    EXPECT_EQ(prepare.size(), compose.size());
    const int gap = compose.top() - button("Command15")->geometry().bottom();
    EXPECT_GE(gap, 7);
    EXPECT_EQ(prepare.top() - compose.bottom(), gap);
    EXPECT_EQ(button("Command1")->geometry().top() - prepare.bottom(), gap);
    for (const char *name : {"Command17", "Command16"}) {
        EXPECT_EQ(button(name)->font(), button("Command15")->font()) << name;
        EXPECT_TRUE(button(name)->rect().contains(button(name)->captionRect())) << name;
    }

    // Tab runs through Esci, Crucipuzzle, Informazioni, Memory, Componi, Prepara, Carica.
    QStringList order;
    for (int i = 0; i < 7; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, (QStringList{"BottoneEsci", "Command13", "Command14", "Command15", "Command17",
                                  "Command16", "Command1"}));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("BottoneEsci"));

    for (const char *name : {"Command13", "Command15", "Command17", "Command16", "Command1",
                             "Command14", "BottoneEsci"}) {
        const QCursor cursor = button(name)->cursor();
        EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32)) << name;
        EXPECT_EQ(cursor.hotSpot(), QPoint(3, 1)) << name;
    }
    EXPECT_EQ(form->surface()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(button("BottoneEsci")->iconSize(), QSize(32, 32));

    // The longest caption wraps onto two lines, both inside its button.
    DesignButton *load = button("Command1");
    EXPECT_GE(load->captionRect().height(), 2 * load->fontMetrics().height());
    EXPECT_TRUE(load->rect().contains(load->captionRect()));
}

TEST_F(FormMenuTest, EnterOrSpaceRightAfterOpeningAsksToEndAndOnlyYesEnds)
{
    open();
    QSignalSpy quit(form, &FormMenu::quitConfirmed);
    dialogs.answers = {false, false, true};
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].kind, Kind::Question);
    EXPECT_EQ(dialogs.shown[1].text, QStringLiteral("sicuro di voler terminare?"));
    EXPECT_EQ(quit.count(), 0);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(quit.count(), 1);
}

TEST_F(FormMenuTest, TheGamesAreAskedFor)
{
    open();
    QSignalSpy chosen(form, &FormMenu::gameChosen);
    click("Command13");
    click("Command15");
    click("Command17");
    ASSERT_EQ(chosen.count(), 3);
    EXPECT_EQ(chosen[0][0].value<Game>(), Game::WordSearch);
    EXPECT_EQ(chosen[1][0].value<Game>(), Game::Memory);
    EXPECT_EQ(chosen[2][0].value<Game>(), Game::Compose);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(FormMenuTest, InformationShowsSixLinesAndLeavesTheMenu)
{
    open();
    click("Command14");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, Kind::Information);
    const QStringList lines = dialogs.shown[0].text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 6);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("  ")));
    EXPECT_EQ(lines[1], QStringLiteral(" ----------------------- "));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("mail: ")));
    EXPECT_EQ(lines[4], lines[1]);
    EXPECT_TRUE(lines[5].startsWith(
        QStringLiteral("disegni eseguiti dai ragazzi delle classi 4° e 5° di ")));
    EXPECT_FALSE(lines[5].contains(QLatin1Char('\n')));
    EXPECT_EQ(openWindows(), QStringList{"FormMenu"});
}

TEST_F(FormMenuTest, LoadingAnotherList)
{
    open();
    const auto lastShown = [this] { return dialogs.shown.back(); };

    // Cancelled: the message, and the list stays.
    click("Command1");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].kind, Kind::OpenFile);
    EXPECT_EQ(dialogs.shown[0].text,
              program.path() +
                  QStringLiteral("|*.TXT (*.txt);;Elenchi (*.txt *.csv);;Tutti i file (*)"));
    EXPECT_EQ(lastShown().kind, Kind::Critical);
    EXPECT_EQ(lastShown().text, QStringLiteral("Non hai scelto nessuna lista!"));
    EXPECT_EQ(words.wordCount(), 12);

    // Not a text file: the message names it, and the list stays.
    const QString binary = listFile("FOTO.TXT", QByteArray("\xFF\xD8\x00\x10JFIF", 8));
    dialogs.fileNames = {binary};
    click("Command1");
    EXPECT_EQ(lastShown().kind, Kind::Critical);
    EXPECT_TRUE(lastShown().text.contains(QDir::toNativeSeparators(binary)));
    EXPECT_EQ(words.wordCount(), 12);
    EXPECT_EQ(words.wordList(1), QStringLiteral("cane"));

    // Too long: cut, used, and said.
    QByteArray longList;
    for (int i = 1; i <= 501; ++i)
        longList += "parola" + QByteArray::number(i) + "\r\n";
    dialogs.fileNames = {listFile("lunga.txt", longList)};
    click("Command1");
    const ScriptedDialogs::Shown cut = dialogs.shown[dialogs.shown.size() - 2];
    EXPECT_EQ(cut.kind, Kind::Information);
    EXPECT_TRUE(cut.text.contains(QStringLiteral("500")));
    EXPECT_EQ(words.wordCount(), 500);
    // Then what to mend: ten words without a picture named, the rest counted.
    EXPECT_EQ(lastShown().kind, Kind::InformationOffering);
    EXPECT_TRUE(lastShown().text.contains(QStringLiteral("«parola10» … e altre 490.")));
    EXPECT_TRUE(lastShown().text.endsWith(QStringLiteral("|Prepara una lista")));

    // A good list, its picture beside it: no message.
    QDir(program.path()).mkpath(QStringLiteral("jpg"));
    writeFile(program.filePath("jpg/sole.jpg"), "");
    const std::size_t before = dialogs.shown.size();
    dialogs.fileNames = {listFile("sole.txt", "sole\r\n")};
    click("Command1");
    EXPECT_EQ(dialogs.shown.size(), before + 1);
    EXPECT_EQ(words.wordCount(), 1);

    // Cancelled after a good choice: the message again, and the good list stays.
    click("Command1");
    EXPECT_EQ(lastShown().text, QStringLiteral("Non hai scelto nessuna lista!"));
    EXPECT_EQ(words.wordCount(), 1);
    EXPECT_EQ(words.wordList(1), QStringLiteral("sole"));

    // A spreadsheet's list from another folder: the dialog opens there from then on, in the next
    // menu too.
    const QString documents = program.filePath(QStringLiteral("Documenti"));
    QDir().mkpath(documents);
    dialogs.fileNames = {documents + QStringLiteral("/animali.csv")};
    writeFile(dialogs.fileNames.front(), "cane;gatto;\"sale; pepe\"\r\n");
    click("Command1");
    EXPECT_EQ(words.wordCount(), 3);
    discardWindows();
    random.append({0.0}); // the new menu's colour
    open();
    click("Command1");
    EXPECT_TRUE(dialogs.shown[dialogs.shown.size() - 2].text.startsWith(documents + u'|'));
}

TEST_F(FormMenuTest, AListWithSomethingToMendOffersTheEditorAndTheEditorIsOneClickAway)
{
    open();
    QSignalSpy editor(form, &FormMenu::listEditorChosen);
    click("Command16");
    ASSERT_EQ(editor.size(), 1);
    EXPECT_EQ(editor[0][0].toString(), QString());
    EXPECT_TRUE(dialogs.shown.empty());

    const QString list = listFile("classe.txt", "Elenco parole classe 2ª B – gli animali della "
                                                "fattoria\r\nzaino\r\n");
    dialogs.fileNames = {list, list};
    dialogs.offersTaken = {false, true};
    click("Command1");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text,
              QStringLiteral("Questa parola non ha un'immagine: «zaino».\n\nQuesta riga sembra "
                             "un titolo, non una parola: «Elenco parole classe 2ª B – gli animali "
                             "della fattoria».|Prepara una lista"));
    EXPECT_EQ(editor.size(), 1);
    click("Command1");
    ASSERT_EQ(editor.size(), 2);
    EXPECT_EQ(editor[1][0].toString(), list);
}

TEST_F(FormMenuTest, TheWindowManagersCloseAsksToEndAndTheProgramsOwnDoesNot)
{
    open();
    QSignalSpy end(form, &FormMenu::quitConfirmed);
    dialogs.answers = {false, true};
    for (int time = 0; time < 2; ++time) {
        EXPECT_FALSE(closeAsTheWindowSystemDoes(form));
    }
    EXPECT_EQ(end.count(), 1);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, QStringLiteral("sicuro di voler terminare?"));
    EXPECT_TRUE(form->close());
    EXPECT_EQ(dialogs.shown.size(), 2u);
}

} // namespace
