// SPDX-License-Identifier: GPL-3.0-or-later
#include "Poppler.h"
#include "core/ClassChoices.h"
#include "core/RandomSource.h"
#include "core/WordListStore.h"
#include "memory/FormMemory.h"
#include "platform/Services.h"
#include "platform/voice/VoiceSwitch.h"
#include "support/RecordedVoice.h"
#include "support/ScriptedDialogs.h"
#include "support/Windows.h"
#include "wordsearch/FormCruciPuzzle.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using Kind = ScriptedDialogs::Kind;

// A game window on the bundled list and pictures, its sheets' commands in its menu bar.
class SheetCommandsTest : public ::testing::Test
{
protected:
    SheetCommandsTest()
    {
        words.loadWordList(services.programFolder + QStringLiteral("/listaparole.txt"));
    }
    ~SheetCommandsTest() override { discardWindows(); }

    template <typename Form> Form *open()
    {
        auto *form = new Form(services);
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->show();
        return form;
    }
    static QAction *command(QWidget *form, const char *name)
    {
        return form->findChild<QAction *>(QString::fromLatin1(name));
    }
    // The sheet is painted aside; the commands come back once it is done.
    static void waitForSheet(QWidget *form)
    {
        EXPECT_TRUE(
            QTest::qWaitFor([form] { return command(form, "mnuSalvaPdf")->isEnabled(); }, 20000));
    }

    QTemporaryDir folder;
    WordListStore words;
    ProgramRandom random{3};
    ScriptedDialogs dialogs;
    RecordedVoice recorded;
    SwitchableVoice voice{recorded};
    ClassChoices choices;
    Services services{words, random, dialogs, QStringLiteral(ZIBALDO_DATA_DIR), voice, choices, {}};
};

TEST_F(SheetCommandsTest, SavePdfProposesTodaysSheetInDocumentsAndWritesItOnlyWhenChosen)
{
    SKIP_WITHOUT_POPPLER();
    auto *form = open<FormCruciPuzzle>();
    QStringList bar;
    for (QAction *action : form->menuBar()->actions())
        bar << action->objectName();
    EXPECT_EQ(bar.mid(0, 3), (QStringList{"mnuEsci", "mnuStampa", "mnuSalvaPdf"}));
    EXPECT_EQ(command(form, "mnuStampa")->text(), QStringLiteral("Stampa…"));
    EXPECT_EQ(command(form, "mnuSalvaPdf")->text(), QStringLiteral("Salva PDF…"));

    // Cancelled: nothing written, nothing said.
    command(form, "mnuSalvaPdf")->trigger();
    const QString proposed =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(QStringLiteral("Crucipuzzle ") +
                      QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")) +
                      QStringLiteral(".pdf"));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, Kind::SaveFile);
    EXPECT_EQ(dialogs.shown[0].text, proposed + QStringLiteral("|PDF (*.pdf)"));
    EXPECT_TRUE(command(form, "mnuSalvaPdf")->isEnabled());

    const QString path = folder.filePath(QStringLiteral("scheda.pdf"));
    dialogs.fileNames = {path};
    command(form, "mnuSalvaPdf")->trigger();
    waitForSheet(form);
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(pdfInfo(path, QStringLiteral("Pages")), QStringLiteral("2"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"scheda.pdf"});
}

TEST_F(SheetCommandsTest, PrintingHonoursThePrintersPageAndAFailingPrinterIsReported)
{
    SKIP_WITHOUT_POPPLER();
    auto *form = open<FormMemory>();
    const QString path = folder.filePath(QStringLiteral("stampa.pdf"));
    dialogs.answers = {true};
    dialogs.printChoices.push_back([&](QPrinter &printer) {
        EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
        EXPECT_EQ(printer.pageLayout().margins(QPageLayout::Millimeter), QMarginsF(12, 12, 12, 12));
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setPageOrientation(QPageLayout::Landscape);
        return true;
    });
    command(form, "mnuStampa")->trigger();
    waitForSheet(form);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].kind, Kind::Question);
    EXPECT_EQ(dialogs.shown[1].kind, Kind::Print);
    EXPECT_EQ(pdfInfo(path, QStringLiteral("Pages")), QStringLiteral("4"));
    EXPECT_TRUE(pdfInfo(path, QStringLiteral("Page size")).startsWith(QStringLiteral("792 x 612")));
    EXPECT_TRUE(pageText(path, 2).contains(QStringLiteral("Retro")));

    dialogs.answers = {false};
    dialogs.printChoices.push_back([&](QPrinter &printer) {
        printer.setOutputFileName(folder.filePath(QStringLiteral("manca/stampa.pdf")));
        return true;
    });
    command(form, "mnuStampa")->trigger();
    waitForSheet(form);
    ASSERT_EQ(dialogs.shown.size(), 5u);
    EXPECT_EQ(dialogs.shown[4].kind, Kind::Critical);
    EXPECT_EQ(dialogs.shown[4].text,
              QStringLiteral("La stampa non è riuscita: controllare che la stampante sia accesa e "
                             "collegata, poi riprovare."));
    EXPECT_EQ(openWindow<FormMemory>(), form);
}

} // namespace
