// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Dialogs.h"

#include <QFont>

class QtDialogs final : public Dialogs
{
public:
    void information(QWidget *parent, const QString &text) override;
    void critical(QWidget *parent, const QString &text) override;
    bool question(QWidget *parent, const QString &text) override;
    QString openFileName(QWidget *parent, const QString &folder, const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &proposed, const QString &filter) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;

    Answer questionWithCancel(QWidget *parent, const QString &text) override;
    bool informationOffering(QWidget *parent, const QString &text, const QString &action) override;
};

// The font of a box shown over `parent`: it grows with the window's scale, so that on a large
// screen the text is as readable as the window behind it. `kind` is the box's class name, whose
// desktop font is the smallest it gets.
QFont dialogFont(const QWidget *parent, const char *kind);
