// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDialogs.h"

#include "platform/design/DesignSurface.h"
#include "platform/design/DesignWindow.h"
#include "platform/design/Fonts.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QRegularExpression>

QFont dialogFont(const QWidget *parent, const char *kind)
{
    const auto *window = parent ? qobject_cast<const DesignWindow *>(parent->window()) : nullptr;
    QFont font = boxFont(window ? window->surface()->scale() : 1.0, QApplication::font(kind));
    // A window of Qt's own widgets, the list editor, sets its readable size itself.
    if (parent && !window)
        font.setPixelSize(
            std::max(QFontInfo(font).pixelSize(), QFontInfo(parent->window()->font()).pixelSize()));
    return font;
}

namespace {

// The buttons read in Italian whether or not Qt's own translations are installed.
QMessageBox::StandardButton ask(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, kDialogTitle, text, buttons, parent);
    box.setFont(dialogFont(parent, "QMessageBox"));
    box.setDefaultButton(defaultButton);
    if (QAbstractButton *yes = box.button(QMessageBox::Yes))
        yes->setText(QStringLiteral("Sì"));
    if (QAbstractButton *cancel = box.button(QMessageBox::Cancel))
        cancel->setText(QStringLiteral("Annulla"));
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void QtDialogs::information(QWidget *parent, const QString &text)
{
    ask(parent, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtDialogs::critical(QWidget *parent, const QString &text)
{
    ask(parent, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtDialogs::question(QWidget *parent, const QString &text)
{
    return ask(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::Yes) == QMessageBox::Yes;
}

QString QtDialogs::openFileName(QWidget *parent, const QString &folder, const QString &filter)
{
    // Qt's own dialog on every desktop: its filters match in any letter case, and it shows a
    // filter by its name alone ("*.TXT" for "*.TXT (*.txt)").
    QFileDialog dialog(parent, QString(), folder, filter);
    dialog.setFont(dialogFont(parent, "QFileDialog"));
    // The program's one file dialog: the menu's, for another word list.
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

Dialogs::Answer QtDialogs::questionWithCancel(QWidget *parent, const QString &text)
{
    switch (ask(parent, QMessageBox::Question, text,
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

bool QtDialogs::informationOffering(QWidget *parent, const QString &text, const QString &action)
{
    QMessageBox box(QMessageBox::Information, kDialogTitle, text, QMessageBox::Ok, parent);
    box.setFont(dialogFont(parent, "QMessageBox"));
    QPushButton *offered = box.addButton(action, QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    return box.clickedButton() == offered;
}

QString QtDialogs::saveFileName(QWidget *parent, const QString &proposed, const QString &filter)
{
    // Qt's own dialog, as for opening: it asks before replacing a file, in Italian.
    const QFileInfo file(proposed);
    QFileDialog dialog(parent, QString(), file.absolutePath(), filter);
    dialog.selectFile(file.fileName());
    dialog.setFont(dialogFont(parent, "QFileDialog"));
    dialog.setObjectName(QStringLiteral("CommonDialogSalva"));
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without an ending takes the one of the filter's first pattern.
    static const QRegularExpression firstEnding(QStringLiteral("\\(\\*\\.(\\w+)"));
    dialog.setDefaultSuffix(firstEnding.match(filter).captured(1));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

bool QtDialogs::choosePrinter(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setFont(dialogFont(parent, "QPrintDialog"));
    dialog.setObjectName(QStringLiteral("CommonDialogStampa"));
    return dialog.exec() == QDialog::Accepted;
}
