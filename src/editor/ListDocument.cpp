// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListDocument.h"

#include "TileCommands.h"
#include "core/WordChecks.h"
#include "platform/pictures/PictureFiles.h"

#include <QDir>
#include <QFileInfo>

ListDocument::ListDocument(const QString &programFolder, QObject *parent)
    : QObject(parent), programFolder_(programFolder)
{}

QString ListDocument::name() const
{
    return path_.isEmpty() ? QStringLiteral("nuova lista") : QFileInfo(path_).completeBaseName();
}

bool ListDocument::needsNewPlace() const
{
    if (path_.isEmpty())
        return true;
    const QFileInfo folder(QFileInfo(path_).absolutePath());
    return folder == QFileInfo(programFolder_) || !folder.isWritable();
}

void ListDocument::startNew()
{
    undo_.clear();
    tiles_.resetTiles({});
    path_.clear();
    emit pathChanged();
}

LoadResult ListDocument::open(const QString &path)
{
    WordListStore store;
    const LoadResult loaded = store.loadWordList(path);
    if (!loaded.loaded())
        return loaded;
    const PictureFolders folders{store.listFolder(), programFolder_};
    const QString programPictures = QDir(programFolder_).filePath(QStringLiteral("jpg"));
    QList<WordTile> tiles;
    for (int i = 1; i <= store.wordCount(); ++i) {
        const QString &word = store.wordList(i);
        if (word.trimmed().isEmpty())
            continue;
        WordTile tile{word, {}};
        if (const QString file = pictureFileFor(folders, word); !file.isEmpty()) {
            const bool own =
                QFileInfo(QFileInfo(file).absolutePath()) == QFileInfo(programPictures);
            tile.picture = {own ? TilePicture::Source::Program : TilePicture::Source::File, file};
        }
        tiles.append(tile);
    }
    undo_.clear();
    tiles_.resetTiles(tiles);
    path_ = QFileInfo(path).absoluteFilePath();
    emit pathChanged();
    return loaded;
}

void ListDocument::markSaved(const QString &path)
{
    path_ = path;
    undo_.setClean();
    emit pathChanged();
}

TilePicture ListDocument::programPictureOf(const QString &word) const
{
    const QString file = pictureFileFor({{}, programFolder_}, word);
    if (file.isEmpty())
        return {};
    return {TilePicture::Source::Program, file};
}

QString ListDocument::addWord(const QString &typed)
{
    const QString word = typed.trimmed();
    if (QString refusal = newWordRefusal(word, tiles_.words()); !refusal.isEmpty())
        return refusal;
    undo_.push(new AddWordCommand(tiles_, tiles_.rowCount(), {word, programPictureOf(word)}));
    return {};
}

QString ListDocument::renameWord(int row, const QString &typed)
{
    const QString word = typed.trimmed();
    if (word == tiles_.tile(row).word)
        return {};
    QStringList others = tiles_.words();
    others.removeAt(row);
    if (QString refusal = newWordRefusal(word, others); !refusal.isEmpty())
        return refusal;
    undo_.push(new RenameWordCommand(tiles_, row, word));
    return {};
}

void ListDocument::removeWord(int row)
{
    undo_.push(new RemoveWordCommand(tiles_, row));
}

void ListDocument::setPicture(int row, const TilePicture &picture)
{
    undo_.push(new SetPictureCommand(tiles_, row, picture));
}
