// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WordTile.h"

#include <QByteArray>
#include <QHash>
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
    // The files of words no longer in the list that the save took away, each with the copy kept
    // for the session.
    QHash<QString, QString> moved;
};

struct ListToSave
{
    QString path;
    QList<WordTile> tiles;
    // The folder the list was opened from or last saved to, with its words then.
    QString savedFolder;
    QStringList savedWords;
    // Where the files taken away are kept until the session ends.
    QString keptFolder;
};

// Saves the list's tiles at its path, with their pictures in `jpg/` and their recordings in
// `voce/` beside it: the recordings and pictures first, then the list, each written whole or not
// at all, so that a failure leaves the list on the disk as it was. A file already there that the
// list did not bring is replaced only when the teacher says so, unless this editor wrote it under
// that name. Saved in the folder it was saved to before, the list takes away the pictures and
// recordings this editor wrote for the words it no longer has (renamed or removed), unless
// another list in the folder has them. `progress` hears of each picture done.
SaveOutcome saveList(const ListToSave &list, Dialogs &dialogs, QWidget *parent,
                     const std::function<void(int done, int total)> &progress);
