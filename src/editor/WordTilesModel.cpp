// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordTilesModel.h"

#include "platform/pictures/PictureLoader.h"
#include "wordsearch/CruciPuzzleBoard.h"

#include <QPainter>

namespace {

const QString kMissing = QStringLiteral("manca l'immagine");
// The other games take longer words.
const QString kTooLongForTheGrid = QStringLiteral("più di 10 lettere: non nel Crucipuzzle");
const QColor kGround(0xE8, 0xE8, 0xE8);
const QColor kMarkInk(0x20, 0x40, 0x90);

// The picture whole, centred on the grey ground of the games' boxes.
QPixmap framed(const QImage &image)
{
    QPixmap pixmap(WordTilesModel::kThumbnail);
    pixmap.fill(kGround);
    QPainter painter(&pixmap);
    const QSize shown = image.size().scaled(pixmap.size(), Qt::KeepAspectRatio);
    const QRect area(
        QPoint((pixmap.width() - shown.width()) / 2, (pixmap.height() - shown.height()) / 2),
        shown);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(area, image);
    return pixmap;
}

QPixmap placeholder(const QString &text)
{
    QPixmap pixmap(WordTilesModel::kThumbnail);
    pixmap.fill(kGround);
    if (!text.isEmpty()) {
        QPainter painter(&pixmap);
        painter.setPen(QColor(0x50, 0x50, 0x50));
        QFont font = painter.font();
        font.setPixelSize(20);
        painter.setFont(font);
        painter.drawText(pixmap.rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                         text);
    }
    return pixmap;
}

// A loudspeaker sounding, in a white badge in the thumbnail's upper right corner: the word has
// the teacher's voice.
QPixmap withSpeakerMark(QPixmap pixmap)
{
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF badge(pixmap.width() - 42, 4, 38, 30);
    painter.setPen(QPen(kMarkInk, 1.5));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(badge, 6, 6);
    painter.setBrush(kMarkInk);
    painter.setPen(Qt::NoPen);
    const QPointF at = badge.topLeft();
    painter.drawPolygon(QPolygonF{at + QPointF(6, 11), at + QPointF(11, 11), at + QPointF(18, 5),
                                  at + QPointF(18, 25), at + QPointF(11, 19), at + QPointF(6, 19)});
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kMarkInk, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(at + QPointF(14, 9), QSizeF(8, 12)), -60 * 16, 120 * 16);
    painter.drawArc(QRectF(at + QPointF(14, 5), QSizeF(16, 20)), -60 * 16, 120 * 16);
    return pixmap;
}

} // namespace

WordTilesModel::WordTilesModel(QObject *parent) : QAbstractListModel(parent) {}

int WordTilesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(tiles_.size());
}

QStringList WordTilesModel::remarksOn(const WordTile &tile)
{
    QStringList remarks;
    if (!tile.picture.isSet())
        remarks << kMissing;
    else if (tile.picture.source == TileFile::Source::Program)
        remarks << QStringLiteral("immagine di Zibaldo");
    if (!fitsOnBoard(tile.word))
        remarks << kTooLongForTheGrid;
    return remarks;
}

QString WordTilesModel::spokenName(const WordTile &tile)
{
    QStringList parts{tile.word, tile.picture.isSet() ? QStringLiteral("con immagine") : kMissing,
                      tile.recording.isSet() ? QStringLiteral("con voce")
                                             : QStringLiteral("senza voce")};
    if (!fitsOnBoard(tile.word))
        parts << kTooLongForTheGrid;
    return parts.join(QStringLiteral(", "));
}

QVariant WordTilesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const WordTile &tile = tiles_.at(index.row());
    switch (role) {
    case Qt::DisplayRole: {
        QStringList lines{tile.word};
        for (const QString &remark : remarksOn(tile)) {
            if (remark != kMissing) // the placeholder reads it already
                lines << remark;
        }
        return lines.join(u'\n');
    }
    case Qt::EditRole:
        return tile.word;
    case Qt::DecorationRole:
        return tile.recording.isSet() ? withSpeakerMark(thumbnailOf(index.row()))
                                      : thumbnailOf(index.row());
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return spokenName(tile);
    default:
        return {};
    }
}

bool WordTilesModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid())
        return false;
    emit renameAsked(index.row(), value.toString());
    return false;
}

Qt::ItemFlags WordTilesModel::flags(const QModelIndex &index) const
{
    return QAbstractListModel::flags(index) | Qt::ItemIsEditable | Qt::ItemIsDropEnabled;
}

QStringList WordTilesModel::words() const
{
    QStringList words;
    for (const WordTile &tile : tiles_)
        words << tile.word;
    return words;
}

int WordTilesModel::withoutCount(WordTile::FileKind kind) const
{
    return int(std::count_if(tiles_.cbegin(), tiles_.cend(),
                             [kind](const WordTile &tile) { return !tile.file(kind).isSet(); }));
}

void WordTilesModel::insertTile(int row, const WordTile &tile)
{
    beginInsertRows({}, row, row);
    tiles_.insert(row, relocated(tile));
    endInsertRows();
}

WordTile WordTilesModel::takeTile(int row)
{
    beginRemoveRows({}, row, row);
    WordTile tile = tiles_.takeAt(row);
    endRemoveRows();
    return tile;
}

void WordTilesModel::setWord(int row, const QString &word)
{
    tiles_[row].word = word;
    emit dataChanged(index(row), index(row));
}

void WordTilesModel::setFile(int row, WordTile::FileKind kind, const TileFile &file)
{
    tiles_[row].file(kind) = file;
    tiles_[row] = relocated(tiles_[row]);
    emit dataChanged(index(row), index(row));
}

void WordTilesModel::resetTiles(const QList<WordTile> &tiles)
{
    beginResetModel();
    tiles_ = tiles;
    thumbnails_.clear();
    moved_.clear();
    endResetModel();
}

void WordTilesModel::relocate(const QHash<QString, QString> &moved)
{
    moved_.insert(moved);
    for (int row = 0; row < rowCount(); ++row) {
        const WordTile tile = relocated(tiles_.at(row));
        if (tile.picture.path != tiles_.at(row).picture.path ||
            tile.recording.path != tiles_.at(row).recording.path) {
            tiles_[row] = tile;
            emit dataChanged(index(row), index(row));
        }
    }
}

WordTile WordTilesModel::relocated(WordTile tile) const
{
    for (TileFile *file : {&tile.picture, &tile.recording}) {
        if (file->isSet())
            file->path = moved_.value(file->path, file->path);
    }
    return tile;
}

QPixmap WordTilesModel::thumbnailOf(int row) const
{
    const TileFile &picture = tiles_.at(row).picture;
    if (!picture.isSet())
        return placeholder(kMissing);
    const QString key = picture.path;
    if (const auto kept = thumbnails_.constFind(key); kept != thumbnails_.cend())
        return *kept;
    if (!decoding_.contains(key)) {
        decoding_.insert(key);
        auto *self = const_cast<WordTilesModel *>(this);
        PictureLoader::shared().load(key, kThumbnail, self, [self, key](const QImage &image) {
            self->thumbnailDecoded(key, image);
        });
    }
    // Delivered at once when decoded before.
    return thumbnails_.value(key, placeholder({}));
}

void WordTilesModel::thumbnailDecoded(const QString &path, const QImage &image)
{
    decoding_.remove(path);
    thumbnails_[path] =
        image.isNull() ? placeholder(QStringLiteral("immagine illeggibile")) : framed(image);
    for (int row = 0; row < rowCount(); ++row) {
        if (tiles_.at(row).picture.isSet() && tiles_.at(row).picture.path == path)
            emit dataChanged(index(row), index(row), {Qt::DecorationRole});
    }
}
