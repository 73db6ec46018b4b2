// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WordTile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

class Dialogs;
class QWidget;

// The list file as every version of the program and Windows Notepad read it alike: one word a
// line, CRLF, UTF-8 with a byte order mark.
QByteArray listFileBytes(const QStringList &words);

struct SaveOutcome
{
    bool saved = false;
    QString failure; // in Italian, for the teacher; empty when saved
};

// Saves `tiles` as the list at `listPath` with their pictures in `jpg/` beside it: the pictures
// first, then the list, each written whole or not at all, so that a failure leaves the list on the
// disk as it was. A picture file already there that the list did not bring is replaced only when
// the teacher says so. `progress` hears of each picture done.
SaveOutcome saveList(const QString &listPath, const QList<WordTile> &tiles, Dialogs &dialogs,
                     QWidget *parent, const std::function<void(int done, int total)> &progress);
