// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListView>
#include <QMimeData>

// The tiles in a grid that reflows with the window. A picture dropped on a tile is that tile's;
// dropped between tiles it is the selected word's.
class WordTilesView : public QListView
{
    Q_OBJECT

public:
    explicit WordTilesView(QWidget *parent = nullptr);

signals:
    void pictureDropped(int row, const QMimeData *mime);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};
