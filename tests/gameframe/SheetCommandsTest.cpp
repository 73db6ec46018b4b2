// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ClassChoices.h"
#include "core/RandomSource.h"
#include "memory/FormMemory.h"
#include "platform/Services.h"
#include "platform/dialogs/QtDialogs.h"
#include "platform/voice/VoiceSwitch.h"
#include "support/Files.h"
#include "support/Poppler.h"
#include "support/RecordedVoice.h"
#include "support/ScriptedDialogs.h"
#include "support/Windows.h"
#include "wordsearch/FormCruciPuzzle.h"
#include "worksheets/PaperPage.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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

// Return on the proposed name, then `answer` to the question whether to replace the file, noted
// in `asked`; after No, the dialog still open is cancelled.
void saveOverExistingFile(QMessageBox::StandardButton answer, QString &asked)
{
    QTimer::singleShot(0, [answer, &asked] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        QTimer::singleShot(0, [answer, &asked, dialog] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            asked = box ? box->text() : QString();
            if (box)
                box->button(answer)->click();
            if (answer == QMessageBox::No)
                QTimer::singleShot(0, dialog, &QDialog::reject);
        });
        QTest::keyClick(dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")),
                        Qt::Key_Return);
    });
}

TEST(SaveDialogTest, AnExistingFileIsChosenOnlyOnceTheDialogHasAskedToReplaceIt)
{
    QTemporaryDir folder;
    const QString existing = folder.filePath(QStringLiteral("Memory 2026-12-08.pdf"));
    writeFile(existing, "%PDF-1.4");
    QtDialogs dialogs;
    QString asked;
    saveOverExistingFile(QMessageBox::No, asked);
    EXPECT_EQ(dialogs.saveFileName(nullptr, existing, QStringLiteral("PDF (*.pdf)")), QString());
    EXPECT_TRUE(asked.contains(QStringLiteral("Memory 2026-12-08.pdf")));
    saveOverExistingFile(QMessageBox::Yes, asked);
    EXPECT_EQ(dialogs.saveFileName(nullptr, existing, QStringLiteral("PDF (*.pdf)")), existing);
}

} // namespace
