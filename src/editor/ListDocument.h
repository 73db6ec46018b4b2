// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WordTilesModel.h"
#include "core/WordListStore.h"

#include <QObject>
#include <QUndoStack>

// The list a teacher is making: its words and pictures, every change on the undo stack, and the
// file it was opened from or last saved to. No window: the editor's window only shows it.
class ListDocument : public QObject
{
    Q_OBJECT

public:
    explicit ListDocument(const QString &programFolder, QObject *parent = nullptr);

    WordTilesModel &tiles() { return tiles_; }
    QUndoStack &undoStack() { return undo_; }

    // "nuova lista" until saved or opened.
    QString name() const;
    QString path() const { return path_; }
    bool isModified() const { return !undo_.isClean(); }
    // Saving in place would write into the program's own folder, or where nothing can be written.
    bool needsNewPlace() const;

    void startNew();
    // Through the store, as the games read it; the pictures found as the games find them.
    LoadResult open(const QString &path);
    void markSaved(const QString &path);

    // Each returns why it was refused, in Italian, or empty when done.
    QString addWord(const QString &typed);
    QString renameWord(int row, const QString &typed);
    void removeWord(int row);
    void setPicture(int row, const TilePicture &picture);

    // A word's picture among the program's own, offered for a new word.
    TilePicture programPictureOf(const QString &word) const;

signals:
    void pathChanged();

private:
    QString programFolder_;
    QString path_;
    WordTilesModel tiles_;
    QUndoStack undo_;
};
