// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QPrinter;
class QWidget;

// The modal boxes of the program, all titled "Zibaldo", the file dialogs and the print dialog.
// Windows reach them through this interface so that tests can answer in their place.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // OK, with the information icon.
    virtual void information(QWidget *parent, const QString &text) = 0;
    // OK, with the critical icon.
    virtual void critical(QWidget *parent, const QString &text) = 0;
    // Yes and No, Yes the default, with the question icon; true for Yes.
    virtual bool question(QWidget *parent, const QString &text) = 0;
    // The chosen file's path, or an empty string when none was chosen. The filter is written
    // "name (patterns)", and the dialog shows its name.
    virtual QString openFileName(QWidget *parent, const QString &folder, const QString &filter) = 0;
    // The path to save to, starting from `proposed`, or an empty string when cancelled. An existing
    // file is chosen only once the dialog has had it confirmed.
    virtual QString saveFileName(QWidget *parent, const QString &proposed,
                                 const QString &filter) = 0;
    // The printer, page and copies chosen on `printer`; false when cancelled.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer) = 0;

    // The list editor's boxes.
    enum class Answer
    {
        Yes,
        No,
        Cancel,
    };
    // Sì, No and Annulla, Sì the default; Escape answers Annulla.
    virtual Answer questionWithCancel(QWidget *parent, const QString &text) = 0;
    // OK with the information icon, and a button captioned `action`; true when it was pressed.
    virtual bool informationOffering(QWidget *parent, const QString &text,
                                     const QString &action) = 0;
};

inline const QString kDialogTitle = QStringLiteral("Zibaldo");
