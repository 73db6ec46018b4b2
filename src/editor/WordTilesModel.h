// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WordTile.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QPixmap>
#include <QSet>
#include <QSize>

// The words of the list being made, each with its picture and recording, as tiles: a thumbnail
// over the word and what a game will make of it, with a loudspeaker where the teacher's voice
// says it. Thumbnails are made when a tile is first shown, off the window's
// thread for picture files, and kept. Renaming in place asks through renameAsked(), so that the
// change goes through the undo stack like every other.
class WordTilesModel : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr QSize kThumbnail{160, 144};

    explicit WordTilesModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    const WordTile &tile(int row) const { return tiles_.at(row); }
    const QList<WordTile> &tiles() const { return tiles_; }
    QStringList words() const;
    // How many words have no picture, or no recording.
    int withoutCount(WordTile::FileKind kind) const;

    void insertTile(int row, const WordTile &tile);
    WordTile takeTile(int row);
    void setWord(int row, const QString &word);
    void setFile(int row, WordTile::FileKind kind, const TileFile &file);
    void resetTiles(const QList<WordTile> &tiles);
    // Files a save took away from the list's folder and kept elsewhere for the session, by their
    // old path: the tiles, and those that undo brings back, read them where they are now.
    void relocate(const QHash<QString, QString> &moved);

    // The picture of a tile and the remarks on it, as its text and a screen reader say them.
    static QStringList remarksOn(const WordTile &tile);
    static QString spokenName(const WordTile &tile);

signals:
    void renameAsked(int row, const QString &word);

private:
    QPixmap thumbnailOf(int row) const;
    WordTile relocated(WordTile tile) const;
    void thumbnailDecoded(const QString &path, const QImage &image);

    QList<WordTile> tiles_;
    // By picture file.
    mutable QHash<QString, QPixmap> thumbnails_;
    mutable QSet<QString> decoding_;
    QHash<QString, QString> moved_;
};
