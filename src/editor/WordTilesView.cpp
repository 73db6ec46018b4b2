// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordTilesView.h"

#include "PictureIntake.h"
#include "WordTilesModel.h"

#include <QDropEvent>
#include <QStyledItemDelegate>

namespace {

// Room beside the thumbnail for a remark, and under it for the word and two remarks, each of which
// may take two lines.
constexpr int kTextWidth = 120;
constexpr int kTextLines = 5;

// Every tile the same size, whatever its text: the grid stays even, and no remark is cut short.
class TileDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override
    {
        return WordTilesModel::kThumbnail +
               QSize(kTextWidth, kTextLines * option.fontMetrics.lineSpacing());
    }
};

} // namespace

WordTilesView::WordTilesView(QWidget *parent) : QListView(parent)
{
    setViewMode(QListView::IconMode);
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setUniformItemSizes(true);
    setWordWrap(true);
    setIconSize(WordTilesModel::kThumbnail);
    setItemDelegate(new TileDelegate(this));
    setSpacing(8);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::DoubleClicked);
    // Drops land on the viewport, which takes them only when told so itself.
    setDragDropMode(QAbstractItemView::DropOnly);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
}

void WordTilesView::dragEnterEvent(QDragEnterEvent *event)
{
    if (PictureIntake::bringsPicture(event->mimeData()))
        event->acceptProposedAction();
}

void WordTilesView::dragMoveEvent(QDragMoveEvent *event)
{
    const QModelIndex onto = indexAt(event->position().toPoint());
    if (PictureIntake::bringsPicture(event->mimeData()) &&
        (onto.isValid() || currentIndex().isValid()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void WordTilesView::dropEvent(QDropEvent *event)
{
    const QModelIndex onto = indexAt(event->position().toPoint());
    const QModelIndex target = onto.isValid() ? onto : currentIndex();
    if (!target.isValid())
        return;
    setCurrentIndex(target);
    event->acceptProposedAction();
    emit pictureDropped(target.row(), event->mimeData());
}
