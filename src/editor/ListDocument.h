// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WordTilesModel.h"
#include "core/WordListStore.h"
#include "platform/WordFiles.h"

#include <QObject>
#include <QTemporaryDir>
#include <QUndoStack>

// The list a teacher is making: its words, pictures and recordings, every change on the undo stack,
// and the file it was opened from or last saved to. No window: the editor's window only shows it.
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
    // Through the store, as the games read it; the pictures and recordings found as the games
    // find them.
    LoadResult open(const QString &path);
    // `moved`: the files the save took away, and where they are kept for the session.
    void markSaved(const QString &path, const QHash<QString, QString> &moved = {});
    // The words of the list as it was opened or last saved: those it no longer has lose the files
    // this editor wrote for them, with the next save in the same place.
    const QStringList &savedWords() const { return savedWords_; }
    // Where the files a save takes away are kept until the editor closes, for undo.
    QString keptFolder() const { return kept_.path(); }

    // Each returns why it was refused, in Italian, or empty when done.
    QString addWord(const QString &typed);
    QString renameWord(int row, const QString &typed);
    void removeWord(int row);
    void setFile(int row, WordTile::FileKind kind, const TileFile &file);
    // Gives `word` its file under the spelling the list has now, as the file may come after the
    // teacher renamed the word; that spelling, or empty when the list no longer has the word.
    QString setFileOf(const QString &word, WordTile::FileKind kind, const TileFile &file);

signals:
    void pathChanged();

private:
    TileFile fileOf(const WordFolders &folders, const WordFileKind &kind,
                    const QString &word) const;

    QString programFolder_;
    QString path_;
    QStringList savedWords_;
    QTemporaryDir kept_;
    WordTilesModel tiles_;
    QUndoStack undo_;
};
