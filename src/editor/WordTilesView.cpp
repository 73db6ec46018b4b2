// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordTilesView.h"

#include "PictureIntake.h"
#include "WordTilesModel.h"

#include <QDropEvent>

WordTilesView::WordTilesView(QWidget *parent) : QListView(parent)
{
    setViewMode(QListView::IconMode);
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setUniformItemSizes(true);
    setWordWrap(true);
    setIconSize(WordTilesModel::kThumbnail);
    setGridSize(WordTilesModel::kThumbnail + QSize(60, 110));
    setSpacing(8);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::DoubleClicked);
    setAcceptDrops(true);
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
