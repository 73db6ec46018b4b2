// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dialogs/QtDialogs.h"

#include "menu/MenuLayout.h"
#include "platform/design/DesignSurface.h"
#include "platform/design/DesignWindow.h"

#include "support/Files.h"
#include "support/QtPrinting.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct SeenInDialog
{
    QString name;
    QString filter;
    QStringList filters; // as the filter list offers them
    QStringList files;
};

// Once the dialog is open, notes its name, its filter and the files it lists, then types `answer`
// and presses Return, or presses Escape when `answer` is empty.
void answerFileDialog(const QString &folder, const QString &answer, SeenInDialog &seen)
{
    QTimer::singleShot(0, [=, &seen] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen.name = dialog->objectName();
        const auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        seen.filter = types->currentText();
        seen.filters.clear();
        for (int i = 0; i < types->count(); ++i)
            seen.filters << types->itemText(i);
        auto *model = dialog->findChild<QFileSystemModel *>();
        const QModelIndex root = model->index(folder);
        // The folder is read in the background.
        for (int wait = 0; wait < 100 && model->rowCount(root) < 3; ++wait)
            QTest::qWait(20);
        QTest::qWait(50);
        for (int row = 0; row < model->rowCount(root); ++row)
            seen.files << model->index(row, 0, root).data().toString();
        seen.files.sort(Qt::CaseInsensitive);
        if (answer.isEmpty()) {
            QTest::keyClick(dialog, Qt::Key_Escape);
            return;
        }
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        name->setText(answer);
        QTest::keyClick(name, Qt::Key_Return);
    });
}

TEST(QtDialogs, TheListDialogShowsTextFilesInAnyCaseAndCancelChoosesNothing)
{
    QTemporaryDir folder;
    for (const char *name :
         {"animali.txt", "FRUTTA.TXT", "Cose.Txt", "foto.jpg", "note.txt.bak", "calc.csv"})
        writeFile(folder.filePath(QString::fromLatin1(name)), "cane\r\n");
    QtDialogs dialogs;
    const QString filters =
        QStringLiteral("*.TXT (*.txt);;Elenchi (*.txt *.csv);;Tutti i file (*)");

    SeenInDialog seen;
    answerFileDialog(folder.path(), QStringLiteral("FRUTTA.TXT"), seen);
    EXPECT_EQ(dialogs.openFileName(nullptr, folder.path(), filters),
              folder.filePath(QStringLiteral("FRUTTA.TXT")));
    EXPECT_EQ(seen.name, QStringLiteral("CommonDialog1"));
    EXPECT_EQ(seen.filter, QStringLiteral("*.TXT"));
    EXPECT_EQ(seen.filters, (QStringList{"*.TXT", "Elenchi", "Tutti i file"}));
    EXPECT_EQ(seen.files, (QStringList{"animali.txt", "Cose.Txt", "FRUTTA.TXT"}));

    answerFileDialog(folder.path(), QString(), seen);
    EXPECT_EQ(dialogs.openFileName(nullptr, folder.path(), filters), QString());
}

struct SeenInBox
{
    int textPixels = 0;
    int buttonHeight = 0;
};

// The height of a box's text and of its button, over the menu window at `size`.
SeenInBox boxOverMenuAt(QSize size)
{
    DesignWindow menu("FormMenu", kMenuLayout);
    menu.resize(size);
    menu.show();
    SeenInBox seen;
    QTimer::singleShot(0, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.textPixels =
            QFontInfo(box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->font())
                .pixelSize();
        seen.buttonHeight = box->button(QMessageBox::Ok)->sizeHint().height();
        box->accept();
    });
    QtDialogs().information(&menu, QStringLiteral("Hai trovato tutte le parole!"));
    return seen;
}

TEST(QtDialogs, BoxesGrowWithTheWindowAndNeverShrinkBelowTheDesktopsSize)
{
    const int desktop = QFontInfo(QApplication::font("QMessageBox")).pixelSize();
    const SeenInBox board = boxOverMenuAt({1920, 1080});
    EXPECT_GE(board.textPixels, 20) << "readable on a whiteboard";
    const SeenInBox screen = boxOverMenuAt({1024, 768});
    EXPECT_GE(screen.textPixels, desktop);
    const SeenInBox tiny = boxOverMenuAt({320, 240});
    EXPECT_EQ(tiny.textPixels, desktop);
    EXPECT_GT(board.buttonHeight, tiny.buttonHeight) << "the buttons grow with the text";

    DesignWindow menu("FormMenu", kMenuLayout);
    menu.resize(1920, 1080);
    menu.show();
    EXPECT_EQ(dialogFont(&menu, "QFileDialog").pixelSize(),
              qRound(8.0 * 96.0 / 72.0 * menu.surface()->scale()));
    EXPECT_EQ(QFontInfo(dialogFont(nullptr, "QFileDialog")).pixelSize(),
              QFontInfo(QApplication::font("QFileDialog")).pixelSize());
}

} // namespace

namespace {

struct SeenInEditorsBox
{
    QStringList captions;
    int textPixels = 0;
};

// Asks with `ask`; once its box is open, notes its buttons' captions and its text's size, then
// presses `key`.
template <typename Ask> SeenInEditorsBox pressInBox(Qt::Key key, Ask ask)
{
    SeenInEditorsBox seen;
    QTimer::singleShot(0, [&seen, key] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        for (const QAbstractButton *button : box->buttons())
            seen.captions << button->text();
        seen.captions.sort();
        seen.textPixels =
            QFontInfo(box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->font())
                .pixelSize();
        QTest::keyClick(box, key);
    });
    ask();
    return seen;
}

} // namespace

// The list editor's boxes: Sì, No, Annulla with Sì the default and Escape for Annulla; an
// information box offering one more button; both as large as the editor's own text.
TEST(QtDialogs, TheEditorsBoxesAnswerInItalianAndReadAsLargeAsItsWindow)
{
    QWidget editor;
    QFont large = editor.font();
    large.setPixelSize(26);
    editor.setFont(large);
    editor.show();
    QtDialogs dialogs;
    Dialogs::Answer answer = Dialogs::Answer::No;
    const auto save = [&] {
        answer = dialogs.questionWithCancel(&editor, QStringLiteral("Salvare?"));
    };
    const SeenInEditorsBox question = pressInBox(Qt::Key_Return, save);
    EXPECT_EQ(answer, Dialogs::Answer::Yes);
    EXPECT_EQ(question.captions, (QStringList{"&No", "Annulla", "Sì"}));
    EXPECT_EQ(question.textPixels, 26);
    pressInBox(Qt::Key_Escape, save);
    EXPECT_EQ(answer, Dialogs::Answer::Cancel);

    bool taken = true;
    const SeenInEditorsBox offer = pressInBox(Qt::Key_Return, [&] {
        taken = dialogs.informationOffering(&editor, QStringLiteral("Mancano immagini."),
                                            QStringLiteral("Prepara una lista"));
    });
    EXPECT_FALSE(taken);
    EXPECT_TRUE(offer.captions.contains(QStringLiteral("Prepara una lista")));
}
