// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListDocument.h"

#include "TileCommands.h"
#include "core/WordChecks.h"
#include "platform/WordFiles.h"

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
    savedWords_.clear();
    emit pathChanged();
}

LoadResult ListDocument::open(const QString &path)
{
    WordListStore store;
    const LoadResult loaded = store.loadWordList(path);
    if (!loaded.loaded())
        return loaded;
    const WordFolders folders{store.listFolder(), programFolder_};
    QList<WordTile> tiles;
    for (int i = 1; i <= store.wordCount(); ++i) {
        const QString &word = store.wordList(i);
        if (word.trimmed().isEmpty())
            continue;
        tiles.append(
            {word, fileOf(folders, kPictureFiles, word), fileOf(folders, kRecordingFiles, word)});
    }
    undo_.clear();
    tiles_.resetTiles(tiles);
    path_ = QFileInfo(path).absoluteFilePath();
    savedWords_ = tiles_.words();
    emit pathChanged();
    return loaded;
}

void ListDocument::markSaved(const QString &path, const QHash<QString, QString> &moved)
{
    path_ = path;
    savedWords_ = tiles_.words();
    tiles_.relocate(moved);
    undo_.setClean();
    emit pathChanged();
}

TileFile ListDocument::fileOf(const WordFolders &folders, const WordFileKind &kind,
                              const QString &word) const
{
    const QString file = wordFileFor(folders, kind, word);
    if (file.isEmpty())
        return {};
    const QString programFiles = QDir(programFolder_).filePath(QString::fromLatin1(kind.folder));
    const bool own = QFileInfo(QFileInfo(file).absolutePath()) == QFileInfo(programFiles);
    return {own ? TileFile::Source::Program : TileFile::Source::File, file};
}

// A new word brings the program's own picture and recording of it, where it has them.
QString ListDocument::addWord(const QString &typed)
{
    const QString word = typed.trimmed();
    if (QString refusal = newWordRefusal(word, tiles_.words()); !refusal.isEmpty())
        return refusal;
    undo_.push(new AddWordCommand(tiles_, tiles_.rowCount(),
                                  {word, fileOf({{}, programFolder_}, kPictureFiles, word),
                                   fileOf({{}, programFolder_}, kRecordingFiles, word)}));
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

void ListDocument::setFile(int row, WordTile::FileKind kind, const TileFile &file)
{
    undo_.push(new SetFileCommand(tiles_, row, kind, file));
}

QString ListDocument::setFileOf(const QString &word, WordTile::FileKind kind, const TileFile &file)
{
    const QStringList words = tiles_.words();
    for (int row = 0; row < words.size(); ++row) {
        if (wordKey(words[row]) == wordKey(word)) {
            setFile(row, kind, file);
            return words[row];
        }
    }
    return {};
}
