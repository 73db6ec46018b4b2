// SPDX-License-Identifier: GPL-3.0-or-later
#include "Poppler.h"
#include "core/ClassChoices.h"
#include "core/RandomSource.h"
#include "memory/FormMemory.h"
#include "platform/Services.h"
#include "platform/voice/VoiceSwitch.h"
#include "support/RecordedVoice.h"
#include "support/ScriptedDialogs.h"
#include "support/Windows.h"
#include "wordsearch/FormCruciPuzzle.h"
#include "worksheets/PaperPage.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Kind = ScriptedDialogs::Kind;

// The games on the bundled list and pictures; their sheets are painted aside, and the commands
// come back once a sheet is done.
class SheetCommandsTest : public ::testing::Test
{
protected:
    SheetCommandsTest() { words.loadWordList(services.programFolder + "/listaparole.txt"); }
    ~SheetCommandsTest() override { discardWindows(); }

    void run(QWidget *form, const char *command)
    {
        QAction *action = form->findChild<QAction *>(QString::fromLatin1(command));
        action->trigger();
        EXPECT_TRUE(QTest::qWaitFor([action] { return action->isEnabled(); }, 20000));
    }

    QTemporaryDir folder;
    WordListStore words;
    ProgramRandom random{3};
    ScriptedDialogs dialogs;
    RecordedVoice recorded;
    SwitchableVoice voice{recorded};
    ClassChoices choices;
    Services services{words, random, dialogs, ZIBALDO_DATA_DIR, voice, choices, {}};
};

TEST_F(SheetCommandsTest, SavePdfProposesTodaysSheetInDocumentsAndWritesOnlyWhereChosen)
{
    SKIP_WITHOUT_POPPLER();
    auto *form = new FormCruciPuzzle(services);
    form->show();
    run(form, "mnuSalvaPdf");
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, Kind::SaveFile);
    EXPECT_EQ(dialogs.shown[0].text,
              QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                      .filePath("Crucipuzzle " + today + ".pdf") +
                  "|PDF (*.pdf)");

    dialogs.fileNames = {folder.filePath(QStringLiteral("scheda.pdf"))};
    run(form, "mnuSalvaPdf");
    EXPECT_EQ(dialogs.shown.size(), 2u) << "saved without a word";
    EXPECT_EQ(pdfInfo(folder.filePath(QStringLiteral("scheda.pdf")), "Pages"), "2");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"scheda.pdf"});
}

TEST_F(SheetCommandsTest, PrintingTakesThePrintersPageAndAFailingPrinterIsReported)
{
    SKIP_WITHOUT_POPPLER();
    auto *form = new FormMemory(services);
    form->show();
    const QString path = folder.filePath(QStringLiteral("stampa.pdf"));
    dialogs.answers = {true, false};
    dialogs.printChoices = {[&](QPrinter &printer) {
                                EXPECT_EQ(printer.pageLayout(), defaultPaper());
                                printer.setOutputFileName(path);
                                printer.setPageSize(QPageSize(QPageSize::Letter));
                                printer.setPageOrientation(QPageLayout::Landscape);
                                return true;
                            },
                            [&](QPrinter &printer) {
                                printer.setOutputFileName(
                                    folder.filePath(QStringLiteral("manca/stampa.pdf")));
                                return true;
                            }};
    run(form, "mnuStampa");
    EXPECT_EQ(pdfInfo(path, "Pages"), "4") << "the cards, each page with its backs";
    EXPECT_TRUE(pdfInfo(path, "Page size").startsWith(QStringLiteral("792 x 612")));

    run(form, "mnuStampa");
    ASSERT_EQ(dialogs.shown.size(), 5u);
    EXPECT_EQ(dialogs.shown[4].kind, Kind::Critical);
    EXPECT_EQ(dialogs.shown[4].text,
              QStringLiteral("La stampa non è riuscita: controllare che la stampante sia accesa e "
                             "collegata, poi riprovare."));
    EXPECT_TRUE(form->isVisible()) << "the game goes on";
}

} // namespace
