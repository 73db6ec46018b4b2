// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtDialogs.h"

#include "support/Files.h"
#include "support/QtPrinting.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
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

} // namespace
